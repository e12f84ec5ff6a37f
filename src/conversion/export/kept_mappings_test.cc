#include "conversion/export/kept_mappings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/whole_file.h"
#include "temp_folder.h"

namespace tarvolo {
namespace {

ColumnMapping Mapping(const char* text) {
  ColumnMapping mapping;
  std::string error;
  EXPECT_TRUE(ParseColumnMapping(text, &mapping, &error)) << error;
  return mapping;
}

std::string Content(const std::string& path) {
  std::string content;
  ReadWholeFile(path.c_str(), &content);
  return content;
}

TEST(KeptMappingsTest, LivesBesideTheSettingsFile) {
  EXPECT_EQ(KeptMappingsPath("tarvolo.cfg"), "tarvolo-columns.txt");
  EXPECT_EQ(KeptMappingsPath("C:\\Data\\tarvolo.cfg"), "C:\\Data\\tarvolo-columns.txt");
  EXPECT_EQ(KeptMappingsPath("/home/u/p.cfg"), "/home/u/tarvolo-columns.txt");
}

// Each header keeps its last mapping; every other line stays as it stands,
// one the program cannot read too, and is named when the mappings are read.
TEST(KeptMappingsTest, KeepsOneMappingPerHeaderAndEveryOtherLine) {
  TempFolder folder;
  const std::string path = folder.File("tarvolo-columns.txt");
  const std::vector<std::string> first = {"When", "Sum"}, second = {"Day", "Total", "Note"};
  struct Step {
    const char* mapping;
    std::vector<std::vector<std::string>> headers;
    std::string content;  // the file after the step
  };
  const std::string damaged = "datum=When\tWhen\r\n";
  const Step steps[] = {
      {.mapping = "datum=When;částka=Sum",
       .headers = {first, first},
       .content = "datum=When;částka=Sum\tWhen\tSum\r\n"},
      {.mapping = "datum=Day;částka=Total",
       .headers = {second},
       .content =
           "datum=When;částka=Sum\tWhen\tSum\r\ndatum=Day;částka=Total\tDay\tTotal\tNote\r\n"},
      {.mapping = "date=When;amount=Sum",
       .headers = {first},
       .content = "datum=Day;částka=Total\tDay\tTotal\tNote\r\n" + damaged +
                  "date=When;amount=Sum\tWhen\tSum\r\n"},
  };
  for (const Step& step : steps) {
    // Before the last step, a line is damaged by hand.
    if (&step == &steps[2]) folder.Write("tarvolo-columns.txt", Content(path) + damaged);
    EXPECT_EQ(KeepMapping(path, Mapping(step.mapping), step.headers), "") << step.mapping;
    EXPECT_EQ(Content(path), step.content) << step.mapping;
  }
  std::string note;
  const std::vector<ColumnMapping> kept = LoadKeptMappings(path, &note);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].header, second);
  EXPECT_EQ(kept[1].text, "date=When;amount=Sum");
  EXPECT_EQ(kept[1].header, first);
  EXPECT_NE(note.find("řádků, které nelze přečíst jako převod sloupců, je 1"), std::string::npos)
      << note;
  // A cell with a tab would split its line: nothing is written.
  EXPECT_NE(KeepMapping(path, Mapping("datum=A;částka=B"), {{"A", "B\tC"}}), "");
  EXPECT_EQ(LoadKeptMappings(folder.File("none.txt"), &note).size(), 0u);
}

}  // namespace
}  // namespace tarvolo
