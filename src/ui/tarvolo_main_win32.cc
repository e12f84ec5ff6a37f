// The program's entry: the profile, then the main dialog until it closes.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "conversion/values/dates.h"
#include "settings/account_settings.h"
#include "settings/settings_file.h"
#include "ui/dialog_proc.h"
#include "ui/file_selection.h"
#include "ui/handlers.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tarvolo;
  g_instance = instance;
  // What Explorer passes when statements are dropped onto the program's
  // icon or sent to it: nothing but file names, there are no options.
  for (int i = 1; i < __argc; ++i) g_startFiles.push_back(__argv[i]);
  // The balance-date calendar is a common control of version 6.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  g_accountSettings.balanceDate = CurrentTimestamp();
  LoadSettings(&g_startupSettingsNote);
  OpenDialog(kMainSlot);
  return 0;
}
