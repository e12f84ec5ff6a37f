#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_ITEMS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_ITEMS_H_

#include <cstdint>
#include <string>

#include "conversion/reading/balances/balance_proof.h"
#include "conversion/reading/layouts/content_numbers.h"
#include "conversion/reading/layouts/currency_split.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/layouts/row_values.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// Turns a row the layout reader took into the items it hands to the sink:
// the row's own item, unless of no amount, and a fee charged beside it as
// an item of its own right after it.
class LayoutItems {
 public:
  // `currency` is the statement's, decided before the first row;
  // `ownAccountColumn` holds the file's own account on every row, -1 for
  // none. `split`, where the run writes a statement for each currency,
  // takes a fee in another currency than its payment's.
  LayoutItems(const std::string& currency, FeeConvention fee, const ItemSink& sink,
              LayoutReport* report, CurrencySplit* split)
      : currency_(currency), fee_(fee), sink_(sink), report_(report), split_(split) {}
  void SetOwnAccountColumn(int column) { ownAccountColumn_ = column; }

  // Hands over the items of `row`, booked on `date`, of `amount` with its
  // sign. Returns the amount of its fee (0 for none, or one left out).
  int64_t Append(LayoutRow& row, const ItemDate& date, int64_t amount);
  // Hands over the fee of `row`, whose payment is another statement's,
  // where the fee is in this statement's currency. Returns whether it did.
  bool AppendFeeOfOtherPayment(LayoutRow& row, const ItemDate& date);

 private:
  StatementItem ItemOf(LayoutRow& row, const ItemDate& date, int64_t amount);
  bool ChargesFee(LayoutRow& row) const;
  int64_t AppendFee(LayoutRow& row, const StatementItem& payment);

  const std::string& currency_;
  FeeConvention fee_;
  const ItemSink& sink_;
  LayoutReport* report_;
  CurrencySplit* split_;
  int ownAccountColumn_ = -1;
  std::string feeDescription_;
  ContentNumbers contentNumbers_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_ITEMS_H_
