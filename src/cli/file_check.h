#ifndef TARVOLO_CLI_FILE_CHECK_H_
#define TARVOLO_CLI_FILE_CHECK_H_

#include <string>
#include <vector>

#include "cli/cli_console.h"

namespace tarvolo {

// Checks each file as one of the format that --check reads, and puts out
// what it found in each. 0 when every file is sound, 1 otherwise.
int CheckFiles(const std::vector<std::string>& files, const CliConsole& console);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_FILE_CHECK_H_
