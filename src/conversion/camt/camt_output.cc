#include "conversion/camt/camt_output.h"

#include "conversion/camt/camt_ids.h"
#include "conversion/camt/camt_statement.h"
#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/koruna_default.h"
#include "platform/clock.h"

namespace tarvolo {
namespace {

CivilDate LocalDay(int64_t time) {
  CivilTime local;
  bool summer = false;
  if (!LocalTimeOf(time, &local, &summer)) return CivilDate();
  return local;
}

int64_t DayNumber(const CivilDate& date) {
  return (int64_t{date.year} * 100 + date.month) * 100 + date.day;
}

CivilDate DateOfNumber(int64_t number) {
  return CivilDate{static_cast<int32_t>(number / 10000), static_cast<int32_t>(number / 100 % 100),
                   static_cast<int32_t>(number % 100)};
}

}  // namespace

void CamtOutput::Begin(const AccountProfile&, std::vector<FieldCut>*) {
  entries_ = CamtEntries();
  days_ = confirmedDays_ = ItemDays();
  confirmed_ = entries_.Position();
  head_.clear();
  tail_.clear();
}

void CamtOutput::Add(const StatementItem& item, std::string_view statementCurrency) {
  entries_.Add(item, statementCurrency);
  if (IsRealDate(CivilDate{item.year, item.month, item.day})) {
    const int64_t day = DayNumber(CivilDate{item.year, item.month, item.day});
    if (days_.first == 0 || day < days_.first) days_.first = day;
    if (day > days_.last) days_.last = day;
  }
}

// The document around the entries, with the own account and the statement
// number of the profile.
void CamtOutput::Finish(const StatementSummary& summary, const std::string& shown,
                        const LogLine& log) {
  const ExportTotals& totals = summary.totals;
  CamtAccount account;
  account.number = summary.profile.accountNumber;
  account.name = summary.profile.accountName;
  account.iban = summary.iban;
  account.bankCode = summary.bankCode;
  account.currency = CurrencyOrKoruna(summary.currency);
  // Importers that bind a statement to its account by the IBAN refuse it:
  // each document of a run that lacks it is named.
  if (account.iban.empty()) {
    const std::string why =
        summary.ibanUnknown.empty() ? "kód banky není znám" : summary.ibanUnknown;
    const std::string advice = ibanAdvice_.empty() ? "" : ": " + ibanAdvice_;
    LogFormatted(log, LogKind::kNote,
                 "Soubor %s uvádí účet bez IBAN (%s); účetní program může IBAN vyžadovat%s\n",
                 {shown, why, advice});
  }

  CamtStatementHeader header;
  bool summer = false;
  LocalTimeOf(CurrentUnixTime(), &header.created, &summer);
  CivilTime balanceDay;
  if (StoredTimestampToCalendarDay(summary.profile.balanceDate, &balanceDay)) {
    header.fromDate = balanceDay;
  }
  header.toDate = LocalDay(summary.statementDate);
  // Items booked outside the days asked for (the log names them) still lie
  // within the statement's period.
  if (days_.first != 0 && days_.first < DayNumber(header.fromDate)) {
    header.fromDate = DateOfNumber(days_.first);
  }
  if (days_.last > DayNumber(header.toDate)) header.toDate = DateOfNumber(days_.last);
  header.statementNumber = summary.profile.statementNumber;
  header.openingHellers = totals.openingHellers;
  header.closingHellers = totals.closingHellers;
  header.creditCount = entries_.creditCount();
  header.debitCount = entries_.debitCount();
  header.creditHellers = totals.creditHellers;
  header.debitHellers = totals.debitHellers;
  header.messageId = CamtMessageId(header.created, account);
  ComposeCamtFrame(header, account, &head_, &tail_);

  expected_.openingHellers = totals.openingHellers;
  expected_.closingHellers = totals.closingHellers;
  expected_.itemCount = entries_.creditCount() + entries_.debitCount();
  expected_.creditHellers = totals.creditHellers;
  expected_.debitHellers = totals.debitHellers;
}

bool CamtOutput::Write(const BytesWriter& write) {
  return write(head_) && entries_.Drain(write) && write(tail_);
}

std::vector<std::string> CamtOutput::Check(std::string_view written) const {
  return CheckCamtStatement(written, expected_);
}

}  // namespace tarvolo
