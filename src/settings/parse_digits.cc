#include "settings/parse_digits.h"

#include <cstring>

namespace tarvolo {

int32_t ParseDigits(const char* text) {
  uint32_t sum = 0;
  uint32_t placeValue = 1;
  for (size_t i = std::strlen(text); i-- > 0;) {
    if (text[i] >= '0' && text[i] <= '9') sum += static_cast<uint32_t>(text[i] - '0') * placeValue;
    placeValue *= 10;
  }
  return static_cast<int32_t>(sum);
}

}  // namespace tarvolo
