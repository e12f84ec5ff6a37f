#ifndef TARVOLO_CONVERSION_GPC_ITEM_RECORD_WRITER_H_
#define TARVOLO_CONVERSION_GPC_ITEM_RECORD_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/gpc_records.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// Length of one "075" record with its CR LF.
constexpr size_t kRecordLength = kGpcLineLength;

// Renders items into "075" records with the own account number as the
// format's 16 digits (`ownAccountField`). Every record is exactly 128 characters and CR LF: a
// value wider than its field keeps its last characters and is listed in
// `cuts` (when given). It renders only; the run sums the items it keeps.
class ItemRecordWriter {
 public:
  ItemRecordWriter(std::string_view ownAccountField, std::vector<FieldCut>* cuts);
  // Appends the item's record.
  void Append(const StatementItem& item, std::string& exportText);
  // Writes the item's record into the kRecordLength bytes at `record`.
  void Write(const StatementItem& item, char* record);
  // Lists another fault of a line in `cuts` (when given).
  void Report(int lineNumber, const char* fieldName, FieldCut::Kind kind);

 private:
  // A value zero-filled into its field of `record`, cut to its last
  // characters and reported as `fieldName` when wider.
  void PutText(char* record, ItemField field, std::string_view text, const char* fieldName);
  void PutInteger(char* record, const GpcField& field, int64_t value, const char* fieldName);
  // Day, month or year: two digits at `at`.
  void PutDatePart(char* record, size_t at, int32_t value, const char* fieldName);
  void PutDate(char* record, size_t at, int32_t day, int32_t month, int32_t year);
  void PutCounterAccount(char* record, int32_t prefix, int64_t number);
  void PutBankCode(char* record, int32_t bankCode);
  // The amount and its codes.
  void PutAmount(char* record, int64_t hellers, int32_t rest);
  // The item's fields, into a record that holds the template.
  void PutFields(const StatementItem& item, char* record);

  char template_[kGpcLineLength];
  int lineNumber_ = 0;
  std::vector<FieldCut>* cuts_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_ITEM_RECORD_WRITER_H_
