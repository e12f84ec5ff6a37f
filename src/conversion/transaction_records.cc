#include "conversion/transaction_records.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "conversion/account_field.h"
#include "conversion/csv_field.h"
#include "conversion/decimal_rounding.h"
#include "conversion/export_totals.h"
#include "conversion/fixed_width.h"
#include "conversion/number_reading.h"
#include "settings/account_settings.h"

namespace tarvolo {

ExportTotals g_exportTotals;
const char kAmountField[] = "částka";

namespace {

// Field texts are handed over in buffers of this size.
constexpr size_t kFieldBuffer = 512;

// An account prefix has at most six digits; anything else is no prefix.
constexpr uint32_t kMaxPrefix = 999999;

struct DateParts {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
};

// Beyond this many hellers no header can show a sum; adding stops there.
constexpr int64_t kHellerLimit = 100000000000000000;

void AddHellers(double magnitude, int64_t& sum) {
  int64_t hellers = 0;
  if (!WholeHellers(magnitude, &hellers) || hellers >= kHellerLimit ||
      sum + hellers >= kHellerLimit) {
    g_exportTotals.hellersOverflow = true;
    return;
  }
  sum += hellers;
}

bool IsAccountCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == ' ' || c == '/';
}

struct CounterAccount {
  int32_t prefix = 0;
  int64_t number = 0;
  int32_t bankCode = 0;
};

CounterAccount ReadCounterAccount(const char* text) {
  CounterAccount account;
  for (const char* p = text; *p != '\0'; ++p) {
    if (!IsAccountCharacter(*p)) return account;
  }
  if (std::strchr(text, '-') != nullptr) {
    ScanPattern(text, "%d-%d/%d", {&account.prefix, &account.number, &account.bankCode});
  } else {
    ScanPattern(text, "%d/%d", {&account.number, &account.bankCode});
  }
  if (static_cast<uint32_t>(account.prefix) > kMaxPrefix) account.prefix = 0;
  return account;
}

void AppendRecord(const char* line, int lineNumber, DateParts& date, std::string& exportText,
                  ItemRecordWriter& writer) {
  char field[kFieldBuffer];
  // The fields are read in ascending order, each once.
  CsvFieldCursor fields(line);

  fields.Read(2, field, sizeof field);
  if (ScanPattern(field, "%4d/%2d/%2d", {&date.year, &date.month, &date.day}) < 3) {
    writer.Report(lineNumber, "datum", FieldCut::Kind::kUnreadableDate);
  }
  if (date.year >= 2000) date.year -= 2000;

  char amountText[kFieldBuffer];
  fields.Read(3, amountText, sizeof amountText);

  fields.Read(4, field, sizeof field);
  const CounterAccount counter = ReadCounterAccount(field);

  char symbol[kFieldBuffer];
  fields.Read(6, symbol, sizeof symbol);
  char constant[kFieldBuffer];
  fields.Read(9, constant, sizeof constant);
  char specific[kFieldBuffer];
  fields.Read(10, specific, sizeof specific);
  char description[kFieldBuffer];
  fields.Read(11, description, sizeof description);

  ItemRecord item;
  item.counterPrefix = counter.prefix;
  item.counterNumber = counter.number;
  item.bankCode = counter.bankCode;
  item.documentNumber = symbol;
  item.variableSymbol = symbol;
  item.constantSymbol = constant;
  item.specificSymbol = specific;
  item.description = description;
  bool tooLarge = false;
  item.amount = ReadAmountText(amountText, &tooLarge);
  if (tooLarge) writer.Report(lineNumber, kAmountField, FieldCut::Kind::kAmountTooLarge);
  item.day = date.day;
  item.month = date.month;
  item.year = date.year;
  writer.Append(item, lineNumber, exportText);
}

}  // namespace

void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts) {
  DateParts date;
  ItemRecordWriter writer(cuts);
  const char* lineEnd = std::strchr(statementText, '\n');
  int lineNumber = 1;
  while (lineEnd != nullptr && lineEnd[1] != '\0') {
    const char* line = lineEnd + 1;
    ++lineNumber;
    AppendRecord(line, lineNumber, date, exportText, writer);
    lineEnd = std::strchr(line, '\n');
  }
}

