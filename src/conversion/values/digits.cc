#include "conversion/values/digits.h"

namespace tarvolo {

bool IsDigitsOnly(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

}  // namespace tarvolo
