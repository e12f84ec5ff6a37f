#ifndef TARVOLO_CONVERSION_GPC_HELLER_SUM_H_
#define TARVOLO_CONVERSION_GPC_HELLER_SUM_H_

#include <cstdint>

namespace tarvolo {

// A sum of hellers in 64 bits that knows when it has left their range:
// a file of enough items would otherwise wrap round to a sum that looks
// right.
class HellerSum {
 public:
  void Add(int64_t hellers) { overflow_ |= __builtin_add_overflow(value_, hellers, &value_); }
  void Subtract(int64_t hellers) { overflow_ |= __builtin_sub_overflow(value_, hellers, &value_); }
  // Meaningful only while the sum can be represented.
  int64_t value() const { return value_; }
  bool representable() const { return !overflow_; }

 private:
  int64_t value_ = 0;
  bool overflow_ = false;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_HELLER_SUM_H_
