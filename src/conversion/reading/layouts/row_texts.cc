#include "conversion/reading/layouts/row_texts.h"

#include "conversion/reading/layouts/field_values.h"
#include "conversion/statement/statement.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {

CounterAccountParts RowCounterAccount::CounterAccount() {
  // The bank code and prefix beside the own account are the own account's.
  const bool own = ownAccountColumn_ >= 0 &&
                   row_.layout().Column(ColumnRole::kCounterAccount) == ownAccountColumn_;
  const std::string_view account =
      own ? std::string_view() : row_.Field(ColumnRole::kCounterAccount);
  CounterAccountParts counter =
      own ? CounterAccountParts()
          : ReadCounterAccountColumns(account, row_.Field(ColumnRole::kCounterBank),
                                      row_.Field(ColumnRole::kCounterPrefix));
  std::string_view unread = counter.whole ? std::string_view() : account;
  // The number read, its bank or prefix did not.
  if (!counter.whole && counter.number != 0) {
    unread = counter.bankCode == 0 ? row_.Field(ColumnRole::kCounterBank)
                                   : row_.Field(ColumnRole::kCounterPrefix);
  }
  counterIban_ = row_.Field(ColumnRole::kCounterIban);
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
    warnings_->CounterAccountNotWhole(row_.line(), unread);
  } else if (foreign) {
    warnings_->ForeignCounterAccount(row_.line());
  }
  if (counter.cardNumber) warnings_->CardAsCounterAccount(row_.line(), account);
  return counter;
}

std::string_view RowSymbols::DocumentNumber(std::string_view id, std::string_view variable) {
  const std::string_view reference = row_.Field(ColumnRole::kReference);
  if (IsShortNumber(id)) return id;
  if (IsShortNumber(reference)) return reference;
  if (!variable.empty() || id.empty()) return variable;
  NumberOfId(id, document_);
  return document_;
}

void RowDescription::ReadHeader(const std::vector<std::string_view>& names) {
  int found = 0;
  for (const char* wanted : row_.layout().rules.description) {
    if (wanted == nullptr) break;
    for (size_t i = 0; i < names.size(); ++i) {
      if (NormaliseColumnName(names[i]) == wanted) {
        descriptionColumns_[found++] = static_cast<int>(i);
        break;
      }
    }
  }
}

std::string_view RowDescription::DescriptionText() const {
  if (descriptionColumns_[0] >= 0) {
    for (int column : descriptionColumns_) {
      if (column >= 0 && !Text(row_.Column(column)).empty()) return Text(row_.Column(column));
    }
    return {};
  }
  for (ColumnRole role : {ColumnRole::kMessage, ColumnRole::kCounterName, ColumnRole::kItemType}) {
    if (!Text(row_.Field(role)).empty()) return Text(row_.Field(role));
  }
  return {};
}

std::string_view RowDescription::Description() {
  return OneLine(DescriptionText(), kMessageWidth, description_);
}

std::string_view RowDescription::CounterName() {
  return OneLine(Text(row_.Field(ColumnRole::kCounterName)), kMessageWidth, name_);
}

const RowTexts& RowDescription::Texts() {
  texts_.count = 0;
  for (ColumnRole role : {ColumnRole::kMessage, ColumnRole::kItemType, ColumnRole::kCounterName}) {
    const std::string_view text = row_.Field(role);
    if (!text.empty()) texts_.text[texts_.count++] = text;
  }
  // The layout's description columns come first in their list.
  for (int column : descriptionColumns_) {
    if (column < 0) break;
    const std::string_view text = row_.Column(column);
    if (!text.empty()) texts_.text[texts_.count++] = text;
  }
  return texts_;
}

}  // namespace tarvolo
