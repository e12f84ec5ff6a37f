#include "conversion/export/export_totals.h"

#include <cmath>

#include "conversion/values/decimal_rounding.h"

namespace tarvolo {

namespace {

void AddHellers(int64_t hellers, int64_t* sum, bool* overflow) {
  if (hellers >= kHellerLimit || *sum + hellers >= kHellerLimit) {
    *overflow = true;
  } else {
    *sum += hellers;
  }
}

}  // namespace

void AddItemToTotals(double amount, ExportTotals* totals, int64_t hellers) {
  const bool debit = amount < 0;
  const double magnitude = std::fabs(amount);
  (debit ? totals->debitSum : totals->creditSum) += magnitude;
  ++totals->itemCount;
  ++(debit ? totals->debitCount : totals->creditCount);
  if (hellers < 0 && !WholeHellers(magnitude, &hellers)) {
    totals->hellersOverflow = true;
    return;
  }
  AddHellers(hellers, debit ? &totals->debitHellers : &totals->creditHellers,
             &totals->hellersOverflow);
}

void AddTotals(const ExportTotals& file, ExportTotals* run) {
  run->creditSum += file.creditSum;
  run->debitSum += file.debitSum;
  run->itemCount += file.itemCount;
  run->creditCount += file.creditCount;
  run->debitCount += file.debitCount;
  run->hellersOverflow = run->hellersOverflow || file.hellersOverflow;
  AddHellers(file.creditHellers, &run->creditHellers, &run->hellersOverflow);
  AddHellers(file.debitHellers, &run->debitHellers, &run->hellersOverflow);
}

}  // namespace tarvolo
