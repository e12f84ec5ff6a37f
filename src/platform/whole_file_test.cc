#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/types.h>
#endif

#include "platform/file.h"
#include "platform/temporary_name.h"
#include "temp_folder.h"
#include "test_support.h"

namespace tarvolo {
namespace {

std::string EveryByteValue(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 256);
  return bytes;
}

TEST(WholeFileTest, ReadsTheWholeFileByteForByte) {
  const struct {
    const char* label;
    std::string content;
    size_t textLength;  // strlen of the content as text
  } cases[] = {
      {"empty file", "", 0},
      {"one line", "abc", 3},
      {"line ends stay as they are", "a\r\nb\nc\r\x1a", 8},
      {"text ends at a NUL byte", std::string("ab\0cd", 5), 2},
      {"all byte values", EveryByteValue(300000), 0},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path = folder.Write("in.csv", c.content);
    std::string content = "left over";
    ASSERT_TRUE(ReadWholeFile(path.c_str(), &content)) << c.label;
    EXPECT_EQ(content.size(), c.content.size()) << c.label;
    EXPECT_TRUE(content == c.content) << c.label;
    EXPECT_EQ(std::strlen(content.c_str()), c.textLength) << c.label;
  }
}

TEST(WholeFileTest, GivesNothingForAFileItCannotHold) {
  TempFolder folder;
  folder.Write("plain.csv", "abc");
  std::filesystem::create_directory(folder.File("folder.csv"));
#ifndef _WIN32
  const std::string fifo = folder.File("fifo.csv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
#endif

  std::vector<std::string> cases = {
      folder.File("missing.csv"),
      folder.File("folder.csv"),
      folder.File("no folder") + kPathSeparator + "plain.csv",
      folder.File("plain.csv") + kPathSeparator + "plain.csv",
#ifndef _WIN32
      // A pipe without a writer is not waited for; devices are no files.
      fifo,
      "/dev/null",
      "/dev/zero",
#endif
  };
  // Sparse files take no room on the disk, but not every file system
  // (or file size limit) lets a test make one.
  for (const auto& [name, size] : {std::pair<const char*, uintmax_t>{"4gib.csv", 0x100000000ull},
                                   {"over4gib.csv", 0x100000005ull}}) {
    const std::string path = folder.Write(name, "");
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    if (error)
      std::cout << "[   NOTE   ] " << name << " not made here: " << error.message() << '\n';
    else
      cases.push_back(path);
  }
  for (const std::string& path : cases) {
    std::string content = "left over";
    EXPECT_FALSE(ReadWholeFile(path.c_str(), &content)) << path;
    EXPECT_EQ(content, "") << path;
  }
}

// The check sees exactly the bytes written, those of an empty file too.
TEST(WholeFileTest, WriteReplacesTheFileWhole) {
  const struct {
    const char* label;
    bool existing;
    std::string before;
    std::string data;
  } cases[] = {
      {"new file", false, "", "074 header\r\n075 record\r\n"},
      {"shorter over longer", true, std::string(1000, 'o'), "new"},
      {"longer over shorter", true, "old", EveryByteValue(70000)},
      {"empty data", true, "old", ""},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path = folder.File("export.gpc");
    if (c.existing) folder.Write("export.gpc", c.before);
    std::string checked = "not checked";
    EXPECT_TRUE(WriteWholeFile(path.c_str(), c.data.data(), c.data.size(),
                               [&checked](std::string_view bytes) { checked = bytes; }))
        << c.label;
    EXPECT_TRUE(checked == c.data) << c.label;
    EXPECT_TRUE(ReadTestFile(path) == c.data) << c.label;
    EXPECT_EQ(FileNamesIn(folder.path()), "export.gpc") << c.label;
  }
}

// Whatever stands at the temporary file's name is neither opened nor
// changed: the write takes the next name.
TEST(WholeFileTest, WriteNeverOpensWhatStandsAtTheTemporaryName) {
  const char* kinds[] = {"file", "folder", "link to a file", "dangling link"};
  std::string notRun;
  for (const std::string kind : kinds) {
    TempFolder folder;
    const std::string path = folder.File("export.gpc");
    const std::string victim = folder.Write("victim", "root only");
    folder.Write("export.gpc", "old");
    SeedTemporaryNames(77);
    const std::string planted = TemporaryPathBeside(path.c_str(), 77);
    std::error_code error;
    if (kind == "file") folder.Write(planted.substr(folder.path().size() + 1), "planted");
    if (kind == "folder") std::filesystem::create_directory(planted);
    if (kind == "link to a file") std::filesystem::create_symlink(victim, planted, error);
    if (kind == "dangling link")
      std::filesystem::create_symlink(folder.File("none"), planted, error);
    if (error) {
      notRun += " " + kind + ": " + error.message() + ";";
      continue;
    }

    std::string seen;
    EXPECT_TRUE(WriteWholeFile(path.c_str(), "new", 3, [&](std::string_view bytes) {
      seen = bytes;
      // Checked before it takes the old file's place.
      EXPECT_EQ(ReadTestFile(path), "old") << kind;
    })) << kind;
    EXPECT_EQ(seen, "new") << kind;
    EXPECT_EQ(ReadTestFile(path), "new") << kind;
    EXPECT_EQ(ReadTestFile(victim), "root only") << kind;
    if (kind == "file") {
      EXPECT_EQ(ReadTestFile(planted), "planted");
    }
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(planted))) << kind;
    EXPECT_EQ(FileNamesIn(folder.path()),
              "export.gpc victim " + planted.substr(folder.path().size() + 1))
        << kind;
  }
  if (!notRun.empty()) GTEST_SKIP() << "cannot be set up here:" << notRun;
}

