#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "memory_files.h"
#include "temp_folder.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A folder that a case sets up: on the disk, or in memory.
class Place {
 public:
  virtual ~Place() = default;
  virtual FileSystem& files() = 0;
  virtual std::string File(const std::string& name) const = 0;
  virtual void Write(const std::string& name, const std::string& content) = 0;
  virtual void AddFolder(const std::string& name) = 0;
  // Gives the file `existing` the second name `name`, unless the system
  // cannot: then `cannotLink` is set.
  virtual void Link(const std::string& name, const std::string& existing) = 0;
  virtual void SetReadOnly(const std::string& name) = 0;
  virtual std::string Read(const std::string& name) const = 0;

  bool cannotLink = false;
};

class DiskPlace : public Place {
 public:
  ~DiskPlace() override {
    // A read-only file would keep its folder from going.
    for (const std::string& name : readOnly_) {
      std::error_code error;
      std::filesystem::permissions(File(name), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, error);
    }
  }
  FileSystem& files() override { return DiskFiles(); }
  std::string File(const std::string& name) const override { return folder_.File(name); }
  void Write(const std::string& name, const std::string& content) override {
    folder_.Write(name, content);
  }
  void AddFolder(const std::string& name) override {
    std::filesystem::create_directory(File(name));
  }
  void Link(const std::string& name, const std::string& existing) override {
    std::error_code error;
    std::filesystem::create_hard_link(File(existing), File(name), error);
    cannotLink = static_cast<bool>(error);
  }
  void SetReadOnly(const std::string& name) override {
    readOnly_.push_back(name);
    const auto writable = std::filesystem::perms::owner_write |
                          std::filesystem::perms::group_write |
                          std::filesystem::perms::others_write;
    std::filesystem::permissions(File(name), writable, std::filesystem::perm_options::remove);
  }
  std::string Read(const std::string& name) const override { return ReadTestFile(File(name)); }

 private:
  TempFolder folder_;
  std::vector<std::string> readOnly_;
};

class MemoryPlace : public Place {
 public:
  FileSystem& files() override { return files_; }
  std::string File(const std::string& name) const override { return files_.File(name); }
  void Write(const std::string& name, const std::string& content) override {
    files_.Write(name, content);
  }
  void AddFolder(const std::string& name) override { files_.AddFolder(name); }
  void Link(const std::string& name, const std::string& existing) override {
    files_.Link(name, File(existing));
  }
  void SetReadOnly(const std::string& name) override { files_.SetReadOnly(File(name)); }
  std::string Read(const std::string& name) const override { return files_.Read(File(name)); }

 private:
  MemoryFiles files_;
};

// What a read of `name` gives: its bytes and the text's length (up to a NUL
// byte, which must also follow the bytes), or "unreadable".
std::string ReadOf(Place& place, const std::string& name) {
  FileBytes bytes;
  FileIdentity identity;
  if (!place.files().ReadFile(place.File(name), &bytes, &identity)) return "unreadable";
  FileIdentity named;
  const bool same = place.files().IdentityOf(place.File(name), true, &named) && named == identity;
  return std::string(bytes.view()) + "|" + std::to_string(std::strlen(bytes.data())) +
         (same ? "" : "|another identity");
}

const char* KindName(PathKind kind) {
  switch (kind) {
    case PathKind::kMissing:
      return "missing";
    case PathKind::kRegularFile:
      return "file";
    case PathKind::kLink:
      return "link";
    case PathKind::kOther:
      return "other";
  }
  return "?";
}

// Whether two names lead to one file, as the run tells its inputs, outputs
// and settings apart.
std::string SameFile(Place& place, const std::string& a, const std::string& b) {
  FileIdentity first, second;
  if (!place.files().IdentityOf(place.File(a), false, &first)) return "no identity";
  if (!place.files().IdentityOf(place.File(b), false, &second)) return "no identity";
  return first == second ? "same" : "different";
}

// Writes the files named "name=bytes" (bytes "*" given in pieces) together
// and tells the outcome, what each check saw and what each file then holds.
std::string WriteOf(Place& place, const std::vector<std::string>& files) {
  std::vector<std::string> paths, bytes, checked(files.size(), "-");
  for (const std::string& file : files) {
    paths.push_back(place.File(file.substr(0, file.find('='))));
    bytes.push_back(file.substr(file.find('=') + 1));
  }
  std::vector<FileToWrite> writes;
  for (size_t i = 0; i < files.size(); ++i) {
    FileToWrite write{paths[i].c_str(), bytes[i],
                      [&checked, i](std::string_view seen) { checked[i] = std::string(seen); }};
    if (bytes[i] == "*") {
      write.content = [](const BytesWriter& piece) { return piece("in ") && piece("pieces"); };
    }
    writes.push_back(write);
  }
  std::string shown = place.files().WriteFiles(writes) ? "written" : "failed";
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string name = files[i].substr(0, files[i].find('='));
    shown += " " + name + ":" + checked[i] + ">" + place.Read(name);
  }
  return shown;
}

