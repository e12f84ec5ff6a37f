#include "conversion/export/run_log.h"

#include <cstdint>
#include <cstring>

namespace tarvolo {

bool LogRecordReports(const std::string& path, const std::vector<FieldCut>& reports,
                      const LogLine& log) {
  bool amountsFit = true;
  int32_t unreadableDates = 0;
  int32_t firstUnreadableDate = 0;
  for (const FieldCut& report : reports) {
    const int32_t line = report.lineNumber;
    switch (report.kind) {
      case FieldCut::Kind::kCut:
        if (std::strcmp(report.field, kAmountField) == 0) {
          LogFormatted(log, LogKind::kFailure,
                       "Soubor %s, řádek %d: částka má víc než 12 číslic v haléřích, soubor nelze "
                       "zapsat\n",
                       {path, line});
          amountsFit = false;
        } else {
          LogFormatted(log, LogKind::kNote,
                       "Soubor %s, řádek %d: %s je delší než pole v ABO, zapsán jen jeho konec\n",
                       {path, line, report.field});
        }
        break;
      case FieldCut::Kind::kAmountTooLarge:
        LogFormatted(log, LogKind::kItemWarning,
                     "Soubor %s, řádek %d: částka je mimo rozsah čísel, čtena jako 0\n",
                     {path, line});
        break;
      case FieldCut::Kind::kAmountPartlyRead:
        LogFormatted(log, LogKind::kItemWarning,
                     "Soubor %s, řádek %d: částka „%s“ nebyla přečtena celá, zbytek za číslem "
                     "vynechán\n",
                     {path, line, report.text});
        break;
      case FieldCut::Kind::kUnreadableDate:
        if (unreadableDates++ == 0) firstUnreadableDate = line;
        break;
      case FieldCut::Kind::kImpossibleDate:
        LogFormatted(log, LogKind::kItemWarning,
                     "Soubor %s, řádek %d: datum %s není skutečný den, položka nemá správné "
                     "datum\n",
                     {path, line, report.text});
        break;
    }
  }
  if (unreadableDates > 0) {
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: datum není ve tvaru RRRR/MM/DD, položka nemá správné datum "
                 "(takových řádků je v souboru %d)\n",
                 {path, firstUnreadableDate, unreadableDates});
  }
  return amountsFit;
}

}  // namespace tarvolo
