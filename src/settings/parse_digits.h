#ifndef TARVOLO_SETTINGS_PARSE_DIGITS_H_
#define TARVOLO_SETTINGS_PARSE_DIGITS_H_

#include <cstdint>

namespace tarvolo {

// The value of a short number text in which every character takes one
// decimal place and a character that is no digit counts as 0: "12a" is 120,
// " 7" is 7, "-5" is 5. The statement-number field is read this way.
int32_t ParseDigits(const char* text);

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_PARSE_DIGITS_H_
