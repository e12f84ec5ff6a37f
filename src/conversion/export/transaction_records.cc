#include "conversion/export/transaction_records.h"

#include "conversion/values/profile_values.h"

namespace tarvolo {

void AppendTransactionRecords(const char* statementText, std::string_view ownAccount,
                              std::string& exportText, ExportTotals* totals,
                              std::vector<FieldCut>* cuts) {
  ItemRecordWriter writer(ProfileAccountField(ownAccount), cuts);
  ReadServis24Items(
      statementText,
      [&](const StatementItem& item) {
        writer.Append(item, exportText);
        AddItemToTotals(item, totals);
      },
      cuts);
}

}  // namespace tarvolo
