#include "settings/whole_file.h"

#include <cstdint>
#include <new>
#include <stdexcept>

#include "platform/file.h"

namespace tarvolo {

// The size field of the file system read is 32 bits wide: larger files are
// refused rather than read in part.
constexpr uint64_t kLargestFile = 0xFFFFFFFEull;

bool ReadWholeFile(const char* path, std::string* content) {
  content->clear();
  const FileHandle file = OpenFileForReading(path);
  if (file == kNoFile) return false;
  uint64_t size = 0;
  bool ok = FileSizeOf(file, &size) && size <= kLargestFile && size < content->max_size();
  if (ok) {
    try {
      content->resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
      ok = false;
    } catch (const std::length_error&) {
      ok = false;
    }
  }
  if (ok) content->resize(ReadFromFile(file, &(*content)[0], content->size()));
  CloseFile(file);
  if (!ok) {
    content->clear();
    content->shrink_to_fit();
  }
  return ok;
}

bool WriteWholeFile(const char* path, const char* data, size_t size) {
  const std::string temporary = std::string(path) + ".tmp";
  const FileHandle file = CreateFileForWriting(temporary.c_str());
  if (file == kNoFile) return false;
  const bool written = WriteToFile(file, data, size);
  CloseFile(file);
  if (!written || !ReplaceFileWith(path, temporary.c_str())) {
    RemoveFile(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tarvolo
