#ifndef TARVOLO_UI_SELECTION_PATHS_H_
#define TARVOLO_UI_SELECTION_PATHS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace tarvolo {

// The paths of a file dialog's selection, in their order, for the run.
// `selection` holds NUL-terminated strings ended by an empty one: one file's
// full path, or a folder followed by names in it (an empty folder before
// full paths). Nothing past `size` bytes is read. The first name is taken
// before the end of the list is looked for, so a selection of no names
// gives one empty path, which the run passes over.
std::vector<std::string> SelectFiles(const char* selection, size_t size);

}  // namespace tarvolo

#endif  // TARVOLO_UI_SELECTION_PATHS_H_
