#ifndef TARVOLO_SETTINGS_WHOLE_FILE_H_
#define TARVOLO_SETTINGS_WHOLE_FILE_H_

#include <cstddef>
#include <string>

namespace tarvolo {

// Reads a whole file into `content` (whose c_str() is the NUL-terminated
// text; a NUL byte in the file ends the text there). Returns false, with
// `content` empty, when the file cannot be opened, is 4 GiB or larger, or
// cannot be held in memory.
bool ReadWholeFile(const char* path, std::string* content);

// Writes `size` bytes as the file `path` so that it is never left half
// written: the bytes go to a temporary file beside it, which then replaces
// the old file. On failure the old file stays as it was and false is
// returned.
bool WriteWholeFile(const char* path, const char* data, size_t size);

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_WHOLE_FILE_H_
