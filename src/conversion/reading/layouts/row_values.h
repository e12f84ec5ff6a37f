#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/amount_reading.h"

namespace tarvolo {

// The values of the row a layout reader is at, each from the column the
// layout names: its dates, its amount with its sign and direction, its
// currency, its counter account and its texts. What the file's rows decide
// for all of them (the decimal mark, the order of day and month) is looked
// for once, when a value first needs it. The texts it gives are views into
// the file or into its own storage, valid until the next row.
class LayoutRow {
 public:
  // `balance` learns the file's decimal mark once it is known; `report`
  // gets the warnings about values.
  LayoutRow(std::string_view text, const StatementLayout& layout, const ChosenColumns& chosen,
            BalanceCheck* balance, LayoutReport* report)
      : text_(text),
        layout_(layout),
        dateColumn_(chosen.date),
        amountColumn_(chosen.amount),
        balance_(balance),
        report_(report) {}

  // What the header's names tell beyond the roles: times in UTC, and the
  // columns a layout takes its description from.
  void ReadHeader(const std::vector<std::string_view>& names);
  int amountColumn() const { return amountColumn_; }
  int dateColumn() const { return dateColumn_; }

  // Moves to the row `record` holds; it must stay put while the row is read.
  void Start(const CsvRecordReader& record);
  int line() const { return line_; }
  // A field of the row, "" past its end or for -1; looked up many times a
  // row, with one test.
  std::string_view Field(ColumnRole role) const { return Column(layout_.Column(role)); }
  std::string_view Column(int index) const {
    return static_cast<size_t>(index) < fieldCount_ ? fields_[index] : std::string_view();
  }
  // A transfer list gives money that comes in in its own columns.
  bool incoming() const { return incoming_; }

  // The booking date, as its day in Prague where the file writes UTC times.
  bool Date(ItemDate* date);
  std::string_view DateText() const { return Column(dateColumn_); }
  // The value date where the layout has one, else the booking date.
  ItemDate ValueDate(const ItemDate& booking);

  // The amount of the row: its amount column, or credit minus debit;
  // `shown` gets the text a warning names.
  AmountStatus Amount(AmountReading* amount, std::string_view* shown);
  // An amount the row writes in the columns of another currency than the
  // one Amount read (a row of an exchange), looked for from the layout's
  // `*next`th currency on (0 for the first call); false for none more.
  bool AmountInOtherColumns(size_t* next, AmountReading* amount, std::string_view* shown);
  // How the debit column writes a payment: by default with or without its
  // minus alike.
  void SetDebits(DebitConvention debits) { debits_ = debits; }
  // A value of the row's `role` column, the file's decimal mark deciding.
  AmountStatus Value(ColumnRole role, AmountReading* value) {
    return ReadAmount(Field(role), value);
  }
  // An amount written without a sign takes it from the direction column;
  // false, with a warning, where that cannot tell. A written sign that the
  // direction contradicts is kept, with a warning.
  bool ApplyDirection(AmountReading* amount, std::string_view shown);
  // A fee charged beside the amount, and whether it is one other than zero.
  AmountStatus Fee(AmountReading* fee);
  bool HasFee();
  // Whether the item is in another currency than the `statement`'s; `code`
  // gets the one it is in.
  bool OtherCurrency(const std::string& statement, const AmountReading& amount,
                     std::string* code) const;
  // The currency code of the fee, "" where the row gives none.
  std::string FeeCurrency(const AmountReading& fee) const;

  // The counter account, a text that cannot be read whole named in a
  // warning rather than left as zeros in silence.
  CounterAccountParts CounterAccount();
  // The counter account's IBAN, from its own column or, for one of another
  // country, from the counter-account column; valid after CounterAccount.
  std::string_view CounterIban() const { return counterIban_; }
  // The file writes its texts in apostrophes (mBank): they are no part of
  // the message or the name.
  void SetTextsInApostrophes(bool enclosed) { textsInApostrophes_ = enclosed; }
  // The column that holds the file's own account, which is no counter
  // account even where its name made it one; -1 for none.
  void SetOwnAccountColumn(int column) { ownAccountColumn_ = column; }

  // The symbols, digits only.
  std::string_view VariableSymbol() {
    return KeepDigits(Field(ColumnRole::kVariableSymbol), variable_);
  }
  std::string_view ConstantSymbol() {
    return KeepDigits(Field(ColumnRole::kConstantSymbol), constant_);
  }
  std::string_view SpecificSymbol() {
    return KeepDigits(Field(ColumnRole::kSpecificSymbol), specific_);
  }
  // The item's number: the bank's own `id` where it is a short number, the
  // payer's reference where that is one, the `variable` symbol, or a number
  // worked out from a long id.
  std::string_view DocumentNumber(std::string_view id, std::string_view variable);
  // The message and the counter name, each on one line and cut to the
  // longest message an item keeps.
  std::string_view Description();
  std::string_view CounterName();
  // The texts that may tell that a dated row states a balance.
  struct RowTexts {
    std::string_view text[6];
    size_t count = 0;
  };
  const RowTexts& Texts();

 private:
  AmountStatus ReadAmount(std::string_view text, AmountReading* amount);
  AmountStatus CreditMinusDebit(std::string_view creditText, std::string_view debitText,
                                AmountReading* amount, std::string_view* shown);
  bool ReadDate(std::string_view text, ItemDate* date);
  char DecimalMark();
  bool MonthFirst();
  std::string_view DescriptionText() const;
  std::string_view Text(std::string_view text) const {
    return textsInApostrophes_ ? WithoutApostrophes(text) : text;
  }

  std::string_view text_;
  const StatementLayout& layout_;
  int dateColumn_;
  int amountColumn_;
  int descriptionColumns_[3] = {-1, -1, -1};
  int ownAccountColumn_ = -1;
  bool textsInApostrophes_ = false;
  bool utcTimes_ = false;
  BalanceCheck* balance_;
  LayoutReport* report_;
  bool monthFirst_ = false;
  bool dateOrderKnown_ = false;
  char decimalMark_ = 0;
  bool decimalMarkKnown_ = false;
  DebitConvention debits_ = DebitConvention::kEitherSign;
  size_t amountSet_ = 0;  // the currency whose columns Amount read

  const std::string_view* fields_ = nullptr;
  size_t fieldCount_ = 0;
  int line_ = 0;
  bool incoming_ = false;
  std::string_view counterIban_;
  // The row's texts, gathered here where they cannot be taken as they
  // stand in the file.
  std::string variable_, constant_, specific_, document_, description_, name_;
  RowTexts texts_;
};

// Whether a dated row with the texts `texts` states a balance, which
// `balance` then learns. A dated item may begin like a balance ("Zůstatek k
// 31.12. převeden"): only a text that is a balance label and nothing else
// makes the row one, and only where its own running balance, if it has
// one, is its amount: a row whose balance is another value moved it.
bool DatedRowStatesBalance(const LayoutRow::RowTexts& texts, std::string_view amount,
                           std::string_view runningBalance, BalanceCheck* balance);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_VALUES_H_
