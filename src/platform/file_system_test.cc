#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "memory_files.h"
#include "temp_folder.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A folder on the disk that a case sets up as it sets up MemoryFiles.
class DiskFolder : public TempFolder {
 public:
  ~DiskFolder() {
    // On Windows a read-only file would keep the folder from going.
    for (const std::string& path : readOnly_) Permit(path, std::filesystem::perm_options::add);
  }
  void AddFolder(const std::string& name) { std::filesystem::create_directory(File(name)); }
  void Link(const std::string& name, const std::string& existing) {
    std::error_code error;
    std::filesystem::create_hard_link(existing, File(name), error);
    cannotLink = cannotLink || error;
  }
  void SetReadOnly(const std::string& path) {
    readOnly_.push_back(path);
    Permit(path, std::filesystem::perm_options::remove);
  }
  std::string Read(const std::string& path) const { return ReadTestFile(path); }

  bool cannotLink = false;  // the file system gives no file a second name

 private:
  static void Permit(const std::string& path, std::filesystem::perm_options how) {
    std::error_code error;
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 how, error);
  }
  std::vector<std::string> readOnly_;
};

// Sets `folder` up by `steps` ("write NAME BYTES", a '~' in them a NUL byte;
// "folder NAME"; "link NAME EXISTING"; "read-only NAME"; "replace NAME BYTES"
// through `files`), then does `act` with `files` and tells what came of it:
//   "read NAME": its bytes and the text's length (to a NUL byte, which must
//     also follow the bytes), or "unreadable"; "read-doubled NAME" the same
//     with two separators before the name;
//   "kind NAME...": what stands at each name;
//   "same NAME NAME": whether both lead to one file, as the run tells its
//     inputs, outputs and settings apart;
//   "write NAME=BYTES...": the files written together (BYTES "*": in pieces),
//     the outcome, what each check saw and what each file then holds.
template <typename Folder>
std::string Perform(Folder& folder, FileSystem& files, const std::vector<std::string>& steps,
                    const std::string& act) {
  for (const std::string& step : steps) {
    std::istringstream words(step);
    std::string verb, name, more;
    words >> verb >> name >> more;
    std::replace(more.begin(), more.end(), '~', '\0');
    if (verb == "write") folder.Write(name, more);
    if (verb == "replace") files.WriteFiles({{folder.File(name).c_str(), more, nullptr}});
    if (verb == "folder") folder.AddFolder(name);
    if (verb == "link") folder.Link(name, folder.File(more));
    if (verb == "read-only") folder.SetReadOnly(folder.File(name));
  }
  std::istringstream words(act);
  std::string verb, shown;
  std::vector<std::string> names;
  words >> verb;
  for (std::string name; words >> name;) names.push_back(name);
  if (verb == "read" || verb == "read-doubled") {
    const std::string path = verb == "read"
                                 ? folder.File(names[0])
                                 : folder.File(std::string(1, kPathSeparator) + names[0]);
    FileBytes bytes;
    FileIdentity read, named;
    if (!files.ReadFile(path, &bytes, &read)) return "unreadable";
    const bool same = files.IdentityOf(path, true, &named) && named == read;
    return std::string(bytes.view()) + "|" + std::to_string(std::strlen(bytes.data())) +
           (same ? "" : "|another identity");
  }
  if (verb == "kind") {
    const char* const kKinds[] = {"missing", "file", "link", "other"};
    for (const std::string& name : names) {
      shown += std::string(kKinds[static_cast<int>(files.KindOf(folder.File(name)))]) + " ";
    }
  }
  if (verb == "same") {
    FileIdentity a, b;
    if (!files.IdentityOf(folder.File(names[0]), false, &a) ||
        !files.IdentityOf(folder.File(names[1]), false, &b)) {
      return "no identity";
    }
    return a == b ? "same" : "different";
  }
  if (verb == "write") {
    std::vector<std::string> paths, bytes, checked(names.size(), "-");
    std::vector<FileToWrite> writes;
    for (const std::string& name : names) {
      paths.push_back(folder.File(name.substr(0, name.find('='))));
      bytes.push_back(name.substr(name.find('=') + 1));
    }
    for (size_t i = 0; i < names.size(); ++i) {
      writes.push_back({paths[i].c_str(), bytes[i],
                        [&checked, i](std::string_view seen) { checked[i] = seen; }});
      if (bytes[i] != "*") continue;
      writes.back().content = [](const BytesWriter& piece) {
        return piece("in ") && piece("parts");
      };
    }
    shown = files.WriteFiles(writes) ? "written" : "failed";
    for (size_t i = 0; i < names.size(); ++i) {
      shown += " " + checked[i] + ">" + folder.Read(paths[i]);
    }
  }
  return shown;
}

TEST(FileSystemTest, MemoryAndDiskBehaveAlike) {
  const struct {
    std::vector<std::string> steps;
    std::string act;
    std::string expected;
  } cases[] = {
      {{"write a.csv ab~c"}, "read a.csv", std::string("ab\0c|2", 6)},
      {{"write a.csv ab"}, "read-doubled a.csv", "ab|2"},
      {{}, "read a.csv", "unreadable"},
      {{"folder f.csv"}, "read f.csv", "unreadable"},
      {{"write a.csv x", "folder f"}, "kind a.csv f none", "file other missing "},
      {{"write a.csv x", "write b.csv x"}, "same a.csv b.csv", "different"},
      {{"write a.csv x", "link b.csv a.csv"}, "same a.csv b.csv", "same"},
      {{"write old.gpc old"}, "write old.gpc=new new.xml=*", "written new>new in parts>in parts"},
      // A read-only file is never replaced, nor are the others of its write.
      {{"write a.gpc A", "write b.xml B", "read-only b.xml"},
       "write a.gpc=new b.xml=new",
       "failed new>A ->B"},
      {{"folder f.gpc"}, "write f.gpc=new", "failed ->"},
      // A replaced file is a new one: its other name keeps the old one.
      {{"write a.gpc old", "link keep.gpc a.gpc", "replace a.gpc new"},
       "same a.gpc keep.gpc",
       "different"},
  };
  for (const auto& c : cases) {
    MemoryFiles memory;
    EXPECT_EQ(Perform(memory, memory, c.steps, c.act), c.expected) << c.act << ", in memory";
    DiskFolder disk;
    const std::string onDisk = Perform(disk, DiskFiles(), c.steps, c.act);
    // A file system without hard links has no second name to tell apart.
    if (disk.cannotLink) continue;
    EXPECT_EQ(onDisk, c.expected) << c.act << ", on the disk";
  }
}

}  // namespace
}  // namespace tarvolo
