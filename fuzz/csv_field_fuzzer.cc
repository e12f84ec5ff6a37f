// The CSV field reader on arbitrary lines, field numbers and destination
// sizes, against a plain model of the field rules.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/reading/text/csv_field.h"
#include "fuzz_checks.h"

namespace tarvolo {
namespace {

// Field n of the line as the rules define it, before the destination cut.
std::string ModelField(const std::string& text, int fieldNumber) {
  std::string line = text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
  std::string field;
  size_t start = 0;
  for (int n = 1;; ++n) {
    const size_t end = line.find(';', start);
    if (n == fieldNumber) {
      field = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
      break;
    }
    if (end == std::string::npos) return std::string();
    start = end + 1;
  }
  std::string kept;
  for (char c : field) {
    if (c != '"' && kept.size() < kMaxCsvField) kept += c;
  }
  size_t first = 0;
  while (first < kept.size() && IsBlank(static_cast<unsigned char>(kept[first]))) ++first;
  size_t last = kept.size();
  while (last > first && IsBlank(static_cast<unsigned char>(kept[last - 1]))) --last;
  return kept.substr(first, last - first);
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  if (size < 3) return 0;
  const int fieldNumber = 1 + data[0] % 24;
  const size_t destinationSize = (static_cast<size_t>(data[1]) << 8 | data[2]) % 1100;
  const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);

  // Exactly destinationSize bytes, so that the address sanitizer sees any
  // write past them.
  std::vector<char> destination(destinationSize, '\x7F');
  ReadCsvField(text.c_str(), fieldNumber, destinationSize ? destination.data() : nullptr,
               destinationSize);
  if (destinationSize == 0) return 0;

  const void* end = std::memchr(destination.data(), '\0', destinationSize);
  FUZZ_CHECK(end != nullptr, "field not NUL-terminated within its destination");
  const std::string field(destination.data());
  std::string expected = ModelField(text, fieldNumber);
  expected.resize(std::min(expected.size(), destinationSize - 1));
  FUZZ_CHECK(field == expected, "field " + std::to_string(fieldNumber) + " reads '" + field +
                                    "', expected '" + expected + "'");

  // Trimming in place works on any text.
  std::string trimmed = text.c_str();
  TrimBlanks(&trimmed[0]);
  const std::string result = trimmed.c_str();
  FUZZ_CHECK(result.empty() || (!IsBlank(static_cast<unsigned char>(result.front())) &&
                                !IsBlank(static_cast<unsigned char>(result.back()))),
             "blank left at an end after trimming");
  FUZZ_CHECK(std::string(text.c_str()).find(result) != std::string::npos,
             "trimming changed the inside of the text");
  return 0;
}
