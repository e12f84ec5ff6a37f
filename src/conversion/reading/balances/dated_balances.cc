#include "conversion/reading/balances/dated_balances.h"

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/values/fixed_width.h"

namespace tarvolo {
namespace {

bool Later(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year > b.year;
  if (a.month != b.month) return a.month > b.month;
  return a.day > b.day;
}

}  // namespace

void DatedBalances::SetPeriod(const ItemDate& start, const ItemDate& end) {
  start_ = start;
  end_ = end;
  periodStated_ = true;
}

void DatedBalances::AddRowDate(const ItemDate& date) {
  if (!periodStated_) {
    if (!rowsDated_ || Later(start_, date)) start_ = date;
    if (!rowsDated_ || Later(date, end_)) end_ = date;
  }
  rowsDated_ = true;
}

void DatedBalances::Place(StatedBalances* stated, const std::string& path,
                          const LogLine& log) const {
  const bool known = periodStated_ || rowsDated_;
  for (const Dated& dated : balances_) {
    bool opening = dated.beforeRows;
    if (known) {
      if (!Later(end_, dated.day)) {
        opening = false;
      } else if (Later(start_, dated.day)) {
        opening = true;
      } else if (Later(dated.day, start_)) {
        std::string day;
        Render(day, "%d.%d.%d", {dated.day.day, dated.day.month, dated.day.year});
        LogFormatted(log, LogKind::kNote,
                     "Soubor %s: zůstatek k %s leží uvnitř období souboru, za počáteční ani "
                     "konečný nepřevzat\n",
                     {path, day});
        continue;
      }
    }
    bool& has = opening ? stated->hasOpening : stated->hasClosing;
    if (has) continue;
    has = true;
    (opening ? stated->opening : stated->closing) = dated.hellers;
  }
}

}  // namespace tarvolo
