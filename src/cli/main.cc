// tarvolo-cli: the conversion run of the window program for scripts and
// batch use, with the same profile file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/settings_save.h"
#include "conversion/dates.h"
#include "conversion/gpc_check.h"
#include "conversion/profile_values.h"
#include "conversion/statement_export.h"
#include "platform/clock.h"
#include "platform/text_encoding.h"
#include "settings/account_settings.h"
#include "settings/parse_digits.h"
#include "settings/settings_file.h"
#include "settings/whole_file.h"
#include "tarvolo_version.h"

namespace tarvolo {
namespace {

constexpr char kVersion[] = "tarvolo-cli " TARVOLO_VERSION "\n";

void Print(FILE* stream, const std::string& windows1250) {
  const std::string text = ToTerminal(windows1250);
  std::fwrite(text.data(), 1, text.size(), stream);
}

// Puts at most `limit` characters and a NUL over the start of a field, as
// the dialogs take texts from their edit controls.
void TakeText(char* field, size_t fieldSize, const std::string& text, size_t limit) {
  const size_t length = std::min({text.size(), limit, fieldSize - 1});
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

// A timestamp within the given day on the local clock.
int32_t NoonOf(const CalendarDay& day) {
  CivilTime noon;
  noon.year = day.year;
  noon.month = day.month;
  noon.day = day.day;
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

int Run(int argc, char** argv) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(TextArguments(argc, argv), PathArguments(argc, argv), &options, &error)) {
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
  if (options.check) return CheckFiles(options.files);

  // The profile starts as the window program's does: the current moment as
  // the balance date, then the settings file over it.
  AccountSettings& profile = g_accountSettings;
  profile = AccountSettings();
  profile.balanceDate = CurrentTimestamp();
  const std::string configPath =
      options.configPath.empty() ? SettingsFilePath() : options.configPath;
  std::string lengthNote;
  LoadSettingsFrom(configPath.c_str(), &lengthNote);
  if (!lengthNote.empty()) Print(stdout, lengthNote);

  if (options.hasAccount) {
    TakeText(profile.accountNumber, sizeof profile.accountNumber, options.account, 15);
  }
  if (options.hasName) TakeText(profile.accountName, sizeof profile.accountName, options.name, 19);
  if (options.hasBalance) {
    TakeText(profile.openingBalance, sizeof profile.openingBalance, options.balance, 15);
  }
  if (options.hasNumber) profile.statementNumber = ParseDigits(options.number.substr(0, 5).c_str());
  if (options.hasFrom) {
    profile.balanceDate =
        CalendarDayToStoredTimestamp(options.from.year, options.from.month, options.from.day);
  }

  // A profile that every run would refuse is not kept: the run is refused
  // for the same reason, so nothing is lost by not starting it.
  ProfileValues values;
  const char* refusal = options.save ? ReadProfileValues(&values) : nullptr;
  if (refusal) {
    Print(stdout, refusal);
    std::fflush(stdout);
    Print(stderr, "Nastavení nebylo uloženo!!!\n");
    return 1;
  }

  // Files given on the command line may lie in different folders: an empty
  // folder followed by the full names.
  std::string selection(1, '\0');
  for (const std::string& file : options.files) selection += file + '\0';
  selection += '\0';

  ExportRequest request;
  request.selection = selection.data();
  request.selectionSize = selection.size();
  request.statementDate = options.hasToday ? NoonOf(options.today) : CurrentTimestamp();
  request.outputPath = options.outputPath.c_str();
  request.everyFileRequired = true;
  request.settingsPath = configPath.c_str();
  request.balanceFromFile = options.balanceFromFile;
  const ExportOutcome outcome = RunStatementExport(request, [](const char* line) {
    std::string text = line;
    if (text.empty() || text.back() != '\n') text += '\n';
    Print(stdout, text);
  });
  std::fflush(stdout);

  const bool written = outcome == ExportOutcome::kWritten ||
                       outcome == ExportOutcome::kWrittenWithProblems;
  int status = 1;
  if (outcome == ExportOutcome::kWritten) status = 0;
  if (outcome == ExportOutcome::kWrittenWithProblems) status = 3;
  if (options.save) {
    const std::string refusal =
        SaveSettingsOfRun(configPath, options.files, written ? options.outputPath : "");
    if (!refusal.empty()) {
      Print(stderr, refusal);
      status = 1;
    }
  }
  return status;
}

}  // namespace
}  // namespace tarvolo

int main(int argc, char** argv) { return tarvolo::Run(argc, argv); }
