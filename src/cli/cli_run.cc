#include "cli/cli_run.h"

#include <cstdint>
#include <cstring>

#include "cli/cli_options.h"
#include "cli/cli_profile.h"
#include "cli/column_option.h"
#include "cli/file_check.h"
#include "cli/option_values.h"
#include "cli/output_paths.h"
#include "cli/settings_save.h"
#include "conversion/export/kept_mappings.h"
#include "conversion/export/output_formats.h"
#include "conversion/export/statement_export.h"
#include "conversion/values/dates.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "platform/clock.h"
#include "platform/text_encoding.h"
#include "settings/settings_file.h"
#include "tarvolo_version.h"

namespace tarvolo {
namespace {

constexpr char kVersion[] = "tarvolo-cli " TARVOLO_VERSION "\n";

// A timestamp within the given day on the local clock.
int32_t NoonOf(const CivilDate& day) {
  CivilTime noon;
  static_cast<CivilDate&>(noon) = day;
  noon.hour = 12;
  int64_t time = -1;
  if (!MakeLocalTime(noon, false, &time) || time < 0 || time > INT32_MAX) return -1;
  return static_cast<int32_t>(time);
}

// The export run over the given files, its log put out line by line.
ExportResult ConvertFiles(const CliOptions& options, const ColumnOption& columns,
                          const AccountSettings& profile, const std::string& configPath,
                          const std::vector<CurrencyAccount>& accounts, const CliConsole& console,
                          std::string* refusedPaths) {
  ExportRequest request;
  request.columnMappings = RunMappings(options, columns, configPath, console);
  // The settings files are never written over by a statement, saved or not.
  const std::vector<std::string> kept = {configPath, CurrencyAccountsPath(configPath)};
  request.plannedPaths = [&options, kept, refusedPaths](const std::vector<std::string>& paths,
                                                        const std::vector<std::string>& owners) {
    *refusedPaths = PlannedPathsRefusal(paths, owners, options.files, kept);
    return *refusedPaths;
  };
  request.currencyAccounts = accounts;
  request.currencyAccountAdvice = "volbou --account-for %s=ÚČET (--save jej uloží)";
  request.files = options.files;
  request.profile = ProfileOf(profile);
  request.statementDate = options.hasToday ? NoonOf(options.today) : CurrentTimestamp();
  OutputAdvice advice;
  advice.iban =
      "zadejte jej volbou --iban (u účtu české banky stačí --bank-code), výpisu v jiné "
      "měně volbou --account-for MĚNA=IBAN";
  const auto outputs = AddOutputs(options.outputPaths, advice, &request);
  request.everyFileRequired = true;
  request.checkPeriod = true;
  request.settingsPath = configPath.c_str();
  request.balanceFromFile = options.balanceFromFile;
  request.bankCode = options.bankCode;
  request.iban = options.iban;
  request.vsFromMessage = options.vsFromMessage;
  return RunStatementExport(request, [&console](LogKind kind, const char* line) {
    std::string text = ShownLogLine(kind, line);
    if (text.empty() || text.back() != '\n') text += '\n';
    console.out(text);
  });
}

// Every file the run wrote.
std::vector<std::string> WrittenPaths(const ExportResult& result) {
  std::vector<std::string> paths;
  for (const WrittenStatement& statement : result.statements) {
    paths.insert(paths.end(), statement.paths.begin(), statement.paths.end());
  }
  return paths;
}

// The accounts of the currencies kept beside the profile, those given on
// the command line over them. A kept line that cannot be read is named.
std::vector<CurrencyAccount> AccountsOfRun(const CliOptions& options, const std::string& configPath,
                                           const CliConsole& console) {
  std::vector<std::string> unread;
  std::vector<CurrencyAccount> accounts = LoadCurrencyAccounts(configPath, &unread);
  for (const std::string& line : unread) {
    console.out(ShownLogLine(LogKind::kNote, UnreadAccountLine(configPath, line).c_str()));
  }
  std::string unused;
  for (const CurrencyAccount& account : options.currencyAccounts) {
    AddCurrencyAccount(account, true, &accounts, &unused);
  }
  return accounts;
}

// Converts the files; with --save the profile is kept too. The exit status.
int Convert(const CliOptions& options, const CliConsole& console) {
  const std::string configPath =
      options.configPath.empty() ? SettingsFilePath() : options.configPath;
  AccountSettings profile = LoadCliProfile(configPath, console);
  const std::string twice = BankCodeConflict(
      options, std::string(profile.accountNumber,
                           strnlen(profile.accountNumber, sizeof profile.accountNumber)));
  if (!twice.empty()) {
    console.error("tarvolo-cli: " + twice + "\n" + CliUsage());
    return 2;
  }
  if (!ApplyOptions(options, console, &profile)) {
    if (options.save) console.error(ShownLogLine(LogKind::kFailure, kNotSaved));
    return 1;
  }
  const std::string unread = StoredBalanceRefusal(options, profile);
  if (!unread.empty()) {
    console.out(ShownLogLine(LogKind::kFailure, unread.c_str()));
    if (options.save) console.error(ShownLogLine(LogKind::kFailure, kNotSaved));
    return 1;
  }
  if (options.save && !ProfileWorthSaving(profile, console)) return 1;
  // No output asked for may be a settings file, whatever the run finds.
  std::vector<std::string> asked;
  for (const std::string& path : options.outputPaths) {
    if (!path.empty()) asked.push_back(path);
  }
  const std::string overSettings =
      PlannedPathsRefusal(asked, {}, {}, {configPath, CurrencyAccountsPath(configPath)});
  if (!overSettings.empty()) {
    console.error("tarvolo-cli: " + overSettings + CliUsage());
    return 2;
  }
  // A save that cannot succeed is found before the statement is written.
  std::vector<std::string> saved = {configPath};
  if (!options.currencyAccounts.empty()) saved.push_back(CurrencyAccountsPath(configPath));
  const std::string unsaved = options.save ? SaveRefusal(saved, options.files) : "";
  if (!unsaved.empty()) {
    console.error("tarvolo-cli: " + unsaved + CliUsage());
    return 2;
  }

  ColumnOption columns;
  std::string error;
  if (!ReadColumnOption(options, &columns, &error)) {
    console.error("tarvolo-cli: " + error + "\n");
    return 2;
  }
  const std::vector<CurrencyAccount> accounts = AccountsOfRun(options, configPath, console);
  std::string refusedPaths;
  const ExportResult result =
      ConvertFiles(options, columns, profile, configPath, accounts, console, &refusedPaths);
  if (!refusedPaths.empty()) {
    console.error("tarvolo-cli: " + refusedPaths + CliUsage());
    return 2;
  }
  int status = 1;
  if (result.outcome == ExportOutcome::kWritten) status = 0;
  if (result.outcome == ExportOutcome::kWrittenWithProblems) status = 3;
  // A save that fails after the statements were written leaves them sound:
  // the run warns.
  const int unsavedStatus = status == 1 ? 1 : 3;
  // A mapping is kept only once the files it was given for converted by it.
  if (options.save && options.hasColumns) {
    const std::string path = KeptMappingsPath(configPath);
    const std::string refusal =
        status == 1 ? std::string("Převod sloupců nebyl uložen: výpis jím nebyl zapsán\n")
                    : KeepMapping(path, columns.mapping, columns.headers);
    if (!refusal.empty()) {
      console.error(ShownLogLine(LogKind::kFailure, refusal.c_str()));
      status = unsavedStatus;
    } else {
      console.out("Převod sloupců uložen do souboru " + PathToText(path) + "\n");
    }
  }
  if (options.save) {
    const std::string refusal =
        SaveSettingsOfRun(configPath, profile, options.files, WrittenPaths(result));
    if (!refusal.empty()) {
      console.error(ShownLogLine(LogKind::kFailure, refusal.c_str()));
      status = unsavedStatus;
    } else if (!options.currencyAccounts.empty() && !SaveCurrencyAccounts(configPath, accounts)) {
      const std::string line = "Účty měn se nepodařilo uložit do souboru " +
                               PathToText(CurrencyAccountsPath(configPath)) + "\n";
      console.error(ShownLogLine(LogKind::kFailure, line.c_str()));
      status = unsavedStatus;
    }
  }
  return status;
}

// What only the machine can tell of the options: whether two files written
// are one, and whether the balance day lies after today's statement.
bool CheckRunOptions(const CliOptions& options, std::string* error) {
  if (options.check || options.help || options.version) return true;
  if (!CheckOptionValues(options, error)) return false;
  ColumnMapping mapping;
  if (options.hasColumns && !ParseColumnMapping(options.columns, &mapping, error)) {
    *error = "volba --columns: " + *error;
    return false;
  }
  if (!OutputFilesApart(options.outputPaths, error) ||
      !OutputsApartFromInputs(options.outputPaths, options.files, error)) {
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

}  // namespace

int RunCli(const std::vector<std::string>& texts, const std::vector<std::string>& paths,
           const CliConsole& console) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(texts, paths, &options, &error) || !CheckRunOptions(options, &error)) {
    console.error("tarvolo-cli: " + error + "\n" + CliUsage());
    return 2;
  }
  if (options.help) {
    console.out(CliUsage());
    return 0;
  }
  if (options.version) {
    console.out(kVersion);
    return 0;
  }
  return options.check ? CheckFiles(options.files, console) : Convert(options, console);
}

}  // namespace tarvolo