TEST(FileSystemTest, MemoryAndDiskBehaveAlike) {
  const struct {
    const char* label;
    std::function<void(Place&)> setUp;
    std::function<std::string(Place&)> result;
    std::string expected;
  } cases[] = {
      {"a file read whole, a NUL after it",
       [](Place& p) { p.Write("a.csv", std::string("ab\0c", 4)); },
       [](Place& p) { return ReadOf(p, "a.csv"); }, std::string("ab\0c|2", 6)},
      {"an empty file", [](Place& p) { p.Write("a.csv", ""); },
       [](Place& p) { return ReadOf(p, "a.csv"); }, "|0"},
      {"separators in a row count as one", [](Place& p) { p.Write("a.csv", "x"); },
       [](Place& p) {
         std::string doubled = p.File("a.csv");
         doubled.insert(doubled.rfind(kPathSeparator), 1, kPathSeparator);
         FileBytes bytes;
         return p.files().ReadFile(doubled, &bytes, nullptr) ? std::string(bytes.view()) : "no";
       },
       "x"},
      {"nothing to read", [](Place&) {}, [](Place& p) { return ReadOf(p, "a.csv"); }, "unreadable"},
      {"a folder is not read", [](Place& p) { p.AddFolder("f.csv"); },
       [](Place& p) { return ReadOf(p, "f.csv"); }, "unreadable"},
      {"kinds of paths",
       [](Place& p) {
         p.Write("a.csv", "x");
         p.AddFolder("f");
       },
       [](Place& p) {
         std::string kinds;
         for (const char* name : {"a.csv", "f", "none"}) {
           kinds += std::string(KindName(p.files().KindOf(p.File(name)))) + " ";
         }
         return kinds;
       },
       "file other missing "},
      {"two files, two identities",
       [](Place& p) {
         p.Write("a.csv", "x");
         p.Write("b.csv", "x");
       },
       [](Place& p) { return SameFile(p, "a.csv", "b.csv"); }, "different"},
      {"two names of one file, one identity",
       [](Place& p) {
         p.Write("a.csv", "x");
         p.Link("b.csv", "a.csv");
       },
       [](Place& p) { return SameFile(p, "a.csv", "b.csv"); }, "same"},
      {"no identity where nothing is", [](Place&) {},
       [](Place& p) { return SameFile(p, "a.csv", "a.csv"); }, "no identity"},
      {"files written and checked together, new or replaced",
       [](Place& p) { p.Write("old.gpc", "old"); },
       [](Place& p) {
         return WriteOf(p, {"old.gpc=new", "new.xml=*"});
       },
       "written old.gpc:new>new new.xml:in pieces>in pieces"},
      {"a read-only file is never replaced, nor the others",
       [](Place& p) {
         p.Write("a.gpc", "old a");
         p.Write("b.xml", "old b");
         p.SetReadOnly("b.xml");
       },
       [](Place& p) {
         return WriteOf(p, {"a.gpc=new", "b.xml=new"});
       },
       "failed a.gpc:new>old a b.xml:->old b"},
      {"a folder is never replaced", [](Place& p) { p.AddFolder("f.gpc"); },
       [](Place& p) { return WriteOf(p, {"f.gpc=new"}); }, "failed f.gpc:->"},
      {"a replaced file is another file",
       [](Place& p) {
         p.Write("a.gpc", "old");
         p.Link("keep.gpc", "a.gpc");
       },
       [](Place& p) {
         const std::string written = WriteOf(p, {"a.gpc=new"});
         return written + " " + SameFile(p, "a.gpc", "keep.gpc");
       },
       "written a.gpc:new>new different"},
  };
  for (const auto& c : cases) {
    DiskPlace disk;
    MemoryPlace memory;
    for (Place* place : {static_cast<Place*>(&disk), static_cast<Place*>(&memory)}) {
      c.setUp(*place);
      // A file system without hard links has no second name to tell apart.
      if (place->cannotLink) continue;
      EXPECT_EQ(c.result(*place), c.expected)
          << c.label << (place == &disk ? ", on the disk" : ", in memory");
    }
  }
}

// Only the memory's: a full disk, which the disk itself shows only in a file
// system made small for it (see bad_input_test.cc).
TEST(FileSystemTest, AFullMemoryReplacesNothing) {
  MemoryPlace place;
  MemoryFiles& files = static_cast<MemoryFiles&>(place.files());
  place.Write("a.gpc", "old");
  files.SetRoom(8);
  EXPECT_EQ(WriteOf(place, {"a.gpc=12345", "b.gpc=1"}), "failed a.gpc:12345>old b.gpc:->");
  EXPECT_EQ(WriteOf(place, {"a.gpc=1234"}), "written a.gpc:1234>1234");
}

}  // namespace
}  // namespace tarvolo
