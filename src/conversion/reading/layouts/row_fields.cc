#include "conversion/reading/layouts/row_fields.h"

#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

void RowFields::Start(const CsvRecordReader& record) {
  fields_ = record.fields().data();
  fieldCount_ = record.fields().size();
  line_ = record.lineNumber();
  incoming_ = layout_.rules.transfers && layout_.Column(ColumnRole::kIncomingAmount) >= 0 &&
              ReadDirection(Field(ColumnRole::kDirection)) == Direction::kCredit;
}

}  // namespace tarvolo
