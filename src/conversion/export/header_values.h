#ifndef TARVOLO_CONVERSION_EXPORT_HEADER_VALUES_H_
#define TARVOLO_CONVERSION_EXPORT_HEADER_VALUES_H_

#include <cstdint>
#include <string>

#include "conversion/export/export_request.h"
#include "conversion/export/run_checks.h"
#include "conversion/export/run_files.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {

// The values of the header, worked out in whole hellers: the turnovers are
// the sums of the records' amounts and the new balance is old + credits -
// debits to the heller, so that the file adds up for every reader.
struct HeaderValues {
  ProfileValues profile;
  std::string statementDate;
  int64_t oldHellers = 0;
  int64_t newHellers = 0;
};

// Stops a run before anything is written where no header that adds up can be
// made. A statement that does not take the profile's values, shown as
// `besideProfile`, opens at 0 where no file states its opening balance. One
// of several statements whose files state its balances is written without
// items.
bool ValidateRun(const ExportRequest& request, const ConvertedFiles& converted,
                 const FileFacts* earliest, const LogLine& log, HeaderValues* values,
                 ExportOutcome* refused, const std::string& besideProfile = std::string(),
                 bool oneOfSeveral = false);

// What the outputs' headers and summaries state of the statement.
StatementSummary SummaryOf(const ExportRequest& request, const ConvertedFiles& converted,
                           const HeaderValues& values);

// Shows the user the totals the header holds before the file is written.
void LogTotals(const HeaderValues& values, const std::string& currency, const ExportTotals& totals,
               const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_HEADER_VALUES_H_
