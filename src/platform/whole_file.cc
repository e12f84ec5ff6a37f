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
  bool ok = (identity == nullptr || IdentityOfFile(file, identity)) && FileSizeOf(file, &size) && size <= kLargestFile && size < content->max_size();
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

namespace {

// Reads back the whole of a file just written; false when it cannot be held.
bool ReadBack(FileHandle file, std::string* bytes) {
  uint64_t size = 0;
  if (!RewindFile(file) || !FileSizeOf(file, &size) || size >= bytes->max_size()) return false;
  try {
    bytes->resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    return false;
  }
  bytes->resize(ReadFromFile(file, &(*bytes)[0], bytes->size()));
  return true;
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
  if (written && check) {
    std::string bytes;
    written = ReadBack(file, &bytes);
    try {
      if (written) check(bytes);
    } catch (const std::bad_alloc&) {
      written = false;  // the temporary file must not stay behind
    }
  }
  CloseFile(file);
  if (!written || !ReplaceFileWith(path, temporary.c_str())) {
    RemoveFile(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tarvolo
