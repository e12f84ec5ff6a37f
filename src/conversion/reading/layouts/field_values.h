#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_FIELD_VALUES_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_FIELD_VALUES_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

// The values of a layout's rows as items and warnings need them, each taken
// from a trimmed field of the statement text.

// A currency as the log shows it and as items are compared.
constexpr size_t kCurrencyWidth = 20;

// Tells a date that cannot be read from a note's text, which is worth no warning.
bool HasDigit(std::string_view text);

// Lets a bank's id or a reference serve as the item's number where it fits its 13 digits.
bool IsShortNumber(std::string_view text);

// Gives an item with nothing but a long id a number the accounting program can tell apart.
void NumberOfId(std::string_view id, std::string& out);

// Keeps a quoted field's line breaks and tabs out of a record or a log line.
std::string_view OneLine(std::string_view text, size_t width, std::string& out);

// Lets currencies written in any case and padding be compared.
std::string CurrencyCode(std::string_view text);
// The code as CurrencyCode gives it: three capitals, as most files write it.
bool IsPlainCurrencyCode(std::string_view text);

// Books an item stamped in UTC on the day it had in Prague.
bool InPrague(std::string_view text, ItemDate* date);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_FIELD_VALUES_H_
