#ifndef TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
#define TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_

#include <string>
#include <vector>

namespace tarvolo {

// A value that was wider than its field of a "075" record and was cut to
// the field's last characters.
struct FieldCut {
  int lineNumber;     // line of the statement file, the header being line 1
  const char* field;  // the field's Czech name, Windows-1250
};

// Length of one "075" record with its CR LF.
constexpr size_t kRecordLength = 130;

// How many lines of a CSV statement text yield a record: every line after
// the header but those whose fields are all empty.
size_t CountItemLines(const char* statementText);

// Turns every line after the header of one CSV statement text into a "075"
// record appended to `exportText`, using the own account number of
// g_accountSettings and growing g_exportTotals. Every record is exactly 128
// characters and CR LF: a value wider than its field keeps its last
// characters and is listed in `cuts` (when given). A line whose fields are
// all empty yields no record and is not counted.
void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
