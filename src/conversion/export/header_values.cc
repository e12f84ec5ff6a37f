#include "conversion/export/header_values.h"

#include "conversion/export/export_totals.h"
#include "conversion/gpc/header_record.h"
#include "conversion/reading/balance_check.h"
#include "conversion/values/dates.h"
#include "conversion/values/decimal_rounding.h"
#include "platform/text_encoding.h"
#include "settings/account_settings.h"

namespace tarvolo {
namespace {

// The sign of a balance: its heller count decides, and a count of zero
// keeps the sign of what the rounding left (-0.004 is "-" with zeros).
const char* BalanceSign(int64_t hellers, int64_t rest) {
  if (hellers != 0) return hellers < 0 ? "-" : "+";
  return rest < 0 ? "-" : "+";
}
// Turnovers are written with "0" for zero or more, as the banks' ABO files do.
const char* TurnoverSign(int64_t hellers) { return hellers < 0 ? "-" : "0"; }

}  // namespace

// Whether the run may go on to write; otherwise its outcome is in `refused`
// and the reason in the log.
bool ValidateRun(const ExportRequest& request, const ConvertedFiles& converted,
                 const FileFacts* earliest, const LogLine& log, HeaderValues* values,
                 ExportOutcome* refused) {
  *refused = ExportOutcome::kRefused;
  // Each amount too long for its record has had its line in the log.
  if (!converted.amountsFit) return false;
  const ExportTotals& totals = g_exportTotals;
  if (!totals.anyAmount) {
    log("Nebyly načteny žádné položky nebo soubory!!!\n");
    *refused = ExportOutcome::kNothingLoaded;
    return false;
  }
  if (!converted.everyFileRead && request.everyFileRequired) {
    log("Výpis nebyl zapsán, protože některý soubor nelze přečíst!!!\n");
    return false;
  }
  if (!converted.everyFileConverted && request.everyFileRequired) {
    log("Výpis nebyl zapsán, protože formát některého souboru nebyl rozpoznán!!!\n");
    return false;
  }
  ProfileValues& profile = values->profile;
  if (const char* refusal = ReadProfileValues(&profile)) {
    log(refusal);
    return false;
  }
  if (!profile.droppedBank.empty()) {
    LogFormatted(log, kDroppedBankLine, {profile.droppedBank});
  }
  // The opening balance is the earliest file's, whatever the order given.
  const std::string openingPath = earliest ? earliest->shown : PathToText(converted.firstPath);
  const StatedBalances openingStated = earliest ? earliest->stated : StatedBalances();
  if (!TakeStatedOpening(openingPath, openingStated, request.balanceFromFile, &profile, log)) {
    return false;
  }
  if (!AppendDdMmYy(values->statementDate, request.statementDate)) {
    log("Neplatné datum výpisu!!!\n");
    return false;
  }
  values->newRest = profile.openingRest + totals.amountRests;
  values->oldHellers = profile.openingHellers;
  const bool fits = !totals.hellersOverflow && FitsHeader(totals.debitHellers) &&
                    FitsHeader(totals.creditHellers);
  values->newHellers = fits ? values->oldHellers + totals.creditHellers - totals.debitHellers : 0;
  if (!fits || !FitsHeader(values->newHellers)) {
    log(kHeaderDigitsRefusal);
    return false;
  }
  return true;
}

// Puts the "074" header into the room left for it before the records.
void ComposeHeader(const HeaderValues& values, std::string& exportText) {
  const ExportTotals& totals = g_exportTotals;
  const int64_t oldHellers = values.oldHellers;
  const int64_t newHellers = values.newHellers;
  HeaderRecord header;
  header.account = values.profile.accountField.c_str();
  header.accountName = g_accountSettings.accountName;
  header.oldBalanceDate = values.profile.oldBalanceDate.c_str();
  header.oldBalance = oldHellers;
  header.oldBalanceSign = *BalanceSign(oldHellers, values.profile.openingRest);
  header.newBalance = newHellers;
  header.newBalanceSign = *BalanceSign(newHellers, values.newRest);
  header.debits = totals.debitHellers;
  header.debitsSign = *TurnoverSign(totals.debitHellers);
  header.credits = totals.creditHellers;
  header.creditsSign = *TurnoverSign(totals.creditHellers);
  header.statementNumber = g_accountSettings.statementNumber;
  header.statementDate = values.statementDate.c_str();
  ComposeHeaderRecord(header, &exportText[0]);
}

// The statement's currency as the log shows it after an amount.
std::string CurrencyUnit(const std::string& currency) {
  return currency.empty() || currency == "CZK" ? "Kč" : currency;
}

// The amounts of the header as the log shows them: in whole hellers, as the
// header holds them, and in the statement's currency.
void LogTotals(const HeaderValues& values, const std::string& currency, const LogLine& log) {
  const ExportTotals& totals = g_exportTotals;
  const std::string unit = CurrencyUnit(currency);
  LogFormatted(
      log, "Načteno %d položek, starý zůstatek %.2f %s, nový %.2f %s\n",
      {totals.itemCount, Crowns(values.oldHellers), unit, Crowns(values.newHellers), unit});
  LogFormatted(log, "Celkem příchozí platby %.2f %s, odchozí platby %.2f %s\n",
               {Crowns(totals.creditHellers), unit, Crowns(totals.debitHellers), unit});
}

}  // namespace tarvolo
