#include "conversion/gpc/gpc_output.h"

#include <cstring>

#include "conversion/gpc/currency_number.h"
#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/header_record.h"
#include "conversion/values/dates.h"
#include "conversion/values/koruna_default.h"
#include "conversion/values/log_line.h"
#include "platform/file.h"

namespace tarvolo {
namespace {

// A balance of no whole hellers is zero, and zero is "+": a part of a
// heller below it, which the header cannot show, gives it no sign.
char BalanceSign(int64_t hellers) { return hellers < 0 ? '-' : '+'; }
// Turnovers are written with "0" for zero or more, as the banks' ABO files do.
char TurnoverSign(int64_t hellers) { return hellers < 0 ? '-' : '0'; }

}  // namespace

void GpcOutput::Begin(const AccountProfile& profile, std::vector<FieldCut>* reports) {
  text_.assign(kGpcLineLength, ' ');
  confirmed_ = text_.size();
  writer_ = std::make_unique<ItemRecordWriter>(ProfileAccountField(profile.accountNumber), reports);
}

// Room for every record of a file at once, so the text never has to move.
void GpcOutput::Expect(size_t count) {
  text_.reserve(text_.size() + count * kRecordLength);
  PreferLargePages(&text_[0], text_.capacity());
}

void GpcOutput::Add(const StatementItem& item, std::string_view) { writer_->Append(item, text_); }

// The records of a statement in another currency carry its code, which
// only the statement as a whole knows.
void GpcOutput::PutCurrency(std::string_view currency) {
  const CurrencyField field = CurrencyFieldOf(currency);
  if (CurrencyOrKoruna(currency) == kKorunaCode) return;
  const size_t code = kItemFields[kItemCurrencyCode].first;
  const size_t accounting = kItemFields[kItemAccountingCode].first;
  for (size_t at = kGpcLineLength; at + kGpcLineLength <= text_.size(); at += kGpcLineLength) {
    char* record = &text_[at];
    std::memcpy(record + code, record[accounting] == '1' ? field.debit : field.credit, 5);
  }
}

// Puts the "074" header into the room left for it before the records.
void GpcOutput::Finish(const StatementSummary& summary, const std::string& shown,
                       const LogLine& log) {
  if (!CurrencyFieldOf(summary.currency).known) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Výpis %s je v měně %s, která nemá známý číselný kód ISO 4217: položky mají "
                 "místo kódu měny nuly (00000), doplňte měnu při importu\n",
                 {shown, summary.currency});
  }
  PutCurrency(summary.currency);
  const ExportTotals& totals = summary.totals;
  std::string oldBalanceDate, statementDate;
  // The run has refused dates that have no day.
  AppendDdMmYy(oldBalanceDate, summary.profile.balanceDate);
  AppendDdMmYy(statementDate, summary.statementDate);
  HeaderRecord header;
  header.account = summary.accountField.c_str();
  header.accountName = summary.profile.accountName.c_str();
  header.oldBalanceDate = oldBalanceDate.c_str();
  header.oldBalance = totals.openingHellers;
  header.oldBalanceSign = BalanceSign(totals.openingHellers);
  header.newBalance = totals.closingHellers;
  header.newBalanceSign = BalanceSign(totals.closingHellers);
  header.debits = totals.debitHellers;
  header.debitsSign = TurnoverSign(totals.debitHellers);
  header.credits = totals.creditHellers;
  header.creditsSign = TurnoverSign(totals.creditHellers);
  header.statementNumber = summary.profile.statementNumber;
  header.statementDate = statementDate.c_str();
  ComposeHeaderRecord(header, &text_[0]);
}

std::vector<std::string> GpcOutput::Check(std::string_view written) const {
  return CheckGpcStatement(written);
}

}  // namespace tarvolo
