#ifndef TARVOLO_CONVERSION_EXPORT_RUN_FILES_H_
#define TARVOLO_CONVERSION_EXPORT_RUN_FILES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "conversion/export/run_state.h"
#include "conversion/values/log_line.h"
#include "platform/file.h"
#include "platform/file_system.h"

namespace tarvolo {

// What the conversion of the files gave, beside the items the outputs hold:
// what the later steps need to know of the files.
struct ConvertedFiles {
  std::vector<FileIdentity> inputs;
  std::string firstPath;
  RunState run;
  bool everyFileRead = true;
  bool everyFileConverted = true;
  bool amountsFit = true;
};

// Lets the run go on past a file that cannot be read or converted, each logged.
void ConvertFiles(const std::vector<std::string>& paths, FileSystem* files, const LogLine& log,
                  ConvertedFiles* converted);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_RUN_FILES_H_
