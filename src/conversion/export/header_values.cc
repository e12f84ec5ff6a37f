#include "conversion/export/header_values.h"

#include "conversion/reading/statement_reading.h"
#include "conversion/values/dates.h"
#include "conversion/values/decimal_rounding.h"
#include "platform/text_encoding.h"

namespace tarvolo {

// Whether the run may go on to write; otherwise its outcome is in `refused`
// and the reason in the log.
bool ValidateRun(const ExportRequest& request, const ConvertedFiles& converted,
                 const FileFacts* earliest, const LogLine& log, HeaderValues* values,
                 ExportOutcome* refused, const std::string& besideProfile, bool oneOfSeveral) {
  *refused = ExportOutcome::kRefused;
  // Each amount too long for its record has had its line in the log.
  if (!converted.amountsFit) return false;
  const ExportTotals& totals = converted.run.totals;
  const bool balancesStated =
      earliest != nullptr && oneOfSeveral && converted.run.checks.AnyStated();
  if (!totals.anyAmount && !balancesStated) {
    log(LogKind::kFailure, "Nebyly načteny žádné položky nebo soubory\n");
    *refused = ExportOutcome::kNothingLoaded;
    return false;
  }
  if (!converted.everyFileRead && request.everyFileRequired) {
    log(LogKind::kFailure, "Výpis nebyl zapsán, protože některý soubor nelze přečíst\n");
    return false;
  }
  if (!converted.everyFileConverted && request.everyFileRequired) {
    log(LogKind::kFailure,
        "Výpis nebyl zapsán, protože formát některého souboru nebyl rozpoznán\n");
    return false;
  }
  ProfileValues& profile = values->profile;
  // A balance the earliest file states replaces the profile's, unread.
  AccountProfile typed = request.profile;
  if (request.balanceFromFile) typed.openingBalance.clear();
  const std::string refusal = ReadProfileValues(typed, &profile);
  if (!refusal.empty()) {
    log(LogKind::kFailure, refusal.c_str());
    return false;
  }
  if (!profile.droppedBank.empty()) {
    LogFormatted(log, LogKind::kInformation, kDroppedBankLine, {profile.droppedBank});
  }
  // The opening balance is the earliest file's, whatever the order given.
  const std::string openingPath = earliest ? earliest->shown : PathToText(converted.firstPath);
  const StatedBalances openingStated = earliest ? earliest->stated : StatedBalances();
  if (!besideProfile.empty() && !openingStated.hasOpening) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Výpis %s: počáteční zůstatek neuvádí žádný soubor, hlavička má zůstatek 0,00 "
                 "%s\n",
                 {besideProfile, CurrencyUnit(converted.run.currency)});
  } else if (!TakeStatedOpening(openingPath, openingStated, request.balanceFromFile,
                                CurrencyUnit(converted.run.currency), &profile, log)) {
    return false;
  }
  if (!AppendDdMmYy(values->statementDate, request.statementDate)) {
    log(LogKind::kFailure, "Neplatné datum výpisu\n");
    return false;
  }
  values->oldHellers = profile.openingHellers;
  const bool fits = !totals.hellersOverflow && FitsHeader(totals.debitHellers) &&
                    FitsHeader(totals.creditHellers);
  values->newHellers = fits ? values->oldHellers + totals.creditHellers - totals.debitHellers : 0;
  if (!fits || !FitsHeader(values->newHellers)) {
    log(LogKind::kFailure, kHeaderDigitsRefusal);
    return false;
  }
  return true;
}

StatementSummary SummaryOf(const ExportRequest& request, const ConvertedFiles& converted,
                           const HeaderValues& values) {
  StatementSummary summary;
  summary.profile = request.profile;
  summary.accountField = values.profile.accountField;
  summary.currency = converted.run.currency;
  summary.statementDate = request.statementDate;
  summary.totals = converted.run.totals;
  summary.totals.openingHellers = values.oldHellers;
  summary.totals.closingHellers = values.newHellers;
  return summary;
}

// The amounts of the header as the log shows them: in whole hellers, as the
// header holds them, and in the statement's currency.
void LogTotals(const HeaderValues& values, const std::string& currency, const ExportTotals& totals,
               const LogLine& log) {
  const std::string unit = CurrencyUnit(currency);
  LogFormatted(
      log, LogKind::kInformation, "Načteno %d položek, starý zůstatek %.2f %s, nový %.2f %s\n",
      {totals.itemCount, Crowns(values.oldHellers), unit, Crowns(values.newHellers), unit});
  LogFormatted(log, LogKind::kInformation,
               "Celkem příchozí platby %.2f %s, odchozí platby %.2f %s\n",
               {Crowns(totals.creditHellers), unit, Crowns(totals.debitHellers), unit});
}

}  // namespace tarvolo
