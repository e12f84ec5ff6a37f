#ifndef TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_
#define TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_

#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/item_record_writer.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// Turns every line after the header of one Servis24 statement text into a
// "075" record appended to `exportText`, with the own account typed as
// `ownAccount`, and counts its items into `totals`. Every record is exactly
// 128 characters and CR LF: a value wider than its field keeps its last
// characters and is listed in `cuts` (when given). A line whose fields are
// all empty yields no record and is not counted.
void AppendTransactionRecords(const char* statementText, std::string_view ownAccount,
                              std::string& exportText, ExportTotals* totals,
                              std::vector<FieldCut>* cuts = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_TRANSACTION_RECORDS_H_
