#include "platform/whole_file.h"

#include <cstdint>
#include <new>

#include "platform/file.h"

namespace tarvolo {

// The size field of the file system read is 32 bits wide: larger files are
// refused rather than read in part.
constexpr uint64_t kLargestFile = 0xFFFFFFFEull;

void FileBytes::Shorten(size_t size) {
  if (size >= size_) return;
  size_ = size;
  data_[size] = '\0';
}

bool FileBytes::Allocate(size_t size) {
  size_ = 0;
  data_.reset();
  if (size == SIZE_MAX) return false;
  data_.reset(new (std::nothrow) char[size + 1]);
  if (data_ == nullptr) return false;
  PreferLargePages(data_.get(), size + 1);
  size_ = size;
  data_[size] = '\0';
  return true;
}

bool ReadWholeFile(const char* path, FileBytes* content, FileIdentity* identity) {
  content->Allocate(0);
  const FileHandle file = OpenFileForReading(path);
  if (file == kNoFile) return false;
  uint64_t size = 0;
  bool ok = (identity == nullptr || IdentityOfFile(file, identity)) && FileSizeOf(file, &size) &&
            size <= kLargestFile && size < SIZE_MAX && content->Allocate(static_cast<size_t>(size));
  if (ok) {
    content->Shorten(ReadFromFile(file, content->data(), static_cast<size_t>(size)));
  } else {
    content->Allocate(0);
  }
  CloseFile(file);
  return ok;
}

bool ReadWholeFile(const char* path, std::string* content, FileIdentity* identity) {
  content->clear();
  FileBytes bytes;
  if (!ReadWholeFile(path, &bytes, identity)) return false;
  try {
    content->assign(bytes.data(), bytes.size());
  } catch (const std::bad_alloc&) {
    content->clear();
    return false;
  }
  return true;
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

namespace {

// Writes and checks one file under a temporary name beside `path`, which
// `temporary` gets; false (and nothing left behind) when it fails.
bool WriteTemporary(const FileToWrite& file, std::string* temporary) {
  if (KindOfPath(file.path) == PathKind::kOther) return false;
  const FileHandle handle = CreateTemporaryFileBeside(file.path, temporary);
  if (handle == kNoFile) return false;
  const BytesWriter write = [handle](std::string_view bytes) {
    return WriteToFile(handle, bytes.data(), bytes.size());
  };
  bool written = file.content ? file.content(write) : write(file.bytes);
  // Checked before it is flushed: the check reads the bytes the file holds
  // all the same, while the system writes them out to the disk beside it,
  // and the flush that follows then waits for little. A failed check must
  // not leave the temporary file behind.
  if (written) StartFlushingFile(handle);
  if (written && file.check) written = CheckWrittenFile(handle, file.check);
  written = written && FlushFile(handle);
  CloseFile(handle);
  if (!written) RemoveFile(temporary->c_str());
  return written;
}

}  // namespace

bool WriteWholeFiles(const std::vector<FileToWrite>& files) {
  std::vector<std::string> temporaries(files.size());
  size_t written = 0;
  while (written < files.size() && WriteTemporary(files[written], &temporaries[written])) {
    ++written;
  }
  bool replaced = written == files.size();
  for (size_t i = 0; i < written; ++i) {
    if (!replaced || !ReplaceFileWith(files[i].path, temporaries[i].c_str())) {
      RemoveFile(temporaries[i].c_str());
      replaced = false;
    }
  }
  return replaced;
}

bool WriteWholeFile(const char* path, const char* data, size_t size,
                    const WrittenBytesCheck& check) {
  return WriteWholeFiles({{path, std::string_view(data, size), check}});
}

}  // namespace tarvolo
