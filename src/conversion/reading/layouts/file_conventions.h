#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_FILE_CONVENTIONS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_FILE_CONVENTIONS_H_

#include <string>
#include <string_view>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// What a statement file's rows decide for all of them, each looked for over
// the rows after the header of `text` that `layout` found.

// The columns the file's data choose among the layout's candidates.
struct ChosenColumns {
  int date = -1;
  int amount = -1;
  // The chosen amount column and the others that read on as many rows but
  // give other amounts, -1 after the last: a running balance decides among
  // them.
  int amounts[StatementLayout::kCandidates] = {-1, -1, -1, -1};
  // An equal of the chosen amount column (of its name's rank, or a net
  // one beside a gross one where no fee column tells them apart) that reads
  // on as many rows and gives other amounts, first on line `tieLine`; -1
  // for none. Only a running balance may decide between the two.
  int tiedAmount = -1;
  int tieLine = 0;
  // An equal of the chosen date column that gives other dates, first on
  // line `dateTieLine`: nothing tells which is the booking date. -1 for none.
  int tiedDate = -1;
  int dateTieLine = 0;
  // The likeliest amount column where another that reads on more rows was
  // taken: its values that do not read are named, -1 for none.
  int passedOver = -1;
};

// Lets a layout name several columns that could hold the date or the amount.
ChosenColumns ChooseColumns(std::string_view text, const StatementLayout& layout);

// Names the statement's currency where the file states it on its rows, not before them.
std::string AccountCurrencyOfRows(std::string_view text, const StatementLayout& layout);

// Names the statement's currency where the file states none; `named`
// (where given) learns whether any item names a currency at all.
std::string MostItemsCurrency(std::string_view text, const StatementLayout& layout,
                              int amountColumn, int dateColumn, bool* named = nullptr);

// Reads an amount such as "1,234", which its text alone leaves open, as the
// file's other items.
char FileDecimalMark(std::string_view text, const StatementLayout& layout, int amountColumn,
                     int dateColumn);

// How the file's N/N/YYYY dates are read; `guessed` where its dates could
// be read either way and the order taken is worth a warning.
struct DateOrder {
  bool monthFirst = false;
  bool guessed = false;
};

// Reads a date such as 3/2/2024 as every other date of its file.
DateOrder FileDateOrder(std::string_view text, const StatementLayout& layout, int dateColumn);

// How a fee beside the amount moves the balance.
enum class FeeConvention {
  kCharge,        // a charge written as a positive number; a negative one is a fee refunded
  kEffect,        // its effect on the balance: -25,00 for a fee charged
  kWithinAmount,  // the amount holds it already: no item of its own
};

// How a debit column, beside a credit column, writes a payment.
enum class DebitConvention {
  kEitherSign,  // with or without its minus alike
  kPositive,    // without: a negative debit is money returned
  kMinus,       // with it: a positive debit is money returned
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_FILE_CONVENTIONS_H_
