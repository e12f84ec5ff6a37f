#ifndef TARVOLO_CLI_CLI_CONSOLE_H_
#define TARVOLO_CLI_CLI_CONSOLE_H_

#include <functional>
#include <string>

namespace tarvolo {

// Where the command line's texts go, each in Windows-1250: its output
// (the log of a run, the findings of a check) and its errors. What was put
// out is shown before any error that follows it.
struct CliConsole {
  std::function<void(const std::string&)> out;
  std::function<void(const std::string&)> error;
};

}  // namespace tarvolo

#endif  // TARVOLO_CLI_CLI_CONSOLE_H_
