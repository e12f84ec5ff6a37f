#include "ui/file_selection.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "conversion/values/fixed_width.h"
#include "ui/activity_log_pane.h"
#include "ui/handlers.h"
#include "ui/selection_paths.h"

namespace tarvolo {

char g_selectedFiles[kSelectedFilesSize] = {};
std::vector<std::string> g_startFiles;

namespace {

OPENFILENAMEA g_openFileRequest;

// The dialog runs without an owner, so the main dialog's button stays
// usable while it is open; a second run would reuse the request and the
// buffer that the first one is still filling.
bool g_fileDialogOpen = false;

// Names the chosen files, so that the user sees what the next run converts.
void LogSelection(HWND window) {
  AppendLog(LogKind::kInformation,
            SelectionLine(SelectFiles(g_selectedFiles, sizeof g_selectedFiles)).c_str(), window);
}

enum class PathKind { kFile, kFolder, kMissing, kOther };

// Asks for no access, so that a statement another program holds open still
// counts as a file.
PathKind KindOf(const std::string& path) {
  HANDLE handle =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return PathKind::kMissing;
  BY_HANDLE_FILE_INFORMATION information = {};
  PathKind kind = PathKind::kOther;
  if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information)) {
    kind = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder
                                                                     : PathKind::kFile;
  }
  CloseHandle(handle);
  return kind;
}

// A name relative to the current folder would change meaning with the next
// file dialog, which moves that folder.
std::string FullPathOf(const std::string& path) {
  const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string full(needed, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), needed, &full[0], nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

void LogLeftOut(const char* format, const std::string& path, HWND window) {
  std::string line;
  Render(line, format, {path});
  AppendLog(LogKind::kFileWarning, line.c_str(), window);
}

}  // namespace

void SelectGivenFiles(const std::vector<std::string>& paths, HWND window) {
  std::memset(g_selectedFiles, 0, sizeof g_selectedFiles);
  // The empty first string is the folder: every name after it is whole.
  size_t end = 1;
  std::string firstFolder;
  for (const std::string& given : paths) {
    const std::string path = FullPathOf(given);
    switch (KindOf(path)) {
      case PathKind::kFolder:
        LogLeftOut("Složka %s nebyla vybrána, vyberte soubory v ní\n", path, window);
        continue;
      case PathKind::kMissing:
        LogLeftOut("Soubor %s nebyl nalezen, nebyl vybrán\n", path, window);
        continue;
      case PathKind::kOther:
        LogLeftOut("%s není soubor s výpisem, nebyl vybrán\n", path, window);
        continue;
      case PathKind::kFile:
        break;
    }
    // The same statement twice would count its items twice.
    bool twice = false;
    for (size_t at = 1; at < end && !twice; at += std::strlen(g_selectedFiles + at) + 1) {
      twice = lstrcmpiA(g_selectedFiles + at, path.c_str()) == 0;
    }
    if (twice) {
      LogLeftOut("Soubor %s už je vybrán, podruhé nebyl vybrán\n", path, window);
      continue;
    }
    // Its NUL, the closing empty string and the buffer's last byte, which
    // always stays NUL.
    if (end + path.size() + 2 >= sizeof g_selectedFiles) {
      LogLeftOut("Soubor %s se do výběru už nevejde, nebyl vybrán\n", path, window);
      continue;
    }
    std::memcpy(g_selectedFiles + end, path.data(), path.size());
    end += path.size() + 1;
    if (firstFolder.empty()) firstFolder = path.substr(0, path.find_last_of("\\/") + 1);
  }
  if (firstFolder.empty()) {
    AppendLog(LogKind::kFailure, "Není nic vybráno\n", window);
    return;
  }
  SetCurrentDirectoryA(firstFolder.c_str());
  LogSelection(window);
}

void OnDropFiles(HWND window, HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    path.resize(DragQueryFileA(drop, i, &path[0], length + 1));
    paths.push_back(path);
  }
  DragFinish(drop);
  SelectGivenFiles(paths, window);
}

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
    LogSelection(window);
  } else {
    // A selection too large for the buffer leaves the size it needed in its
    // first bytes; that must not be read as a path.
    std::memset(g_selectedFiles, 0, sizeof g_selectedFiles);
    AppendLog(LogKind::kFailure, "Není nic vybráno\n", window);
  }
  return 1;
}

}  // namespace tarvolo
