#include "conversion/reading/layouts/layout_reader.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "conversion/reading/balances/balance_proof.h"
#include "conversion/reading/layouts/currency_columns.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/file_self_description.h"
#include "conversion/reading/layouts/own_balances.h"
#include "conversion/reading/layouts/own_iban.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/layouts/row_booking.h"
#include "conversion/reading/layouts/row_items.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/layouts/row_values.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/values/account_number.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/koruna_default.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// A currency as a row names it: a code, or the koruna's own word.
bool IsCurrencyText(std::string_view text) {
  // Mostly a plain code, which is its own code: no string made.
  if (text.empty() || IsPlainCurrencyCode(text)) return true;
  const std::string code = CurrencyCode(text);
  if (code.size() == 3 && IsPlainCurrencyCode(code)) return true;
  const std::string word = NormaliseColumnName(text);
  return word == "kc" || word == "kcs";
}

// Reads the items of one file, row after row: which rows are items, and what
// the file states about itself before its header. The row's values, its
// items and the report of the reading are parts of their own.
class LayoutReader {
 public:
  LayoutReader(const std::string& path, std::string_view text, const StatementLayout& layout,
               const ItemSink& sink, const LogLine& log, CurrencySplit* split)
      : text_(text),
        split_(split),
        layout_(layout),
        log_(log),
        path_(path),
        proof_(text, layout),
        report_(path, log),
        row_(text, layout, proof_.conventions().columns, &balance_, &report_),
        items_(currency_, proof_.conventions().fee, sink, &report_, split),
        statesBalances_(layout.Column(ColumnRole::kOpeningBalance) >= 0 ||
                        layout.Column(ColumnRole::kClosingBalance) >= 0),
        booking_(survey_, proof_, &report_.warnings()) {}

