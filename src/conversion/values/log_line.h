#ifndef TARVOLO_CONVERSION_VALUES_LOG_LINE_H_
#define TARVOLO_CONVERSION_VALUES_LOG_LINE_H_

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "conversion/values/fixed_width.h"

namespace tarvolo {

// What a log line tells the user, which decides how it is shown and whether
// the run's outcome counts it.
enum class LogKind : uint8_t {
  kInformation,  // what the run did
  kNote,         // worth a look, though the statement holds it as the file does
  kItemWarning,  // an item or a line left out, changed or not read whole
  kFileWarning,  // a file left out, or files that do not fit together
  kFailure,      // nothing is written (or saved)
};
constexpr size_t kLogKindCount = 5;

// Receives each log line of a run, Windows-1250, most ending in "\n"; the
// text never carries the mark that its kind adds when it is shown.
using LogLine = std::function<void(LogKind kind, const char* text)>;

// Whether the user is pointed at lines of this kind: they are shown with
// "!!!" after their text.
constexpr bool IsMarked(LogKind kind) { return kind != LogKind::kInformation; }

// Whether a run that logged a line of this kind warns: its outcome is not
// a plain success.
constexpr bool IsWarning(LogKind kind) {
  return kind == LogKind::kItemWarning || kind == LogKind::kFileWarning ||
         kind == LogKind::kFailure;
}

// The line as the user reads it: a marked kind gets its "!!!" before the
// line feeds that end the text.
std::string ShownLogLine(LogKind kind, const char* text);

// The unit a log line writes after an amount in `currency` (a code, "" for
// none): the koruna as the user knows it, any other currency by its code.
std::string CurrencyUnit(std::string_view currency);

// Renders one log line by the program's own rules and hands it to `log`.
void LogFormatted(const LogLine& log, LogKind kind, const char* format,
                  std::initializer_list<FormatArg> args);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_LOG_LINE_H_
