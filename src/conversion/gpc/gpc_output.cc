#include "conversion/gpc/gpc_output.h"

#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/header_record.h"
#include "conversion/values/dates.h"
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

// Puts the "074" header into the room left for it before the records.
void GpcOutput::Finish(const StatementSummary& summary, const std::string&, const LogLine&) {
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
