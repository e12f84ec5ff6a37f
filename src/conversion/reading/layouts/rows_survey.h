#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROWS_SURVEY_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROWS_SURVEY_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// What the rows of a file show of themselves before any is read.
struct RowsSurvey {
  // The product of the file's own account, as NormaliseColumnName gives it:
  // Revolut lists the rows of its savings pockets beside the account's.
  std::string ownProduct;
  // The product column names the account's own pockets: the layout
  // documents it, or each product keeps a balance of its own. Otherwise it
  // names what was sold, and every row is the account's.
  bool productsOwn = false;
  // The number of fields more than half of the first rows have: a row of
  // another number has lost or gained a field, and its values stand in
  // other columns than the header says. 0 where the rows do not agree.
  size_t rowWidth = 0;
  // mBank writes its texts in apostrophes, an empty account as ''.
  bool textsInApostrophes = false;
};

// Looks at the rows after the header of `text` that `layout` found. The own
// account is the "Current" product (in the export's language) where a row
// names it, else the product of the first row.
RowsSurvey SurveyRows(std::string_view text, const StatementLayout& layout);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROWS_SURVEY_H_
