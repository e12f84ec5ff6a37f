#include "conversion/reading/layouts/rows_survey.h"

#include <cstdint>
#include <map>

#include "conversion/reading/layouts/own_balances.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// Revolut's name of the account itself among its pockets, as
// NormaliseColumnName gives it, in the languages of its exports.
bool IsCurrentProduct(const std::string& product) {
  return product == "current" || product == "aktuell" || product == "attuale" ||
         product == "corrente";
}

// The rows whose field counts decide the count of a file's rows.
constexpr int32_t kSampledRows = 100;

}  // namespace

RowsSurvey SurveyRows(std::string_view text, const StatementLayout& layout) {
  RowsSurvey survey;
  const int column = layout.Column(ColumnRole::kProduct);
  const int counter = layout.Column(ColumnRole::kCounterAccount);
  std::map<size_t, int32_t> widths;
  int32_t rows = 0, enclosed = 0, bare = 0;
  CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (record.Next()) {
    if (IsEmptyRow(record.fields())) continue;
    // A hundred rows tell the count as well as a million.
    if (rows < kSampledRows) {
      ++rows;
      ++widths[record.fields().size()];
      const std::string_view account = record.Field(counter);
      if (WithoutApostrophes(account).size() < account.size()) {
        ++enclosed;
      } else if (!account.empty()) {
        ++bare;
      }
    } else if (column < 0 || IsCurrentProduct(survey.ownProduct)) {
      break;
    }
    if (column < 0 || IsCurrentProduct(survey.ownProduct)) continue;
    const std::string product = NormaliseColumnName(record.Field(column));
    if (!product.empty() && (survey.ownProduct.empty() || IsCurrentProduct(product))) {
      survey.ownProduct = product;
    }
  }
  survey.textsInApostrophes = enclosed > 0 && bare == 0;
  survey.productsOwn = column >= 0 && (layout.known || KeepsOwnBalances(text, layout, column));
  // Half of a few rows is enough where the header has their count (or
  // one more, for a separator that ends every row): the others are the
  // file's balance or total lines.
  const size_t header = static_cast<size_t>(layout.headerColumns);
  for (const auto& [width, count] : widths) {
    const bool headers = width == header || width == header + 1;
    if (2 * count > rows || (headers && 2 * count == rows)) survey.rowWidth = width;
  }
  return survey;
}

}  // namespace tarvolo
