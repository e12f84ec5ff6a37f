#ifndef TARVOLO_CONVERSION_READING_TEXT_ITEM_FIELDS_H_
#define TARVOLO_CONVERSION_READING_TEXT_ITEM_FIELDS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/values/digits.h"
#include "platform/civil_date.h"

namespace tarvolo {

// The values of one statement item as banks write them in their CSV
// exports. Every reader takes a trimmed field and never reads past it.

// A statement date, its year with all four digits.
using ItemDate = CivilDate;

// Reads DD.MM.YYYY, D.M.YYYY, DD/MM/YYYY, DD-MM-YYYY, YYYY-MM-DD,
// YYYY/MM/DD or an English month's name first ("Apr 8, 2018"), optionally
// followed by a blank or 'T' and a time, which is ignored. False for
// anything else, a day that does not exist or a year outside 1900 to 2099
// (a GPC file keeps two digits of it). With `monthFirst`, N/N/YYYY and
// N-N-YYYY are read month first.
bool ReadItemDate(std::string_view text, ItemDate* date, bool monthFirst = false);

// What a date of the form N/N/YYYY or N-N-YYYY tells about the order of day
// and month: a first number above 12 is a day, a second one above 12 is a
// day too.
enum class DateOrderHint { kNone, kDayFirst, kMonthFirst };
DateOrderHint SlashDateOrder(std::string_view text);

enum class Direction { kUnknown, kDebit, kCredit };

// A direction column's value, Czech or English, either way: Odchozí and
// Příchozí, Výdaj and Příjem, Odepsáno and Připsáno, Výběr and Vklad,
// DEBIT and CREDIT, OUT and IN, D and K or C... kUnknown for any other.
Direction ReadDirection(std::string_view text);

struct CounterAccountParts {
  CounterAccountParts() = default;
  explicit CounterAccountParts(bool readWhole) : whole(readWhole) {}
  int32_t prefix = 0;
  int64_t number = 0;
  int32_t bankCode = 0;
  // The text was read whole: empty, a Czech account or IBAN, an IBAN of
  // another country (no Czech account, but nothing lost in it) or a masked
  // card number (no account at all).
  bool whole = true;
  // The IBAN of another country as the text writes it, its BIC left out;
  // "" for any other text.
  std::string_view foreignIban;
  // A card payment names the card where the account would stand.
  bool cardNumber = false;
};

// The counter account from whichever columns the layout has: `account`
// holds prefix-number/bank, number/bank, the number alone (11 to 16 digits
// without a dash are prefix and number run together) or an IBAN (a BIC may
// follow it after '/'); `bank` and `prefix` are separate columns or empty.
// Each may stand in apostrophes (mBank's '' is an empty one). A Czech IBAN
// gives its bank code, prefix and number; anything that is no Czech account
// (a foreign IBAN, a card number, the number 0 whatever bank stands beside
// it) gives zeros, and `whole` tells whether anything of the text was lost.
CounterAccountParts ReadCounterAccountColumns(std::string_view account, std::string_view bank,
                                              std::string_view prefix);

// `text` without the apostrophes that enclose it, where both ends have one.
std::string_view WithoutApostrophes(std::string_view text);

// The digits of `text` in their order, gathered in `out`.
std::string_view GatherDigits(std::string_view text, std::string& out);

// The digits of `text` in their order: `text` itself where it holds
// nothing else (the symbols of most rows, looked at without a call), else
// gathered in `out`.
inline std::string_view KeepDigits(std::string_view text, std::string& out) {
  return AllDigits(text) ? text : GatherDigits(text, out);
}

// How many digits `text` starts with; ids, account numbers and symbols of
// every row are tested with it.
size_t LeadingDigits(std::string_view text);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_ITEM_FIELDS_H_
