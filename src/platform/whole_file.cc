#include "platform/whole_file.h"

#include <cstdint>
#include <new>
#include <stdexcept>

#include "platform/file.h"

namespace tarvolo {

// The size field of the file system read is 32 bits wide: larger files are
// refused rather than read in part.
constexpr uint64_t kLargestFile = 0xFFFFFFFEull;

bool ReadWholeFile(const char* path, std::string* content, FileIdentity* identity) {
  content->clear();
  const FileHandle file = OpenFileForReading(path);
  if (file == kNoFile) return false;
  uint64_t size = 0;
  bool ok = (identity == nullptr || IdentityOfFile(file, identity)) && FileSizeOf(file, &size) &&
            size <= kLargestFile && size < content->max_size();
  if (ok) {
    try {
      content->reserve(static_cast<size_t>(size));
      PreferLargePages(&(*content)[0], static_cast<size_t>(size));
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

namespace {

// Shows `check` the whole of a file just written, as the file holds it; false
// when it cannot be mapped or the check runs out of memory.
bool CheckWrittenFile(FileHandle file, const WrittenBytesCheck& check) {
  uint64_t size = 0;
  FileView view;
  if (!FileSizeOf(file, &size) || size != static_cast<size_t>(size) ||
      !MapFile(file, static_cast<size_t>(size), &view)) {
    return false;
  }
  bool checked = true;
  try {
    check(std::string_view(view.data, view.size));
  } catch (const std::bad_alloc&) {
    checked = false;
  }
  UnmapFile(&view);
  return checked;
}

}  // namespace

bool WriteWholeFile(const char* path, const char* data, size_t size,
                    const WrittenBytesCheck& check) {
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::kOther) return false;
  std::string temporary;
  const FileHandle file = CreateTemporaryFileBeside(path, &temporary);
  if (file == kNoFile) return false;
  bool written = WriteToFile(file, data, size);
  // A failed check must not leave the temporary file behind.
  if (written && check) written = CheckWrittenFile(file, check);
  CloseFile(file);
  if (!written || !ReplaceFileWith(path, temporary.c_str())) {
    RemoveFile(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tarvolo
