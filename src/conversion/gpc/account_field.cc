#include "conversion/gpc/account_field.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "conversion/values/fixed_width.h"

namespace tarvolo {

int FormatAccountField(char* text) {
  std::string field;
  Render(field, "%016s", {text});
  field.resize(std::min<size_t>(field.size(), kAccountFieldBuffer - 1));
  std::memcpy(text, field.c_str(), field.size() + 1);
  return 1;
}

}  // namespace tarvolo
