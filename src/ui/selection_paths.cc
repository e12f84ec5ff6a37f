#include "ui/selection_paths.h"

#include <cstring>

#include "conversion/values/fixed_width.h"

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

// The most the names take of the selection's line; the log holds 10,000
// bytes.
constexpr size_t kMostNameBytes = 1000;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the folder part of `path` ends: at its last separator, or after it
// when that ends a drive ("C:\\"); 0 for a bare name.
size_t FolderLength(const std::string& path) {
  const size_t last = path.find_last_of("\\/");
  if (last == std::string::npos) return 0;
  return last > 0 && path[last - 1] == ':' ? last + 1 : last;
}

// The count with the Czech form that goes with it.
std::string CountedFiles(size_t count) {
  std::string line;
  const int32_t n = static_cast<int32_t>(count);
  const char* format = n == 1               ? "Byl vybrán %d soubor"
                       : (n >= 2 && n <= 4) ? "Byly vybrány %d soubory"
                                            : "Bylo vybráno %d souborů";
  Render(line, format, {n});
  return line;
}

}  // namespace

std::string SelectionLine(const std::vector<std::string>& paths) {
  std::string line = CountedFiles(paths.size());
  if (paths.empty()) return line + "\n";
  const size_t folder = FolderLength(paths.front());
  bool oneFolder = folder > 0;
  for (const std::string& path : paths) {
    oneFolder = oneFolder && FolderLength(path) == folder &&
                path.compare(0, folder, paths.front(), 0, folder) == 0;
  }
  if (oneFolder) line += " ve složce " + paths.front().substr(0, folder);
  line += ": ";
  const size_t namesEnd = line.size() + kMostNameBytes;
  for (size_t i = 0; i < paths.size(); ++i) {
    std::string name = paths[i].substr(oneFolder ? folder : 0);
    if (oneFolder && !name.empty() && IsSeparator(name.front())) name.erase(0, 1);
    // A year of statements would take the log's whole room; the count
    // above tells how many there are.
    if (i > 0 && line.size() + 2 + name.size() > namesEnd) {
      line += " a další";
      break;
    }
    if (i > 0) line += ", ";
    line += name;
  }
  return line + "\n";
}

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
    // An empty folder and no name: nothing was chosen.
    if (first.empty() && name.empty()) return paths;
    paths.push_back(first.empty() ? name : first + kPathSeparator + name);
    nameOffset = next;
    size_t afterNext = 0;
    if (walk.At(nameOffset, &afterNext).empty()) return paths;
  }
}

}  // namespace tarvolo
