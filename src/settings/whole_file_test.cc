#include "settings/whole_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/file.h"
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
  // Sparse: takes no room on the disk.
  const std::string fourGiB = folder.Write("4gib.csv", "");
  std::filesystem::resize_file(fourGiB, 0x100000000ull);
  const std::string overFourGiB = folder.Write("over4gib.csv", "");
  std::filesystem::resize_file(overFourGiB, 0x100000005ull);

  const std::string cases[] = {
      folder.File("missing.csv"),
      folder.File("folder.csv"),
      folder.File("no folder") + kPathSeparator + "plain.csv",
      folder.File("plain.csv") + kPathSeparator + "plain.csv",
      fourGiB,
      overFourGiB,
  };
  for (const std::string& path : cases) {
    std::string content = "left over";
    EXPECT_FALSE(ReadWholeFile(path.c_str(), &content)) << path;
    EXPECT_EQ(content, "") << path;
  }
}

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
    EXPECT_TRUE(WriteWholeFile(path.c_str(), c.data.data(), c.data.size())) << c.label;
    EXPECT_TRUE(ReadTestFile(path) == c.data) << c.label;
    EXPECT_EQ(FileNamesIn(folder.path()), "export.gpc") << c.label;
  }
}

}  // namespace
}  // namespace tarvolo
