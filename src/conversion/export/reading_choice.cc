#include "conversion/export/reading_choice.h"

#include "conversion/export/run_log.h"
#include "conversion/reading/balance_check.h"
#include "conversion/reading/layout_records.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_layout.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/log_line.h"

namespace tarvolo {
namespace {

constexpr int32_t kServis24BankCode = 800;

// The bank code after the slash of "number/bank", 0 for none.
int32_t BankCodeOf(const std::string& account) {
  const size_t slash = account.rfind('/');
  int32_t code = 0;
  if (slash == std::string::npos || account.size() - slash != 5 ||
      !ReadDigitsOnly(std::string_view(account).substr(slash + 1), 4, &code)) {
    return 0;
  }
  return code;
}

// One reading tried on a file: its items go to the outputs, its totals,
// reports and log lines are held back until the reading is chosen.
class Attempt {
 public:
  Attempt(RunState* run, const std::string& shown, const LayoutReading* reading)
      : run_(run), items_(run->checks, shown, reading, Log()) {
    run_->reports.clear();
  }

  ItemSink Sink() {
    return [this](const StatementItem& item) {
      if (!items_.Take(item)) return;
      for (StatementOutput* output : run_->outputs) output->Add(item, run_->currency);
      AddItemToTotals(item, &totals_);
    };
  }
  LogLine Log() {
    return [this](LogKind kind, const char* line) { lines_.emplace_back(kind, line); };
  }
  std::vector<FieldCut>* Reports() { return &run_->reports; }

  // The reading is chosen: its totals count, its lines are logged, and
  // the checks across files learn of it.
  bool Accept(const std::string& path, RunChecks& checks, const StatedBalances& stated,
              const LogLine& log) {
    items_.Finish();
    AddTotals(totals_, &run_->totals);
    for (StatementOutput* output : run_->outputs) output->Confirm();
    for (const auto& [kind, line] : lines_) log(kind, line.c_str());
    const bool fit = LogRecordReports(path, run_->reports, log);
    run_->reports.clear();
    checks.AcceptFile(items_, path, stated, log);
    return fit;
  }
  // The reading is not chosen: nothing of it stays.
  void Discard() {
    for (StatementOutput* output : run_->outputs) output->TakeBack();
    run_->reports.clear();
  }

 private:
  RunState* run_;
  ExportTotals totals_;
  std::vector<std::pair<LogKind, std::string>> lines_;
  RunChecks::FileItems items_;
};

}  // namespace

// Tries the readings a file may have, a bank's layout its header names
// first, then Servis24 by position, then columns known by their names: the
// first one its data confirm gives the file's items. Returns whether one
// did; `reasons` gets why each other one did not.
bool ChooseReading(const std::string& shown, std::string_view statement, size_t itemLines,
                   RunState* run, const LogLine& log, bool* amountsFit,
                   std::vector<std::string>* reasons) {
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised) reasons->push_back("hlavička nenalezena");
  const auto tryLayout = [&]() {
    LayoutReading reading;
    Attempt attempt(run, shown, &reading);
    std::string currency = run->currency;
    // A reading that gave up part of the way is not confirmed, whatever
    // the lines it read so far.
    ReadLayoutItems(shown, statement, layout, &currency, attempt.Sink(), attempt.Log(), &reading);
    if (!reading.confirmation.Confirmed()) {
      attempt.Discard();
      reasons->push_back(reading.refusal);
      return false;
    }
    run->currency = currency;
    if (run->bankCode == 0 && !reading.ownAccounts.empty()) {
      run->bankCode = BankCodeOf(reading.ownAccounts.front());
    }
    *amountsFit = attempt.Accept(shown, run->checks, reading.stated, log);
    return true;
  };
  if (layout.recognised && layout.known && tryLayout()) return true;
  {
    Attempt attempt(run, shown, nullptr);
    ReadingConfirmation confirmation;
    // The statement's currency is the first file's, an item in another one
    // is left out, named.
    const std::string before = run->currency;
    if (run->currency.empty()) run->currency = Servis24Currency(statement.data());
    if (run->currency.empty()) run->currency = "CZK";
    const ItemSink sink = attempt.Sink();
    const LogLine attemptLog = attempt.Log();
    const ItemSink inCurrency = [&](const StatementItem& item) {
      if (item.currency.empty() || item.currency == run->currency) return sink(item);
      LogFormatted(
          attemptLog, LogKind::kItemWarning,
          "Soubor %s, řádek %d: položka %.2f %s je v jiné měně než výpis (%s), vynechána\n",
          {shown, item.line, Crowns(item.amount), std::string(item.currency), run->currency});
    };
    const bool whole = ReadServis24Items(statement.data(), inCurrency, attempt.Reports(),
                                         &confirmation, itemLines);
    if (whole && confirmation.Confirmed()) {
      // Servis24 is Česká spořitelna's.
      if (run->bankCode == 0) run->bankCode = kServis24BankCode;
      *amountsFit = attempt.Accept(shown, run->checks, StatedBalances(), log);
      return true;
    }
    attempt.Discard();
    run->currency = before;
    reasons->push_back("sloupec 2 neobsahuje data RRRR/MM/DD");
  }
  return layout.recognised && !layout.known && tryLayout();
}

}  // namespace tarvolo
