#ifndef TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
#define TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/fixed_width.h"
#include "conversion/gpc_records.h"

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
constexpr size_t kRecordLength = kGpcLineLength;

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

// The values of one item, as read from a statement line of any layout.
struct ItemRecord {
  int32_t counterPrefix = 0;
  int64_t counterNumber = 0;
  int32_t bankCode = 0;
  const char* documentNumber = "";
  const char* variableSymbol = "";
  const char* constantSymbol = "";
  const char* specificSymbol = "";
  const char* description = "";
  double amount = 0;  // crowns, below zero for a debit
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;  // as written: 14 for 2014
};

// Renders items into "075" records with the own account number of
// g_accountSettings, growing g_exportTotals. Every record is exactly 128
// characters and CR LF: a value wider than its field keeps its last
// characters and is listed in `cuts` (when given). Its texts are kept from
// item to item so that no item allocates.
class ItemRecordWriter {
 public:
  explicit ItemRecordWriter(std::vector<FieldCut>* cuts);
  void Append(const ItemRecord& item, int lineNumber, std::string& exportText);
  // Lists another fault of a line in `cuts` (when given).
  void Report(int lineNumber, const char* fieldName, FieldCut::Kind kind);

 private:
  // A value zero-filled into its field of `record`, cut to its last
  // characters and reported as `fieldName` when wider.
  void PutText(char* record, ItemField field, const char* text, const char* fieldName);
  void PutInteger(char* record, const GpcField& field, int64_t value, const char* fieldName);
  // Day, month or year: two digits at `at`.
  void PutDatePart(char* record, size_t at, int32_t value, const char* fieldName);
  void PutCounterAccount(char* record, int32_t prefix, int64_t number);
  // The amount, its codes, and its share of g_exportTotals.
  void PutAmount(char* record, double amount);

  char template_[kGpcLineLength];
  std::string piece_;
  int lineNumber_ = 0;
  std::vector<FieldCut>* cuts_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_TRANSACTION_RECORDS_H_
