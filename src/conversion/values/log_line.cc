#include "conversion/values/log_line.h"

#include <string>

namespace tarvolo {

void LogFormatted(const LogLine& log, const char* format, std::initializer_list<FormatArg> args) {
  std::string line;
  Render(line, format, args);
  log(line.c_str());
}

}  // namespace tarvolo
