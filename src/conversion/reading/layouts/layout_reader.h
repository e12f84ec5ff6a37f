#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_READER_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_READER_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/currency_split.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What reading a file by a layout gave besides its items.
struct LayoutReading {
  ReadingConfirmation confirmation;
  StatedBalances stated;
  // Why the data do not confirm the layout, for the log (Windows-1250).
  std::string refusal;
  // The own accounts the file states, in its preamble and then on its rows,
  // each once, and the period its preamble states. Set before the first
  // item reaches the sink, so that the sink can tell rows of a second own
  // account.
  std::vector<std::string> ownAccounts;
  // The IBANs it states for them, as CollectOwnIbans gives them.
  std::vector<std::string> ownIbans;
  // The names of the own accounts a payment service lists side by side in
  // one currency ("Main", "Tax reserve"), where each keeps a balance of its
  // own: each is a statement of its own, and each item names its own in
  // `ownAccount`. Empty for a file of one account.
  std::vector<std::string> ownPockets;
  // In a file of several own accounts (by number or by name), the balances
  // of each whose rows' own balances prove them.
  std::vector<AccountBalances> accountBalances;
  bool periodStated = false;
  ItemDate periodStart, periodEnd;
};

// Reads the items of a Windows-1250 statement text whose header `layout`
// found (Fio, KB, ČSOB and the other banks' exports): items from the
// columns the header names, the booking date and the amount where several
// columns could hold them from the ones the data show, an item of its own
// for a fee beside an item. Every line ends as one thing the summary counts:
// the header or preamble, an item, a stated balance or total, a row not
// booked (by its state, or of another product), a row of no amount, an
// empty line, or a line left out with a warning that names it and why: a
// row that does not read whole by the layout (its fields, its date, its
// amount, its currency) or that is in another currency than
// `*statementCurrency` (an empty one is set from this file first) where no
// `split` gives it a statement of its own.
// Warnings, a summary and the check of the balances the file states go to
// `log` for the file `path`. It reads to the end: its records may end at a
// lone CR, so no count of the text's lines bounds them.
void ReadLayoutItems(const std::string& path, std::string_view text, const StatementLayout& layout,
                     std::string* statementCurrency, const ItemSink& sink, const LogLine& log,
                     LayoutReading* reading, CurrencySplit* split = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_READER_H_
