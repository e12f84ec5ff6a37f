#include "conversion/export/run_state.h"

#include <utility>

#include "conversion/export/run_log.h"

namespace tarvolo {

void RunItems::Expect(size_t itemLines) {
  for (StatementOutput* output : run_->outputs) output->Expect(itemLines);
  run_->numbers.Expect(itemLines);
}

void RunItems::Try(const std::string& shown, const LayoutReading* reading, LogLine log) {
  run_->reports.clear();
  shown_ = shown;
  log_ = log;
  items_.emplace(run_->checks, shown, reading, std::move(log));
  totals_ = ExportTotals();
  run_->pairing.Try(shown);
  byLayout_ = reading != nullptr;
}

void RunItems::Add(const StatementItem& item, const std::string& currency) {
  if (!items_->Take(item)) return;
  run_->period.Check(item, shown_, log_);
  const StatementItem& numbered = run_->numbers.Number(item, byLayout_);
  const StatementItem& given = run_->pairing.Add(numbered);
  for (StatementOutput* output : run_->outputs) output->Add(given, currency);
  AddItemToTotals(item, &totals_);
}

void RunItems::Finish() {
  items_->Finish();
  AddTotals(totals_, &run_->totals);
  for (StatementOutput* output : run_->outputs) output->Confirm();
  run_->pairing.Confirm();
  run_->numbers.Confirm();
}

bool RunItems::Keep(const std::string& shown, const StatedBalances& stated, const LogLine& log) {
  const bool fit = LogRecordReports(shown, run_->reports, log);
  run_->pairing.LogMoves(shown, log);
  run_->reports.clear();
  run_->checks.AcceptFile(*items_, shown, stated, log);
  return fit;
}

void RunItems::Forget() {
  for (StatementOutput* output : run_->outputs) output->TakeBack();
  run_->pairing.TakeBack();
  run_->numbers.TakeBack();
  run_->reports.clear();
}

}  // namespace tarvolo
