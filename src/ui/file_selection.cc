#include "ui/file_selection.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "ui/activity_log_pane.h"
#include "ui/handlers.h"

namespace tarvolo {

char g_selectedFiles[kSelectedFilesSize] = {};

namespace {

OPENFILENAMEA g_openFileRequest;

// The dialog runs without an owner, so the main dialog's button stays
// usable while it is open; a second run would reuse the request and the
// buffer that the first one is still filling.
bool g_fileDialogOpen = false;

}  // namespace

int OnSelectFiles(HWND window, ControlBinding*) {
  if (g_fileDialogOpen) return 1;
  std::memset(&g_openFileRequest, 0, sizeof g_openFileRequest);
  g_openFileRequest.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  g_openFileRequest.hwndOwner = nullptr;
  g_openFileRequest.lpstrFilter = "Soubory s výpisy\0*.csv\0";
  g_openFileRequest.nFilterIndex = 1;
  // A cleared buffer ends every list the dialog writes with an empty string,
  // whatever an earlier selection left behind.
  std::memset(g_selectedFiles, 0, sizeof g_selectedFiles);
  g_openFileRequest.lpstrFile = g_selectedFiles;
  // The last byte stays NUL, so the list always ends inside the buffer.
  g_openFileRequest.nMaxFile = sizeof g_selectedFiles - 1;
  g_openFileRequest.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_LONGNAMES;

  g_fileDialogOpen = true;
  BOOL chosen = GetOpenFileNameA(&g_openFileRequest);
  g_fileDialogOpen = false;

  if (chosen) {
    AppendLog("Byly vybrány soubory...\n", window);
  } else {
    // A selection too large for the buffer leaves the size it needed in its
    // first bytes; that must not be read as a path.
    std::memset(g_selectedFiles, 0, sizeof g_selectedFiles);
    AppendLog("Není nic vybráno!!!\n", window);
  }
  return 1;
}

}  // namespace tarvolo
