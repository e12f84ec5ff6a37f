#include "conversion/export/transaction_records.h"

#include <cstring>
#include <string_view>

#include "conversion/reading/statement_layout.h"
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
        AddItemToTotals(item.amount, totals);
      },
      cuts);
}

bool AppendLayoutRecords(const std::string& path, const std::string& text,
                         std::string_view ownAccount, std::string& exportText, ExportTotals* totals,
                         std::vector<FieldCut>* cuts, const LogLine& log, StatedBalances* stated) {
  // The text ends at a NUL byte, as for Servis24; the caller reports the rest.
  const std::string_view statement(text.c_str(), std::strlen(text.c_str()));
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised) return false;
  ItemRecordWriter writer(ProfileAccountField(ownAccount), cuts);
  std::string currency;
  LayoutReading reading;
  const size_t mark = exportText.size();
  const ExportTotals before = *totals;
  std::vector<std::pair<LogKind, std::string>> lines;
  ReadLayoutItems(
      path, statement, layout, &currency,
      [&](const StatementItem& item) {
        writer.Append(item, exportText);
        AddItemToTotals(item.amount, totals);
      },
      [&lines](LogKind kind, const char* line) { lines.emplace_back(kind, line); }, &reading);
  if (!reading.confirmation.Confirmed()) {
    exportText.resize(mark);
    *totals = before;
    return false;
  }
  for (const auto& [kind, line] : lines) log(kind, line.c_str());
  if (stated) *stated = reading.stated;
  return true;
}

}  // namespace tarvolo
