#include "conversion/csv_record.h"


namespace tarvolo {
namespace {

inline bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The bytes that end the text of a quoted field: its quote, or a line end
// that is either counted or, once the quote is known never to close, ends
// the field.
struct QuotedStops {
  bool table[256] = {};
  constexpr QuotedStops() {
    table[static_cast<unsigned char>('"')] = true;
    table[static_cast<unsigned char>('\r')] = true;
    table[static_cast<unsigned char>('\n')] = true;
  }
};
constexpr QuotedStops kQuotedStops;

// The first position from `j` on whose byte is in `stops`; `n` if none.
// Four bytes per round, as fields are short and lines long.
inline size_t ScanTo(const char* p, size_t j, size_t n, const bool* stops) {
  const auto stop = [p, stops](size_t k) { return stops[static_cast<unsigned char>(p[k])]; };
  for (; n - j >= 4; j += 4) {
    if (stop(j)) return j;
    if (stop(j + 1)) return j + 1;
    if (stop(j + 2)) return j + 2;
    if (stop(j + 3)) return j + 3;
  }
  while (j < n && !stop(j)) ++j;
  return j;
}

// Blanks and the no-break space, as a table.
struct Padding {
  bool table[256] = {};
  constexpr Padding() {
    for (int c = 1; c <= 32; ++c) table[c] = true;
    table[0xA0] = true;
  }
};
constexpr Padding kPadding;

inline bool IsPadding(char c) { return kPadding.table[static_cast<unsigned char>(c)]; }

inline size_t TrimStart(const char* p, size_t start, size_t end) {
  while (start < end && IsPadding(p[start])) ++start;
  return start;
}

inline size_t TrimEnd(const char* p, size_t start, size_t end) {
  while (end > start && IsPadding(p[end - 1])) --end;
  return end;
}

}  // namespace

CsvRecordReader::CsvRecordReader(std::string_view text, char separator, size_t offset,
                                 int lineNumber)
    : text_(text), separator_(separator), position_(offset), line_(lineNumber) {
  fieldEnds_[static_cast<unsigned char>(separator)] = true;
  fieldEnds_[static_cast<unsigned char>('\r')] = true;
  fieldEnds_[static_cast<unsigned char>('\n')] = true;
  // A tab separator is padding too: it ends the field rather than pad it.
  for (int c = 0; c < 256; ++c) leadPadding_[c] = kPadding.table[c] && !fieldEnds_[c];
}

void CsvRecordReader::SkipLineEnd() {
  if (position_ >= text_.size()) return;
  if (text_[position_] == '\r') ++position_;
  if (position_ < text_.size() && text_[position_] == '\n') ++position_;
  ++line_;
}

bool CsvRecordReader::Next() {
  unclosedQuote_ = false;
  if (position_ >= text_.size()) return false;
  const size_t start = position_;
  recordLine_ = line_;
  if (!ReadRecord(true)) {
    position_ = start;
    line_ = recordLine_;
    ReadRecord(false);
    unclosedQuote_ = true;
  }
  for (const Assembled& field : assembled_) {
    fields_[field.field] = std::string_view(buffer_.data() + field.start, field.length);
  }
  return true;
}

// Most fields are read where they stand in the text; only a quoted field
// with doubled quotes or characters after its closing quote is put
// together in buffer_.
bool CsvRecordReader::ReadRecord(bool quotesSpanLines) {
  fields_.clear();
  assembled_.clear();
  buffer_.clear();
  const char* p = text_.data();
  const size_t n = text_.size();
  size_t j = position_;
  for (;;) {
    while (j < n && leadPadding_[static_cast<unsigned char>(p[j])]) ++j;
    if (j < n && p[j] == '"') {
      ++j;
      size_t chunk = j;  // the text not yet in the field
      size_t end;        // where the text of the field ends
      size_t start = 0;  // of the field in buffer_, once it is put together there
      bool assembled = false;
      for (;;) {
        j = ScanTo(p, j, n, kQuotedStops.table);
        if (j >= n) {
          if (quotesSpanLines) return false;
          end = j;
          break;
        }
        if (p[j] == '"') {
          if (j + 1 < n && p[j + 1] == '"') {
            if (!assembled) start = buffer_.size();
            assembled = true;
            buffer_.append(p + chunk, j + 1 - chunk);  // one quote of the two
            j += 2;
            chunk = j;
            continue;
          }
          end = j++;
          break;
        }
        if (!quotesSpanLines) {  // the line ends the field
          end = j;
          break;
        }
        // LF, CR LF and a CR alone count once each.
        if (p[j] == '\n' || j + 1 == n || p[j + 1] != '\n') ++line_;
        ++j;
      }
      // Characters after the closing quote stay part of the field.
      const size_t after = j;
      while (j < n && !fieldEnds_[static_cast<unsigned char>(p[j])]) ++j;
      if (assembled || after < j) {
        if (!assembled) start = buffer_.size();
        buffer_.append(p + chunk, end - chunk);
        buffer_.append(p + after, j - after);
        const char* b = buffer_.data();
        const size_t first = TrimStart(b, start, buffer_.size());
        assembled_.push_back({fields_.size(), first, TrimEnd(b, first, buffer_.size()) - first});
        fields_.emplace_back();
      } else {
        const size_t first = TrimStart(p, chunk, end);
        fields_.emplace_back(p + first, TrimEnd(p, first, end) - first);
      }
    } else {
      const size_t first = j;
      j = ScanTo(p, j, n, fieldEnds_);
      fields_.emplace_back(p + first, TrimEnd(p, first, j) - first);
    }
    if (j < n && p[j] == separator_) {
      ++j;
      continue;
    }
    position_ = j;
    SkipLineEnd();
    return true;
  }
}

}  // namespace tarvolo
