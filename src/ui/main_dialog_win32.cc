// Handlers of the main dialog: its opening and closing, the settings button
// and the conversion run.
#include "ui/handlers.h"

#include "conversion/camt/camt_output.h"
#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/reading/statement_layout.h"
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

int StatementExport(HWND window, ControlBinding*) {
  StoreControls(window);
  ExportRequest request;
  request.files = SelectFiles(g_selectedFiles, sizeof g_selectedFiles);
  request.profile = ProfileOf(g_accountSettings);
  request.statementDate = CurrentTimestamp();
  GpcOutput gpc;
  // The same statement for the programs that import camt.053 (SEPA XML).
  CamtOutput camt;
  request.outputs = {{"export.gpc", &gpc}, {"export.xml", &camt}};
  const std::string settingsPath = SettingsFilePath();
  request.settingsPath = settingsPath.c_str();
  const uint64_t runStart = LogPosition(g_activityLog);
  RunStatementExport(request,
                     [window](LogKind kind, const char* line) { AppendLog(kind, line, window); });
  ShowFirstWarning(runStart, window);
  return 1;
}

}  // namespace tarvolo
