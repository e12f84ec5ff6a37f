#ifndef TARVOLO_UI_FILE_SELECTION_H_
#define TARVOLO_UI_FILE_SELECTION_H_

#include <cstddef>

namespace tarvolo {

// The last file selection: NUL-terminated strings ended by an empty one,
// either one file's full path or a folder followed by names in it. Large
// enough for a year of statements with long names chosen at once.
constexpr size_t kSelectedFilesSize = 32768;
extern char g_selectedFiles[kSelectedFilesSize];

}  // namespace tarvolo

#endif  // TARVOLO_UI_FILE_SELECTION_H_
