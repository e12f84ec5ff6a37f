#ifndef TARVOLO_CONVERSION_VALUES_STATEMENT_TOTALS_H_
#define TARVOLO_CONVERSION_VALUES_STATEMENT_TOTALS_H_

#include <cstdint>

namespace tarvolo {

// The sums of one statement in whole hellers, as its header or summary
// states them: each item rounded as its record shows it.
struct StatementTotals {
  int32_t itemCount = 0;
  int32_t creditCount = 0, debitCount = 0;      // items of zero or more, and below zero
  int64_t creditHellers = 0, debitHellers = 0;  // both magnitudes
  int64_t openingHellers = 0, closingHellers = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_STATEMENT_TOTALS_H_
