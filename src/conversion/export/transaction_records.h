#ifndef TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_
#define TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_

#include <string>
#include <vector>

#include "conversion/gpc/item_record_writer.h"
#include "conversion/reading/layout_records.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/values/line_report.h"

namespace tarvolo {

// Turns every line after the header of one Servis24 statement text into a
// "075" record appended to `exportText`, using the own account number of
// g_accountSettings and growing g_exportTotals. Every record is exactly 128
// characters and CR LF: a value wider than its field keeps its last
// characters and is listed in `cuts` (when given). A line whose fields are
// all empty yields no record and is not counted.
void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts = nullptr);

// Converts a statement text whose header names its columns into "075"
// records appended to `exportText`, growing g_exportTotals, as the run does
// with a layout it has chosen: false, and nothing done, when no header is
// found or its data do not confirm it. For tests and benchmarks.
bool AppendLayoutRecords(const std::string& path, const std::string& text, std::string& exportText,
                         std::vector<FieldCut>* cuts, const LogLine& log,
                         StatedBalances* stated = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_
