#ifndef TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_
#define TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_

#include <string>
#include <vector>

#include "conversion/export/export_request.h"
#include "conversion/export/run_files.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// Why a file of the run may not be written at `path`, as a log line naming
// it, or nullptr when it may: only a regular file (or a link, replaced
// itself) gives way, and never one of the statements `inputs` or the
// settings file.
const char* OutputRefusal(const ExportRequest& request, const std::string& path,
                          const std::vector<FileIdentity>& inputs);

// Finishes every output with `summary` and replaces all their files or none,
// each read back before it takes the old one's place; `problems` gets what
// the check of each file found, in the order of the outputs.
bool WriteOutputs(const ExportRequest& request, const ConvertedFiles& converted,
                  const StatementSummary& summary, const LogLine& log,
                  std::vector<std::vector<std::string>>* problems, ExportOutcome* failed);

// Tells the user what the check of a written file found; whether it found nothing.
bool LogCheck(const std::string& path, const std::vector<std::string>& problems,
              const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_
