#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_COLUMNS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_COLUMNS_H_

#include <string>
#include <string_view>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// The layout to read `text` by where its header gives each currency columns
// of its own: those of the statement's currency `statement` where the file
// has them, else of the currency most of its rows are in. That currency's
// columns come first and serve as the credit, debit and balance columns;
// the rows of the others are read in their own currency. A value-date
// column whose values are all currencies is read as the rows' currency.
// Any other layout is returned as it is.
StatementLayout ForStatementCurrency(std::string_view text, const StatementLayout& layout,
                                     const std::string& statement);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_COLUMNS_H_
