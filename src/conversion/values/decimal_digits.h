#ifndef TARVOLO_CONVERSION_VALUES_DECIMAL_DIGITS_H_
#define TARVOLO_CONVERSION_VALUES_DECIMAL_DIGITS_H_

#include <cstdint>

namespace tarvolo {

// The digits of a decimal number as a text gives them one by one, however
// many, kept to as many as decide its nearest double. The program's own
// rounding, not the C library's, whose strtod differs between builds.
class DecimalDigits {
 public:
  // The next digit of the number's integer part, or of its fraction.
  void Add(char digit, bool fraction);

  // The double nearest to the digits times 10^exponent, below zero with
  // `negative` (a zero keeps that sign too). False, with a zero, where the
  // number lies beyond the range of doubles; *tooLarge (when given) then
  // tells a number too large from one too small.
  bool Value(bool negative, int64_t exponent, double* value, bool* tooLarge = nullptr) const;

 private:
  // A midpoint between two doubles, where rounding turns, has at most 767
  // significant digits: digits after the 768th only tell that the number
  // lies above the ones kept, never on which side of a midpoint.
  static constexpr int kKept = 768;
  char digits_[kKept];
  int count_ = 0;
  bool dropped_ = false;  // a digit beyond those kept is not zero
  // The number is 0.<digits> times 10^power_.
  int64_t power_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_DECIMAL_DIGITS_H_
