#ifndef TARVOLO_CONVERSION_READING_TEXT_CSV_FIELD_H_
#define TARVOLO_CONVERSION_READING_TEXT_CSV_FIELD_H_

#include <cstddef>
#include <string_view>

#include "conversion/values/blanks.h"

namespace tarvolo {

// Removes leading and trailing blanks in place; a null pointer is left alone.
void TrimBlanks(char* text);

// Largest field the reader keeps; longer fields are cut to their first
// kMaxCsvField characters.
constexpr size_t kMaxCsvField = 1023;

// Copies the trimmed text of field `fieldNumber` (counted from 1) of the line
// starting at `line` into `destination`, cut to destinationSize - 1
// characters and NUL-terminated. Fields are separated by ';'; the line ends
// at CR, LF or NUL; double quotes are dropped wherever they stand. A field
// beyond the end of the line reads as empty text. Always returns 1.
int ReadCsvField(const char* line, int fieldNumber, char* destination, size_t destinationSize);

// Where one field of a line stands: its first byte and its end, both null
// for a field beyond the end of the line.
struct CsvFieldSpan {
  const char* first = nullptr;
  const char* end = nullptr;
  bool mayHoldQuotes = true;  // false when its line has none
};

// Finds the first `count` fields of the line from `line` to `lineEnd` (its
// first CR, LF or NUL) in one pass.
void SplitCsvLine(const char* line, const char* lineEnd, CsvFieldSpan* fields, int count);

// Copies a field as ReadCsvField does: quotes dropped, trimmed, cut to
// destinationSize - 1 characters and NUL-terminated. Returns its length.
size_t CopyCsvField(CsvFieldSpan field, char* destination, size_t destinationSize);
// Likewise, but keeps the last destinationSize - 1 characters of the field.
size_t CopyCsvFieldEnd(CsvFieldSpan field, char* destination, size_t destinationSize);

// The field trimmed where it stands, when no quote needs dropping and no
// cut to the working size comes before the trim; false otherwise. Inline,
// as are the two readers below: every field of every line passes here.
inline bool TrimmedInPlace(CsvFieldSpan field, size_t bufferSize, const char** first,
                           const char** end) {
  if (field.mayHoldQuotes || bufferSize == 0 ||
      static_cast<size_t>(field.end - field.first) > kMaxCsvField) {
    return false;
  }
  *first = field.first;
  *end = field.end;
  while (*first != *end && IsBlank(static_cast<unsigned char>(**first))) ++*first;
  while (*end != *first && IsBlank(static_cast<unsigned char>((*end)[-1]))) --*end;
  return true;
}

// The text CopyCsvField gives, seen where it stands in the line when the
// line holds no quotes, else copied to `buffer` as CopyCsvField copies it.
// The text is NUL-terminated only where it was copied.
inline std::string_view CsvFieldText(CsvFieldSpan field, char* buffer, size_t bufferSize) {
  const char* first;
  const char* end;
  if (!TrimmedInPlace(field, bufferSize, &first, &end)) {
    return {buffer, CopyCsvField(field, buffer, bufferSize)};
  }
  const size_t length = static_cast<size_t>(end - first);
  return {first, length < bufferSize - 1 ? length : bufferSize - 1};
}

// Likewise for the text CopyCsvFieldEnd gives.
inline std::string_view CsvFieldTextEnd(CsvFieldSpan field, char* buffer, size_t bufferSize) {
  const char* first;
  const char* end;
  if (!TrimmedInPlace(field, bufferSize, &first, &end)) {
    return {buffer, CopyCsvFieldEnd(field, buffer, bufferSize)};
  }
  const size_t length = static_cast<size_t>(end - first);
  const size_t kept = length < bufferSize - 1 ? length : bufferSize - 1;
  return {end - kept, kept};
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_CSV_FIELD_H_
