// Layout recognition and the layout reader on arbitrary text, as the run
// gives it to them (up to the first NUL): the header lies within the first
// 40 lines and its columns within the header; every item stands on a line
// after the header and within the text, in the file's order, on real days,
// with a finite amount other than zero for all but fees, its texts on one
// line and its symbols digits only; the confirmation
// counts no more readable lines than data lines, and these no more than
// the lines after the header.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "conversion/reading/layouts/layout_reader.h"
#include "conversion/reading/layouts/layout_table.h"
#include "fuzz_checks.h"

namespace tarvolo {
namespace {

// The lines of the text as the reader counts them: LF, CR LF and a CR alone
// end one each.
int LinesOf(std::string_view text) {
  int lines = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++lines;
    }
  }
  return lines;
}

// An item's year is whole.
bool IsRealDay(int32_t day, int32_t month, int32_t year) {
  if (month < 1 || month > 12 || day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string Describe(const StatementItem& item) {
  return "line " + std::to_string(item.line) + ", " + std::to_string(item.day) + "." +
         std::to_string(item.month) + "." + std::to_string(item.year);
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view text(bytes.c_str(), std::strlen(bytes.c_str()));
  const StatementLayout layout = RecogniseLayout(text);
  if (!layout.recognised) return 0;
  const int lines = LinesOf(text);
  FUZZ_CHECK(layout.headerLine >= 1 && layout.headerLine <= 40 && layout.headerLine <= lines,
             "header on line " + std::to_string(layout.headerLine));
  FUZZ_CHECK(layout.dataOffset <= text.size(), "data start beyond the text");
  for (const int column : layout.column) {
    FUZZ_CHECK(column >= -1 && column < layout.headerColumns, "column beyond the header");
  }

  std::string currency;
  LayoutReading reading;
  int lastLine = layout.headerLine + 1;
  const auto sink = [&](const StatementItem& item) {
    FUZZ_CHECK(item.line >= lastLine && item.line <= lines,
               "item out of place: " + Describe(item) + " of " + std::to_string(lines));
    lastLine = item.line;
    FUZZ_CHECK(IsRealDay(item.day, item.month, item.year), "no real day: " + Describe(item));
    FUZZ_CHECK(IsRealDay(item.valueDay, item.valueMonth, item.valueYear),
               "no real value day: " + Describe(item));
    FUZZ_CHECK((item.amount != 0 || item.fee) && item.amountRest == 0,
               "amount " + std::to_string(item.amount) + ": " + Describe(item));
    for (const std::string_view view : {item.description, item.counterName}) {
      FUZZ_CHECK(view.find_first_of("\r\n") == std::string_view::npos,
                 "line break in a text: " + Describe(item));
    }
    for (const std::string_view view :
         {item.variableSymbol, item.constantSymbol, item.specificSymbol}) {
      FUZZ_CHECK(view.find_first_not_of("0123456789") == std::string_view::npos,
                 "symbol of other characters than digits: " + Describe(item));
    }
    FUZZ_CHECK(item.description.size() <= kMessageWidth, "description too long");
  };
  ReadLayoutItems(
      "v.csv", text, layout, &currency, sink, [](LogKind, const char*) {}, &reading);
  const ReadingConfirmation& confirmation = reading.confirmation;
  FUZZ_CHECK(confirmation.readable >= 0 && confirmation.readable <= confirmation.dataLines,
             "readable " + std::to_string(confirmation.readable) + " of " +
                 std::to_string(confirmation.dataLines) + " data lines");
  FUZZ_CHECK(confirmation.dataLines <= lines - layout.headerLine,
             std::to_string(confirmation.dataLines) + " data lines after the header on line " +
                 std::to_string(layout.headerLine) + " of " + std::to_string(lines));
  return 0;
}
