#include "conversion/export/statement_period.h"

#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "platform/clock.h"

namespace tarvolo {
namespace {

int64_t DayNumber(int32_t year, int32_t month, int32_t day) {
  return (int64_t{year} * 100 + month) * 100 + day;
}

int64_t DayNumber(const CivilDate& date) { return DayNumber(date.year, date.month, date.day); }

std::string ShownDay(int32_t year, int32_t month, int32_t day) {
  std::string text;
  Render(text, "%d.%d.%d", {day, month, year});
  return text;
}

}  // namespace

void StatementPeriod::Set(int32_t balanceDate, int32_t statementDate) {
  CivilTime first, last;
  bool summer = false;
  known_ = StoredTimestampToCalendarDay(balanceDate, &first) && statementDate >= 0 &&
           LocalTimeOf(statementDate, &last, &summer);
  first_ = first;
  last_ = last;
  firstDay_ = DayNumber(first_);
  lastDay_ = DayNumber(last_);
}

void StatementPeriod::Check(const StatementItem& item, const std::string& shown,
                            const LogLine& log) const {
  const int64_t day = DayNumber(item.year, item.month, item.day);
  if (!known_ || item.fee || (day >= firstDay_ && day <= lastDay_)) return;
  LogFormatted(log, LogKind::kItemWarning,
               "Soubor %s, řádek %d: položka ze dne %s je mimo období výpisu %s až %s, zapsána "
               "tak, jak ji soubor uvádí\n",
               {shown, item.line, ShownDay(item.year, item.month, item.day),
                ShownDay(first_.year, first_.month, first_.day),
                ShownDay(last_.year, last_.month, last_.day)});
}

}  // namespace tarvolo
