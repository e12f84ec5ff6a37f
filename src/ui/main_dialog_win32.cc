// Handlers of the main dialog: its opening and closing, the settings button
// and the conversion run.
#include "ui/handlers.h"

#include "conversion/export/kept_mappings.h"
#include "conversion/export/output_formats.h"
#include "conversion/export/statement_export.h"
#include "conversion/reading/statement_reading.h"
#include "conversion/values/dates.h"
#include "conversion/values/profile_values.h"
#include "settings/settings_file.h"
#include "ui/activity_log.h"
#include "ui/activity_log_pane.h"
#include "ui/control_binding.h"
#include "ui/dialog_proc.h"
#include "ui/file_selection.h"
#include "ui/selection_paths.h"

namespace tarvolo {

namespace {
const char kStartupNotice[] =
    "Program TARVOLO slouží k převedení výpisů z internetového bankovnictví Servis24 České "
    "spořitelny do formátu ABO použitelného k importu výpisů v účetních programech.\n"
    "Používání tohoto programu je na vlastní zodpovědnost\n\n";

// The statements read besides Servis24's, by the names their users know.
std::string OtherLayoutsLine() {
  std::string line = "Kromě výpisů Servis24 program rozpozná také výpisy: ";
  for (const char* name : KnownLayoutNames()) line += std::string(name) + ", ";
  // Any other file whose header names a date and an amount is read too.
  line.replace(line.size() - 2, 2, " a obecný CSV.\n");
  return line;
}
}  // namespace

std::string g_startupSettingsNote;

int OnMainOpen(HWND window) {
  AppendLog(LogKind::kNote, kStartupNotice, window);
  AppendLog(LogKind::kInformation, OtherLayoutsLine().c_str(), window);
  if (!g_startupSettingsNote.empty()) {
    AppendLog(LogKind::kNote, g_startupSettingsNote.c_str(), window);
  }
  LoadControls(window);
  // Files dropped from Explorer are selected as if chosen in the file dialog.
  DragAcceptFiles(window, TRUE);
  if (!g_startFiles.empty()) {
    SelectGivenFiles(g_startFiles, window);
    g_startFiles.clear();
  }
  return 1;
}

int OnMainClose(HWND window) {
  StoreControls(window);
  SaveSettings();
  return 1;
}

int OnOpenSettings(HWND, ControlBinding*) {
  OpenDialog(kSettingsSlot);
  return 1;
}

namespace {

// What the run needs from the user before it may write: chosen files, and
// the own account, without which the statement would name account
// 0000000000000000 and the accounting program could not tell whose it is.
// Logs what is missing; whether nothing is.
bool ReadyToRun(const ExportRequest& request, HWND window) {
  bool ready = true;
  if (request.files.empty()) {
    AppendLog(LogKind::kFailure,
              "Nejsou vybrány žádné soubory: vyberte je tlačítkem „Vybrat soubory .csv z IB "
              "Servis24“, nic nebylo zapsáno\n",
              window);
    ready = false;
  }
  if (ProfileAccountField(request.profile.accountNumber) == std::string(16, '0')) {
    AppendLog(LogKind::kFailure,
              "Není zadáno číslo účtu: doplňte je v „Nastavení účtu“, výpis nebyl zapsán\n",
              window);
    ready = false;
  }
  return ready;
}

// The file `name` in the current folder, where the selection left it, by its
// full path, so that the log says where the statement was written.
std::string InCurrentFolder(const char* name) {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return name;
  std::string folder(needed, '\0');
  const DWORD length = GetCurrentDirectoryA(needed, &folder[0]);
  if (length == 0 || length >= needed) return name;
  folder.resize(length);
  if (folder.back() != '\\') folder += '\\';
  return folder + name;
}

}  // namespace

int StatementExport(HWND window, ControlBinding*) {
  StoreControls(window);
  ExportRequest request;
  request.files = SelectFiles(g_selectedFiles, sizeof g_selectedFiles);
  request.profile = ProfileOf(g_accountSettings);
  const uint64_t runStart = LogPosition(g_activityLog);
  if (!ReadyToRun(request, window)) {
    ShowRunEnd(runStart, window);
    return 1;
  }
  request.statementDate = CurrentTimestamp();
  request.checkPeriod = true;
  // The window offers no choice of formats: it writes them all.
  std::vector<std::string> paths;
  for (const OutputFormat& format : OutputFormats()) {
    paths.push_back(format.runReport ? std::string() : InCurrentFolder(format.defaultFile));
  }
  OutputAdvice advice;
  // The window has no place for an IBAN; only the files can tell it.
  advice.iban = "zadejte jej v účetním programu ručně, nebo importujte soubor ABO";
  const auto outputs = AddOutputs(paths, advice, &request);
  const std::string settingsPath = SettingsFilePath();
  request.settingsPath = settingsPath.c_str();
  // The column mappings taught from the command line serve here too.
  std::string note;
  request.columnMappings = LoadKeptMappings(KeptMappingsPath(settingsPath), &note);
  if (!note.empty()) AppendLog(LogKind::kNote, note.c_str(), window);
  // The accounts of other currencies are given and kept by tarvolo-cli.
  std::vector<std::string> unread;
  request.currencyAccounts = LoadCurrencyAccounts(settingsPath, &unread);
  for (const std::string& line : unread) {
    AppendLog(LogKind::kNote, UnreadAccountLine(settingsPath, line).c_str(), window);
  }
  RunStatementExport(request,
                     [window](LogKind kind, const char* line) { AppendLog(kind, line, window); });
  ShowRunEnd(runStart, window);
  return 1;
}

}  // namespace tarvolo
