#include "conversion/export/reading_choice.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/export/run_log.h"
#include "conversion/reading/balance_check.h"
#include "conversion/reading/layout_records.h"
#include "conversion/reading/layout_report.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_layout.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/iban.h"
#include "conversion/values/koruna_default.h"
#include "conversion/values/log_line.h"

namespace tarvolo {
namespace {

constexpr int32_t kServis24BankCode = 800;

// One reading tried on a file: its items go to the outputs, its totals,
// reports and log lines are held back until the reading is chosen.
class Attempt {
 public:
  Attempt(RunState* run, const std::string& shown, const LayoutReading* reading)
      : run_(run), found_(run->split.found.size()), items_(run->checks, shown, reading, Log()) {
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
    run_->split.found.resize(found_);
  }

 private:
  RunState* run_;
  size_t found_;  // the currencies met before this reading
  ExportTotals totals_;
  std::vector<std::pair<LogKind, std::string>> lines_;
  RunChecks::FileItems items_;
};

// What a dry run of a reading gave: whether the data confirm it, its items
// as they compare, and why it is not confirmed.
struct Trial {
  bool confirmed = false;
  std::vector<std::string> items;
  std::string refusal;
};

ItemSink Collect(std::vector<std::string>* items) {
  return [items](const StatementItem& item) {
    std::string key;
    for (int64_t value :
         {int64_t{item.year}, int64_t{item.month}, int64_t{item.day}, item.amount,
          int64_t{item.counterPrefix}, item.counterNumber, int64_t{item.bankCode}}) {
      key += std::to_string(value) + '|';
    }
    key.append(item.variableSymbol).append("|").append(item.description);
    items->push_back(std::move(key));
  };
}

Trial TryLayout(const std::string& shown, std::string_view statement, const StatementLayout& layout,
                const RunState& run) {
  Trial trial;
  LayoutReading reading;
  std::string currency = run.currency;
  ReadLayoutItems(
      shown, statement, layout, &currency, Collect(&trial.items), [](LogKind, const char*) {},
      &reading);
  trial.confirmed = reading.confirmation.Confirmed();
  trial.refusal = reading.refusal;
  return trial;
}

// Why the lines read by position do not confirm Servis24, "" where they do.
std::string Servis24Refusal(const Servis24Lines& lines) {
  std::string refusal;
  const ReadingConfirmation& counted = lines.confirmation;
  if (counted.dataLines == 0) {
    refusal = "Servis24 nelze použít, soubor nemá žádný řádek s daty";
  } else if (!lines.Confirmed()) {
    const LeftOutLine& first = lines.leftOut.front();
    Render(refusal, "Servis24 nelze použít, nečitelných řádků %d z %d, první řádek %d: %s",
           {counted.dataLines - counted.readable, counted.dataLines, first.line, first.why});
  }
  return refusal;
}

Trial TryServis24(std::string_view statement) {
  Trial trial;
  Servis24Lines lines;
  ReadServis24Lines(statement, Collect(&trial.items), &lines);
  trial.confirmed = lines.Confirmed();
  return trial;
}

// Reads the file by its header's layout into the run, or leaves no trace
// of the reading where its data do not confirm it; `refusal` then gets why.
bool ReadByLayout(const std::string& shown, std::string_view statement,
                  const StatementLayout& layout, RunState* run, const LogLine& log,
                  bool* amountsFit, std::string* refusal) {
  LayoutReading reading;
  Attempt attempt(run, shown, &reading);
  std::string currency = run->currency;
  ReadLayoutItems(shown, statement, layout, &currency, attempt.Sink(), attempt.Log(), &reading,
                  &run->split);
  if (!reading.confirmation.Confirmed()) {
    attempt.Discard();
    *refusal = reading.refusal;
    return false;
  }
  run->currency = currency;
  // A header known as no Czech bank's is that of a service abroad.
  const int32_t bank = layout.bankCode != 0 ? layout.bankCode : layout.known ? kBankAbroad : 0;
  run->banks.push_back({bank, reading.ownAccounts, reading.ownIbans});
  *amountsFit = attempt.Accept(shown, run->checks, reading.stated, log);
  // An IBAN a check digit refuses identifies no account for sure.
  for (const std::string& iban : reading.ownIbans) {
    if (IsSoundIban(iban)) continue;
    LogFormatted(log, LogKind::kNote,
                 "Soubor %s uvádí IBAN %s s chybnými kontrolními číslicemi, IBAN nebyl použit\n",
                 {shown, iban});
  }
  return true;
}

// How many items name each currency, in the order first met.
class CurrencyCounts {
 public:
  void Add(std::string_view code) {
    // Most items name the currency of the item before.
    if (last_ >= counts_.size() || counts_[last_].first != code) {
      for (last_ = 0; last_ < counts_.size() && counts_[last_].first != code; ++last_) {}
      if (last_ == counts_.size()) counts_.emplace_back(code, 0);
    }
    ++counts_[last_].second;
  }
  // The currency most items name, the first in the alphabet of equals; ""
  // where none names one.
  std::string Most() const {
    const std::pair<std::string, int32_t>* most = nullptr;
    for (const auto& count : counts_) {
      if (most == nullptr || count.second > most->second ||
          (count.second == most->second && count.first < most->first)) {
        most = &count;
      }
    }
    return most != nullptr ? most->first : std::string();
  }

