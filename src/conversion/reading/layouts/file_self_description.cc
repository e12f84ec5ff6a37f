#include "conversion/reading/layouts/file_self_description.h"

#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/own_balances.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/values/account_number.h"

namespace tarvolo {
namespace {

std::string LabelOf(std::string_view field) {
  std::string name = NormaliseColumnName(field);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name;
}

// The bank of each layout whose file states its own account, where that
// account goes without its bank code (KB's "35-1843350247 CZK", Business
// 24's Prefix and Account number).
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

// The rows of `column` that hold one and the same account, the one the file
// `stated` before its header where it states one, else the first row's;
// -1 where a row holds another or no account.
int32_t RowsOfOneAccount(std::string_view text, const StatementLayout& layout, int column,
                         const std::string& stated) {
  AccountNumber own;
  const bool ownStated = !stated.empty() && ReadAccountNumber(stated, true, &own);
  int32_t rows = 0;
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    const std::string_view value = reader.Field(column);
    if (value.empty()) continue;
    AccountNumber read;
    if (!ReadAccountNumber(value, true, &read)) return -1;
    if (rows++ == 0 && !ownStated) own = read;
    if (!SameAccount(read, own)) return -1;
  }
  return rows;
}

}  // namespace

void FileSelfDescription::ReadPreambleLine(const std::vector<std::string_view>& fields) {
  // Fio's printed statement writes each fact in a field of its own: "Období:
  // 01.10.2025 - 31.10.2025", "Výpis č. 1/2025 z účtu "1234567890/2010"".
  if (fields.size() == 1 || (fields.size() == 2 && fields[1].empty())) {
    const std::string_view line = fields[0];
    const size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      std::string_view value = line.substr(colon + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      ReadPreambleLine({line.substr(0, colon), value});
      return;
    }
    const std::string name = LabelOf(line);
    const size_t blank = line.rfind(' ');
    // "Výpis č. 1/2025 z účtu "1234567890/2010"", and in 2011 "Výpis
    // vybraných transakcí na účtu "1234567890/2010"".
    const bool account = name.compare(0, 7, "vypis c") == 0
                             ? name.find(" z uctu ") != std::string::npos
                             : name.rfind("vypis vybranych transakci na uctu ", 0) == 0;
    if (account && blank != std::string_view::npos) {
      std::string_view account = line.substr(blank + 1);
      while (!account.empty() && account.front() == '"') account.remove_prefix(1);
      while (!account.empty() && account.back() == '"') account.remove_suffix(1);
      ReadNumber(account);
    }
    return;
  }
  for (size_t i = 0; i + 1 < fields.size(); ++i) {
    const std::string name = LabelOf(fields[i]);
    const std::string_view value = fields[i + 1];
    if (name == "accountid" || name == "cislo uctu" || name == "account number") {
      ReadNumber(value);
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
    } else if (name == "vypis za obdobi" || name == "za obdobi" || name == "obdobi") {
      ReadPeriod(fields, i + 1, &periodStart_, &periodEnd_);
    }
  }
}

// KB writes the account's currency after its number: "35-1843350247 CZK".
void FileSelfDescription::ReadNumber(std::string_view value) {
  if (!number_.empty()) return;
  AccountNumber account;
  if (ReadAccountNumber(value, true, &account)) {
    number_ = value;
    return;
  }
  const size_t blank = value.rfind(' ');
  if (blank == std::string_view::npos) return;
  const std::string code = CurrencyCode(value.substr(blank + 1));
  std::string_view number = value.substr(0, blank);
  while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  if (code.size() != 3 || !ReadAccountNumber(number, true, &account)) return;
  number_ = number;
  currency_ = code;
}

std::string LayoutBankCode(const StatementLayout& layout) {
  if (layout.bankCode <= 0 || layout.bankCode > 9999) return std::string();
  std::string code(4, '0');
  for (int32_t value = layout.bankCode, i = 3; value > 0; value /= 10, --i) {
    code[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
  }
  return code;
}

std::string FileSelfDescription::Account(std::string_view layoutBank) const {
  if (number_.empty()) return std::string();
  std::string account = number_;
  AccountNumber read;
  // Business 24 gives the prefix on a line of its own; a number that
  // already has one keeps it.
  if (!prefix_.empty() && number_.find('-') == std::string::npos && number_.size() <= 10) {
    account = prefix_ + '-' + account;
  }
  const std::string_view bank = bank_.empty() ? layoutBank : std::string_view(bank_);
  if (!bank.empty() && account.find('/') == std::string::npos) {
    account += '/';
    account += bank;
  }
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
  const int named = layout.Column(ColumnRole::kOwnAccount);
  if (named >= 0 || layout.rules.ownAccountsByData) return named;
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string name = NormaliseColumnName(fields[i]);
    if (name != "cislo uctu" && name != "ucet") continue;
    bool taken = false;
    for (int role = 0; role < kColumnRoleCount; ++role) {
      taken = taken || layout.column[role] == static_cast<int>(i);
    }
    // A bank's header documents its own account's column, and so does one
    // that names the counter account apart; otherwise only the data make
    // the column the own accounts': the account the preamble states, or a
    // balance of each account's own. A lone "Účet" may be the customers'.
    const int column = static_cast<int>(i);
    const bool counterApart = layout.Column(ColumnRole::kCounterAccount) >= 0 ||
                              layout.Column(ColumnRole::kCounterIban) >= 0;
    if (!taken && (layout.known || counterApart ||
                   (!stated.empty() && RowsOfOneAccount(text, layout, column, stated) > 0) ||
                   KeepsOwnBalances(text, layout, column))) {
      return column;
    }
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
  return RowsOfOneAccount(text, layout, counter, stated) >= (ownStated ? 1 : 2) ? counter : -1;
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
  // No count of accounts is too many: the column is the own accounts' by
  // the bank's header or by the file's own data.
  while (reader.Next()) {
    const std::string_view value = reader.Field(column);
    AccountNumber read;
    if (value.empty() || !ReadAccountNumber(value, true, &read)) continue;
    bool known = false;
    for (const AccountNumber& account : seen) known = known || SameAccount(account, read);
    if (known) continue;
    seen.push_back(read);
    accounts->emplace_back(value);
    const std::string bank = LayoutBankCode(layout);
    if (read.bank.empty() && !bank.empty()) accounts->back().append("/").append(bank);
  }
}

}  // namespace tarvolo
