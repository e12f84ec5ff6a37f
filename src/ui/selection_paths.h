#ifndef TARVOLO_UI_SELECTION_PATHS_H_
#define TARVOLO_UI_SELECTION_PATHS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace tarvolo {

// The paths of a file dialog's selection, in their order, for the run.
// `selection` holds NUL-terminated strings ended by an empty one: one file's
// full path, or a folder followed by names in it (an empty folder before
// full paths). Nothing past `size` bytes is read. A selection of no names
// gives no paths.
std::vector<std::string> SelectFiles(const char* selection, size_t size);

// The log line that names the chosen files, with their count: by their
// names after their folder when they share one, else by their full paths.
std::string SelectionLine(const std::vector<std::string>& paths);

}  // namespace tarvolo

#endif  // TARVOLO_UI_SELECTION_PATHS_H_
