#include "platform/file_system.h"

namespace tarvolo {
namespace {

class DiskFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, FileBytes* content, FileIdentity* identity) override {
    return ReadWholeFile(path.c_str(), content, identity);
  }
  PathKind KindOf(const std::string& path) override { return KindOfPath(path.c_str()); }
  bool IdentityOf(const std::string& path, bool followLink, FileIdentity* identity) override {
    return IdentityOfPath(path.c_str(), followLink, identity);
  }
  bool WriteFiles(const std::vector<FileToWrite>& files) override { return WriteWholeFiles(files); }
};

}  // namespace

FileSystem& DiskFiles() {
  // It holds no state, so one serves every run and every thread.
  static DiskFileSystem disk;
  return disk;
}

}  // namespace tarvolo
