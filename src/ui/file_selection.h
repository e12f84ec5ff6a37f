#ifndef TARVOLO_UI_FILE_SELECTION_H_
#define TARVOLO_UI_FILE_SELECTION_H_

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tarvolo {

// The last file selection: NUL-terminated strings ended by an empty one,
// either one file's full path or a folder followed by names in it. Large
// enough for a year of statements with long names chosen at once.
constexpr size_t kSelectedFilesSize = 32768;
extern char g_selectedFiles[kSelectedFilesSize];

// Makes these files the selection, as a choice in the file dialog would, and
// logs it in the pane of `window`. They may lie in several folders, so the
// selection holds an empty folder followed by their full paths. A folder, a
// missing file, anything but a regular file or a file that no longer fits
// gets its line in the log and is left out. The current folder becomes the
// first file's, where the file dialog leaves it, so that "export.gpc" is
// written beside the statements.
void SelectGivenFiles(const std::vector<std::string>& paths, HWND window);

// Files dropped onto the main dialog become the selection.
void OnDropFiles(HWND window, HDROP drop);

// Files named on the command line; the main dialog selects them when it
// opens, after its start-up notice.
extern std::vector<std::string> g_startFiles;

}  // namespace tarvolo

#endif  // TARVOLO_UI_FILE_SELECTION_H_
