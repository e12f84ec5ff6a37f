#ifndef TARVOLO_PLATFORM_WHOLE_FILE_H_
#define TARVOLO_PLATFORM_WHOLE_FILE_H_

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"

namespace tarvolo {

// The bytes of a file read whole, with a NUL byte after them that is not
// one of them. Unlike a string's, the room is not cleared before the file
// fills it: a statement's bytes are gone over once less.
class FileBytes {
 public:
  char* data() { return data_.get(); }
  const char* data() const { return data_.get(); }
  size_t size() const { return size_; }
  std::string_view view() const { return {data_.get(), size_}; }
  // Keeps the first `size` bytes, as a text converted in place shrinks.
  void Shorten(size_t size);
  // Lets go of the bytes held and makes room for `size` new ones, not
  // cleared, and the NUL after them; false, with nothing held, when memory
  // runs out.
  bool Allocate(size_t size);

 private:
  std::unique_ptr<char[]> data_;
  size_t size_ = 0;
};

// Reads a whole file into `content`. Returns false, with `content` empty,
// when the file cannot be opened, is no regular file, is 4 GiB or larger,
// or cannot be held in memory. `identity`, when given, receives the
// identity of the file read.
bool ReadWholeFile(const char* path, FileBytes* content, FileIdentity* identity = nullptr);

// The same into a string (whose c_str() is the NUL-terminated text; a NUL
// byte in the file ends the text there), for the program's small files.
bool ReadWholeFile(const char* path, std::string* content, FileIdentity* identity = nullptr);

// Looks at the bytes of a written file before it takes its place.
using WrittenBytesCheck = std::function<void(std::string_view bytes)>;

// Writes `size` bytes as the file `path` so that it is never left half
// written: the bytes go to a new temporary file of this write alone beside
// it, `check` (when given) sees them as the file holds them (mapped, not
// copied), they are flushed to the disk, and the file then replaces the old
// one in one step. Only a
// regular file, a link (replaced itself) or nothing is replaced. On failure
// the old file stays as it was and false is returned.
bool WriteWholeFile(const char* path, const char* data, size_t size,
                    const WrittenBytesCheck& check = nullptr);

// Takes the next piece of a file's bytes; false when it could not be written.
using BytesWriter = std::function<bool(std::string_view bytes)>;

// Hands the bytes of a file to `write` in their order, piece by piece;
// false when a piece could not be written.
using FileContent = std::function<bool(const BytesWriter& write)>;

// One file of a write of several.
struct FileToWrite {
  const char* path;
  std::string_view bytes;   // the whole file, unless `content` gives it
  WrittenBytesCheck check;  // may be empty
  // The file's bytes in pieces, for a file never held in one piece (may be
  // empty).
  FileContent content = nullptr;
};

// Writes several files as WriteWholeFile writes one, each to its own
// temporary file and checked, and replaces the old files only when every
// one of them was written: either all take their places or none does (but
// for a file whose replacement the system refuses after the others', which
// is reported with false all the same).
bool WriteWholeFiles(const std::vector<FileToWrite>& files);

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_WHOLE_FILE_H_
