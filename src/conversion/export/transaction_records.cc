#include "conversion/export/transaction_records.h"

#include "conversion/export/export_totals.h"

namespace tarvolo {

void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts) {
  ItemRecordWriter writer(cuts);
  ReadServis24Items(
      statementText,
      [&](const StatementItem& item) {
        writer.Append(item, exportText);
        AddItemToTotals(item.amount, &g_exportTotals);
      },
      cuts);
}

}  // namespace tarvolo
