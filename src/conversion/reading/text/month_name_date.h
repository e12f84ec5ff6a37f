#ifndef TARVOLO_CONVERSION_READING_TEXT_MONTH_NAME_DATE_H_
#define TARVOLO_CONVERSION_READING_TEXT_MONTH_NAME_DATE_H_

#include <string_view>

#include "platform/civil_date.h"

namespace tarvolo {

// Reads a date whose month is an English name, as Revolut's older exports
// write it: "Apr 8, 2018", "April 8 2018", "26 Jun 2018", "26. June 2018"
// (any case, the abbreviation with or without its point), optionally
// followed by a blank and a time, which
// is ignored. False for anything else, a day that does not exist or a year
// outside 1900 to 2099.
bool ReadMonthNameDate(std::string_view text, CivilDate* date);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_MONTH_NAME_DATE_H_
