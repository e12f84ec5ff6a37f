#include "conversion/reading/layouts/row_items.h"

#include <cstdint>

#include "conversion/values/decimal_rounding.h"

namespace tarvolo {

StatementItem LayoutItems::ItemOf(LayoutRow& row, const ItemDate& date, int64_t amount) {
  const CounterAccountParts counter = row.counter.CounterAccount();
  const std::string_view variable = row.symbols.VariableSymbol();
  const std::string_view constant = row.symbols.ConstantSymbol();
  const std::string_view specific = row.symbols.SpecificSymbol();
  // Accounting programs know an imported item by its number: the bank's
  // own id never repeats where a variable symbol may.
  const std::string_view id = row.Field(ColumnRole::kTransactionId);
  const std::string_view document = row.symbols.DocumentNumber(id, variable);
  const std::string_view description = row.texts.Description();
  const std::string_view name = row.texts.CounterName();
  const ItemDate value = row.dates.ValueDate(date);

  StatementItem item;
  item.line = row.line();
  item.amount = amount;
  item.currency = currency_;
  item.documentNumber = document;
  item.description = description;
  item.bankReference = id;
  item.day = date.day;
  item.month = date.month;
  item.year = date.year;
  item.valueDay = value.day;
  item.valueMonth = value.month;
  item.valueYear = value.year;
  item.counterPrefix = counter.prefix;
  item.counterNumber = counter.number;
  item.bankCode = counter.bankCode;
  item.counterIban = row.counter.CounterIban();
  item.counterName = name;
  item.variableSymbol = variable;
  item.constantSymbol = constant;
  item.specificSymbol = specific;
  item.ownAccount = row.Column(ownAccountColumn_);
  if (IsZeroNumber(item.documentNumber)) item.documentNumber = contentNumbers_.Number(item);
  return item;
}

int64_t LayoutItems::Append(LayoutRow& row, const ItemDate& date, int64_t amount) {
  const StatementItem item = ItemOf(row, date, amount);
  if (amount != 0) {
    sink_(item);
    report_->Item(false);
  }
  return ChargesFee(row) ? AppendFee(row, item) : 0;
}

bool LayoutItems::AppendFeeOfOtherPayment(LayoutRow& row, const ItemDate& date) {
  if (!ChargesFee(row)) return false;
  AmountReading fee;
  if (row.amounts.Fee(&fee) != AmountStatus::kRead || row.amounts.FeeCurrency(fee) != currency_)
    return false;
  return AppendFee(row, ItemOf(row, date, 0)) != 0;
}

// Most rows state no fee beside their amount; a fee the amount holds
// already is no item of its own, but one that does not read is named all
// the same: the row's values are then not all as its bank wrote them.
bool LayoutItems::ChargesFee(LayoutRow& row) const {
  if (row.incoming() || row.Field(ColumnRole::kFee).empty()) return false;
  if (fee_ != FeeConvention::kWithinAmount) return true;
  AmountReading fee;
  const AmountStatus status = row.amounts.Fee(&fee);
  if (status != AmountStatus::kEmpty && status != AmountStatus::kRead) {
    report_->warnings().UnreadableFee(row.line());
  }
  return false;
}

// A fee charged beside the item becomes an item of its own right after it,
// on the same day and under the same number, paid to the bank rather than
// to the counter account. Its sign is read: a fee refunded is a credit.
int64_t LayoutItems::AppendFee(LayoutRow& row, const StatementItem& payment) {
  AmountReading fee;
  const AmountStatus status = row.amounts.Fee(&fee);
  if (status == AmountStatus::kEmpty) return 0;
  if (status != AmountStatus::kRead) {
    report_->warnings().UnreadableFee(payment.line);
    return 0;
  }
  // Revolut's and Wise's fee is a charge written as a positive number;
  // PayPal's and Air Bank's carry the sign of their effect on the balance.
  const int64_t amount = fee_ == FeeConvention::kEffect ? fee.hellers : -fee.hellers;
  if (amount == 0) return 0;
  const std::string code = row.amounts.FeeCurrency(fee);
  if (!code.empty() && code != currency_) {
    // The statement in the fee's currency takes it.
    if (split_ == nullptr || !split_->Elsewhere(code)) {
      report_->warnings().OtherCurrencyFee(payment.line, Crowns(amount), code, currency_);
    }
    return 0;
  }
  feeDescription_ = "Poplatek";
  if (!payment.description.empty()) {
    feeDescription_ += ' ';
    feeDescription_.append(payment.description.data(), payment.description.size());
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
  report_->Item(true);
  return amount;
}

}  // namespace tarvolo
