#ifndef TARVOLO_CONVERSION_STATEMENT_EXPORT_TOTALS_H_
#define TARVOLO_CONVERSION_STATEMENT_EXPORT_TOTALS_H_

#include <cstdint>

#include "conversion/statement/statement_item.h"

namespace tarvolo {

// The sums of the items a statement, or one reading of a file, takes, in
// whole hellers as the records show them, so that a header's turnovers are
// exactly the sums of its records; with the balances once the run knows
// them, they are what a header or a summary states.
struct ExportTotals {
  int32_t itemCount = 0;                        // one per "075" record
  int32_t creditCount = 0, debitCount = 0;      // items of zero or more, and below zero
  int64_t creditHellers = 0, debitHellers = 0;  // both magnitudes
  int64_t openingHellers = 0, closingHellers = 0;
  bool hellersOverflow = false;  // an item or a sum beyond 10^17 hellers
  bool anyAmount = false;        // an item whose amount is not zero, however small
};

// Counts one item into `totals`.
void AddItemToTotals(const StatementItem& item, ExportTotals* totals);

// Adds the item sums of one file to those of the run; the balances stay.
void AddTotals(const ExportTotals& file, ExportTotals* run);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_STATEMENT_EXPORT_TOTALS_H_
