// Handlers of the account settings dialog: it edits the account number and
// name, which no binding covers.
#include <cstring>

#include "settings/account_settings.h"
#include "settings/bounded_text.h"
#include "settings/settings_file.h"
#include "ui/activity_log_pane.h"
#include "ui/control_binding.h"
#include "ui/dialog_proc.h"
#include "ui/handlers.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {
namespace {

// Copies at most sizeof(field) - 1 characters of the edit's text, and a NUL,
// into the field.
template <size_t N>
void TakeEditText(HWND window, int controlId, char (&field)[N]) {
  char text[N] = {};
  GetDlgItemTextA(window, controlId, text, N);
  CopyBoundedText(field, text, strnlen(text, N));
}

// Shows a field that may fill its whole size without a NUL.
template <size_t N>
void ShowField(HWND window, int controlId, const char (&field)[N]) {
  char text[N + 1];
  CopyBoundedText(text, field, strnlen(field, N));
  SetDlgItemTextA(window, controlId, text);
}

}  // namespace

int OnSettingsOpen(HWND window) {
  ShowField(window, IDC_ACCOUNT_NUMBER, g_accountSettings.accountNumber);
  ShowField(window, IDC_ACCOUNT_NAME, g_accountSettings.accountName);
  LoadControls(window);
  return 1;
}

int OnSettingsClose(HWND) { return 1; }

int OnSaveSettings(HWND window, ControlBinding*) {
  StoreControls(window);
  TakeEditText(window, IDC_ACCOUNT_NUMBER, g_accountSettings.accountNumber);
  TakeEditText(window, IDC_ACCOUNT_NAME, g_accountSettings.accountName);
  if (!SaveSettings()) {
    // Otherwise the user would believe the profile is kept.
    AppendLog(LogKind::kFailure, "Nastavení se nepodařilo uložit\n",
              g_dialogTable[kMainSlot].window);
  }
  CloseDialog(window);
  return 1;
}

}  // namespace tarvolo
