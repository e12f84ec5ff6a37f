#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_OWN_ACCOUNT_ROWS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_OWN_ACCOUNT_ROWS_H_

#include <string_view>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// Where a layout's rules say its rows name their own account in a column no
// export documents (Fio's movements on all of a customer's accounts), the
// rows decide which column that is: the one column no other role took
// whose every value is an account at the layout's own bank, written with
// its bank ("2000145399/2010") or beside a column that gives it ("2010"),
// which then is no counter bank. A column named for the own account whose
// values are not all such accounts is left as any other text.
void ProveOwnAccountColumn(std::string_view text, StatementLayout* layout);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_OWN_ACCOUNT_ROWS_H_
