#include "conversion/csv_record.h"

#include <cstring>

namespace tarvolo {
namespace {

inline bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Line ends within `length` bytes: LF, CR LF and a CR alone count once each.
int CountLineEnds(const char* text, size_t length) {
  int count = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == length || text[i + 1] != '\n'))) {
      ++count;
    }
  }
  return count;
}

}  // namespace

CsvRecordReader::CsvRecordReader(std::string_view text, char separator, size_t offset,
                                 int lineNumber)
    : text_(text), separator_(separator), position_(offset), line_(lineNumber) {}

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
  fields_.clear();
  for (const Span& span : spans_) {
    const char* base = span.unquoted ? text_.data() : buffer_.data();
    fields_.emplace_back(base + span.start, span.length);
  }
  return true;
}

bool CsvRecordReader::ReadRecord(bool quotesSpanLines) {
  spans_.clear();
  buffer_.clear();
  const char* p = text_.data();
  const size_t n = text_.size();
  size_t j = position_;
  for (;;) {
    // A tab separator is padding too: it ends the field rather than pad it.
    while (j < n && IsFieldPadding(p[j]) && p[j] != separator_ && !IsLineEnd(p[j])) ++j;
    Span span;
    if (j < n && p[j] == '"') {
      span.unquoted = false;
      span.start = buffer_.size();
      ++j;
      for (;;) {
        const void* quote = std::memchr(p + j, '"', n - j);
        size_t end = quote ? static_cast<const char*>(quote) - p : n;
        if (!quotesSpanLines) {
          for (size_t k = j; k < end; ++k) {
            if (IsLineEnd(p[k])) end = k;
          }
        } else {
          line_ += CountLineEnds(p + j, end - j);
        }
        buffer_.append(p + j, end - j);
        j = end;
        if (j >= n) {
          if (quotesSpanLines) return false;
          break;
        }
        if (p[j] != '"') break;  // the line ends the field
        if (j + 1 < n && p[j + 1] == '"') {
          buffer_ += '"';
          j += 2;
          continue;
        }
        ++j;
        break;
      }
      // Characters after the closing quote stay part of the field.
      while (j < n && p[j] != separator_ && !IsLineEnd(p[j])) buffer_ += p[j++];
      span.length = buffer_.size() - span.start;
      while (span.length > 0 && IsFieldPadding(buffer_[span.start])) ++span.start, --span.length;
      while (span.length > 0 && IsFieldPadding(buffer_[span.start + span.length - 1])) {
        --span.length;
      }
    } else {
      span.unquoted = true;
      span.start = j;
      while (j < n && p[j] != separator_ && !IsLineEnd(p[j])) ++j;
      span.length = j - span.start;
      while (span.length > 0 && IsFieldPadding(p[span.start + span.length - 1])) --span.length;
    }
    spans_.push_back(span);
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
