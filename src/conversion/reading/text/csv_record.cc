#include "conversion/reading/text/csv_record.h"

#include <algorithm>

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_CSV_SSE2 1
#else
#define TARVOLO_CSV_SSE2 0
#endif

namespace tarvolo {
namespace {

// Finds the first of three bytes: a quoted field's quote and the two line
// ends, or an unquoted field's separator and the line ends. Sixteen bytes
// per round where the processor compares them at once, as lines are long;
// the rest byte by byte, so the scan never reads past the text.
class ByteFinder {
 public:
  ByteFinder(char a, char b, char c) : a_(a), b_(b), c_(c) {
#if TARVOLO_CSV_SSE2
    va_ = _mm_set1_epi8(a);
    vb_ = _mm_set1_epi8(b);
    vc_ = _mm_set1_epi8(c);
#endif
  }

#if TARVOLO_CSV_SSE2
  // Which of the sixteen bytes at `p` are one of the bytes, a bit each.
  unsigned Mask(const char* p) const {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, va_), _mm_cmpeq_epi8(bytes, vb_)),
                     _mm_cmpeq_epi8(bytes, vc_));
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
  }
#endif

  // The first position from `j` on holding one of the bytes; `n` if none.
  size_t Find(const char* p, size_t j, size_t n) const {
#if TARVOLO_CSV_SSE2
    for (; n - j >= 16; j += 16) {
      const unsigned mask = Mask(p + j);
      if (mask != 0) return j + static_cast<size_t>(__builtin_ctz(mask));
    }
#endif
    for (; j < n; ++j) {
      const char byte = p[j];
      if (byte == a_ || byte == b_ || byte == c_) return j;
    }
    return n;
  }

 private:
  char a_, b_, c_;
#if TARVOLO_CSV_SSE2
  __m128i va_, vb_, vc_;
#endif
};

#if TARVOLO_CSV_SSE2
// Which of the sixteen bytes at `p` may end a quoted field's text: its
// quotes and every byte from 0x08 to 0x0F, among them CR and LF, found by
// one comparison once the low three bits are set. The caller tells the
// others apart.
inline unsigned QuoteOrControlMask(const char* p) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i controls =
      _mm_cmpeq_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x07)), _mm_set1_epi8(0x0F));
  const __m128i quotes = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(controls, quotes)));
}
#endif

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
  // A field whose quote closes on a later line but does not end there
  // ("25/09/2<LF>"26/09/2014";...) is a quote never closed that met the
  // next line's opening one: its line is read on its own too.
  brokenQuote_ = false;
  if (!ReadRecord(true) || brokenQuote_) {
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
  const char separator = separator_;
  const ByteFinder quotedStops('"', '\r', '\n');
  const ByteFinder fieldEnds(separator, '\r', '\n');
  size_t j = position_;
#if TARVOLO_CSV_SSE2
  // Where a field may start for the run below (sixteen bytes and more after
  // it), and where a block of the search may start (thirty-two and more).
  const size_t fastEnd = n >= 18 ? n - 17 : 0;
  const size_t blockEnd = n >= 33 ? n - 32 : 0;
#endif
  for (;;) {
#if TARVOLO_CSV_SSE2
    // Most fields of a quoting export are simply quoted: while one's
    // closing quote comes before any line end (or tab or other control
    // byte, left to the reading below) and a field end follows it, it is
    // read here without the checks for the text's end, as long as that
    // lies more than sixteen bytes past the search. The compiler is told
    // so, to lay the run out straight and the other readings aside.
    while (__builtin_expect(j < fastEnd && p[j] == '"', 1)) {
      size_t at = j + 1;
      unsigned mask;
      while ((mask = QuoteOrControlMask(p + at)) == 0 && at < blockEnd) at += 16;
      if (__builtin_expect(mask == 0, 0)) break;
      const size_t close = at + static_cast<unsigned>(__builtin_ctz(mask));
      const char after = p[close + 1];
      if (__builtin_expect(p[close] != '"' || !fieldEnds_[static_cast<unsigned char>(after)], 0)) {
        break;
      }
      size_t first = j + 1;
      size_t end = close;
      // The quotes stand either side of an empty field, and are no padding.
      if (IsPadding(p[first]) | IsPadding(p[end - 1])) {
        first = TrimStart(p, first, end);
        end = TrimEnd(p, first, end);
      }
      fields_.emplace_back(p + first, end - first);
      j = close + 1;
      if (after != separator) {
        position_ = j;
        SkipLineEnd();
        return true;
      }
      ++j;
    }
#endif
    size_t first;  // the field's text in the text, before it is trimmed
    size_t end;
    if (j < n && p[j] == '"') {
      // Most quoted fields close before any line end or doubled quote and
      // end right after their quote; many are empty, closed at once.
      const size_t close = j + 1 < n && p[j + 1] == '"' ? j + 1 : quotedStops.Find(p, j + 1, n);
      if (close + 1 < n && p[close] == '"' &&
          fieldEnds_[static_cast<unsigned char>(p[close + 1])]) {
        first = j + 1;
        end = close;
        j = close + 1;
      } else {
        const FieldSpan field = ReadQuotedField(quotesSpanLines, j + 1);
        if (field.next == kUnclosed) return false;
        first = field.first;
        end = field.end;
        j = field.next;
      }
    } else {
      if (j < n && leadPadding_[static_cast<unsigned char>(p[j])]) {
        do ++j;
        while (j < n && leadPadding_[static_cast<unsigned char>(p[j])]);
        // Padding before a quote is no part of the quoted field.
        if (j < n && p[j] == '"') continue;
      }
      first = j;
      j = fieldEnds.Find(p, j, n);
      end = j;
    }
    // Only a field that starts or ends with padding is trimmed.
    if (first < end && (IsPadding(p[first]) || IsPadding(p[end - 1]))) {
      first = TrimStart(p, first, end);
      end = TrimEnd(p, first, end);
    }
    fields_.emplace_back(p + first, end - first);
    if (j < n && p[j] == separator) {
      ++j;
      continue;
    }
    position_ = j;
    SkipLineEnd();
    return true;
  }
}

// A quoted field from after its opening quote at `j` on, to its end; one
// put together in buffer_ is placed in fields_ later and comes back empty.
CsvRecordReader::FieldSpan CsvRecordReader::ReadQuotedField(bool quotesSpanLines, size_t j) {
  const int startLine = line_;
  const char* p = text_.data();
  const size_t n = text_.size();
  const ByteFinder quotedStops('"', '\r', '\n');
  size_t chunk = j;  // the text not yet in the field
  size_t end;        // where the text of the field ends
  size_t start = 0;  // of the field in buffer_, once it is put together there
  bool assembled = false;
  for (;;) {
    j = quotedStops.Find(p, j, n);
    if (j >= n) {
      if (quotesSpanLines) return {0, 0, kUnclosed};
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
  if (line_ != startLine && std::any_of(p + after, p + j, [](char c) { return !IsPadding(c); })) {
    brokenQuote_ = true;
  }
  if (assembled || after < j) {
    if (!assembled) start = buffer_.size();
    buffer_.append(p + chunk, end - chunk);
    buffer_.append(p + after, j - after);
    const char* b = buffer_.data();
    const size_t first = TrimStart(b, start, buffer_.size());
    assembled_.push_back({fields_.size(), first, TrimEnd(b, first, buffer_.size()) - first});
    return {0, 0, j};
  }
  return {chunk, end, j};
}

}  // namespace tarvolo