ItemRecordWriter::ItemRecordWriter(std::vector<FieldCut>* cuts) : cuts_(cuts) {
  static_assert(sizeof ownAccount_ == sizeof g_accountSettings.accountNumber + 1, "");
  const size_t ownLength = strnlen(g_accountSettings.accountNumber,
                                   sizeof g_accountSettings.accountNumber);
  std::memcpy(ownAccount_, g_accountSettings.accountNumber, ownLength);
  ownAccount_[ownLength] = '\0';
}

// Renders one value and keeps its last `width` characters.
void ItemRecordWriter::AppendFitted(const char* format, FormatArg value, size_t width,
                                    const char* fieldName) {
  piece_.clear();
  Render(piece_, format, {value});
  if (piece_.size() > width) {
    piece_.erase(0, piece_.size() - width);
    if (fieldName) Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
  }
  record_ += piece_;
}

void ItemRecordWriter::Report(int lineNumber, const char* fieldName, FieldCut::Kind kind) {
  if (cuts_) cuts_->push_back({lineNumber, fieldName, kind});
}

void ItemRecordWriter::Append(const ItemRecord& item, int lineNumber, std::string& exportText) {
  lineNumber_ = lineNumber;
  record_.clear();

  char counterField[kAccountFieldBuffer];
  {
    // The prefix always fits its six digits; the number keeps its last ten.
    piece_.clear();
    const int64_t number = item.counterNumber < 0 ? -item.counterNumber : item.counterNumber;
    Render(piece_, "%06d%010d", {item.counterPrefix, number});
    if (piece_.size() > 16) {
      piece_.erase(6, piece_.size() - 16);
      Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
    }
    std::memcpy(counterField, piece_.c_str(), piece_.size() + 1);
  }
  FormatAccountField(counterField);

  record_ += "075";
  AppendFitted("%016s", ownAccount_, 16, nullptr);
  record_ += counterField;
  AppendFitted("%013s", item.documentNumber, 13, "číslo dokladu");

  double amount = item.amount;
  const char* code;
  const bool debit = amount < 0;
  if (debit) {
    amount = -amount;
    g_exportTotals.debitSum += amount;
    code = "1";
  } else {
    g_exportTotals.creditSum += amount;
    code = "2";
  }
  ++g_exportTotals.itemCount;
  AddHellers(std::fabs(amount), debit ? g_exportTotals.debitHellers : g_exportTotals.creditHellers);
  const double hellers = std::fabs(amount) * 100.0;
  if (std::isfinite(hellers)) {
    AppendFitted("%012.0f", hellers, 12, kAmountField);
  } else {
    // Too large for a double once in hellers ("inf" is no amount): the
    // digits of the crowns without their decimal point, cut like any other.
    std::string digits;
    Render(digits, "%.2f", {std::fabs(amount)});
    digits.erase(digits.size() - 3, 1);
    AppendFitted("%s", digits, 12, kAmountField);
  }
  record_ += code;

  AppendFitted("%010s", item.variableSymbol, 10, "variabilní symbol");
  AppendFitted("%06d", item.bankCode, 6, "kód banky");
  AppendFitted("%04s", item.constantSymbol, 4, "konstantní symbol");
  AppendFitted("%010s", item.specificSymbol, 10, "specifický symbol");

  AppendFitted("%02d", item.day, 2, "den");
  AppendFitted("%02d", item.month, 2, "měsíc");
  AppendFitted("%02d", item.year, 2, "rok");
  char valueDate[7];
  std::memcpy(valueDate, record_.data() + record_.size() - 6, 6);
  valueDate[6] = '\0';

  Render(record_, "%-20.20s", {item.description});
  record_ += "011";
  record_ += debit ? "01" : "02";
  record_ += valueDate;
  record_ += "\r\n";
  exportText += record_;
}

}  // namespace tarvolo
