#ifndef TARVOLO_CONVERSION_VALUES_KORUNA_DEFAULT_H_
#define TARVOLO_CONVERSION_VALUES_KORUNA_DEFAULT_H_

#include <string_view>

namespace tarvolo {

// The koruna's code: the currency of a statement or an item whose files
// name none, as the Czech banks' own exports leave it out.
inline constexpr std::string_view kKorunaCode = "CZK";

// The currency `code` stands for: itself, or the koruna where it is "".
constexpr std::string_view CurrencyOrKoruna(std::string_view code) {
  return code.empty() ? kKorunaCode : code;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_KORUNA_DEFAULT_H_
