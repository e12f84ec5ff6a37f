#include "conversion/layout_records.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "conversion/csv_record.h"
#include "conversion/decimal_rounding.h"
#include "conversion/fixed_width.h"
#include "conversion/item_fields.h"
#include "conversion/run_log.h"
#include "conversion/statement_layout.h"

namespace tarvolo {
namespace {

// Beyond this many warnings a file's log would push everything else out of
// the log pane; the rest are only counted.
constexpr int kWarningsPerFile = 10;

// The description field's width in a "075" record.
constexpr size_t kDescriptionWidth = 20;

bool HasDigit(std::string_view text) {
  for (char c : text) {
    if (c >= '0' && c <= '9') return true;
  }
  return false;
}

bool IsShortNumber(std::string_view text) {
  if (text.empty() || text.size() > 13) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A payment service's id (a UUID, "TRANSFER-1000001") where the item has
// no variable symbol either: 13 digits worked out from its bytes, the same
// on every run, so that an item without any number is never written and the
// accounting program can still tell items apart.
void NumberOfId(std::string_view id, std::string& out) {
  uint64_t hash = 14695981039346656037u;  // FNV-1a
  for (char c : id) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  uint64_t number = hash % 10000000000000u;
  if (number == 0) number = 1;
  out.assign(13, '0');
  for (size_t i = 13; i-- > 0 && number > 0; number /= 10) {
    out[i] = static_cast<char>('0' + number % 10);
  }
}

// At most `width` characters of a value for a one-line text: a quoted
// field may hold line breaks and tabs, each run of them becomes one blank.
// The one-line text as it stands in `text`, when it holds no line break or
// tab within `width`; false otherwise.
bool PlainOneLine(std::string_view text, size_t width, std::string_view* plain) {
  const size_t limit = text.size() < width ? text.size() : width;
  size_t i = 0;
  // Eight bytes at a time: a byte below 0x20 sets its high bit in the test.
  for (; limit - i >= sizeof(uint64_t); i += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (((word - 0x2020202020202020u) & ~word & 0x8080808080808080u) != 0) return false;
  }
  for (; i < limit; ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x20) return false;
  }
  *plain = text.substr(0, limit);
  return true;
}

void OneLine(std::string_view text, size_t width, std::string& out) {
  std::string_view plain;
  if (PlainOneLine(text, width, &plain)) {
    out.assign(plain.data(), plain.size());
    return;
  }
  out.clear();
  for (size_t i = 0; i < text.size() && out.size() < width; ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x20) {
      if (out.empty() || out.back() != ' ') out += ' ';
    } else {
      out += text[i];
    }
  }
}

// Reads the items of one file, line after line.
class LayoutReader {
 public:
  LayoutReader(const std::string& path, const StatementLayout& layout, const LogLine& log,
               std::vector<FieldCut>* cuts)
      : path_(path), layout_(layout), log_(log), writer_(cuts) {}

