#ifndef TARVOLO_CLI_CLI_RUN_H_
#define TARVOLO_CLI_CLI_RUN_H_

#include <string>
#include <vector>

#include "cli/cli_console.h"

namespace tarvolo {

// Does what the command line asks: `texts` are its arguments as
// Windows-1250 texts, `paths` the same arguments as the file functions take
// them. Returns the exit status: 0 written (or sound), 1 nothing written (or
// a file with faults), 2 a bad command line, 3 written with warnings.
int RunCli(const std::vector<std::string>& texts, const std::vector<std::string>& paths,
           const CliConsole& console);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_CLI_RUN_H_
