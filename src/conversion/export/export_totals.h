#ifndef TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_
#define TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_

#include <cstdint>

#include "conversion/values/decimal_rounding.h"
#include "conversion/values/statement_item.h"

namespace tarvolo {

// The sums of the items a run, or one reading of a file, takes.
struct ExportTotals {
  int32_t itemCount = 0;  // one per "075" record
  int32_t creditCount = 0, debitCount = 0;
  // The sums of the items' whole hellers, as their records show them, so
  // that the header's turnovers are exactly the sums of the records.
  int64_t creditHellers = 0;
  int64_t debitHellers = 0;
  bool hellersOverflow = false;  // an item or a sum beyond 10^17 hellers
  bool anyAmount = false;        // an item whose amount is not zero, however small
};

// Counts one item into `totals`.
void AddItemToTotals(const StatementItem& item, ExportTotals* totals);

// Adds the totals of one file to those of the run.
void AddTotals(const ExportTotals& file, ExportTotals* run);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_
