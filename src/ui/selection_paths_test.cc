#include "ui/selection_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file.h"
#include "temp_folder.h"

namespace tarvolo {
namespace {

TEST(SelectionPathsTest, SelectionsGiveTheirPathsInTheirOrder) {
  TempFolder folder;
  const std::string a = folder.Write("a.csv", "a");
  const std::string b = folder.Write("b.csv", "b");
  const std::string separator(1, kPathSeparator);
  const std::string missing = folder.File("missing.csv");
  struct Case {
    const char* what;
    std::string selection;
    std::vector<std::string> paths;
  } cases[] = {
      {"one file", a + '\0' + '\0', {a}},
      {"a folder and names", folder.path() + '\0' + "b.csv" + '\0' + "a.csv" + '\0' + '\0', {b, a}},
      {"a folder that ends in a separator keeps it",
       folder.path() + separator + '\0' + "a.csv" + '\0' + '\0',
       {folder.path() + separator + separator + "a.csv"}},
      {"full paths after an empty folder", '\0' + b + '\0' + a + '\0' + '\0', {b, a}},
      {"nothing chosen yet", std::string(64, '\0'), {}},
      {"one file that does not open reads as a folder without names",
       missing + '\0' + '\0',
       {missing + separator}},
      {"a folder alone", folder.path() + '\0' + '\0', {folder.path() + separator}},
      {"a list cut short ends with the buffer",
       folder.path() + '\0' + "a.csv" + '\0' + "b.c",
       {a, folder.File("b.c")}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectFiles(c.selection.data(), c.selection.size()), c.paths) << c.what;
  }
  EXPECT_EQ(SelectFiles(nullptr, 0), std::vector<std::string>{});
}

TEST(SelectionPathsTest, SelectionLineNamesTheFilesWithTheirCount) {
  const struct {
    std::vector<std::string> paths;
    const char* line;
  } cases[] = {
      {{"C:\\výpisy\\a.csv"}, "Byl vybrán 1 soubor ve složce C:\\výpisy: a.csv\n"},
      {{"C:\\v\\a.csv", "C:\\v\\b.csv"}, "Byly vybrány 2 soubory ve složce C:\\v: a.csv, b.csv\n"},
      {{"/d/1.csv", "/d/2.csv", "/d/3.csv", "/d/4.csv", "/d/5.csv"},
       "Bylo vybráno 5 souborů ve složce /d: 1.csv, 2.csv, 3.csv, 4.csv, 5.csv\n"},
      {{"C:\\a.csv", "C:\\b.csv"}, "Byly vybrány 2 soubory ve složce C:\\: a.csv, b.csv\n"},
      // The file dialog's folder of a drive ends in a separator already.
      {{"C:\\\\a.csv"}, "Byl vybrán 1 soubor ve složce C:\\: a.csv\n"},
      {{"C:\\leden\\a.csv", "C:\\unor\\b.csv"},
       "Byly vybrány 2 soubory: C:\\leden\\a.csv, C:\\unor\\b.csv\n"},
      {{"C:\\v\\a.csv", "C:\\v\\sub\\b.csv"},
       "Byly vybrány 2 soubory: C:\\v\\a.csv, C:\\v\\sub\\b.csv\n"},
      {{"C:\\vv\\a.csv", "C:\\vw\\b.csv"},
       "Byly vybrány 2 soubory: C:\\vv\\a.csv, C:\\vw\\b.csv\n"},
      {{"a.csv", "b.csv"}, "Byly vybrány 2 soubory: a.csv, b.csv\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(SelectionLine(c.paths), c.line);

  // Names of 96 bytes: ten of them (with their commas) fill the room for
  // names, the eleventh does not fit.
  std::vector<std::string> many;
  std::string names;
  for (int i = 0; i < 12; ++i) {
    many.push_back("C:\\v\\" + std::string(90, 'x') + std::to_string(100 + i) + ".csv");
    if (i < 10) names += (i > 0 ? ", " : "") + many.back().substr(5);
  }
  EXPECT_EQ(SelectionLine(many),
            "Bylo vybráno 12 souborů ve složce C:\\v: " + names + " a další\n");
}

}  // namespace
}  // namespace tarvolo
