// The record builder on whole statement texts: every record is one 128-
// character "075" line with CR LF, one per data line, and the totals agree
// with the amounts written, to the heller.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/export/transaction_records.h"
#include "conversion/statement/statement.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  ExportTotals totals;

  std::string exportText = "head";
  std::vector<FieldCut> cuts;
  AppendTransactionRecords(text.c_str(), "19-2000145399", exportText, &totals, &cuts);

  FUZZ_CHECK(exportText.compare(0, 4, "head") == 0, "text before the records was changed");
  const RecordSummary records = CheckRecordLines(exportText, 4);
  const int lines = CountDataLines(text);
  FUZZ_CHECK(records.count == lines, "records " + std::to_string(records.count) + " for " +
                                         std::to_string(lines) + " data lines");
  FUZZ_CHECK(totals.itemCount == records.count, "item count differs from records");
  FUZZ_CHECK(totals.creditHellers >= 0 && totals.debitHellers >= 0, "negative sum");

  // Lines whose fields are all empty are passed over, so cuts may stand on
  // any line of the text.
  const int textLines = 1 + static_cast<int>(std::count(
                                text.c_str(), text.c_str() + std::strlen(text.c_str()), '\n'));
  bool amountCut = false;
  for (const FieldCut& cut : cuts) {
    FUZZ_CHECK(cut.lineNumber >= 2 && cut.lineNumber <= textLines, "cut on a line not read");
    FUZZ_CHECK(cut.field != nullptr && cut.field[0] != '\0', "cut without a field name");
    if (cut.kind == FieldCut::Kind::kCut && std::strcmp(cut.field, kAmountField) == 0) {
      amountCut = true;
    }
  }
  // The heller totals are the sums of the records' amounts, to the heller.
  if (!amountCut && !totals.hellersOverflow) {
    FUZZ_CHECK(totals.creditHellers == records.creditHellers,
               "credit hellers " + std::to_string(totals.creditHellers) + " vs records " +
                   std::to_string(records.creditHellers));
    FUZZ_CHECK(totals.debitHellers == records.debitHellers,
               "debit hellers " + std::to_string(totals.debitHellers) + " vs records " +
                   std::to_string(records.debitHellers));
  }
  return 0;
}
