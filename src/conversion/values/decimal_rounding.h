#ifndef TARVOLO_CONVERSION_VALUES_DECIMAL_ROUNDING_H_
#define TARVOLO_CONVERSION_VALUES_DECIMAL_ROUNDING_H_

#include <cstdint>
#include <string>

namespace tarvolo {

// Beyond this many hellers no header can show a sum and no statement has a
// balance; adding stops there, and sums stay well within 64 bits below it.
constexpr int64_t kHellerLimit = 100000000000000000;

// Whole hellers as crowns, for the log's "%.2f".
inline double Crowns(int64_t hellers) { return static_cast<double>(hellers) / 100.0; }

// Appends the magnitude of `value` rounded to `decimals` places, without a
// sign: an exact half of the stored value goes away from zero, at most 17
// significant digits are written (later ones are "0"), and the decimal point
// is always '.'. Non-finite values give "inf" or "nan".
void AppendRoundedMagnitude(std::string& out, double value, int decimals);

// Rule H: crowns times 100, rounded to whole hellers, an exact half away from
// zero. Returns false (and leaves *hellers alone) when the count does not fit
// into 64 bits or the amount is not finite.
bool WholeHellers(double crowns, int64_t* hellers);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_DECIMAL_ROUNDING_H_
