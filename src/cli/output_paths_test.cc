#include "cli/output_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file.h"
#include "temp_folder.h"

namespace tarvolo {
namespace {

TEST(OutputPathsTest, TwoSpellingsOfOneFileAreOneFile) {
  TempFolder folder;
  const std::string sep(1, kPathSeparator);
  const std::string base = folder.path() + sep;
  std::filesystem::create_directory(base + "sub");
  folder.Write("written.xml", "x");
  std::filesystem::create_hard_link(base + "written.xml", base + "hard.xml");
  const struct {
    const char* what;
    std::string a, b;
    bool same;
  } cases[] = {
      {"one name", base + "new.xml", base + "new.xml", true},
      {"a dot folder", base + "new.xml", base + "." + sep + "new.xml", true},
      {"a folder and back", base + "new.xml", base + "sub" + sep + ".." + sep + "new.xml", true},
      {"an existing file and back", base + "written.xml",
       base + "sub" + sep + ".." + sep + "written.xml", true},
      {"a hard link", base + "written.xml", base + "hard.xml", true},
      {"other names", base + "new.gpc", base + "new.xml", false},
      {"other folders", base + "new.xml", base + "sub" + sep + "new.xml", false},
      {"one there, one not", base + "written.xml", base + "sub" + sep + "written.xml", false},
      {"folders that are not there", "none/a.xml", "none/a.xml", true},
      {"other folders that are not there", "none/a.xml", "other/a.xml", false},
      // Windows names ignore the case of their letters; others keep it.
      {"another case", base + "new.xml", base + "NEW.xml", kPathSeparator == '\\'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SameOutputFile(c.a, c.b), c.same) << c.what;
    EXPECT_EQ(SameOutputFile(c.b, c.a), c.same) << c.what;
  }
}

// No two formats of a run go to one file: the options that would are named.
TEST(OutputPathsTest, EachFormatHasAFileOfItsOwn) {
  TempFolder folder;
  const std::string sep(1, kPathSeparator);
  const std::string gpc = folder.File("a.gpc"), xml = folder.File("a.xml");
  const std::string again = folder.path() + sep + "." + sep + "a.gpc";
  const struct {
    std::vector<std::string> paths;  // by the rows of the format table
    const char* error;               // "" for none
  } cases[] = {
      {{gpc, xml}, ""},
      {{gpc, ""}, ""},
      {{gpc, gpc}, "volby --output a --camt jmenují týž soubor"},
      {{gpc, again}, "volby --output a --camt jmenují týž soubor"},
      {{"", ""}, ""},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(OutputFilesApart(c.paths, &error), *c.error == '\0') << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace tarvolo
