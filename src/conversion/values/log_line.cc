#include "conversion/values/log_line.h"
#include "conversion/values/koruna_default.h"

#include <cstring>

namespace tarvolo {

std::string ShownLogLine(LogKind kind, const char* text) {
  std::string line(text ? text : "");
  if (!IsMarked(kind)) return line;
  size_t end = line.size();
  while (end > 0 && line[end - 1] == '\n') --end;
  line.insert(end, "!!!");
  return line;
}

std::string CurrencyUnit(std::string_view currency) {
  return CurrencyOrKoruna(currency) == kKorunaCode ? "Kč" : std::string(currency);
}

void LogFormatted(const LogLine& log, LogKind kind, const char* format,
                  std::initializer_list<FormatArg> args) {
  std::string line;
  Render(line, format, args);
  log(kind, line.c_str());
}

}  // namespace tarvolo
