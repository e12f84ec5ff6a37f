#include "conversion/values/pattern_scan.h"

#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// A wide target holds numbers of up to 18 digits exactly. Longer numbers keep
// their last 18 digits plus 10^18, so that they still read as too long for
// any field instead of wrapping into a plausible small value.
constexpr uint64_t kWideModulus = 1000000000000000000ull;

}  // namespace

int ScanPattern(const char* text, const char* pattern, std::initializer_list<ScanTarget> targets) {
  const ScanTarget* target = targets.begin();
  int stored = 0;
  const char* t = text;
  const char* p = pattern;
  while (*p != '\0') {
    if (*p != '%') {
      if (*t != *p) break;
      ++t;
      ++p;
      continue;
    }
    ++p;
    int width = 0;
    while (IsDigit(*p)) width = width * 10 + (*p++ - '0');
    if (*p != 'd') break;  // the program's patterns hold only %d fields
    ++p;
    while (IsScanSpace(*t)) ++t;
    int left = width > 0 ? width : -1;
    bool negative = false;
    if ((*t == '+' || *t == '-') && left != 0) {
      negative = *t == '-';
      ++t;
      --left;
    }
    uint32_t narrow = 0;
    uint64_t wide = 0;
    bool wideOverflow = false;
    int digits = 0;
    while (left != 0 && IsDigit(*t)) {
      const unsigned digit = static_cast<unsigned>(*t - '0');
      narrow = narrow * 10u + digit;
      wide = wide * 10u + digit;
      if (wide >= kWideModulus) {
        wide %= kWideModulus;
        wideOverflow = true;
      }
      ++digits;
      ++t;
      --left;
    }
    if (digits == 0 || target == targets.end()) break;
    if (target->narrow) {
      const uint32_t value = negative ? 0u - narrow : narrow;
      *target->narrow = static_cast<int32_t>(value);
    } else if (target->wide) {
      const int64_t value = static_cast<int64_t>(wide + (wideOverflow ? kWideModulus : 0));
      *target->wide = negative ? -value : value;
    }
    ++target;
    ++stored;
  }
  return stored;
}

}  // namespace tarvolo
