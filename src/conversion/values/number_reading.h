#ifndef TARVOLO_CONVERSION_VALUES_NUMBER_READING_H_
#define TARVOLO_CONVERSION_VALUES_NUMBER_READING_H_

#include <cstdint>
#include <initializer_list>

#include "conversion/values/blanks.h"

namespace tarvolo {

// Where a pattern scan stores one integer field.
struct ScanTarget {
  ScanTarget(int32_t* target) : narrow(target) {}
  ScanTarget(int64_t* target) : wide(target) {}
  int32_t* narrow = nullptr;  // wraps modulo 2^32, as a 32-bit value does
  int64_t* wide = nullptr;    // keeps its last 18 digits (see .cc)
};

// Works `pattern` ("%d", "%Wd" and literal characters) from left to right
// against `text`; each integer field skips whitespace, takes an optional sign
// and its digits (at most W characters with a width) and is stored as soon as
// it is read. The scan stops at the first mismatch and never touches the
// targets after it. Returns the number of fields stored.
int ScanPattern(const char* text, const char* pattern, std::initializer_list<ScanTarget> targets);

// Reads a decimal number at the start of `text`: whitespace, an optional
// sign, digits with an optional '.', an optional exponent introduced by e, E,
// d or D. Reading stops at the first character that does not fit; no number
// gives +0. The result is the nearest double; "-0" gives a negative zero. A
// value beyond the range of a double gives 0 and sets *outOfRange, and
// *tooLarge as well when its magnitude is too large (not too small). *end
// gets where the number read ends (`text` itself when there is none).
double ReadDecimalValue(const char* text, bool* outOfRange = nullptr, bool* tooLarge = nullptr,
                        const char** end = nullptr);

// Reads the text of an amount as statements nearly always write it,
// [sign]digits[,digits] or with a point, up to 13 digits before it and 2
// after, and nothing else, giving what ReadDecimalValue gives, but directly.
// False (and *value untouched) for any other text.
bool ReadPlainDecimal(const char* text, double* value);

// Reads an amount as Czech users and statements write it: a decimal comma
// reads as '.', and blanks and no-break spaces between the digit groups are
// dropped ("1 234,50" is 1234.5); the rest as ReadDecimalValue. *partly
// tells that characters other than whitespace are left after the number (or
// that there is no number in a text that is not blank).
double ReadAmountText(const char* text, bool* tooLarge = nullptr, bool* partly = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_NUMBER_READING_H_
