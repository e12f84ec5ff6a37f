// tarvolo-cli: the conversion run of the window program for scripts and
// batch use, with the same profile file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/output_paths.h"
#include "cli/settings_save.h"
#include "conversion/camt/camt_output.h"
#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/values/account_number.h"
#include "conversion/values/dates.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "platform/clock.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"
#include "settings/account_settings.h"
#include "settings/bounded_text.h"
#include "settings/parse_digits.h"
#include "settings/settings_file.h"
#include "tarvolo_version.h"

namespace tarvolo {
namespace {

constexpr char kVersion[] = "tarvolo-cli " TARVOLO_VERSION "\n";
constexpr char kNotSaved[] = "Nastavení nebylo uloženo\n";

void Print(FILE* stream, const std::string& windows1250) {
  const std::string text = ToTerminal(windows1250);
  std::fwrite(text.data(), 1, text.size(), stream);
}

// A timestamp within the given day on the local clock.
int32_t NoonOf(const CivilDate& day) {
  CivilTime noon;
  static_cast<CivilDate&>(noon) = day;
  noon.hour = 12;
  int64_t time = -1;
  if (!MakeLocalTime(noon, false, &time) || time < 0 || time > INT32_MAX) return -1;
  return static_cast<int32_t>(time);
}

// Checks GPC files; 0 when all are sound, 1 otherwise.
int CheckFiles(const std::vector<std::string>& files) {
  int status = 0;
  for (const std::string& path : files) {
    const std::string file = PathToText(path);
    std::string content;
    if (!ReadWholeFile(path.c_str(), &content)) {
      Print(stdout, file + ": soubor nelze přečíst\n");
      status = 1;
      continue;
    }
    const std::vector<std::string> problems = CheckGpcStatement(content);
    if (problems.empty()) Print(stdout, file + ": v pořádku\n");
    for (const std::string& problem : problems) Print(stdout, file + ": " + problem + "\n");
    if (!problems.empty()) status = 1;
  }
  return status;
}

// The profile as the window program starts it: the current moment as the
// balance date, then the settings file at `configPath` over it.
void LoadProfile(const std::string& configPath) {
  g_accountSettings = AccountSettings();
  g_accountSettings.balanceDate = CurrentTimestamp();
  std::string lengthNote;
  LoadSettingsFrom(configPath.c_str(), &lengthNote);
  if (!lengthNote.empty()) Print(stdout, ShownLogLine(LogKind::kNote, lengthNote.c_str()));
}

// An account typed longer than the profile's field ("19 - 2000145399/0800")
// is kept in its shortest form rather than cut, which would change its
// digits unseen; the bank code, which no field of the format holds, is
// dropped with a line. False, with the line that refuses it, for a text
// that is no account number.
bool KeepAccount(const std::string& typed, AccountSettings* profile) {
  char(&field)[sizeof profile->accountNumber] = profile->accountNumber;
  if (typed.size() < sizeof field) {
    CopyBoundedText(field, typed.data(), typed.size());
    return true;
  }
  AccountNumber account;
  if (!ReadAccountNumber(typed, false, &account)) {
    Print(stdout, ShownLogLine(LogKind::kFailure, kAccountRefusal));
    return false;
  }
  if (!account.bank.empty()) {
    std::string line;
    Render(line, kDroppedBankLine, {account.bank});
    Print(stdout, line);
    account.bank.clear();
  }
  std::string kept = ShownAccount(account);
  if (kept.size() >= sizeof field) {
    // A six-digit prefix: the format's sixteen digits fill the whole field,
    // which a text may.
    kept = AccountField(account);
    std::memcpy(field, kept.data(), sizeof field);
    return true;
  }
  CopyBoundedText(field, kept.data(), kept.size());
  return true;
}

// The values given on the command line over those of the profile; texts
// are cut as the dialogs' edit controls cut them, but an account number.
bool ApplyOptions(const CliOptions& options, AccountSettings* profile) {
  if (options.hasAccount && !KeepAccount(options.account, profile)) return false;
  if (options.hasName) {
    CopyBoundedText(profile->accountName, options.name.data(),
                    std::min<size_t>(options.name.size(), 19));
  }
  if (options.hasBalance) {
    CopyBoundedText(profile->openingBalance, options.balance.data(),
                    std::min<size_t>(options.balance.size(), 15));
  }
  if (options.hasNumber) {
    profile->statementNumber = ParseDigits(options.number.substr(0, 5).c_str());
  }
  if (options.hasFrom) {
    profile->balanceDate =
        CalendarDayToStoredTimestamp(options.from.year, options.from.month, options.from.day);
  }
  return true;
}

// A profile that every run would refuse is not kept: the run is refused for
// the same reason, so nothing is lost by not starting it. False after
// saying why.
bool ProfileWorthSaving() {
  ProfileValues values;
  const std::string refusal = ReadProfileValues(ProfileOf(g_accountSettings), &values);
  if (refusal.empty()) return true;
  Print(stdout, ShownLogLine(LogKind::kFailure, refusal.c_str()));
  std::fflush(stdout);
  Print(stderr, ShownLogLine(LogKind::kFailure, kNotSaved));
  return false;
}

// The export run over the given files, its log on stdout.
ExportOutcome ConvertFiles(const CliOptions& options, const std::string& configPath) {
  ExportRequest request;
  request.files = options.files;
  request.profile = ProfileOf(g_accountSettings);
  request.statementDate = options.hasToday ? NoonOf(options.today) : CurrentTimestamp();
  GpcOutput gpc;
  CamtOutput camt;
  camt.SetIbanAdvice("zadejte jej volbou --iban (u účtu české banky stačí --bank-code)");
  request.outputs.push_back({options.outputPath, &gpc});
  if (!options.camtPath.empty()) request.outputs.push_back({options.camtPath, &camt});
  request.everyFileRequired = true;
  request.settingsPath = configPath.c_str();
  request.balanceFromFile = options.balanceFromFile;
  request.bankCode = options.bankCode;
  request.iban = options.iban;
  const ExportResult result = RunStatementExport(request, [](LogKind kind, const char* line) {
    std::string text = ShownLogLine(kind, line);
    if (text.empty() || text.back() != '\n') text += '\n';
    Print(stdout, text);
  });
  std::fflush(stdout);
  return result.outcome;
}

// Converts the files; with --save the profile is kept too. The exit status.
int Convert(const CliOptions& options) {
  const std::string configPath =
      options.configPath.empty() ? SettingsFilePath() : options.configPath;
  LoadProfile(configPath);
  if (!ApplyOptions(options, &g_accountSettings)) {
    std::fflush(stdout);
    if (options.save) Print(stderr, ShownLogLine(LogKind::kFailure, kNotSaved));
    return 1;
  }
  if (options.save && !ProfileWorthSaving()) return 1;

  const ExportOutcome outcome = ConvertFiles(options, configPath);
  const bool written =
      outcome == ExportOutcome::kWritten || outcome == ExportOutcome::kWrittenWithProblems;
  int status = 1;
  if (outcome == ExportOutcome::kWritten) status = 0;
  if (outcome == ExportOutcome::kWrittenWithProblems) status = 3;
  if (options.save) {
    const std::string refusal =
        SaveSettingsOfRun(configPath, options.files, written ? options.outputPath : "");
    if (!refusal.empty()) {
      Print(stderr, ShownLogLine(LogKind::kFailure, refusal.c_str()));
      status = 1;
    }
  }
  return status;
}

// What only the machine can tell of the options: whether the two files
// written are one, which would leave one statement in place of both, and
// whether the balance day lies after today's statement.
bool CheckRunOptions(const CliOptions& options, std::string* error) {
  if (options.check || options.help || options.version) return true;
  if (!options.camtPath.empty() && SameOutputFile(options.outputPath, options.camtPath)) {
    *error = "volby --output a --camt jmenují týž soubor";
    return false;
  }
  CivilTime now;
  bool summer = false;
  if (options.hasFrom && !options.hasToday && LocalTimeOf(CurrentUnixTime(), &now, &summer) &&
      DayAfter(options.from, now)) {
    *error = "den zůstatku (volba --from) je až po dnešním datu výpisu";
    return false;
  }
  return true;
}

int Run(int argc, char** argv) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(TextArguments(argc, argv), PathArguments(argc, argv), &options, &error) ||
      !CheckRunOptions(options, &error)) {
    Print(stderr, "tarvolo-cli: " + error + "\n" + kCliUsage);
    return 2;
  }
  if (options.help) {
    Print(stdout, kCliUsage);
    return 0;
  }
  if (options.version) {
    Print(stdout, kVersion);
    return 0;
  }
  return options.check ? CheckFiles(options.files) : Convert(options);
}

}  // namespace
}  // namespace tarvolo

int main(int argc, char** argv) { return tarvolo::Run(argc, argv); }
