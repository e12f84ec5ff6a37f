#ifndef TARVOLO_CONVERSION_EXPORT_RUN_REPORT_H_
#define TARVOLO_CONVERSION_EXPORT_RUN_REPORT_H_

#include <string>
#include <vector>

#include "conversion/export/export_request.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// A line of the run's log as the report shows it.
struct LoggedLine {
  LogKind kind = LogKind::kInformation;
  std::string text;  // Windows-1250, as logged
};

// Whether the report the request asks for may be written where it asks:
// never over a statement file of the run, another of its outputs or the
// settings file. Checked before anything is written; logs why not.
bool ReportPathAllowed(const ExportRequest& request, const LogLine& log);

// Writes the report of the run from what it wrote and logged (`lines`),
// unless its path turned out to be a statement the run wrote; the line
// that tells how it went goes to `log`. Whether it was written.
bool WriteRunReport(const ExportRequest& request, const ExportResult& result,
                    const std::vector<LoggedLine>& lines, const LogLine& log);

// The report as one HTML page in Windows-1250: each statement with its
// balances, totals and items, how each credit can be paired, the warnings
// beside the items they name, the lines left out and the whole log.
std::string RunReportHtml(const ExportRequest& request, const ExportResult& result,
                          const std::vector<LoggedLine>& lines);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_RUN_REPORT_H_
