#ifndef TARVOLO_CONVERSION_EXPORT_TOTALS_H_
#define TARVOLO_CONVERSION_EXPORT_TOTALS_H_

#include <cstdint>

namespace tarvolo {

// The accumulators of one export run, zeroed at its start.
struct ExportTotals {
  double creditSum = 0;  // crowns, items of zero or more
  double debitSum = 0;   // crowns, magnitudes of the items below zero
  int32_t itemCount = 0;  // one per "075" record
};

extern ExportTotals g_exportTotals;

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_TOTALS_H_
