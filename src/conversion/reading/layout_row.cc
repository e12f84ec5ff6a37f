#include "conversion/reading/layout_row.h"

#include <iterator>

#include <cstdlib>
#include <cstring>

#include "conversion/reading/layout_values.h"
#include "conversion/reading/row_kinds.h"
#include "conversion/statement/statement.h"
#include "conversion/values/digits.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {

void LayoutRow::ReadHeader(const std::vector<std::string_view>& names) {
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

void LayoutRow::Start(const CsvRecordReader& record) {
  fields_ = record.fields().data();
  fieldCount_ = record.fields().size();
  line_ = record.lineNumber();
  incoming_ = layout_.rules.transfers && layout_.Column(ColumnRole::kIncomingAmount) >= 0 &&
              ReadDirection(Field(ColumnRole::kDirection)) == Direction::kCredit;
}

// The decimal mark the file's amounts show, looked for once, when an amount
// needs it.
char LayoutRow::DecimalMark() {
  if (decimalMarkKnown_) return decimalMark_;
  decimalMarkKnown_ = true;
  decimalMark_ = FileDecimalMark(text_, layout_, amountColumn_, dateColumn_);
  balance_->SetDecimalMark(decimalMark_);
  return decimalMark_;
}

// The order of day and month in N/N/YYYY dates, looked for once, when a date
// needs it.
bool LayoutRow::MonthFirst() {
  if (dateOrderKnown_) return monthFirst_;
  dateOrderKnown_ = true;
  const DateOrder order = FileDateOrder(text_, layout_, dateColumn_);
  monthFirst_ = order.monthFirst;
  if (order.guessed) report_->GuessedDateOrder(line(), monthFirst_);
  return monthFirst_;
}

bool LayoutRow::ReadDate(std::string_view text, ItemDate* date) {
  // Only N/N/YYYY and N-N-YYYY can be read the other way round.
  size_t mark = 0;
  while (mark < text.size() && IsDigit(text[mark])) ++mark;
  if (mark == text.size() || mark > 2 || text[mark] == '.') return ReadItemDate(text, date, false);
  ItemDate a, b;
  const bool dayFirst = ReadItemDate(text, &a, false);
  const bool monthFirst = ReadItemDate(text, &b, true);
  if (dayFirst && monthFirst && (a.day != b.day || a.month != b.month)) {
    *date = MonthFirst() ? b : a;
    return true;
  }
  *date = dayFirst ? a : b;
  return dayFirst || monthFirst;
}

bool LayoutRow::Date(ItemDate* date) {
  const std::string_view text = DateText();
  return ReadDate(text, date) && (!utcTimes_ || InPrague(text, date));
}

ItemDate LayoutRow::ValueDate(const ItemDate& booking) {
  ItemDate value = booking;
  const std::string_view text = Field(ColumnRole::kValueDate);
  if (!text.empty() && !ReadDate(text, &value)) value = booking;
  return value;
}

// An amount of the row, the file's decimal mark deciding where the text
// alone does not.
AmountStatus LayoutRow::ReadAmount(std::string_view text, AmountReading* amount) {
  const AmountRules rules = AmountRules::kBankExport;
  *amount = tarvolo::ReadAmount(text, rules, decimalMarkKnown_ ? decimalMark_ : 0);
  if (amount->status == AmountStatus::kAmbiguous && DecimalMark() != 0) {
    *amount = tarvolo::ReadAmount(text, rules, decimalMark_);
  }
  return amount->status;
}

AmountStatus LayoutRow::Amount(AmountReading* amount, std::string_view* shown) {
  if (amountColumn_ >= 0) {
    const std::string_view text =
        incoming_ ? Field(ColumnRole::kIncomingAmount) : Column(amountColumn_);
    *shown = text;
    return ReadAmount(text, amount);
  }
  AmountStatus status = CreditMinusDebit(Field(ColumnRole::kCreditAmount),
                                         Field(ColumnRole::kDebitAmount), amount, shown);
  const std::vector<CurrencyColumns>& sets = layout_.currencies;
  if (sets.empty()) return status;
  // A row of another currency stands in that currency's columns.
  size_t set = 0;
  for (size_t i = 1; status == AmountStatus::kEmpty && i < sets.size(); ++i) {
    status = CreditMinusDebit(Column(sets[i].credit), Column(sets[i].debit), amount, shown);
    set = i;
  }
  if (status == AmountStatus::kEmpty) set = 0;
  std::memcpy(amount->currency, sets[set].code, sizeof amount->currency);
  amountSet_ = set;
  return status;
}

bool LayoutRow::AmountInOtherColumns(size_t* next, AmountReading* amount, std::string_view* shown) {
  const std::vector<CurrencyColumns>& sets = layout_.currencies;
  while (*next < sets.size()) {
    const size_t index = (*next)++;
    if (index == amountSet_) continue;
    const CurrencyColumns& set = sets[index];
    const AmountStatus status =
        CreditMinusDebit(Column(set.credit), Column(set.debit), amount, shown);
    if (status == AmountStatus::kEmpty) continue;
    std::memcpy(amount->currency, set.code, sizeof amount->currency);
    return true;
  }
  return false;
}

// Credit minus debit, from the texts of the two columns.
AmountStatus LayoutRow::CreditMinusDebit(std::string_view creditText, std::string_view debitText,
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

bool LayoutRow::ApplyDirection(AmountReading* amount, std::string_view shown) {
  if (layout_.Column(ColumnRole::kDirection) < 0) return true;
  const std::string_view text = Field(ColumnRole::kDirection);
  const Direction direction = ReadDirection(text);
  if (amount->signWritten) {
    if ((direction == Direction::kDebit && amount->hellers > 0) ||
        (direction == Direction::kCredit && amount->hellers < 0)) {
      report_->DirectionAgainstSign(line(), text, shown);
    }
    return true;
  }
  if (direction == Direction::kDebit) amount->hellers = -amount->hellers;
  if (direction != Direction::kUnknown) return true;
  report_->UnknownDirection(line(), text);
  return false;
}

AmountStatus LayoutRow::Fee(AmountReading* fee) {
  const std::string_view text = Field(ColumnRole::kFee);
  // Most rows have no fee, and most layouts no fee column.
  if (text.empty()) {
    *fee = AmountReading();
    return AmountStatus::kEmpty;
  }
  return ReadAmount(text, fee);
}

bool LayoutRow::HasFee() {
  AmountReading fee;
  return Fee(&fee) == AmountStatus::kRead && fee.hellers != 0;
}

bool LayoutRow::OtherCurrency(const std::string& statement, const AmountReading& amount,
                              std::string* code) const {
  std::string_view currency =
      Field(incoming_ ? ColumnRole::kIncomingCurrency : ColumnRole::kCurrency);
  if (currency.empty()) currency = Field(ColumnRole::kAccountCurrency);
  // Most rows write the statement's own code as it stands.
  if (IsPlainCurrencyCode(currency) && statement.size() == 3 &&
      std::memcmp(currency.data(), statement.data(), 3) == 0) {
    return false;
  }
  *code = CurrencyCode(currency);
  if (code->empty()) *code = amount.currency;
  return !code->empty() && *code != statement;
}

std::string LayoutRow::FeeCurrency(const AmountReading& fee) const {
  std::string code = CurrencyCode(Field(ColumnRole::kFeeCurrency));
  if (code.empty()) code = fee.currency;
  return code;
}

CounterAccountParts LayoutRow::CounterAccount() {
  // The bank code and prefix beside the own account are the own account's.
  const bool own =
      ownAccountColumn_ >= 0 && layout_.Column(ColumnRole::kCounterAccount) == ownAccountColumn_;
  const std::string_view account = own ? std::string_view() : Field(ColumnRole::kCounterAccount);
  CounterAccountParts counter =
      own ? CounterAccountParts()
          : ReadCounterAccountColumns(account, Field(ColumnRole::kCounterBank),
                                      Field(ColumnRole::kCounterPrefix));
  std::string_view unread = counter.whole ? std::string_view() : account;
  // The number read, its bank or prefix did not.
  if (!counter.whole && counter.number != 0) {
    unread =
        counter.bankCode == 0 ? Field(ColumnRole::kCounterBank) : Field(ColumnRole::kCounterPrefix);
  }
  counterIban_ = Field(ColumnRole::kCounterIban);
  bool foreign = !counter.foreignIban.empty();
  if (counter.number == 0 && counter.bankCode == 0) {
    const CounterAccountParts fromIban = ReadCounterAccountColumns(counterIban_, {}, {});
    if (!fromIban.whole) unread = counterIban_;
    if (fromIban.number != 0 || fromIban.bankCode != 0) counter = fromIban, unread = {};
    foreign = counter.number == 0 && (foreign || !fromIban.foreignIban.empty());
  }
  // Air Bank writes a foreign account, BIC and all, where a Czech one
  // stands: the camt carries it as the IBAN column's.
  if (counterIban_.empty()) counterIban_ = counter.foreignIban;
  if (!unread.empty()) {
    report_->CounterAccountNotWhole(line(), unread);
  } else if (foreign) {
    report_->ForeignCounterAccount(line());
  }
  if (counter.cardNumber) report_->CardAsCounterAccount(line(), account);
  return counter;
}

std::string_view LayoutRow::DocumentNumber(std::string_view id, std::string_view variable) {
  const std::string_view reference = Field(ColumnRole::kReference);
  if (IsShortNumber(id)) return id;
  if (IsShortNumber(reference)) return reference;
  if (!variable.empty() || id.empty()) return variable;
  NumberOfId(id, document_);
  return document_;
}

std::string_view LayoutRow::DescriptionText() const {
  if (descriptionColumns_[0] >= 0) {
    for (int column : descriptionColumns_) {
      if (column >= 0 && !Text(Column(column)).empty()) return Text(Column(column));
    }
    return {};
  }
  for (ColumnRole role : {ColumnRole::kMessage, ColumnRole::kCounterName, ColumnRole::kItemType}) {
    if (!Text(Field(role)).empty()) return Text(Field(role));
  }
  return {};
}

std::string_view LayoutRow::Description() {
  return OneLine(DescriptionText(), kMessageWidth, description_);
}

std::string_view LayoutRow::CounterName() {
  return OneLine(Text(Field(ColumnRole::kCounterName)), kMessageWidth, name_);
}

const LayoutRow::RowTexts& LayoutRow::Texts() {
  texts_.count = 0;
  for (ColumnRole role : {ColumnRole::kMessage, ColumnRole::kItemType, ColumnRole::kCounterName}) {
    const std::string_view text = Field(role);
    if (!text.empty()) texts_.text[texts_.count++] = text;
  }
  // The layout's description columns come first in their list.
  for (int column : descriptionColumns_) {
    if (column < 0) break;
    const std::string_view text = Column(column);
    if (!text.empty()) texts_.text[texts_.count++] = text;
  }
  return texts_;
}

namespace {

// The digits of an amount without the zeros before and after them: two
// texts of one value give the same, whatever their marks, groups and
// decimals ("1 000,50" and "1000.5").
std::string SignificantDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c) && !(digits.empty() && c == '0')) digits += c;
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return digits;
}

}  // namespace

bool DatedRowStatesBalance(const LayoutRow::RowTexts& texts, std::string_view amount,
                           std::string_view runningBalance, BalanceCheck* balance) {
  std::string_view labels[std::size(texts.text)];
  size_t count = 0;
  for (size_t i = 0; i < texts.count; ++i) {
    if (IsWholeBalanceLabel(texts.text[i])) labels[count++] = texts.text[i];
  }
  if (count == 0) return false;
  if (!amount.empty() && !runningBalance.empty() &&
      SignificantDigits(amount) != SignificantDigits(runningBalance)) {
    return false;
  }
  return balance->ReadBalanceLine(labels, count, amount);
}

}  // namespace tarvolo
