#include "conversion/export/camt_export.h"

#include <cstring>

#include "conversion/camt/camt_statement.h"
#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "platform/clock.h"

namespace tarvolo {
namespace {

CivilDate LocalDay(int64_t time) {
  CivilTime local;
  bool summer = false;
  if (!LocalTimeOf(time, &local, &summer)) return CivilDate();
  return local;
}

}  // namespace

std::string ComposeRunCamt(const CamtRunValues& values, const AccountProfile& profile,
                           const CamtEntries& entries, bool* hasIban) {
  CamtAccount account;
  account.number = profile.accountNumber;
  account.name = profile.accountName;
  account.bankCode = values.bankCode;
  account.currency = values.currency.empty() ? "CZK" : values.currency;
  *hasIban = CamtAccountHasIban(account);

  CamtStatementHeader header;
  bool summer = false;
  LocalTimeOf(CurrentUnixTime(), &header.created, &summer);
  CivilTime balanceDay;
  if (StoredTimestampToCalendarDay(values.balanceDate, &balanceDay)) header.fromDate = balanceDay;
  header.toDate = LocalDay(values.statementDate);
  header.statementNumber = profile.statementNumber;
  header.openingHellers = values.openingHellers;
  header.closingHellers = values.closingHellers;
  header.creditCount = entries.creditCount();
  header.debitCount = entries.debitCount();
  header.creditHellers = values.creditHellers;
  header.debitHellers = values.debitHellers;
  // Unique per run: the moment it was made, to the second, and the account.
  const CivilTime& t = header.created;
  Render(header.messageId, "TARVOLO-%04d%02d%02d%02d%02d%02d-%s",
         {t.year, t.month, t.day, t.hour, t.minute, t.second, account.number});
  if (header.messageId.size() > 35) header.messageId.resize(35);
  return ComposeCamtStatement(header, account, entries.text());
}

CamtExpectation ExpectationOf(const CamtRunValues& values, const CamtEntries& entries) {
  CamtExpectation expected;
  expected.openingHellers = values.openingHellers;
  expected.closingHellers = values.closingHellers;
  expected.itemCount = entries.creditCount() + entries.debitCount();
  expected.creditHellers = values.creditHellers;
  expected.debitHellers = values.debitHellers;
  return expected;
}

}  // namespace tarvolo