// A name as long as a file system allows still gets its temporary file.
TEST(WholeFileTest, WritesUnderTheLongestName) {
  TempFolder folder;
  const std::string path = folder.File(std::string(251, 'n') + ".gpc");
  const std::string data = "074\r\n";
  EXPECT_TRUE(WriteWholeFile(path.c_str(), data.data(), data.size()));
  EXPECT_EQ(ReadTestFile(path), data);
  EXPECT_EQ(FileNamesIn(folder.path()), std::string(251, 'n') + ".gpc");
}

// Only a regular file or a link gives way: a link is replaced itself, and
// what it leads to (or the file's other name) stays as it was. Nothing else
// that stands at the name is replaced, whatever the caller checked before.
TEST(WholeFileTest, ReplacesOnlyFilesAndLinks) {
  const struct {
    const char* kind;
    bool replaced;
  } cases[] = {
      {"symbolic link", true},
      {"hard link", true},
      {"folder", false},
#ifndef _WIN32
      {"fifo", false},
#endif
  };
  std::string notRun;
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path = folder.File("export.gpc");
    const std::string target = folder.Write("target", "untouched");
    const std::string kind = c.kind;
    std::error_code error;
    if (kind == "symbolic link") std::filesystem::create_symlink(target, path, error);
    if (kind == "hard link") std::filesystem::create_hard_link(target, path, error);
    if (kind == "folder") std::filesystem::create_directory(path);
#ifndef _WIN32
    if (kind == "fifo") {
      ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    }
#endif
    if (error) {
      notRun += " " + kind + ": " + error.message() + ";";
      continue;
    }
    EXPECT_EQ(WriteWholeFile(path.c_str(), "new", 3), c.replaced) << kind;
    EXPECT_EQ(ReadTestFile(target), "untouched") << kind;
    EXPECT_EQ(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)), c.replaced)
        << kind;
    if (c.replaced) {
      EXPECT_EQ(ReadTestFile(path), "new") << kind;
    }
    EXPECT_EQ(FileNamesIn(folder.path()), "export.gpc target") << kind;
  }
  if (!notRun.empty()) GTEST_SKIP() << "cannot be set up here:" << notRun;
}

#ifndef _WIN32
TEST(WholeFileTest, ReplacedFileKeepsItsPermissionBits) {
  const mode_t modes[] = {0600, 0640, 0604, 0664, 0755};
  for (const mode_t mode : modes) {
    TempFolder folder;
    const std::string path = folder.Write("tarvolo.cfg", "old");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    EXPECT_TRUE(WriteWholeFile(path.c_str(), "new", 3)) << mode;
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, mode) << std::oct << mode;
    EXPECT_EQ(ReadTestFile(path), "new");
  }
}
#endif

// Files written together: all take their places, or none does.
TEST(WholeFileTest, FilesWrittenTogetherAllOrNone) {
  TempFolder folder;
  const std::string first = folder.Write("export.gpc", "old statement");
  const std::string second = folder.File("export.xml");
  ASSERT_TRUE(std::filesystem::create_directory(second));
  EXPECT_FALSE(WriteWholeFiles(
      {{first.c_str(), "new statement", nullptr}, {second.c_str(), "<xml/>", nullptr}}));
  EXPECT_EQ(ReadTestFile(first), "old statement");
  std::filesystem::remove(second);
  EXPECT_TRUE(WriteWholeFiles(
      {{first.c_str(), "new statement", nullptr}, {second.c_str(), "<xml/>", nullptr}}));
  EXPECT_EQ(ReadTestFile(first), "new statement");
  EXPECT_EQ(ReadTestFile(second), "<xml/>");
  EXPECT_EQ(FileNamesIn(folder.path()), "export.gpc export.xml");
}

// A file handed over in pieces is their bytes in order, and its check sees
// them all; a piece that cannot be written keeps the old file.
TEST(WholeFileTest, FilesGivenInPieces) {
  TempFolder folder;
  const std::string path = folder.Write("export.xml", "old");
  for (const bool fails : {true, false}) {
    std::string checked;
    const FileContent pieces = [fails](const BytesWriter& write) {
      return write("<a>") && write("") && (!fails && write(EveryByteValue(300))) && write("</a>");
    };
    EXPECT_EQ(WriteWholeFiles({{path.c_str(), "ignored",
                                [&](std::string_view bytes) { checked = bytes; }, pieces}}),
              !fails);
    const std::string expected = fails ? "old" : "<a>" + EveryByteValue(300) + "</a>";
    EXPECT_EQ(ReadTestFile(path), expected);
    EXPECT_EQ(checked, fails ? "" : expected);
    EXPECT_EQ(FileNamesIn(folder.path()), "export.xml");
  }
}

}  // namespace
}  // namespace tarvolo
