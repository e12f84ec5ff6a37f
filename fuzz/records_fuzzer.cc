// Whole statement texts read as Servis24 and written as the GPC file, as
// the run does: every record is one 128-character "075" line with CR LF,
// one per item the reader hands over, every line is counted once, and the
// totals agree with the amounts written, to the heller.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/gpc_output.h"
#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/statement/statement.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  // The run reads a file up to its first NUL byte, and names the rest.
  std::string_view text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  ExportTotals totals;
  std::vector<FieldCut> cuts;
  AccountProfile profile;
  profile.accountNumber = "19-2000145399";
  GpcOutput gpc;
  gpc.Begin(profile, &cuts);
  Servis24Lines lines;
  ReadServis24Lines(
      text,
      [&](const StatementItem& item) {
        gpc.Add(item, "");
        AddItemToTotals(item, &totals);
      },
      &lines);
  gpc.Confirm();
  std::string written;
  gpc.Write([&](std::string_view bytes) {
    written.append(bytes);
    return true;
  });

  FUZZ_CHECK(written.size() >= kGpcLineLength && written.find_first_not_of(' ') >= kGpcLineLength,
             "the header's room was changed");
  const RecordSummary records = CheckRecordLines(written, kGpcLineLength);
  FUZZ_CHECK(records.count == lines.items, "records " + std::to_string(records.count) + " for " +
                                               std::to_string(lines.items) + " items");
  FUZZ_CHECK(lines.header + lines.empty + lines.totals + lines.items + lines.joinedItems +
                     static_cast<int32_t>(lines.leftOut.size()) + lines.joinedLeftOut ==
                 lines.lines,
             "lines not counted once each");
  FUZZ_CHECK(totals.itemCount == records.count, "item count differs from records");
  FUZZ_CHECK(totals.creditHellers >= 0 && totals.debitHellers >= 0, "negative sum");

  bool amountCut = false;
  for (const FieldCut& cut : cuts) {
    FUZZ_CHECK(cut.lineNumber >= 1 && cut.lineNumber <= lines.lines, "cut on a line not read");
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
