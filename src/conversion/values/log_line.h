#ifndef TARVOLO_CONVERSION_VALUES_LOG_LINE_H_
#define TARVOLO_CONVERSION_VALUES_LOG_LINE_H_

#include <functional>
#include <initializer_list>

#include "conversion/values/fixed_width.h"

namespace tarvolo {

// Receives each log line of a run, Windows-1250, most ending in "\n".
using LogLine = std::function<void(const char* line)>;

// Renders one log line by the program's own rules and hands it to `log`.
void LogFormatted(const LogLine& log, const char* format, std::initializer_list<FormatArg> args);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_LOG_LINE_H_
