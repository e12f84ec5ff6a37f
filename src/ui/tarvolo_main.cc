// The program's entry: the profile, then the main dialog until it closes.
#include <windows.h>
#include <commctrl.h>

#include "conversion/dates.h"
#include "settings/account_settings.h"
#include "settings/settings_file.h"
#include "ui/dialog_proc.h"
#include "ui/handlers.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tarvolo;
  g_instance = instance;
  // The balance-date calendar is a common control of version 6.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  g_accountSettings.balanceDate = CurrentTimestamp();
  LoadSettings(&g_startupSettingsNote);
  OpenDialog(kMainSlot);
  return 0;
}
