#include "conversion/transaction_records.h"

#include <cmath>
#include <cstdint>
#include <cstring>

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

  // Symbols too wide for their fields keep their last characters: those of
  // the whole field, not of what fits the buffer.
  char symbol[kFieldBuffer];
  fields.ReadLast(6, symbol, sizeof symbol);
  char constant[kFieldBuffer];
  fields.ReadLast(9, constant, sizeof constant);
  char specific[kFieldBuffer];
  fields.ReadLast(10, specific, sizeof specific);
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

// A line whose every field reads as empty text (nothing, or only separators,
// quotes and blanks) is no item: it would be a payment the bank never made.
bool IsEmptyLine(const char* line) {
  for (const char* p = line; *p != '\0' && *p != '\r' && *p != '\n'; ++p) {
    if (*p != ';' && *p != '"' && !IsBlank(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

// Calls `visit`(line start, line number) for every line after the header
// that yields a record.
template <typename Visit>
void ForEachItemLine(const char* statementText, Visit visit) {
  const char* lineEnd = std::strchr(statementText, '\n');
  int lineNumber = 1;
  while (lineEnd != nullptr && lineEnd[1] != '\0') {
    const char* line = lineEnd + 1;
    ++lineNumber;
    if (!IsEmptyLine(line)) visit(line, lineNumber);
    lineEnd = std::strchr(line, '\n');
  }
}

}  // namespace

size_t CountItemLines(const char* statementText) {
  size_t count = 0;
  ForEachItemLine(statementText, [&count](const char*, int) { ++count; });
  return count;
}

void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts) {
  DateParts date;
  ItemRecordWriter writer(cuts);
  ForEachItemLine(statementText, [&](const char* line, int lineNumber) {
    AppendRecord(line, lineNumber, date, exportText, writer);
  });
}


namespace {

// Puts a value right-aligned into a field of `width` characters, `fill` in
// front; a wider value keeps its last characters. False when it was cut.
bool PutRight(char* field, size_t width, const char* value, size_t length, char fill) {
  if (length >= width) {
    std::memcpy(field, value + (length - width), width);
    return length == width;
  }
  std::memset(field, fill, width - length);
  std::memcpy(field + (width - length), value, length);
  return true;
}

// An integer as "%0Nd" renders it: "-" and digits, zeros between up to
// `width` characters, never cut. `out` holds kIntegerSpace bytes; returns
// the length.
constexpr size_t kIntegerSpace = 48;
size_t ZeroFilledInteger(char* out, int64_t value, size_t width) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  size_t count = 0;
  do {
    digits[sizeof digits - 1 - count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  size_t length = 0;
  if (value < 0) out[length++] = '-';
  while (length + count < width && length + count < kIntegerSpace) out[length++] = '0';
  std::memcpy(out + length, digits + sizeof digits - count, count);
  return length + count;
}

}  // namespace

ItemRecordWriter::ItemRecordWriter(std::vector<FieldCut>* cuts) : cuts_(cuts) {
  static_assert(sizeof g_accountSettings.accountNumber + 1 <= kIntegerSpace, "");
  const size_t ownLength = strnlen(g_accountSettings.accountNumber,
                                   sizeof g_accountSettings.accountNumber);
  PutRight(ownAccount_, sizeof ownAccount_, g_accountSettings.accountNumber, ownLength, '0');
}

void ItemRecordWriter::PutText(char* field, size_t width, const char* text,
                               const char* fieldName) {
  if (text == nullptr) text = "";
  if (!PutRight(field, width, text, std::strlen(text), '0')) {
    Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
  }
}

void ItemRecordWriter::PutInteger(char* field, size_t width, int64_t value,
                                  const char* fieldName) {
  char text[kIntegerSpace];
  if (!PutRight(field, width, text, ZeroFilledInteger(text, value, width), '0')) {
    Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
  }
}

void ItemRecordWriter::Report(int lineNumber, const char* fieldName, FieldCut::Kind kind) {
  if (cuts_) cuts_->push_back({lineNumber, fieldName, kind});
}

void ItemRecordWriter::Append(const ItemRecord& item, int lineNumber, std::string& exportText) {
  lineNumber_ = lineNumber;
  // Positions from 0, as the record lays them out.
  char record[kRecordLength];
  std::memcpy(record, "075", 3);
  std::memcpy(record + 3, ownAccount_, sizeof ownAccount_);
  {
    // The prefix always fits its six digits; the number keeps its last ten.
    char counter[2 * kIntegerSpace];
    const int64_t number = item.counterNumber < 0 ? -item.counterNumber : item.counterNumber;
    const size_t prefixLength = ZeroFilledInteger(counter, item.counterPrefix, 6);
    const size_t length =
        prefixLength + ZeroFilledInteger(counter + prefixLength, number, 10);
    if (length > 16) {
      std::memmove(counter + 6, counter + length - 10, 10);
      Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
    }
    std::memcpy(record + 19, counter, 16);
  }
  PutText(record + 35, 13, item.documentNumber, "číslo dokladu");

  double amount = item.amount;
  const bool debit = amount < 0;
  if (debit) {
    amount = -amount;
    g_exportTotals.debitSum += amount;
  } else {
    g_exportTotals.creditSum += amount;
  }
  ++g_exportTotals.itemCount;
  AddHellers(std::fabs(amount), debit ? g_exportTotals.debitHellers : g_exportTotals.creditHellers);
  const double hellers = std::fabs(amount) * 100.0;
  piece_.clear();
  if (std::isfinite(hellers)) {
    AppendRoundedMagnitude(piece_, hellers, 0);
  } else {
    // Too large for a double once in hellers ("inf" is no amount): the
    // digits of the crowns without their decimal point, cut like any other.
    Render(piece_, "%.2f", {std::fabs(amount)});
    piece_.erase(piece_.size() - 3, 1);
  }
  if (!PutRight(record + 48, 12, piece_.data(), piece_.size(), '0')) {
    Report(lineNumber_, kAmountField, FieldCut::Kind::kCut);
  }
  record[60] = debit ? '1' : '2';

  PutText(record + 61, 10, item.variableSymbol, "variabilní symbol");
  PutInteger(record + 71, 6, item.bankCode, "kód banky");
  PutText(record + 77, 4, item.constantSymbol, "konstantní symbol");
  PutText(record + 81, 10, item.specificSymbol, "specifický symbol");
  PutInteger(record + 91, 2, item.day, "den");
  PutInteger(record + 93, 2, item.month, "měsíc");
  PutInteger(record + 95, 2, item.year, "rok");

  const char* description = item.description ? item.description : "";
  const size_t descriptionLength = strnlen(description, 20);
  std::memcpy(record + 97, description, descriptionLength);
  std::memset(record + 97 + descriptionLength, ' ', 20 - descriptionLength);
  std::memcpy(record + 117, "011", 3);
  std::memcpy(record + 120, debit ? "01" : "02", 2);
  std::memcpy(record + 122, record + 91, 6);  // the value date is the date
  std::memcpy(record + 128, "\r\n", 2);
  exportText.append(record, sizeof record);
}

}  // namespace tarvolo
