#ifndef TARVOLO_CONVERSION_VALUES_IBAN_H_
#define TARVOLO_CONVERSION_VALUES_IBAN_H_

#include <string>
#include <string_view>

namespace tarvolo {

// The remainder by which an IBAN is checked (ISO 13616, mod 97): its first
// four characters moved to its end, each letter read as 10 to 35, the whole
// taken as one number and divided by 97. A sound IBAN leaves 1; -1 for a
// character that is neither a digit nor a letter.
int IbanRemainder(std::string_view iban);

// Written as any country's IBAN, blanks removed: two letters, two check
// digits and 11 to 30 letters and digits, whatever the remainder.
bool IsIbanForm(std::string_view iban);

// An IBAN of that form whose remainder is 1.
bool IsSoundIban(std::string_view iban);

// The text without its blanks, tabs and no-break spaces, in capitals, as
// statements write an IBAN.
std::string CompactIban(std::string_view text);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_IBAN_H_
