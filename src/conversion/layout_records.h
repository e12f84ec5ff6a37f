#ifndef TARVOLO_CONVERSION_LAYOUT_RECORDS_H_
#define TARVOLO_CONVERSION_LAYOUT_RECORDS_H_

#include <string>
#include <vector>

#include "conversion/balance_check.h"
#include "conversion/statement_export.h"
#include "conversion/transaction_records.h"

namespace tarvolo {

// Converts a Windows-1250 statement text whose header names its columns
// (Fio, KB, ČSOB and the other banks' exports) into "075" records appended
// to `exportText`, as AppendTransactionRecords does for Servis24: items from
// the columns the header names, no record for preamble, empty, total and
// other lines without a readable date and amount, none for rows that are
// not booked, a record of its own for a fee beside an item; warnings, a
// summary and the check of the balances the file states (given back in
// `stated`) for the file `path` through `log`. Returns false, and does
// nothing, for a Servis24 statement or a text without a known header.
bool AppendLayoutRecords(const std::string& path, const std::string& text, std::string& exportText,
                         std::vector<FieldCut>* cuts, const LogLine& log,
                         StatedBalances* stated = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_LAYOUT_RECORDS_H_
