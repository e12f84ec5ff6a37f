#ifndef TARVOLO_CONVERSION_VALUES_AMOUNT_READING_H_
#define TARVOLO_CONVERSION_VALUES_AMOUNT_READING_H_

#include <cstdint>
#include <string_view>

namespace tarvolo {

// An amount's text is read into whole hellers; what rounding to them leaves
// is kept in billionths of a heller, because an amount of no whole hellers
// still has its side of zero (a debit of 0.004 is a debit).
constexpr int32_t kRestPerHeller = 1000000000;

// More hellers than any record, balance or sum can hold: an amount of more
// reads as this many, of its sign, so that whatever takes it refuses it.
constexpr int64_t kMostHellers = 1000000000000000000;

// The rules an amount is read by.
enum class AmountRules {
  // A bank's export, strictly: an optional sign ('+', '-', a trailing '-',
  // or brackets as accountants write a debit), digits in groups of three
  // separated by blanks, no-break spaces, apostrophes, commas or points, a
  // decimal comma or point with two places (more only when they are zeros),
  // and a currency code or sign before or after it. Never rounded, never a
  // guess: any other text is refused with the reason.
  kBankExport,
  // As Servis24 and the profile's opening balance write it: blanks and
  // no-break spaces anywhere are dropped, a comma reads as a decimal point,
  // then whitespace, an optional sign, digits with an optional point and an
  // optional exponent (e, E, d or D); reading stops at the first character
  // that does not fit. The value is the nearest double, and its hellers are
  // that double times 100 rounded, an exact half away from zero, as the
  // statement's records have always shown them.
  kCzechText,
};

enum class AmountStatus {
  kRead,
  kEmpty,       // nothing but blanks: no hellers
  kAmbiguous,   // "1,500", where the file's other amounts must tell the decimal mark
  kRefused,     // no amount by the rules (`fault` says why); no hellers
  kOutOfRange,  // beyond the range of numbers; no hellers
  kPartlyRead,  // a number, and characters after it that are no part of it
};

struct AmountReading {
  AmountStatus status = AmountStatus::kEmpty;
  int64_t hellers = 0;  // below zero for an amount below zero
  // The amount minus its hellers, in billionths of a heller (kRestPerHeller),
  // with the amount's own sign; an amount of no whole hellers that is not
  // zero keeps at least one billionth. Bank exports give whole hellers.
  int32_t rest = 0;
  bool signWritten = false;  // a sign, brackets or a trailing minus
  // The decimal mark the text shows, ',' or '.': the one it has, or the
  // other one of a mark that separates its thousands ("1,234,567"); 0 for
  // none. A bank export's ambiguous lone mark is `ambiguousMark` instead.
  char decimalMark = 0;
  char ambiguousMark = 0;
  // The currency the text names ("EUR"; "Kč" gives "CZK"), "" for none; kept
  // where the text is refused after naming it.
  char currency[4] = {};
  // Why a bank export's text is no amount (Windows-1250), null when it is one.
  const char* fault = nullptr;
};

// Reads the amount that `text` writes by `rules`. `decimalMark` is the
// decimal mark of the bank export's file (',' or '.', 0 when not known),
// which decides a lone mark followed by exactly three digits. Allocates
// nothing.
AmountReading ReadAmount(std::string_view text, AmountRules rules, char decimalMark = 0);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_AMOUNT_READING_H_
