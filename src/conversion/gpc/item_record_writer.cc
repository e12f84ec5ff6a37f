#include "conversion/gpc/item_record_writer.h"

#include <charconv>
#include <cstring>

#include "conversion/values/decimal_rounding.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {

namespace {

// An integer as "%0Nd" renders it: "-" and digits, zeros between up to
// `width` characters, never cut. `out` holds kIntegerSpace bytes; returns
// the length. Only a value below zero needs it: the others are plain digits.
constexpr size_t kIntegerSpace = 48;
size_t ZeroFilledInteger(char* out, int64_t value, size_t width) {
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  const size_t count =
      static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  size_t length = 0;
  if (value < 0) out[length++] = '-';
  while (length + count < width && length + count < kIntegerSpace) out[length++] = '0';
  std::memcpy(out + length, digits, count);
  return length + count;
}

// The counter account's field holds the prefix's six digits, then the
// number's ten.
constexpr GpcField kCounterPrefix = {kItemFields[kItemCounterAccount].first, 6,
                                     GpcFieldKind::kNumber, ""};
constexpr GpcField kCounterNumber = {kCounterPrefix.first + 6, 10, GpcFieldKind::kNumber, ""};
static_assert(kCounterPrefix.width + kCounterNumber.width ==
              kItemFields[kItemCounterAccount].width);

// A bank code of four digits is two pairs at the end of its field, whose
// zeros the template holds.
constexpr size_t kBankPairs =
    kItemFields[kItemBankCode].first + kItemFields[kItemBankCode].width - 4;
static_assert(kItemFields[kItemBankCode].width >= 4);

// The due date's field holds day, month and year, two digits each.
constexpr size_t kDueDay = kItemFields[kItemDueDate].first;
static_assert(kItemFields[kItemDueDate].width == 6 && kItemFields[kItemDate].width == 6);

// The record keeps two digits of a year, which its readers take as 2000 to
// 2099; any other year goes in whole, so that its last two digits stand
// and the cut is reported.
int32_t RecordYear(int32_t year) { return year >= 2000 && year <= 2099 ? year - 2000 : year; }

}  // namespace

ItemRecordWriter::ItemRecordWriter(std::string_view ownAccountField, std::vector<FieldCut>* cuts)
    : cuts_(cuts) {
  // What every record of the run has in common.
  std::memset(template_, '0', sizeof template_);
  std::memcpy(template_, "075", 3);
  PutRightAligned(template_, kItemFields[kItemOwnAccount], ownAccountField.data(),
                  ownAccountField.size(), '0');
  const GpcField& description = kItemFields[kItemDescription];
  std::memset(template_ + description.first, ' ', description.width);
  std::memcpy(template_ + kGpcLineWidth, "\r\n", 2);
}

void ItemRecordWriter::PutText(char* record, ItemField field, std::string_view text,
                               const char* fieldName) {
  if (!PutRightAligned<true>(record, kItemFields[field], text.data(), text.size(), '0')) {
    Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
  }
}

void ItemRecordWriter::PutInteger(char* record, const GpcField& field, int64_t value,
                                  const char* fieldName) {
  bool whole;
  if (value >= 0) {
    whole = PutDigits<true>(record, field, static_cast<uint64_t>(value));
  } else {
    char text[kIntegerSpace];
    whole = PutRightAligned<true>(record, field, text, ZeroFilledInteger(text, value, field.width),
                                  '0');
  }
  if (!whole) Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
}

void ItemRecordWriter::PutDatePart(char* record, size_t at, int32_t value, const char* fieldName) {
  if (value >= 0 && value < 100) {
    record[at] = static_cast<char>('0' + value / 10);
    record[at + 1] = static_cast<char>('0' + value % 10);
    return;
  }
  PutInteger(record, {at, 2, GpcFieldKind::kNumber, ""}, value, fieldName);
}

void ItemRecordWriter::Report(int lineNumber, const char* fieldName, FieldCut::Kind kind) {
  if (cuts_) cuts_->push_back({lineNumber, fieldName, kind});
}

void ItemRecordWriter::PutCounterAccount(char* record, int32_t prefix, int64_t number) {
  if (number < 0) number = -number;
  // Nearly every account fits its field: all sixteen digits written at
  // once, three pairs of the prefix, a pair and eight of the number.
  if (prefix >= 0 && prefix <= 999999 && number < 10000000000) {
    char* out = record + kCounterPrefix.first;
    const auto high = static_cast<uint32_t>(prefix);
    std::memcpy(out, kDigitPairs + 2 * (high / 10000), 2);
    std::memcpy(out + 2, kDigitPairs + 2 * (high / 100 % 100), 2);
    std::memcpy(out + 4, kDigitPairs + 2 * (high % 100), 2);
    std::memcpy(out + 6, kDigitPairs + 2 * (number / 100000000), 2);
    PutEightDigits(out + 8, static_cast<uint32_t>(number % 100000000));
    return;
  }
  if (prefix >= 0 && prefix <= 999999) {
    PutDigits<true>(record, kCounterPrefix, static_cast<uint64_t>(prefix));
    if (!PutDigits<true>(record, kCounterNumber, static_cast<uint64_t>(number))) {
      Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
    }
    return;
  }
  // A prefix below zero takes a character of the field for its sign.
  char counter[2 * kIntegerSpace];
  const size_t prefixLength = ZeroFilledInteger(counter, prefix, 6);
  const size_t length = prefixLength + ZeroFilledInteger(counter + prefixLength, number, 10);
  if (length > 16) {
    std::memmove(counter + 6, counter + length - 10, 10);
    Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
  }
  std::memcpy(record + kCounterPrefix.first, counter, 16);
}

