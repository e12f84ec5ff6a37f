#include "conversion/reading/text/csv_field.h"

#include <algorithm>
#include <cstring>

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
  const char* p = line;
  for (int i = 0; i < count; ++i) {
    if (p == nullptr) {
      fields[i] = CsvFieldSpan();
      continue;
    }
    const char* end = static_cast<const char*>(std::memchr(p, ';', lineEnd - p));
    fields[i].first = p;
    fields[i].end = end != nullptr ? end : lineEnd;
    fields[i].mayHoldQuotes = quotes;
    p = end != nullptr ? end + 1 : nullptr;
  }
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
