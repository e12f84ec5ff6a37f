#ifndef TARVOLO_CLI_COLUMN_OPTION_H_
#define TARVOLO_CLI_COLUMN_OPTION_H_

#include <string>
#include <vector>

#include "cli/cli_console.h"
#include "cli/cli_options.h"
#include "conversion/export/export_request.h"

namespace tarvolo {

// The mapping --columns gives, checked against the header of every file
// to convert: each file (but one that cannot be read, which the run names)
// must hold every column it names. Returns false with a Czech message
// naming the file and the columns it lacks.
struct ColumnOption {
  ColumnMapping mapping;
  // The header cells of each file, for --save.
  std::vector<std::vector<std::string>> headers;
};
bool ReadColumnOption(const CliOptions& options, ColumnOption* option, std::string* error);

// The mappings of the run: the one given, or those kept beside the settings
// file `configPath` (a line of them that cannot be read is named).
std::vector<ColumnMapping> RunMappings(const CliOptions& options, const ColumnOption& given,
                                       const std::string& configPath, const CliConsole& console);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_COLUMN_OPTION_H_
