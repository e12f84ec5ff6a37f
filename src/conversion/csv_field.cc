#include "conversion/csv_field.h"

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

int ReadCsvField(const char* line, int fieldNumber, char* destination,
                 size_t destinationSize) {
  char field[kMaxCsvField + 1];
  size_t length = 0;
  const char* p = line;
  for (int n = 0; n < fieldNumber; ++n) {
    length = 0;
    for (;;) {
      const char c = *p;
      if (c == '\0' || c == '\r' || c == '\n') break;  // not consumed
      ++p;
      if (c == ';') break;
      if (c == '"') continue;
      if (length < kMaxCsvField) field[length++] = c;
    }
  }
  field[length] = '\0';
  TrimBlanks(field);
  if (destinationSize == 0) return 1;
  const size_t kept = std::min(std::strlen(field), destinationSize - 1);
  std::memcpy(destination, field, kept);
  destination[kept] = '\0';
  return 1;
}

}  // namespace tarvolo
