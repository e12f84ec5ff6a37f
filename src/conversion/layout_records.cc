#include "conversion/layout_records.h"

#include <cstring>
#include <string_view>

#include "conversion/csv_record.h"
#include "conversion/fixed_width.h"
#include "conversion/item_fields.h"
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

// At most `width` characters of a value for a one-line text: a quoted
// field may hold line breaks and tabs, each run of them becomes one blank.
void OneLine(std::string_view text, size_t width, std::string& out) {
  const size_t limit = text.size() < width ? text.size() : width;
  size_t plain = 0;
  while (plain < limit && static_cast<unsigned char>(text[plain]) >= 0x20) ++plain;
  if (plain == limit) {
    out.assign(text.data(), limit);
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

  void Read(std::string_view text, std::string& exportText) {
    CsvRecordReader reader(text, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    while (reader.Next()) {
      if (reader.unclosedQuote()) {
        Warn(reader.lineNumber(), "uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého konce");
      }
      ReadItem(reader, exportText);
    }
    if (suppressed_ > 0) {
      LogLineOf("Soubor %s: dalších %d upozornění nevypsáno!!!\n", {path_, suppressed_});
    }
    LogLineOf(
        "Soubor %s: rozpoznán formát %s, převedeno %d položek, vynecháno %d řádků bez data nebo "
        "částky\n",
        {path_, layout_.name, items_, skipped_});
  }

 private:
  std::string_view Field(const CsvRecordReader& reader, ColumnRole role) const {
    return reader.Field(layout_.Column(role));
  }

  void ReadItem(const CsvRecordReader& reader, std::string& exportText) {
    bool empty = true;
    for (std::string_view field : reader.fields()) empty = empty && field.empty();
    if (empty) return;

    const int line = reader.lineNumber();
    const std::string_view dateText = Field(reader, ColumnRole::kBookingDate);
    ItemDate date;
    ItemAmount amount;
    const bool dateRead = ReadItemDate(dateText, &date);
    if (!dateRead || !ReadItemAmount(Field(reader, ColumnRole::kAmount), &amount)) {
      // Totals and notes have no date; a date that is there but cannot be
      // read, or an item without its amount, is a fault worth a line.
      ++skipped_;
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
    CheckCurrency(line, Field(reader, ColumnRole::kCurrency));

    CounterAccountParts counter =
        ReadCounterAccountColumns(Field(reader, ColumnRole::kCounterAccount),
                                  Field(reader, ColumnRole::kCounterBank),
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
    } else {
      document_ = variable_;
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
  }

  // GPC files carry no currency: the accounting program books every item in
  // the account's, so an item in another one is worth a warning.
  void CheckCurrency(int line, std::string_view currency) {
    if (currency.empty()) return;
    if (firstCurrency_.empty()) {
      OneLine(currency, kDescriptionWidth, firstCurrency_);
      return;
    }
    OneLine(currency, kDescriptionWidth, scratch_);
    if (scratch_ == firstCurrency_) return;
    std::string text;
    Render(text, "položka je v měně %s, první položka souboru v měně %s; soubor GPC měnu neuvádí",
           {scratch_, firstCurrency_});
    Warn(line, text.c_str());
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
    std::string text;
    Render(text, format, args);
    log_(text.c_str());
  }

  const std::string& path_;
  const StatementLayout& layout_;
  const LogLine& log_;
  ItemRecordWriter writer_;
  int32_t items_ = 0;
  int32_t skipped_ = 0;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string firstCurrency_;
  std::string scratch_;
  std::string variable_;
  std::string constant_;
  std::string specific_;
  std::string document_;
  std::string description_;
};

}  // namespace

bool AppendLayoutRecords(const std::string& path, const std::string& text,
                         std::string& exportText, std::vector<FieldCut>* cuts,
                         const LogLine& log) {
  // The text ends at a NUL byte, as for Servis24; the caller reports the rest.
  const std::string_view statement(text.c_str(), std::strlen(text.c_str()));
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised || layout.servis24) return false;
  LayoutReader(path, layout, log, cuts).Read(statement, exportText);
  return true;
}

}  // namespace tarvolo
