#ifndef TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
#define TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_

#include <string>
#include <vector>

namespace tarvolo {

// What the record builder reports about one line: by default a value that
// was wider than its field of a "075" record and was cut to the field's last
// characters.
struct FieldCut {
  enum class Kind {
    kCut,
    kAmountTooLarge,  // beyond the range of numbers, read as 0
    kUnreadableDate,  // not year/month/day: the parts it lacks stay as before
  };
  int lineNumber;     // line of the statement file, the header being line 1
  const char* field;  // the field's Czech name, Windows-1250
  Kind kind = Kind::kCut;
};

// The Czech name of the amount field in reports.
extern const char kAmountField[];

// Length of one "075" record with its CR LF.
constexpr size_t kRecordLength = 130;

// Turns every line after the header of one CSV statement text into a "075"
// record appended to `exportText`, using the own account number of
// g_accountSettings and growing g_exportTotals. Every record is exactly 128
// characters and CR LF: a value wider than its field keeps its last
// characters and is listed in `cuts` (when given).
void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
