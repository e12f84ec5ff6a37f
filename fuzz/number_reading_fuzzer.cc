// The pattern scan and the amount reader on arbitrary texts. The scan must
// store only what it reports and respect field widths; a Czech amount must
// give the hellers of the correctly rounded value that the C library reads
// from the same characters, and a bank export's amount whole hellers or a
// reason.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conversion/values/amount_reading.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/message_symbol.h"
#include "conversion/values/pattern_scan.h"
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

// The text as the C library reads a Czech amount: no blanks, a point for
// the comma, 'e' for the other exponent letters. Empty where the library
// knows other spellings (hexadecimal, infinity, NaN).
std::string AsLibraryReadsIt(const std::string& text) {
  std::string plain;
  for (const char c : text) {
    if (c == ' ' || c == '\xA0') continue;
    if (c == '\0') break;
    plain += c == ',' ? '.' : (c == 'd' || c == 'D') ? 'e' : c;
  }
  if (plain.find_first_of("xXiInNaApP") != std::string::npos) return std::string();
  return plain;
}

void CheckCzechAmount(const std::string& text) {
  const AmountReading amount = ReadAmount(text, AmountRules::kCzechText);
  FUZZ_CHECK(amount.hellers >= -kMostHellers && amount.hellers <= kMostHellers,
             "hellers beyond their bound: " + text);
  FUZZ_CHECK(std::abs(amount.rest) <= kRestPerHeller / 2, "rest beyond half a heller: " + text);
  const std::string plain = AsLibraryReadsIt(text);
  if (plain.empty() || text.find('\0') != std::string::npos) return;
  errno = 0;
  const double expected = std::strtod(plain.c_str(), nullptr);
  if (errno == ERANGE) {
    FUZZ_CHECK(amount.hellers == 0, "out of range but not zero: " + text);
    return;
  }
  FUZZ_CHECK(amount.status != AmountStatus::kOutOfRange, "in range read as out of range: " + text);
  int64_t hellers = 0;
  if (!WholeHellers(expected, &hellers) || hellers >= kMostHellers || hellers <= -kMostHellers) {
    hellers = expected < 0 ? -kMostHellers : kMostHellers;
  }
  FUZZ_CHECK(amount.hellers == hellers,
             "hellers of '" + text + "' are not those of " + std::to_string(expected));
  if (hellers == 0) {
    FUZZ_CHECK((amount.rest < 0) == (expected < 0) && (amount.rest > 0) == (expected > 0),
               "an amount of no hellers lost its side of zero: " + text);
  }
}

void CheckBankExportAmount(const std::string& text) {
  for (const char mark : {'\0', ',', '.'}) {
    const AmountReading amount = ReadAmount(text, AmountRules::kBankExport, mark);
    const bool read = amount.status == AmountStatus::kRead;
    FUZZ_CHECK((amount.fault == nullptr) == (read || amount.status == AmountStatus::kEmpty),
               "a reason for an amount read, or none for one refused: " + text);
    FUZZ_CHECK(amount.rest == 0 && (read || amount.hellers == 0),
               "hellers of an amount not read: " + text);
    FUZZ_CHECK(amount.hellers >= -kMostHellers && amount.hellers <= kMostHellers,
               "hellers beyond their bound: " + text);
  }
}

// A message's symbol: every candidate one an accounting program pairs by,
// each once, and the kind telling how many there are.
void CheckMessageSymbol(const std::string& text) {
  const MessageSymbol found = FindMessageSymbol(text);
  const size_t count = found.candidates.size();
  for (size_t i = 0; i < count; ++i) {
    FUZZ_CHECK(IsPairingSymbol(found.candidates[i]), "candidate is no symbol");
    for (size_t j = 0; j < i; ++j) {
      FUZZ_CHECK(found.candidates[i] != found.candidates[j], "candidate twice");
    }
  }
  const MessageSymbol::Kind kind = count == 0   ? MessageSymbol::Kind::kNone
                                   : count == 1 ? MessageSymbol::Kind::kFound
                                                : MessageSymbol::Kind::kAmbiguous;
  FUZZ_CHECK(found.kind == kind, "kind does not count the candidates");
  FUZZ_CHECK(found.symbol == (count == 1 ? found.candidates[0] : ""), "symbol not the one found");
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckDateScan(text.c_str());
  CheckAccountScan(text.c_str());
  CheckCzechAmount(text);
  CheckBankExportAmount(text);
  CheckMessageSymbol(text);
  return 0;
}
