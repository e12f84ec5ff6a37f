#ifndef TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_
#define TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_

#include <string>
#include <vector>

#include "conversion/export/header_values.h"
#include "conversion/export/run_files.h"
#include "conversion/export/statement_export.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What the checks of the written files found.
struct WrittenChecks {
  std::vector<std::string> gpc, camt;
};

// Replaces both output files or neither, each read back before it takes the old one's place.
bool WriteStatement(const ExportRequest& request, const ConvertedFiles& converted,
                    const HeaderValues& values, const LogLine& log, WrittenChecks* checks,
                    ExportOutcome* failed);

// Tells the user what the check of a written file found; whether it found nothing.
bool LogCheck(const char* path, const std::vector<std::string>& problems, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_OUTPUT_FILES_H_
