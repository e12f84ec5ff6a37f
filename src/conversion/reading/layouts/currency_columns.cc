#include "conversion/reading/layouts/currency_columns.h"

#include <algorithm>
#include <vector>

#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/text/csv_record.h"

namespace tarvolo {
namespace {

// A column named as the value date whose every value is a currency (the
// Italian "Valuta") is the rows' currency column: its values prove it, and
// a currency read as a date would book euros as koruna.
StatementLayout CurrencyNamedAsValueDate(std::string_view text, const StatementLayout& layout) {
  const int column = layout.Column(ColumnRole::kValueDate);
  if (column < 0 || layout.Column(ColumnRole::kCurrency) >= 0) return layout;
  CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  bool anyCode = false;
  while (record.Next()) {
    const std::string_view value = record.Field(column);
    if (value.empty()) continue;
    if (!IsPlainCurrencyCode(CurrencyCode(value))) return layout;
    anyCode = true;
  }
  if (!anyCode) return layout;
  StatementLayout chosen = layout;
  chosen.column[static_cast<int>(ColumnRole::kCurrency)] = column;
  chosen.column[static_cast<int>(ColumnRole::kValueDate)] = -1;
  return chosen;
}

}  // namespace

StatementLayout ForStatementCurrency(std::string_view text, const StatementLayout& layout,
                                     const std::string& statement) {
  StatementLayout chosen = CurrencyNamedAsValueDate(text, layout);
  std::vector<CurrencyColumns>& sets = chosen.currencies;
  if (sets.size() < 2) return chosen;
  size_t best = 0;
  const auto named =
      std::find_if(sets.begin(), sets.end(),
                   [&statement](const CurrencyColumns& set) { return statement == set.code; });
  if (named != sets.end()) {
    best = static_cast<size_t>(named - sets.begin());
  } else {
    std::vector<int> rows(sets.size());
    CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
    while (record.Next()) {
      for (size_t i = 0; i < sets.size(); ++i) {
        if (!record.Field(sets[i].credit).empty() || !record.Field(sets[i].debit).empty())
          ++rows[i];
      }
    }
    // The first of equals, as the header lists them.
    best = static_cast<size_t>(std::max_element(rows.begin(), rows.end()) - rows.begin());
  }
  std::rotate(sets.begin(), sets.begin() + best, sets.begin() + best + 1);
  chosen.column[static_cast<int>(ColumnRole::kCreditAmount)] = sets.front().credit;
  chosen.column[static_cast<int>(ColumnRole::kDebitAmount)] = sets.front().debit;
  chosen.column[static_cast<int>(ColumnRole::kBalance)] = sets.front().balance;
  return chosen;
}

}  // namespace tarvolo
