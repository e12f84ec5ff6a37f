// The pattern scan and the decimal text value on arbitrary texts. The scan
// must store only what it reports and respect field widths; the decimal value
// must be the correctly rounded value that the C library reads from the same
// characters.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conversion/values/number_reading.h"
#include "fuzz_checks.h"

namespace tarvolo {
namespace {

constexpr int32_t kUntouched = 0x5A5A5A5A;

void CheckDateScan(const char* text) {
  int32_t year = kUntouched, month = kUntouched, day = kUntouched;
  const int stored = ScanPattern(text, "%4d/%2d/%2d", {&year, &month, &day});
  FUZZ_CHECK(stored >= 0 && stored <= 3, "date scan stored " + std::to_string(stored));
  const int32_t* targets[] = {&year, &month, &day};
  const int32_t limits[] = {9999, 99, 99};
  for (int i = 0; i < 3; ++i) {
    if (i < stored) {
      // A width counts the sign too, so "-999" is the smallest year.
      FUZZ_CHECK(*targets[i] >= -limits[i] / 10 && *targets[i] <= limits[i],
                 "scanned value wider than its field");
    } else {
      FUZZ_CHECK(*targets[i] == kUntouched, "scan wrote a field it did not report");
    }
  }
}

void CheckAccountScan(const char* text) {
  int32_t prefix = kUntouched, bank = kUntouched;
  int64_t number = kUntouched;
  const int stored = ScanPattern(text, "%d-%d/%d", {&prefix, &number, &bank});
  FUZZ_CHECK(stored >= 0 && stored <= 3, "account scan stored too many");
  if (stored < 2) FUZZ_CHECK(number == kUntouched, "scan wrote the number unreported");
  if (stored < 3) FUZZ_CHECK(bank == kUntouched, "scan wrote the bank code unreported");
  if (stored >= 2)
    FUZZ_CHECK(number > -2000000000000000000 && number < 2000000000000000000,
               "wide target out of its range");
}

// True when the C library reads exactly the syntax of the decimal value on
// this text: no hexadecimal, infinity or NaN spellings.
bool SameSyntaxAsLibrary(const std::string& text) {
  return text.find_first_of("xXiInNaApP") == std::string::npos;
}

void CheckDecimalValue(const std::string& text) {
  bool outOfRange = false;
  const double value = ReadDecimalValue(text.c_str(), &outOfRange);
  FUZZ_CHECK(std::isfinite(value), "decimal value not finite");
  if (outOfRange) FUZZ_CHECK(value == 0, "out-of-range value is not 0");

  std::string reference = text.c_str();
  if (!SameSyntaxAsLibrary(reference)) return;
  for (char& c : reference) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  errno = 0;
  const double expected = std::strtod(reference.c_str(), nullptr);
  if (errno == ERANGE) {
    FUZZ_CHECK(outOfRange || value == expected, "range error not reported: " + text);
    return;
  }
  FUZZ_CHECK(!outOfRange, "in-range value reported out of range: " + text);
  FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected),
             "decimal value of '" + text + "' differs from the correctly rounded one");
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckDateScan(text.c_str());
  CheckAccountScan(text.c_str());
  CheckDecimalValue(text);
  const double amount = ReadAmountText(text.c_str());
  FUZZ_CHECK(std::isfinite(amount), "amount not finite");
  return 0;
}