  StatedBalances Read(std::string_view text, std::string& exportText) {
    CsvRecordReader preamble(text, layout_.separator);
    while (preamble.Next() && preamble.lineNumber() < layout_.headerLine) {
      balance_.ReadBalanceLine(preamble.fields());
    }
    if (layout_.monthFirstDates) monthFirst_ = !AnyDayFirstDate(text);
    CsvRecordReader reader(text, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    while (reader.Next()) {
      if (reader.unclosedQuote()) {
        Warn(reader.lineNumber(),
             "uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého konce");
      }
      ReadItem(reader, exportText);
    }
    if (suppressed_ > 0) {
      LogLineOf("Soubor %s: dalších %d upozornění nevypsáno!!!\n", {path_, suppressed_});
    }
    std::string fees;
    if (fees_ > 0) Render(fees, " (z toho %d poplatků)", {fees_});
    LogLineOf(
        "Soubor %s: rozpoznán formát %s, převedeno %d položek%s, vynecháno %d řádků bez data nebo "
        "částky, vynecháno %d nezaúčtovaných\n",
        {path_, layout_.name, items_, fees, skipped_, notBooked_});
    return balance_.Report(path_, log_);
  }

 private:
  std::string_view Field(const CsvRecordReader& reader, ColumnRole role) const {
    return reader.Field(layout_.Column(role));
  }

  // Whether a date in the file can only be day first (13/3/2024).
  bool AnyDayFirstDate(std::string_view text) const {
    CsvRecordReader reader(text, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    while (reader.Next()) {
      if (SlashDateOrder(Field(reader, ColumnRole::kBookingDate)) == DateOrderHint::kDayFirst) {
        return true;
      }
    }
    return false;
  }

  // Rows that are not booked (yet) change no balance: only a completed one
  // is an item, and a state not known here is reported.
  bool IsBooked(int line, std::string_view stateText) {
    if (stateText.empty()) return true;
    const std::string state = NormaliseColumnName(stateText);
    for (const char* booked : {"completed", "booked", "zauctovano", "zauctovana", "provedeno"}) {
      if (state == booked) return true;
    }
    ++notBooked_;
    for (const char* pending : {"pending", "declined", "reverted", "failed", "cancelled",
                                "canceled", "rejected", "reversed", "expired"}) {
      if (state == pending) return false;
    }
    std::string text;
    OneLine(stateText, kDescriptionWidth, scratch_);
    Render(text, "neznámý stav položky %s, položka vynechána", {scratch_});
    Warn(line, text.c_str());
    return false;
  }

  void ReadItem(const CsvRecordReader& reader, std::string& exportText) {
    bool empty = true;
    for (std::string_view field : reader.fields()) {
      if (!field.empty()) {
        empty = false;
        break;
      }
    }
    if (empty) return;

    const int line = reader.lineNumber();
    if (!IsBooked(line, Field(reader, ColumnRole::kState))) return;
    const std::string_view dateText = Field(reader, ColumnRole::kBookingDate);
    ItemDate date;
    ItemAmount amount;
    const bool dateRead = ReadItemDate(dateText, &date, monthFirst_);
    if (!dateRead || !ReadItemAmount(Field(reader, ColumnRole::kAmount), &amount)) {
      // Totals and notes have no date; a date that is there but cannot be
      // read, or an item without its amount, is a fault worth a line.
      ++skipped_;
      balance_.ReadBalanceLine(reader.fields());
      if (dateRead) {
        Warn(line, "částku nelze přečíst, řádek vynechán");
      } else if (HasDigit(dateText)) {
        Warn(line, "datum nelze přečíst, řádek vynechán");
      }
      return;
    }
    if (!amount.signWritten && layout_.Column(ColumnRole::kDirection) >= 0 &&
        ReadDirection(Field(reader, ColumnRole::kDirection)) == Direction::kDebit) {
      amount.value = -amount.value;
    }
    const bool accountCurrency = CheckCurrency(line, Field(reader, ColumnRole::kCurrency));

    CounterAccountParts counter = ReadCounterAccountColumns(
        Field(reader, ColumnRole::kCounterAccount), Field(reader, ColumnRole::kCounterBank),
        Field(reader, ColumnRole::kCounterPrefix));
    if (counter.number == 0 && counter.bankCode == 0) {
      counter = ReadCounterAccountColumns(Field(reader, ColumnRole::kCounterIban), {}, {});
    }

    KeepDigits(Field(reader, ColumnRole::kVariableSymbol), variable_);
    KeepDigits(Field(reader, ColumnRole::kConstantSymbol), constant_);
    KeepDigits(Field(reader, ColumnRole::kSpecificSymbol), specific_);
    // Accounting programs know an imported item by its number: the bank's
    // own id never repeats where a variable symbol may.
    const std::string_view id = Field(reader, ColumnRole::kTransactionId);
    if (IsShortNumber(id)) {
      document_.assign(id.data(), id.size());
    } else if (!variable_.empty() || id.empty()) {
      document_ = variable_;
    } else {
      NumberOfId(id, document_);
    }
    std::string_view description = Field(reader, ColumnRole::kMessage);
    if (description.empty()) description = Field(reader, ColumnRole::kCounterName);
    if (description.empty()) description = Field(reader, ColumnRole::kItemType);
    OneLine(description, kDescriptionWidth, description_);

    ItemRecord item;
    item.counterPrefix = counter.prefix;
    item.counterNumber = counter.number;
    item.bankCode = counter.bankCode;
    item.documentNumber = document_.c_str();
    item.variableSymbol = variable_.c_str();
    item.constantSymbol = constant_.c_str();
    item.specificSymbol = specific_.c_str();
    item.description = description_.c_str();
    item.amount = amount.value;
    item.day = date.day;
    item.month = date.month;
    item.year = date.year % 100;
    writer_.Append(item, line, exportText);
    ++items_;

    const double fee = AppendFee(reader, item, exportText);
    if (accountCurrency) {
      balance_.AddRow(amount.value, fee, date, Field(reader, ColumnRole::kBalance));
    } else {
      balance_.AddOtherCurrency();
    }
  }

  // A fee charged beside the item becomes a record of its own right after
  // it, on the same day and under the same number, paid to the bank rather
  // than to the counter account. Returns its amount (0 for none).
  double AppendFee(const CsvRecordReader& reader, const ItemRecord& payment,
                   std::string& exportText) {
    const std::string_view feeText = Field(reader, ColumnRole::kFee);
    if (feeText.empty()) return 0;
    ItemAmount fee;
    if (!ReadItemAmount(feeText, &fee)) {
      Warn(reader.lineNumber(), "poplatek nelze přečíst, zapsána jen položka");
      return 0;
    }
    // Revolut's fee is a charge written as a positive number; PayPal's
    // carries the sign of its effect on the balance.
    const double amount = layout_.signedFees ? fee.value : -std::fabs(fee.value);
    int64_t hellers = 1;
    WholeHellers(amount, &hellers);
    if (hellers == 0) return 0;
    feeDescription_ = "Poplatek";
    if (!description_.empty()) feeDescription_ += ' ' + description_;
    if (feeDescription_.size() > kDescriptionWidth) feeDescription_.resize(kDescriptionWidth);
    ItemRecord item;
    item.documentNumber = payment.documentNumber;
    item.description = feeDescription_.c_str();
    item.amount = amount;
    item.day = payment.day;
    item.month = payment.month;
    item.year = payment.year;
    writer_.Append(item, reader.lineNumber(), exportText);
    ++items_;
    ++fees_;
    return amount;
  }

  // GPC files carry no currency: the accounting program books every item in
  // the account's, so an item in another one is worth a warning.
  // Returns whether the item is in the file's first currency.
  bool CheckCurrency(int line, std::string_view currency) {
    if (currency.empty()) return true;
    if (firstCurrency_.empty()) {
      OneLine(currency, kDescriptionWidth, firstCurrency_);
      return true;
    }
    std::string_view plain;
    if (PlainOneLine(currency, kDescriptionWidth, &plain) && plain == firstCurrency_) return true;
    OneLine(currency, kDescriptionWidth, scratch_);
    if (scratch_ == firstCurrency_) return true;
    std::string text;
    Render(text, "položka je v měně %s, první položka souboru v měně %s; soubor GPC měnu neuvádí",
           {scratch_, firstCurrency_});
    Warn(line, text.c_str());
    return false;
  }

  void Warn(int line, const char* text) {
    if (warnings_ == kWarningsPerFile) {
      ++suppressed_;
      return;
    }
    ++warnings_;
    LogLineOf("Soubor %s, řádek %d: %s!!!\n", {path_, int32_t{line}, text});
  }

  void LogLineOf(const char* format, std::initializer_list<FormatArg> args) {
    LogFormatted(log_, format, args);
  }

  const std::string& path_;
  const StatementLayout& layout_;
  const LogLine& log_;
  ItemRecordWriter writer_;
  int32_t items_ = 0;
  int32_t skipped_ = 0;
  int32_t notBooked_ = 0;
  int32_t fees_ = 0;
  bool monthFirst_ = false;
  BalanceCheck balance_;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string firstCurrency_;
  std::string scratch_;
  std::string variable_;
  std::string constant_;
  std::string specific_;
  std::string document_;
  std::string description_;
  std::string feeDescription_;
};

}  // namespace

bool AppendLayoutRecords(const std::string& path, const std::string& text, std::string& exportText,
                         std::vector<FieldCut>* cuts, const LogLine& log, StatedBalances* stated) {
  // The text ends at a NUL byte, as for Servis24; the caller reports the rest.
  const std::string_view statement(text.c_str(), std::strlen(text.c_str()));
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised || layout.servis24) return false;
  const StatedBalances balances = LayoutReader(path, layout, log, cuts).Read(statement, exportText);
  if (stated) *stated = balances;
  return true;
}

}  // namespace tarvolo
