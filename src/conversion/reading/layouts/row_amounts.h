#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_AMOUNTS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_AMOUNTS_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/row_fields.h"
#include "conversion/reading/layouts/row_warnings.h"
#include "conversion/values/amount_reading.h"

namespace tarvolo {

// The amounts of a layout's rows, with their signs, directions, fees and
// currencies. The decimal mark the file's amounts show is looked for once,
// when an amount first needs it.
class RowAmounts {
 public:
  // `balance` learns the file's decimal mark once it is known; `warnings`
  // gets the warnings about directions.
  RowAmounts(const RowFields& row, const ChosenColumns& chosen, BalanceCheck* balance,
             RowWarnings* warnings)
      : row_(row),
        column_(chosen.amount),
        dateColumn_(chosen.date),
        balance_(balance),
        warnings_(warnings) {}

  // The amount column, -1 where credits and debits have columns of their own.
  int column() const { return column_; }
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
    return ReadAmount(row_.Field(role), value);
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

 private:
  AmountStatus ReadAmount(std::string_view text, AmountReading* amount);
  AmountStatus CreditMinusDebit(std::string_view creditText, std::string_view debitText,
                                AmountReading* amount, std::string_view* shown);
  char DecimalMark();

  const RowFields& row_;
  int column_;
  int dateColumn_;
  BalanceCheck* balance_;
  RowWarnings* warnings_;
  char decimalMark_ = 0;
  bool decimalMarkKnown_ = false;
  DebitConvention debits_ = DebitConvention::kEitherSign;
  size_t amountSet_ = 0;  // the currency whose columns Amount read
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_AMOUNTS_H_
