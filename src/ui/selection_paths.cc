#include "ui/selection_paths.h"

#include <cstring>

#include "platform/file.h"

namespace tarvolo {
namespace {

// The selection's strings, never read past the end of its buffer.
class SelectionWalk {
 public:
  SelectionWalk(const char* data, size_t size) : data_(data), size_(data ? size : 0) {}

  // The string at `offset` ("" past the end); `next` gets the offset after it.
  std::string At(size_t offset, size_t* next) const {
    if (offset >= size_) {
      *next = size_;
      return std::string();
    }
    const char* start = data_ + offset;
    const size_t length = strnlen(start, size_ - offset);
    *next = offset + length + 1;
    return std::string(start, length);
  }

 private:
  const char* data_;
  size_t size_;
};

}  // namespace

// The selection is one file when its first string opens as a file;
// otherwise that string is a folder and the names follow it.
std::vector<std::string> SelectFiles(const char* selection, size_t size) {
  const SelectionWalk walk(selection, size);
  size_t offset = 0;
  const std::string first = walk.At(0, &offset);
  const FileHandle probe = OpenFileForReading(first.c_str());
  if (probe != kNoFile) {
    CloseFile(probe);
    return {first};
  }
  std::vector<std::string> paths;
  size_t nameOffset = offset;
  for (;;) {
    size_t next = 0;
    const std::string name = walk.At(nameOffset, &next);
    paths.push_back(first.empty() ? name : first + kPathSeparator + name);
    nameOffset = next;
    size_t afterNext = 0;
    if (walk.At(nameOffset, &afterNext).empty()) return paths;
  }
}

}  // namespace tarvolo