 private:
  std::vector<std::pair<std::string, int32_t>> counts_;
  size_t last_ = 0;
};

// Reads the file by Servis24's positions into `attempt` in the run's
// currency; an item in another one is left out, named, unless another
// statement of the run takes it. `counts` learns every item's currency.
void ReadPositions(const std::string& shown, std::string_view statement, RunState* run,
                   Attempt* attempt, Servis24Lines* lines, CurrencyCounts* counts) {
  const ItemSink sink = attempt->Sink();
  const LogLine attemptLog = attempt->Log();
  const ItemSink inCurrency = [&](const StatementItem& item) {
    const std::string_view code = item.currency;
    if (!code.empty()) counts->Add(code);
    if (code.empty() ? !run->split.statedOnly : code == run->currency) return sink(item);
    if (code.empty() || run->split.Elsewhere(std::string(code))) {
      ++lines->otherStatement;
      return;
    }
    ++lines->otherCurrency;
    LogFormatted(
        attemptLog, LogKind::kItemWarning,
        "Soubor %s, řádek %d: položka %.2f %s je v jiné měně než výpis (%s), vynechána\n",
        {shown, item.line, Crowns(item.amount), std::string(item.currency), run->currency});
  };
  ReadServis24Lines(statement, inCurrency, lines);
}

// Reads the file by Servis24's positions into the run, or leaves no trace
// of the reading where its data do not confirm it; `refusal` then gets why.
bool ReadByPosition(const std::string& shown, std::string_view statement, RunState* run,
                    const LogLine& log, bool* amountsFit, std::string* refusal) {
  // The statement's currency is the first file's: the one most of its items
  // name. The file is read in the first one a line names and, in the rare
  // file where most name another, read again in that one.
  const std::string before = run->currency;
  if (run->currency.empty()) run->currency = FirstServis24Currency(statement);
  if (run->currency.empty()) run->currency = kKorunaCode;
  std::optional<Attempt> attempt(std::in_place, run, shown, nullptr);
  Servis24Lines lines;
  CurrencyCounts counts;
  ReadPositions(shown, statement, run, &*attempt, &lines, &counts);
  const std::string most = counts.Most();
  if (before.empty() && lines.Confirmed() && !most.empty() && most != run->currency) {
    attempt->Discard();
    run->currency = most;
    attempt.emplace(run, shown, nullptr);
    ReadPositions(shown, statement, run, &*attempt, &lines, &counts);
  }
  if (!lines.Confirmed()) {
    attempt->Discard();
    run->currency = before;
    *refusal = Servis24Refusal(lines);
    return false;
  }
  LogServis24Lines(shown, lines, attempt->Log());
  // Servis24 is Česká spořitelna's.
  run->banks.push_back({kServis24BankCode, {}, {}});
  *amountsFit = attempt->Accept(shown, run->checks, StatedBalances(), log);
  return true;
}

}  // namespace

// Tries the readings a file may have, the layout its header names and
// Servis24 by position: the one its data confirm gives the file's items.
// Two that are confirmed and give other items leave the file unread, as
// does none. Returns whether one was taken; `reasons` gets why not.
bool ChooseReading(const std::string& shown, std::string_view statement, RunState* run,
                   const LogLine& log, bool* amountsFit, std::vector<std::string>* reasons) {
  const StatementLayout layout = RecogniseLayout(statement);
  // Servis24's own header names columns a generic reading knows too: the
  // file is Servis24's, read by position or not at all.
  const bool byLayout = layout.recognised && (layout.known || !HasServis24Header(statement));
  // Most files are plainly one or the other: a quick look by position tells
  // whether the two readings must be tried and compared first.
  const bool byPosition = !byLayout || Servis24MayConfirm(statement);
  bool layoutFirst = byLayout;
  std::string layoutRefusal = layout.recognised ? "" : "hlavička nenalezena";
  if (byLayout && byPosition) {
    const Trial viaLayout = TryLayout(shown, statement, layout, *run);
    const Trial viaPosition = TryServis24(statement);
    if (viaLayout.confirmed && viaPosition.confirmed && viaLayout.items != viaPosition.items) {
      std::string both;
      Render(both, "formát %s i Servis24 se daty potvrzují, ale dávají jiné položky",
             {layout.name});
      reasons->push_back(both);
      return false;
    }
    // Where both give the same items, a bank's own header is the likelier.
    layoutFirst = viaLayout.confirmed && (layout.known || !viaPosition.confirmed);
    if (!viaLayout.confirmed) layoutRefusal = viaLayout.refusal;
  }
  if (layoutFirst) {
    if (ReadByLayout(shown, statement, layout, run, log, amountsFit, &layoutRefusal)) return true;
  }
  std::string positionRefusal;
  if (ReadByPosition(shown, statement, run, log, amountsFit, &positionRefusal)) return true;
  if (!layoutRefusal.empty()) reasons->push_back(layoutRefusal);
  reasons->push_back(positionRefusal);
  return false;
}

}  // namespace tarvolo
