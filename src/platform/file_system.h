#ifndef TARVOLO_PLATFORM_FILE_SYSTEM_H_
#define TARVOLO_PLATFORM_FILE_SYSTEM_H_

#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/whole_file.h"

namespace tarvolo {

// The files an export run reads and writes, as the run sees them: handed to
// it, so that tests can keep a run's files in memory.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file `path` as ReadWholeFile reads it; `identity`, when
  // given, receives the identity of the file read.
  virtual bool ReadFile(const std::string& path, FileBytes* content, FileIdentity* identity) = 0;
  // What stands at `path`, a link not followed.
  virtual PathKind KindOf(const std::string& path) = 0;
  // The identity of what `path` names, as IdentityOfPath tells it.
  virtual bool IdentityOf(const std::string& path, bool followLink, FileIdentity* identity) = 0;
  // Writes every file or none, as WriteWholeFiles writes them.
  virtual bool WriteFiles(const std::vector<FileToWrite>& files) = 0;
};

// The files of the disk, with every guarantee of ReadWholeFile and
// WriteWholeFiles; the one the front ends hand to a run.
FileSystem& DiskFiles();

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_FILE_SYSTEM_H_
