// The record builder on whole statement texts: every record is one 128-
// character "075" line with CR LF, one per data line, and the totals agree
// with the amounts written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/export_totals.h"
#include "conversion/transaction_records.h"
#include "fuzz_checks.h"
#include "settings/account_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  g_accountSettings = AccountSettings();
  std::strcpy(g_accountSettings.accountNumber, "19-2000145399");
  g_exportTotals = ExportTotals();

  std::string exportText = "head";
  std::vector<FieldCut> cuts;
  AppendTransactionRecords(text.c_str(), exportText, &cuts);

  FUZZ_CHECK(exportText.compare(0, 4, "head") == 0, "text before the records was changed");
  const RecordSummary records = CheckRecordLines(exportText, 4);
  const int lines = CountDataLines(text);
  FUZZ_CHECK(records.count == lines, "records " + std::to_string(records.count) +
                                         " for " + std::to_string(lines) + " data lines");
  FUZZ_CHECK(g_exportTotals.itemCount == records.count, "item count differs from records");
  FUZZ_CHECK(g_exportTotals.creditSum >= 0 && g_exportTotals.debitSum >= 0, "negative sum");

  bool amountCut = false;
  for (const FieldCut& cut : cuts) {
    FUZZ_CHECK(cut.lineNumber >= 2 && cut.lineNumber <= lines + 1, "cut on a line not read");
    FUZZ_CHECK(cut.field != nullptr && cut.field[0] != '\0', "cut without a field name");
    if (cut.kind == FieldCut::Kind::kCut && std::strcmp(cut.field, kAmountField) == 0) {
      amountCut = true;
    }
  }
  // Each record's amount is rounded to its own heller; the sums are not.
  if (!amountCut) {
    const double slack = 0.5 * records.count + 1;
    const double credit = g_exportTotals.creditSum * 100;
    const double debit = g_exportTotals.debitSum * 100;
    FUZZ_CHECK(std::fabs(credit - records.creditHellers) <= slack + credit * 1e-12,
               "credit sum " + std::to_string(credit) + " vs records " +
                   std::to_string(records.creditHellers));
    FUZZ_CHECK(std::fabs(debit - records.debitHellers) <= slack + debit * 1e-12,
               "debit sum " + std::to_string(debit) + " vs records " +
                   std::to_string(records.debitHellers));
  }
  return 0;
}
