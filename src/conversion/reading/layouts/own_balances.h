#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_OWN_BALANCES_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_OWN_BALANCES_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// Whether the values of `column` in the rows of `text` (a header that
// `layout` found) are accounts or pockets each with a balance of its own:
// two values or more, the rows of each value taking its own balance to the
// next, while the rows of all of them in one do not. A column that names
// what was sold, or a counterparty, keeps no balance: the account's balance
// runs through all its rows.
bool KeepsOwnBalances(std::string_view text, const StatementLayout& layout, int column);

// The column naming the customer's own accounts at a payment service by
// their names (Revolut Business's "Account": "Main", "Tax reserve"), where
// their balances prove them apart; -1 for none.
int OwnPocketColumn(std::string_view text, const StatementLayout& layout);

// The values of `column`, each once, in the order of the rows.
std::vector<std::string> ColumnValues(std::string_view text, const StatementLayout& layout,
                                      int column);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_OWN_BALANCES_H_
