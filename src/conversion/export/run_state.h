#ifndef TARVOLO_CONVERSION_EXPORT_RUN_STATE_H_
#define TARVOLO_CONVERSION_EXPORT_RUN_STATE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "conversion/export/payment_pairing.h"
#include "conversion/export/run_checks.h"
#include "conversion/reading/statement_reading.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What the run knows across its files: what their readings tell, and what
// the run does with their items.
struct RunState : ReadingState {
  RunChecks checks;
  ExportTotals totals;  // of the readings chosen so far
  // Where the statement's items go, each as it is accepted.
  std::vector<StatementOutput*> outputs;
  // What the outputs report about the lines of the file being read.
  std::vector<FieldCut> reports;
  // How the statement's credits can be paired, and the symbols moved.
  PaymentPairing pairing;
};

// The run as the place a file's readings put their items: an item goes to
// every output once the checks across files take it, and counts only once
// its reading is chosen.
class RunItems : public ReadingTarget {
 public:
  explicit RunItems(RunState* run) : run_(run) {}

  void Expect(size_t itemLines) override;
  void Try(const std::string& shown, const LayoutReading* reading, LogLine log) override;
  void Add(const StatementItem& item, const std::string& currency) override;
  void Finish() override;
  bool Keep(const std::string& shown, const StatedBalances& stated, const LogLine& log) override;
  void Forget() override;

 private:
  RunState* run_;
  std::optional<RunChecks::FileItems> items_;
  ExportTotals totals_;  // of the reading being tried
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_RUN_STATE_H_