  void Read(std::string* statementCurrency, LayoutReading* reading) {
    report_.SetKnownHeader(layout_.known);
    const ChosenColumns& columns = proof_.conventions().columns;
    if (columns.tiedDate >= 0) {
      // Two dates named alike that differ: which one the bank booked on is
      // a guess, and no file is converted on one.
      report_.SetUndecided();
      reading->confirmation = report_.confirmation();
      Render(reading->refusal,
             "formát %s: sloupce %d (%s) a %d (%s) uvádějí různá data (poprvé na řádku %d) a nic "
             "v souboru nerozhodne, které je dnem zaúčtování",
             {layout_.name, columns.date + 1, HeaderName(columns.date), columns.tiedDate + 1,
              HeaderName(columns.tiedDate), columns.dateTieLine});
      return;
    }
    const int amount = proof_.UndecidedAmount();
    if (amount >= 0) {
      // Two amounts named alike that differ, and no balance shows which one
      // moved the account: the user names it.
      report_.SetUndecided();
      reading->confirmation = report_.confirmation();
      Render(reading->refusal,
             "formát %s: sloupce %d \"%s\" a %d \"%s\" uvádějí různé částky (poprvé na řádku "
             "%d) a nic v souboru nerozhodne, která je částkou položky; převod lze zadat volbou "
             "--columns \"datum=…;částka=…\"",
             {layout_.name, amount + 1, HeaderName(amount), columns.tiedAmount + 1,
              HeaderName(columns.tiedAmount), columns.tieLine});
      return;
    }
    ReadPreamble();
    balance_.SetNewestFirst(proof_.conventions().newestFirst, proof_.conventions().orderProven);
    row_.amounts.SetDebits(proof_.conventions().debits);
    DecideCurrency(statementCurrency);
    DescribeFile(reading);
    survey_ = SurveyRows(text_, layout_);
    row_.texts.SetTextsInApostrophes(survey_.textsInApostrophes);
    LineAccount& lines = report_.lines();
    lines.Add(LineAccount::kPreamble, layout_.headerLine);
    CsvRecordReader record(text_, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    while (record.Next()) {
      if (record.unclosedQuote()) report_.warnings().UnclosedQuote(record.lineNumber());
      const LineAccount::Kind kind = ReadRow(record);
      if (kind == LineAccount::kItem) NoteBookedByBalance(record.lineNumber());
      itemRows_ += kind == LineAccount::kItem ? 1 : 0;
      elsewhereRows_ += kind == LineAccount::kOtherStatement ? 1 : 0;
      // The last line of a text without a final line end is a line too.
      const bool open =
          record.offset() >= text_.size() && text_.back() != '\n' && text_.back() != '\r';
      const int32_t count = record.nextLineNumber() - record.lineNumber() + (open ? 1 : 0);
      if (kind == LineAccount::kNotBooked) {
        lines.AddNotBooked(booking_.notBookedAs(), count);
      } else {
        lines.Add(kind, count);
      }
    }
    reading->confirmation = report_.confirmation();
    if (!reading->confirmation.Confirmed()) {
      reading->refusal = report_.Refusal(layout_);
      return;
    }
    // The koruna is the profile's currency: a statement the file gives no
    // currency is in it, and the log says so once, where the line about a
    // run of several currencies does not.
    if (namesNoCurrency_ && unnamedRows_ == 0) {
      LogFormatted(log_, LogKind::kInformation, "Soubor %s neuvádí měnu, výpis je v %s\n",
                   {path_, std::string(CurrencyUnit(currency_))});
    }
    proof_.Report(path_, log_);
    report_.Summarise(layout_.name);
    if (unnamedRows_ > 0) {
      LogFormatted(log_, LogKind::kInformation,
                   "Soubor %s neuvádí měnu účtu a %d jeho položek žádnou měnu nemá: jsou ve "
                   "výpisu v Kč\n",
                   {path_, unnamedRows_});
    }
    // The balances are the account's, in its currency where the file names
    // it: a statement in another currency has none of them, and its own
    // statement states them. A file that names none states them for the
    // statement that takes its rows, or for the koruna's where it has none.
    // The rows of one of several own accounts state its balances in its
    // statement's.
    const bool named = !fileCurrency_.empty();
    const std::string balanceCurrency = named                 ? fileCurrency_
                                        : elsewhereRows_ == 0 ? std::string(kKorunaCode)
                                                              : std::string();
    const bool otherCurrency =
        !accountBalances_ &&
        (named ? fileCurrency_ != currency_ : itemRows_ == 0 && balanceCurrency != currency_);
    if (split_ != nullptr && otherCurrency) {
      // A file of no movement holds its currency's statement by its
      // balances alone.
      const StatedBalances stated =
          balance_.Report(path_, CurrencyUnit(balanceCurrency), [](LogKind, const char*) {});
      if (stated.hasOpening || stated.hasClosing) split_->Elsewhere(balanceCurrency);
      return;
    }
    reading->stated =
        balance_.Report(path_, CurrencyUnit(otherCurrency ? fileCurrency_ : currency_), log_);
    if (otherCurrency) reading->stated = StatedBalances();
    if (!otherCurrency) reading->accountBalances = balance_.EachAccount();
    // Rows that name several accounts, which neither a documented column nor
    // their balances tell apart, are one statement's: no balance of the file
    // was compared with them, so the log must say so.
    if (!otherCurrency && !accountsApart_ && balance_.SeveralAccounts()) {
      LogFormatted(log_, LogKind::kFileWarning,
                   "Soubor %s: řádky uvádějí více účtů, jejich zůstatky je od sebe neodliší, "
                   "položky jsou v jednom výpisu a zůstatky nesrovnány\n",
                   {path_});
    }
  }

 private:
  // Balances and the account's currency stated before the header.
  void ReadPreamble() {
    CsvRecordReader preamble(text_, layout_.separator);
    while (preamble.Next() && preamble.lineNumber() <= layout_.headerLine) {
      const std::vector<std::string_view>& fields = preamble.fields();
      if (preamble.lineNumber() == layout_.headerLine) {
        row_.ReadHeader(fields);
        break;
      }
      if (balance_.ReadBalanceLine(fields)) NoteBalanceCurrency(fields);
      self_.ReadPreambleLine(fields);
      for (size_t i = 0; i + 1 < fields.size(); ++i) {
        std::string name = NormaliseColumnName(fields[i]);
        while (!name.empty() && name.back() == ':') name.pop_back();
        if (name != "currency" && name != "mena" && name != "mena uctu") continue;
        const std::string code = CurrencyCode(fields[i + 1]);
        if (code.size() == 3 && fileCurrency_.empty()) fileCurrency_ = code;
      }
    }
    if (fileCurrency_.empty()) fileCurrency_ = self_.currency();
    if (fileCurrency_.empty()) fileCurrency_ = balanceCurrency_;
    if (self_.HasPeriod()) balance_.SetPeriod(self_.periodStart(), self_.periodEnd());
  }

  // A balance line that writes its amount with a code ("1 000,00 EUR"), in
  // a field of its own or after the label's colon ("Počáteční stav účtu:
  // 1 000,00 EUR"), states the account's currency, unless the file states
  // it otherwise.
  void NoteBalanceCurrency(const std::vector<std::string_view>& fields) {
    if (!balanceCurrency_.empty()) return;
    for (const std::string_view field : fields) {
      for (const std::string_view value : {field, LabelledBalance(field)}) {
        if (value.empty()) continue;
        const AmountReading amount = ReadAmount(value, AmountRules::kBankExport);
        if (amount.status != AmountStatus::kRead || amount.currency[0] == '\0') continue;
        balanceCurrency_ = amount.currency;
        return;
      }
    }
  }

  // The name the header gives `column`, on one line.
  std::string HeaderName(int column) const {
    CsvRecordReader header(text_, layout_.separator);
    while (header.Next() && header.lineNumber() < layout_.headerLine) {}
    std::string shown;
    return std::string(OneLine(header.Field(column), kCurrencyWidth, shown));
  }

  // The file's own accounts and period, before any item is handed over.
  void DescribeFile(LayoutReading* reading) {
    reading->ownAccounts.clear();
    const std::string stated = self_.Account(LayoutBankCode(layout_));
    if (!stated.empty()) reading->ownAccounts.push_back(stated);
    const int ownAccountColumn = OwnAccountColumn(text_, layout_, stated);
    items_.SetOwnAccountColumn(ownAccountColumn);
    reading->ownPockets.clear();
    if (ownAccountColumn < 0) {
      const int pockets = OwnPocketColumn(text_, layout_);
      items_.SetOwnAccountColumn(pockets);
      reading->ownPockets = ColumnValues(text_, layout_, pockets);
    }
    accountsApart_ = ownAccountColumn >= 0 || !reading->ownPockets.empty();
    row_.counter.SetOwnAccountColumn(ownAccountColumn);
    ownAccountColumn_ = ownAccountColumn;
    CollectOwnAccounts(text_, layout_, ownAccountColumn, &reading->ownAccounts);
    reading->ownIbans.clear();
    CollectOwnIbans(text_, layout_, &reading->ownIbans);
    reading->periodStated = self_.HasPeriod();
    reading->periodStart = self_.periodStart();
    reading->periodEnd = self_.periodEnd();
    // A file of several own accounts states each one's balances on its rows.
    AccountNumber statement, own;
    if (split_ == nullptr || reading->ownAccounts.size() < 2 ||
        !ReadAccountNumber(split_->account, true, &statement)) {
      return;
    }
    for (const std::string& account : reading->ownAccounts) {
      if (ReadAccountNumber(account, true, &own) && SameAccount(own, statement)) {
        balanceAccount_ = statement;
        accountBalances_ = true;
      }
    }
  }

  // The statement's currency, when this is the run's first file: the one it
  // states for its account, else the one most of its items carry, else CZK.
  void DecideCurrency(std::string* statementCurrency) {
    if (fileCurrency_.empty()) fileCurrency_ = AccountCurrencyOfRows(text_, layout_);
    if (fileCurrency_.empty() && !layout_.currencies.empty()) {
      fileCurrency_ = layout_.currencies.front().code;
    }
    // "Amount (EUR)": the unit is the currency where no column names one.
    if (fileCurrency_.empty() && layout_.amountUnit[0] != '\0' &&
        layout_.Column(ColumnRole::kCurrency) < 0) {
      fileCurrency_ = layout_.amountUnit;
    }
    if (statementCurrency->empty()) {
      bool named = !fileCurrency_.empty();
      *statementCurrency = named ? fileCurrency_
                                 : MostItemsCurrency(text_, layout_, row_.amounts.column(),
                                                     row_.dates.column(), &named);
      namesNoCurrency_ = !named;
    }
    currency_ = *statementCurrency;
  }

  LineAccount::Kind ReadRow(const CsvRecordReader& record) {
    const std::vector<std::string_view>& fields = record.fields();
    if (IsEmptyRow(fields)) return LineAccount::kEmpty;
    const int line = record.lineNumber();
    row_.Start(record);
    ItemDate date;
    AmountReading amount;
    std::string_view shownAmount;
    const bool dateRead = row_.dates.Date(&date);
    const AmountStatus status = row_.amounts.Amount(&amount, &shownAmount);
    const bool amountRead = status == AmountStatus::kRead;
    const bool dated = dateRead && amountRead;
    // A row that lost or gained a field has its values in other columns than
    // the header says, whatever its texts seem to state: a balance line may
    // be shorter than the rows, but one dated as they are, or with a bank's
    // id as they have, is one of them.
    const bool shifted = survey_.rowWidth > 0 && fields.size() != survey_.rowWidth;
    if (!dated && !(shifted && (dateRead || HasBankId())) && IsBalanceOrTotalRow(record, false)) {
      return LineAccount::kBalance;
    }
    // Fio leaves out the trailing fields a row has nothing in: a row that
    // has every field its item needs is read, and named as short.
    const bool shortened = shifted && fields.size() < survey_.rowWidth &&
                           fields.size() <= static_cast<size_t>(layout_.headerColumns) &&
                           HasItemFields(fields.size());
    if (shortened) report_.warnings().ShortRow(line, fields.size(), survey_.rowWidth);
    if (shifted && !shortened) {
      std::string why;
      Render(why, "řádek má %d polí, ostatní řádky %d",
             {static_cast<int32_t>(fields.size()), static_cast<int32_t>(survey_.rowWidth)});
      report_.Failed(line, why);
      return LineAccount::kLeftOut;
    }
    if (dated && IsBalanceOrTotalRow(record, true)) return LineAccount::kBalance;
    if (dated && IsDatedTotal(record, amount.hellers)) {
      balance_.AddTotal(line, amount.hellers);
      return LineAccount::kBalance;
    }
    // Rows the bank did not book count neither for the layout nor against it.
    if (!booking_.IsBooked(row_, line)) {
      return booking_.notBookedAs().empty() ? LineAccount::kLeftOut : LineAccount::kNotBooked;
    }
    const std::string why = RowFault(fields, dateRead, status, amount, shownAmount);
    if (!why.empty()) {
      report_.Failed(line, why);
      return LineAccount::kLeftOut;
    }
    report_.DataLine();
    NamePassedOverAmount(line);
    // An amount the file's other amounts could not decide is named where it
    // is read.
    if (!amountRead) {
      report_.warnings().LeftOut(line,
                                 RowWarnings::UnreadWhy(true, {}, status, amount, shownAmount));
      return LineAccount::kLeftOut;
    }
    if (!row_.amounts.ApplyDirection(&amount, shownAmount)) return LineAccount::kLeftOut;
    // A row of no amount is no item, but a fee on it (a fee refunded alone)
    // still moves money.
    if (amount.hellers == 0 && !row_.amounts.HasFee()) {
      // A statement of no movement still states its balances.
      if (statesBalances_ && OfBalanceAccount() && OfThisCurrency(amount)) {
        StateRowBalances(date);
      }
      return LineAccount::kZero;
    }
    // A row whose own account does not read belongs to no statement the run
    // can prove, whatever its currency: it stays with this one, whose checks
    // name it and leave it out, and moves none of its balances.
    if (OwnAccountUnread()) {
      items_.Append(row_, date, amount.hellers);
      NameOtherColumns(line);
      return LineAccount::kItem;
    }
    const LineAccount::Kind other = InOtherCurrency(line, amount);
    if (other != LineAccount::kItem) {
      NameOtherColumns(line);
      // Its fee may be in this statement's currency.
      if (other == LineAccount::kOtherStatement && items_.AppendFeeOfOtherPayment(row_, date)) {
        return LineAccount::kItem;
      }
      return other;
    }
    const int64_t fee = items_.Append(row_, date, amount.hellers);
    NameOtherColumns(line);
    if (!OfBalanceAccount()) return LineAccount::kItem;
    balance_.SetStatement(row_.Field(ColumnRole::kStatementNumber), date);
    balance_.AddRow(amount.hellers, fee, date, row_.Field(ColumnRole::kBalance),
                    row_.Column(proof_.conventions().accountColumn));
    if (statesBalances_) StateRowBalances(date);
    return LineAccount::kItem;
  }

  // Rows the balance booked though their state did not are named: those
  // waiting to be booked counted once, a hold without its release each.
  void NoteBookedByBalance(int line) {
    const BalanceVerdict* verdict = proof_.VerdictOf(line);
    if (verdict == nullptr) return;
    if (verdict->open == OpenBooking::kPending) report_.warnings().PendingBooked(line);
    if (verdict->open != OpenBooking::kPending && verdict->alone) {
      report_.warnings().LoneHoldBooked(line, verdict->open == OpenBooking::kRelease);
    }
  }

  // KB Business states the statement's balances on every row.
  void StateRowBalances(const ItemDate& date) {
    balance_.SetStatement(row_.Field(ColumnRole::kStatementNumber), date);
    balance_.StateBalance(true, row_.Field(ColumnRole::kOpeningBalance));
    balance_.StateBalance(false, row_.Field(ColumnRole::kClosingBalance));
  }

  // Why a row does not read whole by the layout: its fields as the header
  // names them, its date, its amount and its currency; "" where it does.
  std::string RowFault(const std::vector<std::string_view>& fields, bool dateRead,
                       AmountStatus status, const AmountReading& amount,
                       std::string_view shownAmount) {
    std::string why;
    const size_t columns = static_cast<size_t>(layout_.headerColumns);
    if (fields.size() > columns && (fields.size() > columns + 1 || !fields.back().empty())) {
      // A trailing separator the header lacks adds an empty field, no more.
      Render(why, "řádek má %d polí, hlavička jen %d",
             {static_cast<int32_t>(fields.size()), static_cast<int32_t>(columns)});
    } else if (!dateRead || (status != AmountStatus::kRead && status != AmountStatus::kAmbiguous)) {
      why = RowWarnings::UnreadWhy(dateRead, row_.dates.DateText(), status, amount, shownAmount);
    } else if (!IsCurrencyText(row_.Field(ColumnRole::kCurrency))) {
      std::string shown;
      Render(why, "měnu %s nelze přečíst",
             {std::string(OneLine(row_.Field(ColumnRole::kCurrency), kCurrencyWidth, shown))});
    }
    return why;
  }

  // A row that states a balance or a total is no item. A row with a date
  // and an amount says so in its description; any other row anywhere.
  bool IsBalanceOrTotalRow(const CsvRecordReader& record, bool dated) {
    const int amountColumn = row_.amounts.column();
    const std::string_view amount =
        amountColumn >= 0 ? record.Field(amountColumn) : std::string_view();
    // An undated row too: a message that begins like a balance in a row
    // whose date does not read is a row left out, not a balance.
    if (!dated) {
      const std::vector<std::string_view>& fields = record.fields();
      // A label is a balance only with a value after it: one that ends its
      // row is a row cut short.
      const auto label = std::find_if(fields.begin(), fields.end(), [](std::string_view field) {
        return IsWholeBalanceLabel(field) || !LabelledBalance(field).empty();
      });
      const bool valued = label != fields.end() &&
                          (!amount.empty() || !LabelledBalance(*label).empty() ||
                           std::any_of(label + 1, fields.end(),
                                       [](std::string_view field) { return !field.empty(); }));
      return (valued && balance_.ReadBalanceLine(fields, amount)) || IsTotalRow(fields);
    }
    return DatedRowStatesBalance(row_.texts.Texts(), amount, row_.Field(ColumnRole::kBalance),
                                 &balance_);
  }

  // Whether the columns an item is read from (its date, amount, direction,
  // currency, fee and state) all stand within a row of `fields` fields.
  bool HasItemFields(size_t fields) const {
    const int wanted[] = {row_.dates.column(),
                          row_.amounts.column(),
                          layout_.Column(ColumnRole::kCreditAmount),
                          layout_.Column(ColumnRole::kDebitAmount),
                          layout_.Column(ColumnRole::kDirection),
                          layout_.Column(ColumnRole::kCurrency),
                          layout_.Column(ColumnRole::kFee),
                          layout_.Column(ColumnRole::kState),
                          layout_.Column(ColumnRole::kBalanceImpact)};
    for (const int column : wanted) {
      if (column >= static_cast<int>(fields)) return false;
    }
    return row_.dates.column() >= 0;
  }

  // A dated row that totals the rows: one whose text is a word of totals, or
  // the file's last dated row, of no text, counter account or id, whose
  // amount is the sum of the rows before it. A row of the same amount with
  // anything of its own, or with rows after it, is an item.
  bool IsDatedTotal(const CsvRecordReader& record, int64_t hellers) {
    if (std::any_of(record.fields().begin(), record.fields().end(), [](std::string_view field) {
          return MayBeTotalWord(field) && IsTotalWord(field);
        })) {
      return true;
    }
    // The single fields first: gathering the texts costs more, and an item
    // nearly always has one of them.
    if (!row_.Field(ColumnRole::kCounterAccount).empty() ||
        !row_.Field(ColumnRole::kTransactionId).empty() ||
        !row_.Field(ColumnRole::kVariableSymbol).empty() || row_.texts.Texts().count > 0 ||
        !balance_.IsSumOfRows(hellers)) {
      return false;
    }
    const int dateColumn = row_.dates.column();
    CsvRecordReader rest(text_, layout_.separator, record.offset(), record.nextLineNumber());
    while (rest.Next()) {
      ItemDate date;
      if (dateColumn >= 0 && ReadLayoutDate(rest.Field(dateColumn), layout_.rules, &date)) {
        return false;
      }
    }
    LogFormatted(log_, LogKind::kNote,
                 "Soubor %s, řádek %d: částka %.2f je součtem položek nad ní a řádek nemá nic "
                 "dalšího, čten jako součet, ne položka\n",
                 {path_, record.lineNumber(), Crowns(hellers)});
    return true;
  }

  // Whether the row carries a bank's id as the rows do: one that is itself
  // a balance label (Fio's printed "Konečný stav účtu k …:") is none.
  bool HasBankId() {
    const std::string_view id = row_.Field(ColumnRole::kTransactionId);
    return !id.empty() && !IsWholeBalanceLabel(id) && LabelledBalance(id).empty();
  }

  // Whether the row counts for the file's balances: in a file of several
  // own accounts, only the statement's account's rows do.
  bool OfBalanceAccount() {
    AccountNumber own;
    return !accountBalances_ ||
           (ReadAccountNumber(row_.Column(proof_.conventions().accountColumn), true, &own) &&
            SameAccount(own, balanceAccount_));
  }

  // Whether a row is in this statement's currency: by the currency it
  // names, else by its file's.
  bool OfThisCurrency(const AmountReading& amount) {
    std::string code;
    if (row_.amounts.OtherCurrency(currency_, amount, &code)) return false;
    if (!code.empty()) return true;
    row_.amounts.OtherCurrency(std::string(), amount, &code);
    return !code.empty() || unnamedCurrency() == currency_;
  }

  // An item in another currency than the statement's is left out, named,
  // unless a statement of the run is in its currency. A row is in the
  // currency it names, else in the one its file states for its account,
  // else in the koruna. Gives kItem where the item is this statement's.
  LineAccount::Kind InOtherCurrency(int line, const AmountReading& amount) {
    std::string code;
    if (!row_.amounts.OtherCurrency(currency_, amount, &code)) {
      // Most rows name the statement's currency, or name none in a file
      // whose currency is the statement's.
      const bool counted = fileCurrency_.empty() && split_ != nullptr && split_->severalCurrencies;
      if (!code.empty() || (unnamedCurrency() == currency_ && !counted)) {
        return LineAccount::kItem;
      }
      row_.amounts.OtherCurrency(std::string(), amount, &code);
      if (!code.empty()) return LineAccount::kItem;
      unnamedRows_ += counted ? 1 : 0;
      code = unnamedCurrency();
      if (code == currency_) return LineAccount::kItem;
    }
    balance_.AddOtherCurrency();
    if (split_ != nullptr && split_->Elsewhere(code)) return LineAccount::kOtherStatement;
    report_.warnings().OtherCurrencyItem(line, Crowns(amount.hellers), code, currency_);
    return LineAccount::kLeftOut;
  }

  bool OwnAccountUnread() const {
    if (ownAccountColumn_ < 0) return false;
    const std::string_view text = row_.Column(ownAccountColumn_);
    AccountNumber account;
    return !text.empty() && !ReadAccountNumber(text, true, &account);
  }

  // The currency of a row that names none.
  const std::string& unnamedCurrency() const {
    static const std::string koruna(kKorunaCode);
    return fileCurrency_.empty() ? koruna : fileCurrency_;
  }

  // Where the amounts come from another column than the likeliest, because
  // that one does not read on every row, the rows where it does not are
  // named: their values are not all as the bank wrote them.
  void NamePassedOverAmount(int line) {
    const int column = proof_.conventions().columns.passedOver;
    if (column < 0) return;
    const std::string_view text = row_.Column(column);
    if (text.empty()) return;
    const AmountStatus status = ReadAmount(text, AmountRules::kBankExport).status;
    if (status == AmountStatus::kRead || status == AmountStatus::kAmbiguous) return;
    report_.warnings().PassedOverAmount(line, text, column + 1, row_.amounts.column() + 1);
  }

  // A row that also moves money in another currency's columns (an
  // exchange) gives one item: the other amount is named.
  void NameOtherColumns(int line) {
    AmountReading other;
    std::string_view shown;
    for (size_t next = 0; row_.amounts.AmountInOtherColumns(&next, &other, &shown);) {
      if (other.status != AmountStatus::kRead) {
        report_.warnings().UnreadOtherCurrencyAmount(line, shown, other.fault);
        continue;
      }
      balance_.AddOtherCurrency();
      if (split_ != nullptr && split_->Elsewhere(other.currency)) continue;
      report_.warnings().OtherCurrencyItem(line, Crowns(other.hellers), other.currency, currency_);
    }
  }

  std::string_view text_;
  CurrencySplit* split_;  // nullptr: items in other currencies are left out
  const StatementLayout& layout_;
  const LogLine& log_;
  const std::string& path_;
  // The currency the file states for its account, and the statement's.
  std::string fileCurrency_;
  std::string currency_;
  std::string balanceCurrency_;  // the code the balance lines write
  // The rows this statement takes, and those another one does.
  int32_t itemRows_ = 0;
  int32_t elsewhereRows_ = 0;
  // Rows that name no currency in a file that names none, in a run of
  // several currencies.
  int32_t unnamedRows_ = 0;
  BalanceCheck balance_;
  FileSelfDescription self_;
  BalanceProof proof_;
  LayoutReport report_;
  LayoutRow row_;
  LayoutItems items_;
  bool statesBalances_;
  bool namesNoCurrency_ = false;  // the file's statement is in koruna unnamed
  RowsSurvey survey_;
  RowBooking booking_;
  // The file's own accounts are told apart by a column its bank documents
  // or by their balances.
  bool accountsApart_ = false;
  int ownAccountColumn_ = -1;
  // The own account whose rows alone count for the balances, where set.
  bool accountBalances_ = false;
  AccountNumber balanceAccount_;
};

}  // namespace

void ReadLayoutItems(const std::string& path, std::string_view text, const StatementLayout& layout,
                     std::string* statementCurrency, const ItemSink& sink, const LogLine& log,
                     LayoutReading* reading, CurrencySplit* split) {
  const StatementLayout chosen = ForStatementCurrency(text, layout, *statementCurrency);
  LayoutReader(path, text, chosen, sink, log, split).Read(statementCurrency, reading);
}

}  // namespace tarvolo
