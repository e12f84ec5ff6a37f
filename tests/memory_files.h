#ifndef TARVOLO_TESTS_MEMORY_FILES_H_
#define TARVOLO_TESTS_MEMORY_FILES_H_

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tarvolo {

// A folder of files held in memory, for tests of the export run that need
// no disk. It keeps the promises the run relies on from the disk: a write
// of several files replaces all of them or none, after each was checked; a
// read-only file or a folder is never replaced; every name of one file
// tells the same identity, and a replaced file is a new one. Paths are made
// as TempFolder makes them, with separators in a row counting as one; a
// path needs no folder to be written, so a missing folder is the disk's
// test alone.
class MemoryFiles : public FileSystem {
 public:
  bool ReadFile(const std::string& path, FileBytes* content, FileIdentity* identity) override;
  PathKind KindOf(const std::string& path) override;
  bool IdentityOf(const std::string& path, bool followLink, FileIdentity* identity) override;
  bool WriteFiles(const std::vector<FileToWrite>& files) override;

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string File(const std::string& name) const;
  // Writes `content` as the file `name` (the same file, where there is one)
  // and returns its path.
  std::string Write(const std::string& name, const std::string& content);
  // The content of the file at `path`, "" when there is none.
  std::string Read(const std::string& path) const;
  // Takes the file at `path` away, as a test's earlier run left it.
  void Remove(const std::string& path) { files_.erase(Key(path)); }
  // Puts a folder at `name`, which no file read or written can be.
  void AddFolder(const std::string& name);
  // Gives the file at `existing` the second name `name`.
  void Link(const std::string& name, const std::string& existing);
  // A file that may be read but never replaced.
  void SetReadOnly(const std::string& path);

 private:
  struct Entry {
    std::string bytes;
    uint64_t index = 0;
    bool readOnly = false;
  };
  std::string Key(const std::string& path) const;
  std::shared_ptr<Entry> Find(const std::string& path) const;
  std::shared_ptr<Entry> NewFile(std::string bytes);
  // Writes one file into `bytes` as the disk would hold it, checked.
  bool WriteOne(const FileToWrite& file, std::string* bytes) const;

  std::string path_ = "memory";
  std::map<std::string, std::shared_ptr<Entry>> files_;
  std::set<std::string> folders_;
  uint64_t lastIndex_ = 0;
};

// `text` with each "memory/" as the folder's paths begin on this system,
// so that a test names the run's files once for every build.
std::string InMemoryFolder(std::string text);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_MEMORY_FILES_H_
