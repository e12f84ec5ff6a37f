#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_PERIOD_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_PERIOD_H_

#include <cstdint>
#include <string>

#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"
#include "platform/civil_date.h"

namespace tarvolo {

// The days a statement covers: from the day after its balance date to its
// statement date. An item booked outside them belongs to another
// statement, and an importer that books it here books it twice or in the
// wrong month: it is written as the file has it, and named.
class StatementPeriod {
 public:
  // The period of a statement whose balance was stated on the day before
  // the calendar day stored as `balanceDate` and which is dated
  // `statementDate`; a day that cannot be converted leaves it open.
  void Set(int32_t balanceDate, int32_t statementDate);
  // Names `item` of the file `shown` in `log` where it lies outside.
  void Check(const StatementItem& item, const std::string& shown, const LogLine& log) const;

 private:
  bool known_ = false;
  CivilDate first_, last_;
  int64_t firstDay_ = 0, lastDay_ = 0;  // as DayNumber gives them
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_PERIOD_H_
