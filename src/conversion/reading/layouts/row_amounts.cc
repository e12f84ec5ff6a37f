#include "conversion/reading/layouts/row_amounts.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "conversion/reading/layouts/field_values.h"

namespace tarvolo {

// The decimal mark the file's amounts show, looked for once, when an amount
// needs it.
char RowAmounts::DecimalMark() {
  if (decimalMarkKnown_) return decimalMark_;
  decimalMarkKnown_ = true;
  decimalMark_ = FileDecimalMark(row_.text(), row_.layout(), column_, dateColumn_);
  balance_->SetDecimalMark(decimalMark_);
  return decimalMark_;
}

// An amount of the row, the file's decimal mark deciding where the text
// alone does not.
AmountStatus RowAmounts::ReadAmount(std::string_view text, AmountReading* amount) {
  const AmountRules rules = AmountRules::kBankExport;
  *amount = tarvolo::ReadAmount(text, rules, decimalMarkKnown_ ? decimalMark_ : 0);
  if (amount->status == AmountStatus::kAmbiguous && DecimalMark() != 0) {
    *amount = tarvolo::ReadAmount(text, rules, decimalMark_);
  }
  return amount->status;
}

AmountStatus RowAmounts::Amount(AmountReading* amount, std::string_view* shown) {
  if (column_ >= 0) {
    const std::string_view text =
        row_.incoming() ? row_.Field(ColumnRole::kIncomingAmount) : row_.Column(column_);
    *shown = text;
    return ReadAmount(text, amount);
  }
  AmountStatus status = CreditMinusDebit(row_.Field(ColumnRole::kCreditAmount),
                                         row_.Field(ColumnRole::kDebitAmount), amount, shown);
  const std::vector<CurrencyColumns>& sets = row_.layout().currencies;
  if (sets.empty()) return status;
  // A row of another currency stands in that currency's columns.
  size_t set = 0;
  for (size_t i = 1; status == AmountStatus::kEmpty && i < sets.size(); ++i) {
    status =
        CreditMinusDebit(row_.Column(sets[i].credit), row_.Column(sets[i].debit), amount, shown);
    set = i;
  }
  if (status == AmountStatus::kEmpty) set = 0;
  std::memcpy(amount->currency, sets[set].code, sizeof amount->currency);
  amountSet_ = set;
  return status;
}

bool RowAmounts::AmountInOtherColumns(size_t* next, AmountReading* amount,
                                      std::string_view* shown) {
  const std::vector<CurrencyColumns>& sets = row_.layout().currencies;
  while (*next < sets.size()) {
    const size_t index = (*next)++;
    if (index == amountSet_) continue;
    const CurrencyColumns& set = sets[index];
    const AmountStatus status =
        CreditMinusDebit(row_.Column(set.credit), row_.Column(set.debit), amount, shown);
    if (status == AmountStatus::kEmpty) continue;
    std::memcpy(amount->currency, set.code, sizeof amount->currency);
    return true;
  }
  return false;
}

// Credit minus debit, from the texts of the two columns.
AmountStatus RowAmounts::CreditMinusDebit(std::string_view creditText, std::string_view debitText,
                                          AmountReading* amount, std::string_view* shown) {
  AmountReading credit, debit;
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
  // A debit column holds the amount paid, written with or without its
  // minus; where it holds both, the balances may tell which is a refund.
  int64_t paid = std::abs(debit.hellers);
  if (debits_ != DebitConvention::kEitherSign) {
    paid = debits_ == DebitConvention::kPositive ? debit.hellers : -debit.hellers;
  }
  amount->hellers =
      (c == AmountStatus::kRead ? credit.hellers : 0) - (d == AmountStatus::kRead ? paid : 0);
  amount->signWritten = true;
  return AmountStatus::kRead;
}

bool RowAmounts::ApplyDirection(AmountReading* amount, std::string_view shown) {
  if (row_.layout().Column(ColumnRole::kDirection) < 0) return true;
  const std::string_view text = row_.Field(ColumnRole::kDirection);
  const Direction direction = ReadDirection(text);
  if (amount->signWritten) {
    if ((direction == Direction::kDebit && amount->hellers > 0) ||
        (direction == Direction::kCredit && amount->hellers < 0)) {
      warnings_->DirectionAgainstSign(row_.line(), text, shown);
    }
    return true;
  }
  if (direction == Direction::kDebit) amount->hellers = -amount->hellers;
  if (direction != Direction::kUnknown) return true;
  warnings_->UnknownDirection(row_.line(), text);
  return false;
}

AmountStatus RowAmounts::Fee(AmountReading* fee) {
  const std::string_view text = row_.Field(ColumnRole::kFee);
  // Most rows have no fee, and most layouts no fee column.
  if (text.empty()) {
    *fee = AmountReading();
    return AmountStatus::kEmpty;
  }
  return ReadAmount(text, fee);
}

bool RowAmounts::HasFee() {
  AmountReading fee;
  return Fee(&fee) == AmountStatus::kRead && fee.hellers != 0;
}

bool RowAmounts::OtherCurrency(const std::string& statement, const AmountReading& amount,
                               std::string* code) const {
  std::string_view currency =
      row_.Field(row_.incoming() ? ColumnRole::kIncomingCurrency : ColumnRole::kCurrency);
  if (currency.empty()) currency = row_.Field(ColumnRole::kAccountCurrency);
  // Most rows write the statement's own code as it stands.
  if (IsPlainCurrencyCode(currency) && statement.size() == 3 &&
      std::memcmp(currency.data(), statement.data(), 3) == 0) {
    return false;
  }
  *code = CurrencyCode(currency);
  if (code->empty()) *code = amount.currency;
  return !code->empty() && *code != statement;
}

std::string RowAmounts::FeeCurrency(const AmountReading& fee) const {
  std::string code = CurrencyCode(row_.Field(ColumnRole::kFeeCurrency));
  if (code.empty()) code = fee.currency;
  return code;
}

}  // namespace tarvolo
