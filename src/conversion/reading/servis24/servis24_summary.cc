#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/reading/text/line_account.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

void LogServis24Lines(const std::string& path, const Servis24Lines& lines, const LogLine& log) {
  for (const LeftOutLine& left : lines.leftOut) {
    LogFormatted(log, LogKind::kItemWarning, "Soubor %s, řádek %d: %s, řádek vynechán\n",
                 {path, left.line, left.why});
  }
  for (const LeftOutLine& rounded : lines.rounded) {
    LogFormatted(log, LogKind::kItemWarning, "Soubor %s, řádek %d: %s\n",
                 {path, rounded.line, rounded.why});
  }
  LineAccount account;
  account.Add(LineAccount::kPreamble, lines.header);
  const int32_t items = lines.items - lines.otherCurrency - lines.otherStatement;
  account.Add(LineAccount::kItem, items + lines.joinedItems);
  account.Add(LineAccount::kBalance, lines.totals);
  account.Add(LineAccount::kEmpty, lines.empty);
  account.Add(LineAccount::kLeftOut, static_cast<int32_t>(lines.leftOut.size()) +
                                         lines.joinedLeftOut + lines.otherCurrency);
  account.Add(LineAccount::kOtherStatement, lines.otherStatement);
  LogFormatted(log, LogKind::kInformation,
               "Soubor %s: čten jako Servis24, převedeno %d položek%s\n",
               {path, items, LineAccountText(account)});
}

}  // namespace tarvolo
