#ifndef TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_
#define TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_

#include <cstdint>

#include "conversion/values/decimal_rounding.h"

namespace tarvolo {

// The sums of the items a run, or one reading of a file, takes.
struct ExportTotals {
  double creditSum = 0;   // crowns, items of zero or more
  double debitSum = 0;    // crowns, magnitudes of the items below zero
  int32_t itemCount = 0;  // one per "075" record
  int32_t creditCount = 0, debitCount = 0;
  // The same sums in whole hellers, each item rounded as its record shows
  // it, so that the header's turnovers are exactly the sums of the records.
  int64_t creditHellers = 0;
  int64_t debitHellers = 0;
  bool hellersOverflow = false;  // an item or a sum beyond 10^17 hellers
};

// Counts one item of `amount` crowns (below zero a debit) into `totals`;
// `hellers` is its magnitude in whole hellers where the caller rounded it
// already, -1 to have it rounded here.
void AddItemToTotals(double amount, ExportTotals* totals, int64_t hellers = -1);

// Adds the totals of one file to those of the run.
void AddTotals(const ExportTotals& file, ExportTotals* run);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_EXPORT_TOTALS_H_
