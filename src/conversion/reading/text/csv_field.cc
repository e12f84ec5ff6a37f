#include "conversion/reading/text/csv_field.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_CSV_SSE2 1
#else
#define TARVOLO_CSV_SSE2 0
#endif

namespace tarvolo {

void TrimBlanks(char* text) {
  if (text == nullptr) return;
  const char* first = text;
  while (IsBlank(static_cast<unsigned char>(*first))) ++first;
  size_t length = std::strlen(first);
  if (first != text) std::memmove(text, first, length + 1);
  while (length > 0 && IsBlank(static_cast<unsigned char>(text[length - 1]))) {
    text[--length] = '\0';
  }
}

namespace {

// The bytes that end a field (NUL, CR and LF end the line as well), as a
// table: fields are skipped byte by byte many times per line.
struct FieldEnds {
  bool table[256] = {};
  constexpr FieldEnds() {
    table[static_cast<unsigned char>(';')] = true;
    table[0] = true;
    table[static_cast<unsigned char>('\r')] = true;
    table[static_cast<unsigned char>('\n')] = true;
  }
};
constexpr FieldEnds kFieldEnds;

inline bool EndsField(char c) { return kFieldEnds.table[static_cast<unsigned char>(c)]; }

}  // namespace

void SplitCsvLine(const char* line, const char* lineEnd, CsvFieldSpan* fields, int count) {
  // Within the line, each field ends at its ';'.
  const bool quotes = std::memchr(line, '"', lineEnd - line) != nullptr;
  int found = 0;
  const char* start = line;
  const auto take = [&](const char* end) {
    fields[found++] = {start, end, quotes};
    start = end + 1;
    return found == count;
  };
  const char* p = line;
  if (count > 0) {
#if TARVOLO_CSV_SSE2
    // Sixteen bytes at a time, the separators found by one comparison
    // rather than by a search from every field; the last bytes of a line
    // in the sixteen that end it, less those already looked at.
    const __m128i separator = _mm_set1_epi8(';');
    const auto separators = [separator](const char* at) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, separator)));
    };
    for (; lineEnd - p >= 16; p += 16) {
      for (unsigned ends = separators(p); ends != 0; ends &= ends - 1) {
        if (take(p + __builtin_ctz(ends))) return;
      }
    }
    if (p != lineEnd && lineEnd - line >= 16) {
      const int skipped = static_cast<int>(16 - (lineEnd - p));
      p = lineEnd - 16;
      for (unsigned ends = separators(p) >> skipped << skipped; ends != 0; ends &= ends - 1) {
        if (take(p + __builtin_ctz(ends))) return;
      }
      p = lineEnd;
    }
#endif
    for (; p != lineEnd; ++p) {
      if (*p == ';' && take(p)) return;
    }
    take(lineEnd);
  }
  for (int i = found; i < count; ++i) fields[i] = CsvFieldSpan();
}

namespace {

// Quotes do not count and blanks are trimmed as if the quotes were gone.
inline bool Skipped(char c) { return c == '"' || IsBlank(static_cast<unsigned char>(c)); }

}  // namespace

size_t CopyCsvField(CsvFieldSpan field, char* destination, size_t destinationSize) {
  const char* p = field.first;
  const char* end = field.end;
  if (destinationSize == 0) return 0;
  size_t length = 0;
  if (static_cast<size_t>(end - p) <= kMaxCsvField) {
    // Nothing to cut to the working size: trimmed as it stands.
    while (p != end && Skipped(*p)) ++p;
    while (end != p && Skipped(end[-1])) --end;
    if (p == end || !field.mayHoldQuotes || std::memchr(p, '"', end - p) == nullptr) {
      length = std::min(static_cast<size_t>(end - p), destinationSize - 1);
      if (length > 0) std::memcpy(destination, p, length);
    } else {
      for (; p != end && length < destinationSize - 1; ++p) {
        if (*p != '"') destination[length++] = *p;
      }
    }
    destination[length] = '\0';
    return length;
  }
  // Quotes are dropped, the field is cut to the working size, then trimmed.
  char text[kMaxCsvField];
  for (; p != end; ++p) {
    if (*p != '"' && length < kMaxCsvField) text[length++] = *p;
  }
  size_t first = 0;
  while (first < length && IsBlank(static_cast<unsigned char>(text[first]))) ++first;
  while (length > first && IsBlank(static_cast<unsigned char>(text[length - 1]))) --length;
  const size_t kept = std::min(length - first, destinationSize - 1);
  std::memcpy(destination, text + first, kept);
  destination[kept] = '\0';
  return kept;
}

size_t CopyCsvFieldEnd(CsvFieldSpan field, char* destination, size_t destinationSize) {
  const char* first = field.first;
  const char* end = field.end;
  while (first != end && Skipped(*first)) ++first;
  while (end != first && Skipped(end[-1])) --end;
  if (destinationSize == 0) return 0;
  if (first == end || !field.mayHoldQuotes || std::memchr(first, '"', end - first) == nullptr) {
    const size_t kept = std::min(static_cast<size_t>(end - first), destinationSize - 1);
    if (kept > 0) std::memcpy(destination, end - kept, kept);
    destination[kept] = '\0';
    return kept;
  }
  size_t length = 0;
  for (const char* p = first; p != end; ++p) length += *p != '"';
  const size_t kept = std::min(length, destinationSize - 1);
  // Filled from its end backwards with the field's last characters.
  size_t at = kept;
  for (const char* p = end; at > 0; --p) {
    if (p[-1] != '"') destination[--at] = p[-1];
  }
  destination[kept] = '\0';
  return kept;
}

int ReadCsvField(const char* line, int fieldNumber, char* destination, size_t destinationSize) {
  // Pass over the fields before the one asked for; a line end on the way
  // leaves every later field empty.
  const char* p = fieldNumber >= 1 ? line : nullptr;
  for (int number = 1; number < fieldNumber && p != nullptr; ++number) {
    while (!EndsField(*p)) ++p;
    p = *p == ';' ? p + 1 : nullptr;
  }
  CsvFieldSpan field;
  if (p != nullptr) {
    field.first = field.end = p;
    while (!EndsField(*field.end)) ++field.end;
  }
  CopyCsvField(field, destination, destinationSize);
  return 1;
}

}  // namespace tarvolo
