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

}  // namespace

void CamtOutput::Begin(const AccountProfile&, std::vector<FieldCut>*) {
  entries_ = CamtEntries();
  confirmed_ = entries_.Position();
  head_.clear();
  tail_.clear();
}

void CamtOutput::Add(const StatementItem& item, std::string_view statementCurrency) {
  entries_.Add(item, statementCurrency);
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
  // Importers that bind a statement to its account by the IBAN refuse it.
  if (account.iban.empty() && !summary.ibanUnknownNoted) {
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
