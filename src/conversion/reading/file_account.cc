#include "conversion/reading/file_account.h"

#include "conversion/reading/csv_record.h"
#include "conversion/values/account_number.h"

namespace tarvolo {
namespace {

// Files of several own accounts are not split further than this.
constexpr size_t kAccountsLooked = 8;

std::string LabelOf(std::string_view field) {
  std::string name = NormaliseColumnName(field);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name;
}

// "01.09.2014 - 30.09.2014" in one field, or the two dates in the fields
// after the label.
void ReadPeriod(const std::vector<std::string_view>& fields, size_t value, ItemDate* start,
                ItemDate* end) {
  const std::string_view first = fields[value];
  const size_t dash = first.find(" - ");
  if (dash != std::string_view::npos) {
    ItemDate a, b;
    if (ReadItemDate(first.substr(0, dash), &a) && ReadItemDate(first.substr(dash + 3), &b)) {
      *start = a;
      *end = b;
    }
    return;
  }
  ItemDate a, b;
  if (value + 1 < fields.size() && ReadItemDate(first, &a) && ReadItemDate(fields[value + 1], &b)) {
    *start = a;
    *end = b;
  }
}

}  // namespace

void FileSelfDescription::ReadPreambleLine(const std::vector<std::string_view>& fields) {
  for (size_t i = 0; i + 1 < fields.size(); ++i) {
    const std::string name = LabelOf(fields[i]);
    const std::string_view value = fields[i + 1];
    if (name == "accountid" || name == "cislo uctu" || name == "account number") {
      AccountNumber account;
      if (number_.empty() && ReadAccountNumber(value, true, &account)) number_ = value;
    } else if (name == "bankid") {
      if (bank_.empty()) bank_ = value;
    } else if (name == "prefix") {
      if (prefix_.empty()) prefix_ = value;
    } else if (name == "datestart" || name == "start date of the period") {
      ItemDate date;
      if (ReadItemDate(value, &date)) periodStart_ = date;
    } else if (name == "dateend" || name == "end date of the period") {
      ItemDate date;
      if (ReadItemDate(value, &date)) periodEnd_ = date;
    } else if (name == "vypis za obdobi" || name == "za obdobi") {
      ReadPeriod(fields, i + 1, &periodStart_, &periodEnd_);
    }
  }
}

std::string FileSelfDescription::Account() const {
  if (number_.empty()) return std::string();
  std::string account = number_;
  AccountNumber read;
  // Business 24 gives the prefix on a line of its own; a number that
  // already has one keeps it.
  if (!prefix_.empty() && number_.find('-') == std::string::npos && number_.size() <= 10) {
    account = prefix_ + '-' + account;
  }
  if (!bank_.empty() && account.find('/') == std::string::npos) account += '/' + bank_;
  if (!ReadAccountNumber(account, true, &read)) return number_;
  return account;
}

int OwnAccountColumn(std::string_view text, const StatementLayout& layout,
                     const std::string& stated) {
  if (layout.headerLine <= 0) return -1;
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  if (header.lineNumber() != layout.headerLine) return -1;
  const std::vector<std::string_view>& fields = header.fields();
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string name = NormaliseColumnName(fields[i]);
    if (name != "cislo uctu" && name != "ucet") continue;
    bool taken = false;
    for (int role = 0; role < kColumnRoleCount; ++role) {
      taken = taken || layout.column[role] == static_cast<int>(i);
    }
    if (!taken) return static_cast<int>(i);
  }
  // "Číslo účtu" is the counter account only where no other column is:
  // one that holds the account the file states, or one and the same
  // account on every row, is the file's own.
  const int counter = layout.Column(ColumnRole::kCounterAccount);
  if (counter < 0 || static_cast<size_t>(counter) >= fields.size() ||
      NormaliseColumnName(fields[counter]) != "cislo uctu") {
    return -1;
  }
  AccountNumber own;
  const bool ownStated = !stated.empty() && ReadAccountNumber(stated, true, &own);
  int rows = 0;
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    const std::string_view value = reader.Field(counter);
    if (value.empty()) continue;
    AccountNumber read;
    if (!ReadAccountNumber(value, true, &read)) return -1;
    if (rows++ == 0 && !ownStated) own = read;
    if (!SameAccount(read, own)) return -1;
  }
  return rows >= (ownStated ? 1 : 2) ? counter : -1;
}

void CollectOwnAccounts(std::string_view text, const StatementLayout& layout, int column,
                        std::vector<std::string>* accounts) {
  if (column < 0) return;
  std::vector<AccountNumber> seen;
  for (const std::string& account : *accounts) {
    AccountNumber read;
    if (ReadAccountNumber(account, true, &read)) seen.push_back(read);
  }
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next() && seen.size() < kAccountsLooked) {
    const std::string_view value = reader.Field(column);
    AccountNumber read;
    if (value.empty() || !ReadAccountNumber(value, true, &read)) continue;
    bool known = false;
    for (const AccountNumber& account : seen) known = known || SameAccount(account, read);
    if (known) continue;
    seen.push_back(read);
    accounts->emplace_back(value);
  }
}

}  // namespace tarvolo