void ItemRecordWriter::PutAmount(char* record, int64_t hellers, int32_t rest) {
  // Less than half a heller below zero is a debit of no hellers.
  const bool debit = hellers < 0 || (hellers == 0 && rest < 0);
  const uint64_t magnitude = static_cast<uint64_t>(hellers < 0 ? -hellers : hellers);
  if (!PutDigits<true>(record, kItemFields[kItemAmount], magnitude)) {
    Report(lineNumber_, kAmountField, FieldCut::Kind::kCut);
  }
  record[kItemFields[kItemAccountingCode].first] = debit ? '1' : '2';
  // The currency code field ends with the posting code.
  std::memcpy(record + kItemFields[kItemCurrencyCode].first, debit ? "01101" : "01102", 5);
}

void ItemRecordWriter::PutBankCode(char* record, int32_t bankCode) {
  if (static_cast<uint32_t>(bankCode) < 10000) {
    std::memcpy(record + kBankPairs, kDigitPairs + 2 * (bankCode / 100), 2);
    std::memcpy(record + kBankPairs + 2, kDigitPairs + 2 * (bankCode % 100), 2);
    return;
  }
  PutInteger(record, kItemFields[kItemBankCode], bankCode, "kód banky");
}

void ItemRecordWriter::PutDate(char* record, size_t at, int32_t day, int32_t month, int32_t year) {
  const int32_t shortYear = RecordYear(year);
  // Every part of nearly every date is two digits: three pairs, no checks.
  if (static_cast<uint32_t>(day) < 100 && static_cast<uint32_t>(month) < 100 &&
      static_cast<uint32_t>(shortYear) < 100) {
    std::memcpy(record + at, kDigitPairs + 2 * day, 2);
    std::memcpy(record + at + 2, kDigitPairs + 2 * month, 2);
    std::memcpy(record + at + 4, kDigitPairs + 2 * shortYear, 2);
    return;
  }
  PutDatePart(record, at, day, "den");
  PutDatePart(record, at + 2, month, "měsíc");
  PutDatePart(record, at + 4, shortYear, "rok");
}

void ItemRecordWriter::Append(const StatementItem& item, std::string& exportText) {
  const size_t at = exportText.size();
  exportText.append(template_, sizeof template_);
  PutFields(item, &exportText[at]);
}

void ItemRecordWriter::Write(const StatementItem& item, char* record) {
  std::memcpy(record, template_, sizeof template_);
  PutFields(item, record);
}

// Every field starts as the template's zeros (the description as its
// blanks), and each is written once: numbers need only their digits from
// the highest one that is not zero, texts only their characters.
void ItemRecordWriter::PutFields(const StatementItem& item, char* record) {
  lineNumber_ = item.line;
  PutCounterAccount(record, item.counterPrefix, item.counterNumber);
  PutText(record, kItemDocumentNumber, item.documentNumber, "číslo dokladu");
  PutAmount(record, item.amount, item.amountRest);
  PutText(record, kItemVariableSymbol, item.variableSymbol, "variabilní symbol");
  PutBankCode(record, item.bankCode);
  PutText(record, kItemConstantSymbol, item.constantSymbol, "konstantní symbol");
  PutText(record, kItemSpecificSymbol, item.specificSymbol, "specifický symbol");
  PutDate(record, kDueDay, item.valueDay, item.valueMonth, item.valueYear);
  const GpcField& descriptionField = kItemFields[kItemDescription];
  // The description ends at a NUL where it has one, as a text field does.
  const std::string_view description = item.description;
  const size_t length = std::min(description.size(), descriptionField.width);
  PutLeftAligned<true>(record, descriptionField, description.data(),
                       length > 0 ? strnlen(description.data(), length) : 0, ' ');
  const size_t date = kItemFields[kItemDate].first;
  if (item.day == item.valueDay && item.month == item.valueMonth && item.year == item.valueYear) {
    std::memcpy(record + date, record + kDueDay, 6);
  } else {
    PutDate(record, date, item.day, item.month, item.year);
  }
}

}  // namespace tarvolo
