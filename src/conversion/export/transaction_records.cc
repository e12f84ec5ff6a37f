#include "conversion/export/transaction_records.h"

#include <cstring>
#include <string_view>

#include "conversion/export/export_totals.h"
#include "conversion/reading/statement_layout.h"

namespace tarvolo {

void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts) {
  ItemRecordWriter writer(cuts);
  ReadServis24Items(
      statementText,
      [&](const StatementItem& item) {
        writer.Append(item, exportText);
        AddItemToTotals(item, &g_exportTotals);
      },
      cuts);
}

bool AppendLayoutRecords(const std::string& path, const std::string& text, std::string& exportText,
                         std::vector<FieldCut>* cuts, const LogLine& log, StatedBalances* stated) {
  // The text ends at a NUL byte, as for Servis24; the caller reports the rest.
  const std::string_view statement(text.c_str(), std::strlen(text.c_str()));
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised) return false;
  ItemRecordWriter writer(cuts);
  std::string currency;
  LayoutReading reading;
  const size_t mark = exportText.size();
  const ExportTotals before = g_exportTotals;
  std::vector<std::string> lines;
  ReadLayoutItems(
      path, statement, layout, &currency,
      [&](const StatementItem& item) {
        writer.Append(item, exportText);
        AddItemToTotals(item, &g_exportTotals);
      },
      [&lines](const char* line) { lines.emplace_back(line); }, &reading);
  if (!reading.confirmation.Confirmed()) {
    exportText.resize(mark);
    g_exportTotals = before;
    return false;
  }
  for (const std::string& line : lines) log(line.c_str());
  if (stated) *stated = reading.stated;
  return true;
}

}  // namespace tarvolo
