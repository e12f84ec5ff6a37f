#ifndef TARVOLO_UI_HANDLERS_H_
#define TARVOLO_UI_HANDLERS_H_

#include <windows.h>

#include <string>

#include "ui/dialog_table.h"

namespace tarvolo {

// A line about the settings file read at start-up, logged after the
// start-up notice; empty when there is nothing to say.
extern std::string g_startupSettingsNote;

// The handlers that the dialog and binding tables name. Each returns 1.

int OnMainOpen(HWND window);
int OnMainClose(HWND window);
int OnSettingsOpen(HWND window);
int OnSettingsClose(HWND window);

int OnSelectFiles(HWND window, ControlBinding* binding);
int OnOpenSettings(HWND window, ControlBinding* binding);
int OnSaveSettings(HWND window, ControlBinding* binding);

// The conversion run of button 1002: takes the main dialog's fields into the
// profile, converts the selected files into "export.gpc" in the current
// folder and reports in the log pane of `window`.
int StatementExport(HWND window, ControlBinding* binding);

}  // namespace tarvolo

#endif  // TARVOLO_UI_HANDLERS_H_
