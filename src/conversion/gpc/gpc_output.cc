#include "conversion/gpc/gpc_output.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

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
  size_ = 0;
  MakeRoom(kGpcLineLength, false);
  std::memset(text_.get(), ' ', kGpcLineLength);
  size_ = confirmed_ = kGpcLineLength;
  writer_ = std::make_unique<ItemRecordWriter>(ProfileAccountField(profile.accountNumber), reports);
}

// Room for every record of a file at once, so the text never has to move.
// A count of lines may promise more room than there is: the records then
// make theirs as they come.
void GpcOutput::Expect(size_t count) {
  if (count <= (SIZE_MAX - size_) / kRecordLength) MakeRoom(size_ + count * kRecordLength, true);
}

void GpcOutput::Add(const StatementItem& item, std::string_view) {
  if (capacity_ - size_ < kRecordLength)
    MakeRoom(std::max(2 * capacity_, size_ + kRecordLength), false);
  writer_->Write(item, text_.get() + size_);
  size_ += kRecordLength;
}

// The room's bytes stay unwritten until a record fills them: a string
// would fill its room with blanks first, and every record's bytes twice.
bool GpcOutput::MakeRoom(size_t capacity, bool mayFail) {
  if (capacity <= capacity_) return true;
  std::unique_ptr<char[]> room(mayFail ? new (std::nothrow) char[capacity] : new char[capacity]);
  if (room == nullptr) return false;
  PreferLargePages(room.get(), capacity);
  if (size_ > 0) std::memcpy(room.get(), text_.get(), size_);
  text_ = std::move(room);
  capacity_ = capacity;
  return true;
}

// The records of a statement in another currency carry its code, which
// only the statement as a whole knows.
void GpcOutput::PutCurrency(std::string_view currency) {
  const CurrencyField field = CurrencyFieldOf(currency);
  if (CurrencyOrKoruna(currency) == kKorunaCode) return;
  const size_t code = kItemFields[kItemCurrencyCode].first;
  const size_t accounting = kItemFields[kItemAccountingCode].first;
  for (size_t at = kGpcLineLength; at + kGpcLineLength <= size_; at += kGpcLineLength) {
    char* record = text_.get() + at;
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
  ComposeHeaderRecord(header, text_.get());
}

std::vector<std::string> GpcOutput::Check(std::string_view written) const {
  return CheckGpcStatement(written);
}

}  // namespace tarvolo
