#include "conversion/camt/camt_entries.h"

#include "conversion/camt/camt_statement.h"

namespace tarvolo {

void CamtEntries::Add(const StatementItem& item, std::string_view statementCurrency) {
  // An amount of no hellers is a credit of zero, as its entry says.
  const bool debit = item.amount < 0;
  // Servis24 items name no currency, and set the statement's only after
  // its first file: theirs is the koruna.
  const std::string_view currency = statementCurrency.empty() ? "CZK" : statementCurrency;
  entry_.clear();
  AppendCamtEntry(CamtEntryOf(item, item.amount, currency), &entry_);
  text_.Append(entry_);
  ++(debit ? debitCount_ : creditCount_);
}

void CamtEntries::TakeBack(const Mark& mark) {
  text_.Truncate(mark.size);
  creditCount_ = mark.creditCount;
  debitCount_ = mark.debitCount;
}

}  // namespace tarvolo
