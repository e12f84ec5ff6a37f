#include "conversion/reading/layout_records.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "conversion/reading/csv_record.h"
#include "conversion/reading/file_account.h"
#include "conversion/reading/item_fields.h"
#include "conversion/reading/layout_file_scan.h"
#include "conversion/reading/layout_values.h"
#include "conversion/reading/row_kinds.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/log_line.h"

namespace tarvolo {
namespace {

// Beyond this many warnings a file's log would push everything else out of
// the log pane; the rest are only counted.
constexpr int kWarningsPerFile = 10;

// Reads the items of one file, line after line.
class LayoutReader {
 public:
  LayoutReader(const std::string& path, std::string_view text, const StatementLayout& layout,
               const ItemSink& sink, const LogLine& log)
      : path_(path), text_(text), layout_(layout), sink_(sink), log_(log) {}

  void Read(std::string* statementCurrency, LayoutReading* reading) {
    const ChosenColumns chosen = ChooseColumns(text_, layout_);
    dateColumn_ = chosen.date;
    amountColumn_ = chosen.amount;
    ReadPreamble();
    balance_.SetNewestFirst(layout_.rules.newestFirst);
    DecideCurrency(statementCurrency);
    DescribeFile(reading);
    CsvRecordReader reader(text_, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    while (reader.Next()) {
      if (reader.unclosedQuote()) {
        Warn(reader.lineNumber(),
             "uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého konce");
      }
      ReadRow(reader);
    }
    reading->confirmation = confirmation_;
    if (!confirmation_.Confirmed()) {
      Refusal(reading);
      return;
    }
    Summarise();
    reading->stated = balance_.Report(path_, log_);
    if (!fileCurrency_.empty() && fileCurrency_ != currency_) reading->stated = StatedBalances();
  }

 private:
  std::string_view Field(const CsvRecordReader& reader, ColumnRole role) const {
    return reader.Field(layout_.Column(role));
  }

  // Balances and the account's currency stated before the header.
  void ReadPreamble() {
    CsvRecordReader preamble(text_, layout_.separator);
    while (preamble.Next() && preamble.lineNumber() <= layout_.headerLine) {
      const std::vector<std::string_view>& fields = preamble.fields();
      if (preamble.lineNumber() == layout_.headerLine) {
        ReadHeader(fields);
        break;
      }
      balance_.ReadBalanceLine(fields);
      self_.ReadPreambleLine(fields);
      for (size_t i = 0; i + 1 < fields.size(); ++i) {
        std::string name = NormaliseColumnName(fields[i]);
        while (!name.empty() && name.back() == ':') name.pop_back();
        if (name != "currency" && name != "mena" && name != "mena uctu") continue;
        const std::string code = CurrencyCode(fields[i + 1]);
        if (code.size() == 3 && fileCurrency_.empty()) fileCurrency_ = code;
      }
    }
  }

  // What the header's names tell beyond the roles: times in UTC, and the
  // columns a layout takes its description from.
  void ReadHeader(const std::vector<std::string_view>& names) {
    if (dateColumn_ >= 0 && static_cast<size_t>(dateColumn_) < names.size()) {
      utcTimes_ = NormaliseColumnName(names[dateColumn_]).find("(utc)") != std::string::npos;
    }
    int found = 0;
    for (const char* wanted : layout_.rules.description) {
      if (wanted == nullptr) break;
      for (size_t i = 0; i < names.size(); ++i) {
        if (NormaliseColumnName(names[i]) == wanted) {
          descriptionColumns_[found++] = static_cast<int>(i);
          break;
        }
      }
    }
  }

  // The file's own accounts and period, before any item is handed over.
  void DescribeFile(LayoutReading* reading) {
    reading->ownAccounts.clear();
    const std::string stated = self_.Account();
    if (!stated.empty()) reading->ownAccounts.push_back(stated);
    ownAccountColumn_ = OwnAccountColumn(text_, layout_);
    CollectOwnAccounts(text_, layout_, ownAccountColumn_, &reading->ownAccounts);
    reading->periodStated = self_.HasPeriod();
    reading->periodStart = self_.periodStart();
    reading->periodEnd = self_.periodEnd();
  }

  // The statement's currency, when this is the run's first file: the one it
  // states for its account, else the one most of its items carry, else CZK.
  void DecideCurrency(std::string* statementCurrency) {
    if (fileCurrency_.empty()) fileCurrency_ = AccountCurrencyOfRows(text_, layout_);
    if (statementCurrency->empty()) {
      *statementCurrency =
          !fileCurrency_.empty() ? fileCurrency_ : MostItemsCurrency(text_, layout_, amountColumn_);
    }
    currency_ = *statementCurrency;
  }

  // The decimal mark the file's amounts show, looked for once, when an
  // amount needs it.
  char DecimalMark() {
    if (decimalMarkKnown_) return decimalMark_;
    decimalMarkKnown_ = true;
    decimalMark_ = FileDecimalMark(text_, layout_, amountColumn_);
    balance_.SetDecimalMark(decimalMark_);
    return decimalMark_;
  }

  // The order of day and month in N/N/YYYY dates, looked for once, when a
  // date needs it.
  bool MonthFirst(int line) {
    if (dateOrderKnown_) return monthFirst_;
    dateOrderKnown_ = true;
    const DateOrder order = FileDateOrder(text_, layout_, dateColumn_);
    monthFirst_ = order.monthFirst;
    if (order.guessed) {
      Warn(line, monthFirst_ ? "data souboru nerozliší den a měsíc, čtena jako měsíc/den/rok"
                             : "data souboru nerozliší den a měsíc, čtena jako den/měsíc/rok");
    }
    return monthFirst_;
  }

  bool ReadDate(std::string_view text, ItemDate* date, int line) {
    ItemDate a, b;
    const bool dayFirst = ReadItemDate(text, &a, false);
    // Only N/N/YYYY and N-N-YYYY can be read the other way round.
    const size_t mark = text.find_first_not_of("0123456789");
    if (mark == std::string_view::npos || mark > 2 || text[mark] == '.') {
      *date = a;
      return dayFirst;
    }
    const bool monthFirst = ReadItemDate(text, &b, true);
    if (dayFirst && monthFirst && (a.day != b.day || a.month != b.month)) {
      *date = MonthFirst(line) ? b : a;
      return true;
    }
    *date = dayFirst ? a : b;
    return dayFirst || monthFirst;
  }

  // An amount of the row, the file's decimal mark deciding where the text
  // alone does not.
  AmountStatus ReadAmount(std::string_view text, AmountReading* amount) {
    const AmountRules rules = AmountRules::kBankExport;
    *amount = tarvolo::ReadAmount(text, rules, decimalMarkKnown_ ? decimalMark_ : 0);
    if (amount->status == AmountStatus::kAmbiguous && DecimalMark() != 0) {
      *amount = tarvolo::ReadAmount(text, rules, decimalMark_);
    }
    return amount->status;
  }

  // The amount of the row: its amount column, or credit minus debit.
  AmountStatus RowAmount(const CsvRecordReader& reader, AmountReading* amount,
                         std::string_view* shown) {
    if (amountColumn_ >= 0) {
      const std::string_view text =
          incoming_ ? Field(reader, ColumnRole::kIncomingAmount) : reader.Field(amountColumn_);
      *shown = text;
      return ReadAmount(text, amount);
    }
    AmountReading credit, debit;
    const std::string_view creditText = Field(reader, ColumnRole::kCreditAmount);
    const std::string_view debitText = Field(reader, ColumnRole::kDebitAmount);
    const AmountStatus c = ReadAmount(creditText, &credit);
    const AmountStatus d = ReadAmount(debitText, &debit);
    *shown = creditText;
    if (c == AmountStatus::kEmpty ||
        (c == AmountStatus::kRead && credit.hellers == 0 && d == AmountStatus::kRead)) {
      *shown = debitText;
    }
    if (c != AmountStatus::kRead && c != AmountStatus::kEmpty) return *amount = credit, c;
    if (d != AmountStatus::kRead && d != AmountStatus::kEmpty) return *amount = debit, d;
    if (c == AmountStatus::kEmpty && d == AmountStatus::kEmpty) return AmountStatus::kEmpty;
    *amount = c == AmountStatus::kRead ? credit : debit;
    // A debit column holds the amount paid, written with or without its minus.
    amount->hellers = (c == AmountStatus::kRead ? credit.hellers : 0) -
                      (d == AmountStatus::kRead ? std::abs(debit.hellers) : 0);
    amount->signWritten = true;
    return AmountStatus::kRead;
  }

  // Rows that are not booked (yet) change no balance: only a completed one
  // is an item, and a state not known here is reported.
  bool IsBooked(int line, std::string_view stateText, std::string_view impact) {
    const BookingState state = BookingOf(stateText, impact);
    if (state == BookingState::kBooked) return true;
    ++notBooked_;
    if (state == BookingState::kUnknown) {
      std::string text;
      Render(text, "neznámý stav položky %s, položka vynechána", {Shown(stateText)});
      Warn(line, text.c_str());
    }
    return false;
  }

  // A row that states a balance or a total is no item. A row with a date
  // and an amount says so in its description; any other row anywhere.
  bool IsBalanceOrTotalRow(const CsvRecordReader& reader, bool dated) {
    const std::string_view amount =
        amountColumn_ >= 0 ? reader.Field(amountColumn_) : std::string_view();
    if (!dated)
      return balance_.ReadBalanceLine(reader.fields(), amount) || IsTotalRow(reader.fields());
    rowTexts_.clear();
    for (ColumnRole role :
         {ColumnRole::kMessage, ColumnRole::kItemType, ColumnRole::kCounterName}) {
      if (!Field(reader, role).empty()) rowTexts_.push_back(Field(reader, role));
    }
    for (int column : descriptionColumns_) {
      if (column >= 0 && !reader.Field(column).empty()) rowTexts_.push_back(reader.Field(column));
    }
    return balance_.ReadBalanceLine(rowTexts_, amount);
  }

  void ReadRow(const CsvRecordReader& reader) {
    const std::vector<std::string_view>& fields = reader.fields();
    if (IsEmptyRow(fields)) return;
    const int line = reader.lineNumber();
    // A transfer list gives money that comes in in its own columns.
    incoming_ = layout_.rules.transfers && layout_.Column(ColumnRole::kIncomingAmount) >= 0 &&
                ReadDirection(Field(reader, ColumnRole::kDirection)) == Direction::kCredit;
    const std::string_view dateText = reader.Field(dateColumn_);
    ItemDate date;
    AmountReading amount;
    std::string_view shownAmount;
    const bool dateRead =
        ReadDate(dateText, &date, line) && (!utcTimes_ || InPrague(dateText, &date));
    const AmountStatus status = RowAmount(reader, &amount, &shownAmount);
    const bool amountRead = status == AmountStatus::kRead;
    if (IsBalanceOrTotalRow(reader, dateRead && amountRead)) {
      ++skipped_;
      return;
    }
    ++confirmation_.dataLines;
    if (dateRead) ++readableDates_;
    // A row with more fields than its header names (beyond a trailing
    // separator) is not laid out as the header says.
    const bool fits = fields.size() <= static_cast<size_t>(layout_.headerColumns) + 1;
    if (fits && dateRead && (amountRead || status == AmountStatus::kAmbiguous)) {
      ++confirmation_.readable;
    }
    if (!IsBooked(line, Field(reader, ColumnRole::kState),
                  Field(reader, ColumnRole::kBalanceImpact))) {
      return;
    }
    if (!dateRead || !amountRead) {
      ReportUnread(line, dateRead, dateText, status, amount, shownAmount);
      return;
    }
    if (!ApplyDirection(reader, line, &amount)) return;
    // A row of no amount is no item, but a fee on it (a fee refunded alone)
    // still moves money.
    if (amount.hellers == 0 && !HasFee(reader)) {
      ++zero_;
      return;
    }
    if (InOtherCurrency(reader, line, amount)) return;
    AppendItem(reader, line, date, amount.hellers);
  }

  // Notes have neither a date nor an amount; a row with one of them is a
  // fault worth a line.
  void ReportUnread(int line, bool dateRead, std::string_view dateText, AmountStatus status,
                    const AmountReading& amount, std::string_view shownAmount) {
    ++skipped_;
    std::string text;
    if (dateRead) {
      Render(text, "částku %s nelze přečíst (%s), řádek vynechán",
             {Shown(shownAmount), amount.fault ? amount.fault : "chybí"});
      Warn(line, text.c_str());
    } else if (status != AmountStatus::kEmpty || HasDigit(dateText)) {
      Render(text, "datum %s nelze přečíst, řádek vynechán", {Shown(dateText)});
      Warn(line, text.c_str());
    }
  }

  // An item in another currency than the statement's is left out, named.
  bool InOtherCurrency(const CsvRecordReader& reader, int line, const AmountReading& amount) {
    std::string_view currency =
        Field(reader, incoming_ ? ColumnRole::kIncomingCurrency : ColumnRole::kCurrency);
    if (currency.empty()) currency = Field(reader, ColumnRole::kAccountCurrency);
    std::string code = CurrencyCode(currency);
    if (code.empty()) code = amount.currency;
    if (code.empty() || code == currency_) return false;
    OtherCurrency(line, Crowns(amount.hellers), code);
    return true;
  }

  // An amount written without a sign takes it from the direction column;
  // a direction it cannot tell refuses the row.
  bool ApplyDirection(const CsvRecordReader& reader, int line, AmountReading* amount) {
    if (amount->signWritten || layout_.Column(ColumnRole::kDirection) < 0) return true;
    const std::string_view text = Field(reader, ColumnRole::kDirection);
    const Direction direction = ReadDirection(text);
    if (direction == Direction::kDebit) amount->hellers = -amount->hellers;
    if (direction != Direction::kUnknown) return true;
    ++skipped_;
    std::string warning;
    Render(warning, "směr platby \"%s\" není známý, řádek vynechán", {Shown(text)});
    Warn(line, warning.c_str());
    return false;
  }

  void OtherCurrency(int line, double amount, const std::string& code) {
    ++otherCurrency_;
    balance_.AddOtherCurrency();
    std::string text;
    Render(text, "položka %.2f %s je v jiné měně než výpis (%s), vynechána",
           {amount, code, currency_});
    Warn(line, text.c_str());
  }

  // The counter account, a text that cannot be read whole named in a
  // warning rather than left as zeros in silence.
  CounterAccountParts CounterAccount(const CsvRecordReader& reader, int line) {
    const std::string_view account = Field(reader, ColumnRole::kCounterAccount);
    CounterAccountParts counter =
        ReadCounterAccountColumns(account, Field(reader, ColumnRole::kCounterBank),
                                  Field(reader, ColumnRole::kCounterPrefix));
    std::string_view unread = counter.whole ? std::string_view() : account;
    if (counter.number == 0 && counter.bankCode == 0) {
      const std::string_view iban = Field(reader, ColumnRole::kCounterIban);
      const CounterAccountParts fromIban = ReadCounterAccountColumns(iban, {}, {});
      if (!fromIban.whole) unread = iban;
      if (fromIban.number != 0 || fromIban.bankCode != 0) counter = fromIban, unread = {};
    }
    if (!unread.empty()) {
      std::string text;
      Render(text, "protiúčet %s nelze přečíst celý, zapsány nuly",
             {Shown(unread, kCurrencyWidth + 20)});
      Warn(line, text.c_str());
    }
    return counter;
  }

  // The item's number: the bank's own id where it is a short number, the
  // payer's reference where that is one, the variable symbol, or a number
  // worked out from a long id.
  std::string_view DocumentNumber(const CsvRecordReader& reader, std::string_view id) {
    const std::string_view reference = Field(reader, ColumnRole::kReference);
    if (IsShortNumber(id)) return id;
    if (IsShortNumber(reference)) return reference;
    if (!variable_.empty() || id.empty()) return variable_;
    NumberOfId(id, document_);
    return document_;
  }

  std::string_view Description(const CsvRecordReader& reader) const {
    if (descriptionColumns_[0] >= 0) {
      for (int column : descriptionColumns_) {
        if (column >= 0 && !reader.Field(column).empty()) return reader.Field(column);
      }
      return {};
    }
    for (ColumnRole role :
         {ColumnRole::kMessage, ColumnRole::kCounterName, ColumnRole::kItemType}) {
      if (!Field(reader, role).empty()) return Field(reader, role);
    }
    return {};
  }

  void AppendItem(const CsvRecordReader& reader, int line, const ItemDate& date, int64_t amount) {
    const CounterAccountParts counter = CounterAccount(reader, line);
    variable_ = KeepDigits(Field(reader, ColumnRole::kVariableSymbol), variableDigits_);
    const std::string_view constant =
        KeepDigits(Field(reader, ColumnRole::kConstantSymbol), constantDigits_);
    const std::string_view specific =
        KeepDigits(Field(reader, ColumnRole::kSpecificSymbol), specificDigits_);
    // Accounting programs know an imported item by its number: the bank's
    // own id never repeats where a variable symbol may.
    const std::string_view id = Field(reader, ColumnRole::kTransactionId);
    const std::string_view document = DocumentNumber(reader, id);
    description_ = OneLine(Description(reader), kMessageWidth, descriptionLine_);
    const std::string_view name =
        OneLine(Field(reader, ColumnRole::kCounterName), kMessageWidth, nameLine_);
    // The value date where the layout has one, else the booking date.
    ItemDate value = date;
    const std::string_view valueText = Field(reader, ColumnRole::kValueDate);
    if (!valueText.empty() && !ReadDate(valueText, &value, line)) value = date;

    StatementItem item;
    item.line = line;
    item.amount = amount;
    item.currency = currency_;
    item.documentNumber = document;
    item.description = description_;
    item.bankReference = id;
    item.day = date.day;
    item.month = date.month;
    item.year = date.year % 100;
    item.valueDay = value.day;
    item.valueMonth = value.month;
    item.valueYear = value.year % 100;
    item.counterPrefix = counter.prefix;
    item.counterNumber = counter.number;
    item.bankCode = counter.bankCode;
    item.counterIban = Field(reader, ColumnRole::kCounterIban);
    item.counterName = name;
    item.variableSymbol = variable_;
    item.constantSymbol = constant;
    item.specificSymbol = specific;
    item.ownAccount = reader.Field(ownAccountColumn_);
    if (amount != 0) {
      sink_(item);
      ++items_;
    }

    const int64_t fee = incoming_ ? 0 : AppendFee(reader, item);
    balance_.AddRow(amount, fee, date, Field(reader, ColumnRole::kBalance));
    StatedColumns(reader);
  }

  bool HasFee(const CsvRecordReader& reader) {
    AmountReading fee;
    return ReadAmount(Field(reader, ColumnRole::kFee), &fee) == AmountStatus::kRead &&
           fee.hellers != 0;
  }

  // KB Business states the statement's balances on every row.
  void StatedColumns(const CsvRecordReader& reader) {
    balance_.StateBalance(true, Field(reader, ColumnRole::kOpeningBalance));
    balance_.StateBalance(false, Field(reader, ColumnRole::kClosingBalance));
  }

  // A fee charged beside the item becomes an item of its own right after
  // it, on the same day and under the same number, paid to the bank rather
  // than to the counter account. Its sign is read: a fee refunded is a
  // credit. Returns its amount (0 for none, or one left out).
  int64_t AppendFee(const CsvRecordReader& reader, const StatementItem& payment) {
    const std::string_view feeText = Field(reader, ColumnRole::kFee);
    AmountReading fee;
    const AmountStatus status = ReadAmount(feeText, &fee);
    if (status == AmountStatus::kEmpty) return 0;
    if (status != AmountStatus::kRead) {
      Warn(reader.lineNumber(), "poplatek nelze přečíst, zapsána jen položka");
      return 0;
    }
    // Revolut's and Wise's fee is a charge written as a positive number;
    // PayPal's and Air Bank's carry the sign of their effect on the balance.
    const int64_t amount = layout_.rules.feeIsEffect ? fee.hellers : -fee.hellers;
    if (amount == 0) return 0;
    std::string code = CurrencyCode(Field(reader, ColumnRole::kFeeCurrency));
    if (code.empty()) code = fee.currency;
    if (!code.empty() && code != currency_) {
      ++otherCurrency_;
      std::string text;
      Render(text, "poplatek %.2f %s je v jiné měně než výpis (%s), vynechán",
             {Crowns(amount), code, currency_});
      Warn(reader.lineNumber(), text.c_str());
      return 0;
    }
    feeDescription_ = "Poplatek";
    if (!description_.empty()) {
      feeDescription_ += ' ';
      feeDescription_.append(description_.data(), description_.size());
    }
    if (feeDescription_.size() > kMessageWidth) feeDescription_.resize(kMessageWidth);
    StatementItem item;
    item.line = payment.line;
    item.amount = amount;
    item.currency = payment.currency;
    item.day = item.valueDay = payment.day;
    item.month = item.valueMonth = payment.month;
    item.year = item.valueYear = payment.year;
    item.documentNumber = payment.documentNumber;
    item.description = feeDescription_;
    item.bankReference = payment.bankReference;
    item.ownAccount = payment.ownAccount;
    item.fee = true;
    sink_(item);
    ++items_;
    ++fees_;
    return amount;
  }

  void Summarise() {
    if (suppressed_ > 0) {
      LogLineOf("Soubor %s: dalších %d upozornění nevypsáno!!!\n", {path_, suppressed_});
    }
    std::string fees, zero;
    if (fees_ > 0) Render(fees, " (z toho %d poplatků)", {fees_});
    if (zero_ > 0) Render(zero, ", vynecháno %d s nulovou částkou", {zero_});
    LogLineOf(
        "Soubor %s: rozpoznán formát %s, převedeno %d položek%s, vynecháno %d řádků bez data nebo "
        "částky, vynecháno %d nezaúčtovaných%s\n",
        {path_, layout_.name, items_, fees, skipped_, notBooked_, zero});
  }

  void Refusal(LayoutReading* reading) const {
    const bool dates = readableDates_ * 2 < confirmation_.dataLines;
    Render(reading->refusal, "formát %s s hlavičkou na řádku %d: %s",
           {layout_.name, int32_t{layout_.headerLine},
            dates ? "sloupec data neobsahuje čitelná data" : "sloupec částky neobsahuje částky"});
  }

  void Warn(int line, const char* text) {
    if (warnings_ == kWarningsPerFile) {
      ++suppressed_;
      return;
    }
    ++warnings_;
    LogLineOf("Soubor %s, řádek %d: %s!!!\n", {path_, int32_t{line}, text});
  }

  // A value of the row as a warning shows it: on one line, cut to `width`.
  const std::string& Shown(std::string_view text, size_t width = kCurrencyWidth) {
    const std::string_view line = OneLine(text, width, scratch_);
    if (line.data() != scratch_.data()) scratch_.assign(line.data(), line.size());
    return scratch_;
  }

  void LogLineOf(const char* format, std::initializer_list<FormatArg> args) {
    LogFormatted(log_, format, args);
  }

  const std::string& path_;
  std::string_view text_;
  const StatementLayout& layout_;
  const ItemSink& sink_;
  const LogLine& log_;
  int dateColumn_ = -1;
  int descriptionColumns_[3] = {-1, -1, -1};
  std::vector<std::string_view> rowTexts_;
  bool utcTimes_ = false;
  bool incoming_ = false;
  int amountColumn_ = -1;
  std::string fileCurrency_;
  std::string currency_;
  ReadingConfirmation confirmation_;
  int32_t readableDates_ = 0;
  int32_t items_ = 0;
  int32_t skipped_ = 0;
  int32_t notBooked_ = 0;
  int32_t fees_ = 0;
  int32_t zero_ = 0;
  int32_t otherCurrency_ = 0;
  bool monthFirst_ = false;
  bool dateOrderKnown_ = false;
  char decimalMark_ = 0;
  bool decimalMarkKnown_ = false;
  BalanceCheck balance_;
  FileSelfDescription self_;
  int ownAccountColumn_ = -1;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string scratch_;
  // The row's texts, gathered here where they cannot be taken as they
  // stand in the file.
  std::string variableDigits_;
  std::string constantDigits_;
  std::string specificDigits_;
  std::string document_;
  std::string descriptionLine_;
  std::string nameLine_;
  std::string feeDescription_;
  std::string_view variable_;
  std::string_view description_;
};

}  // namespace

void ReadLayoutItems(const std::string& path, std::string_view text, const StatementLayout& layout,
                     std::string* statementCurrency, const ItemSink& sink, const LogLine& log,
                     LayoutReading* reading) {
  LayoutReader(path, text, layout, sink, log).Read(statementCurrency, reading);
}

}  // namespace tarvolo
