#include "conversion/reading/balances/statement_runs.h"

#include <algorithm>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/values/decimal_rounding.h"

namespace tarvolo {
namespace {

bool Earlier(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

// Sums stay within what a balance may be: beyond it nothing adds up.
void AddWithin(int64_t value, int64_t* sum) {
  if (*sum > -kHellerLimit && *sum < kHellerLimit) *sum += value;
}

}  // namespace

void StatementRuns::Start(std::string_view number, const ItemDate& date) {
  while (!number.empty() && (number.front() == ' ' || number.front() == '0')) {
    number.remove_prefix(1);
  }
  while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  if (current_ >= runs_.size() || runs_[current_].number != number) {
    const auto run = std::find_if(runs_.begin(), runs_.end(),
                                  [number](const Run& r) { return r.number == number; });
    current_ = static_cast<size_t>(run - runs_.begin());
    if (run == runs_.end()) runs_.emplace_back().number = number;
  }
  Run& run = runs_[current_];
  if (!run.dated || Earlier(date, run.earliest)) run.earliest = date;
  run.dated = true;
}

void StatementRuns::StateBalance(bool opening, int64_t hellers) {
  if (current_ >= runs_.size()) return;
  Run& run = runs_[current_];
  bool& has = opening ? run.hasOpening : run.hasClosing;
  if (has) return;
  has = true;
  (opening ? run.opening : run.closing) = hellers;
}

void StatementRuns::AddRow(int64_t effect) {
  if (current_ < runs_.size()) AddWithin(effect, &runs_[current_].sum);
}

bool StatementRuns::Report(const std::string& path, const std::string& unit, const LogLine& log,
                           StatedBalances* stated) const {
  std::vector<const Run*> order;
  for (const Run& run : runs_) order.push_back(&run);
  std::stable_sort(order.begin(), order.end(), [](const Run* a, const Run* b) {
    if (a->dated != b->dated) return a->dated;
    return a->dated && Earlier(a->earliest, b->earliest);
  });
  bool agree = true;
  const Run* before = nullptr;
  for (const Run* run : order) {
    const char* number = run->number.empty() ? "bez čísla" : run->number.c_str();
    if (!run->hasOpening || !run->hasClosing) {
      LogFormatted(log, LogKind::kFileWarning,
                   "Soubor %s, výpis %s: zůstatky výpisu nejsou uvedeny, položky výpisu "
                   "neověřeny\n",
                   {path, std::string(number)});
      agree = false;
    } else if (run->opening + run->sum == run->closing) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubor %s, výpis %s: počáteční zůstatek %.2f + položky %.2f = konečný "
                   "zůstatek %.2f %s, souhlasí\n",
                   {path, std::string(number), Crowns(run->opening), Crowns(run->sum),
                    Crowns(run->closing), unit});
    } else {
      const int64_t computed = run->opening + run->sum;
      LogFormatted(
          log, LogKind::kFileWarning,
          "Soubor %s, výpis %s: počáteční zůstatek %.2f + položky %.2f = %.2f %s, ale "
          "výpis uvádí konečný zůstatek %.2f %s, rozdíl %.2f %s\n",
          {path, std::string(number), Crowns(run->opening), Crowns(run->sum), Crowns(computed),
           unit, Crowns(run->closing), unit, Crowns(run->closing - computed), unit});
      agree = false;
    }
    if (before != nullptr && before->hasClosing && run->hasOpening &&
        before->closing != run->opening) {
      LogFormatted(log, LogKind::kFileWarning,
                   "Soubor %s: výpis %s začíná zůstatkem %.2f %s, předchozí výpis %s skončil "
                   "zůstatkem %.2f %s, rozdíl %.2f %s\n",
                   {path, std::string(number), Crowns(run->opening), unit,
                    before->number.empty() ? std::string("bez čísla") : before->number,
                    Crowns(before->closing), unit, Crowns(run->opening - before->closing), unit});
      agree = false;
    }
    before = run;
  }
  if (!order.empty()) {
    stated->hasOpening = order.front()->hasOpening;
    stated->opening = order.front()->opening;
    stated->hasClosing = order.back()->hasClosing;
    stated->closing = order.back()->closing;
  }
  return agree;
}

void TotalRows::AddItem(int64_t effect) {
  AddWithin(effect, &net_);
  AddWithin(effect, effect < 0 ? &debits_ : &credits_);
  ++items_;
}

void TotalRows::AddTotal(int line, int64_t amount) {
  totals_.push_back({line, amount, net_, credits_, debits_, items_});
}

bool TotalRows::Report(const std::string& path, const std::string& unit, const LogLine& log) const {
  bool agree = true;
  for (const Total& total : totals_) {
    // A total above the rows is theirs, all of them.
    const bool above = total.items == 0;
    const int64_t net = above ? net_ : total.net;
    const int64_t credits = above ? credits_ : total.credits;
    const int64_t debits = above ? debits_ : total.debits;
    if (total.amount == net || total.amount == credits || total.amount == debits ||
        total.amount == -debits) {
      continue;
    }
    agree = false;
    LogFormatted(log, LogKind::kFileWarning,
                 above ? "Soubor %s, řádek %d: řádek součtu uvádí %.2f %s, položky souboru dávají "
                         "%.2f %s, rozdíl %.2f %s\n"
                       : "Soubor %s, řádek %d: řádek součtu uvádí %.2f %s, položky nad ním dávají "
                         "%.2f %s, rozdíl %.2f %s\n",
                 {path, total.line, Crowns(total.amount), unit, Crowns(net), unit,
                  Crowns(total.amount - net), unit});
  }
  return agree;
}

}  // namespace tarvolo
