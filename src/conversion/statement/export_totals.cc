#include "conversion/statement/export_totals.h"

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

void AddItemToTotals(const StatementItem& item, ExportTotals* totals) {
  ++totals->itemCount;
  totals->anyAmount = totals->anyAmount || item.amount != 0 || item.amountRest != 0;
  // Less than half a heller below zero is a debit of no hellers, as its
  // record says.
  const bool debit = item.amount < 0 || (item.amount == 0 && item.amountRest < 0);
  ++(debit ? totals->debitCount : totals->creditCount);
  AddHellers(debit ? -item.amount : item.amount,
             debit ? &totals->debitHellers : &totals->creditHellers, &totals->hellersOverflow);
}

void AddTotals(const ExportTotals& file, ExportTotals* run) {
  run->itemCount += file.itemCount;
  run->creditCount += file.creditCount;
  run->debitCount += file.debitCount;
  run->anyAmount = run->anyAmount || file.anyAmount;
  run->hellersOverflow = run->hellersOverflow || file.hellersOverflow;
  AddHellers(file.creditHellers, &run->creditHellers, &run->hellersOverflow);
  AddHellers(file.debitHellers, &run->debitHellers, &run->hellersOverflow);
}

}  // namespace tarvolo
