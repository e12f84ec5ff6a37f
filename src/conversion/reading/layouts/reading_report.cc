#include "conversion/reading/layouts/reading_report.h"

#include <utility>
#include <vector>

#include "conversion/reading/layouts/field_values.h"

namespace tarvolo {

void LayoutReport::Failed(int line, const std::string& why) {
  ++confirmation_.dataLines;
  if (firstWhy_.empty()) {
    firstFailed_ = line;
    firstWhy_ = why;
  }
  warnings_.LeftOut(line, why);
}

void LayoutReport::Summarise(const char* layoutName) {
  warnings_.Close();
  std::string fees;
  if (fees_ > 0) Render(fees, " (z toho %d poplatků)", {fees_});
  LogFormatted(log_, LogKind::kInformation,
               "Soubor %s: rozpoznán formát %s, převedeno %d položek%s%s\n",
               {path_, layoutName, items_, fees, LineAccountText(lines_)});
}

std::string LayoutReport::Refusal(const StatementLayout& layout) const {
  std::string refusal;
  Render(refusal,
         "formát %s s hlavičkou na řádku %d nelze použít, nečitelných řádků %d z %d, první řádek "
         "%d: %s",
         {layout.name, int32_t{layout.headerLine}, confirmation_.dataLines - confirmation_.readable,
          confirmation_.dataLines, firstFailed_, firstWhy_});
  return refusal;
}

}  // namespace tarvolo
