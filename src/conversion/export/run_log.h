#ifndef TARVOLO_CONVERSION_EXPORT_RUN_LOG_H_
#define TARVOLO_CONVERSION_EXPORT_RUN_LOG_H_

#include <initializer_list>
#include <string>
#include <vector>

#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// Logs what the record builder reported about the lines of one statement
// file (`path` as the log shows it): each cut value and each amount beyond
// the range of numbers on its own line, the dates that could not be read in
// one line for the file. Returns false when an amount has more digits than
// its record holds, which no file may be written with: its record would not
// add up to the header.
bool LogRecordReports(const std::string& path, const std::vector<FieldCut>& reports,
                      const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_RUN_LOG_H_
