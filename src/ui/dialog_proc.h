#ifndef TARVOLO_UI_DIALOG_PROC_H_
#define TARVOLO_UI_DIALOG_PROC_H_

#include <windows.h>

#include "ui/dialog_table.h"

namespace tarvolo {

// The one dialog procedure of both dialogs: everything it does comes from
// the dialog and binding tables.
INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog of `slot` modally without an owner window; when it is open
// already, brings it to the front instead.
void OpenDialog(int slot);

// Runs the dialog's close handler and ends its modal run. Serves also as the
// click handler of the buttons that close a dialog.
int CloseDialog(HWND window, ControlBinding* binding = nullptr);

}  // namespace tarvolo

#endif  // TARVOLO_UI_DIALOG_PROC_H_
