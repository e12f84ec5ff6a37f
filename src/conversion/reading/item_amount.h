#ifndef TARVOLO_CONVERSION_READING_ITEM_AMOUNT_H_
#define TARVOLO_CONVERSION_READING_ITEM_AMOUNT_H_

#include <string_view>

namespace tarvolo {

// An amount of a bank's export, read strictly: as its text shows it, or
// refused with the reason; never rounded, never a guess.
struct ItemAmount {
  double value = 0;
  bool signWritten = false;  // a sign, brackets or a trailing minus
  // The currency the text names ("EUR"; "Kč" gives "CZK"), "" for none.
  char currency[4] = {};
  // Why the text is no amount (Windows-1250), null when it is one.
  const char* fault = nullptr;
  // The one mark ',' or '.' that could be the decimal one or a group mark
  // ("1,500"), when the file's other amounts must decide.
  char ambiguousMark = 0;
};

enum class AmountStatus { kRead, kEmpty, kAmbiguous, kRefused };

// Reads an amount: an optional sign ('+', '-', a trailing '-', or brackets
// as accountants write a debit), digits in groups of three separated by
// blanks, no-break spaces, apostrophes, commas or points, a decimal comma or
// point with two places (more only when they are zeros), and a currency code
// or sign before or after it. `decimalMark` is the file's decimal mark (','
// or '.'; 0 when unknown), which decides a lone mark followed by exactly
// three digits.
AmountStatus ReadItemAmount(std::string_view text, char decimalMark, ItemAmount* amount);

// The decimal mark an amount shows beyond doubt (',' or '.'), 0 for none:
// the last of a comma and a point, the other of a mark that repeats, a lone
// mark not followed by exactly three digits.
char ShownDecimalMark(std::string_view text);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_ITEM_AMOUNT_H_
