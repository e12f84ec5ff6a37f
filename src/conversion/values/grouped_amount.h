#ifndef TARVOLO_CONVERSION_VALUES_GROUPED_AMOUNT_H_
#define TARVOLO_CONVERSION_VALUES_GROUPED_AMOUNT_H_

#include <string_view>

#include "conversion/values/amount_reading.h"

namespace tarvolo {

// The amount reader's bank-export rules beyond the plain amount: signs,
// brackets and currencies around the number, and digits in groups.

// The text without the blanks and no-break spaces around it.
std::string_view TrimAmount(std::string_view text);

// Reads a trimmed text that is not empty into `amount`, which is as
// AmountReading() leaves it.
void ReadGroupedAmount(std::string_view text, char decimalMark, AmountReading* amount);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_GROUPED_AMOUNT_H_
