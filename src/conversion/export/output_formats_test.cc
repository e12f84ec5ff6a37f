#include "conversion/export/output_formats.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The formats as the front ends offer them: a line per row.
std::string ListOfFormats() {
  std::string list;
  for (const OutputFormat& format : OutputFormats()) {
    list += std::string(format.name) + " " + format.option + " " + format.defaultFile;
    if (format.alwaysWritten) list += ", written by every run";
    if (format.checkFile != nullptr) list += ", checked by --check";
    if (format.runReport) list += ", one for the run";
    list += "\n";
  }
  return list;
}

TEST(OutputFormatsTest, TheTableListsEachFormatOnce) {
  const std::string list = ListOfFormats();
  std::printf("%s", list.c_str());
  EXPECT_EQ(list,
            "ABO --output export.gpc, written by every run, checked by --check\n"
            "camt.053 --camt export.xml\n"
            "přehled HTML --report export.html, one for the run\n");
  std::set<std::string> names, options, files;
  for (const OutputFormat& format : OutputFormats()) {
    for (const char* text : {format.name, format.option, format.defaultFile, format.usage}) {
      ASSERT_NE(text, nullptr);
      EXPECT_STRNE(text, "");
    }
    // The report is no statement: the run writes it, not an output.
    if (format.runReport) {
      EXPECT_EQ(format.make, nullptr) << format.name;
    } else {
      ASSERT_NE(format.make, nullptr) << format.name;
      EXPECT_NE(format.make(OutputAdvice()), nullptr) << format.name;
    }
    EXPECT_EQ(std::string(format.option).rfind("--", 0), 0u) << format.option;
    EXPECT_TRUE(names.insert(format.name).second) << format.name;
    EXPECT_TRUE(options.insert(format.option).second) << format.option;
    EXPECT_TRUE(files.insert(format.defaultFile).second) << format.defaultFile;
  }
  EXPECT_TRUE(OutputFormats().front().alwaysWritten);
  EXPECT_NE(CheckedFormat().checkFile, nullptr);
}

// The report's path goes to the request as the run's, the others' as its
// statements' outputs.
TEST(OutputFormatsTest, TheReportIsTheRunsNotAStatementsOutput) {
  std::vector<std::string> paths;
  for (const OutputFormat& format : OutputFormats()) {
    paths.push_back(std::string("out-") + format.defaultFile);
  }
  ExportRequest request;
  const auto outputs = AddOutputs(paths, OutputAdvice(), &request);
  EXPECT_EQ(request.reportPath, "out-export.html");
  ASSERT_EQ(request.outputs.size(), OutputFormats().size() - 1);
  for (const OutputFile& output : request.outputs) EXPECT_NE(output.path, "out-export.html");
}

// The checker of a row is the one of the format its output writes: an
// empty statement written by the output passes it.
TEST(OutputFormatsTest, EachCheckerAcceptsItsOwnFormatsStatement) {
  StatementSummary summary;
  summary.profile.accountNumber = "2000145399";
  summary.profile.accountName = "Hlavni ucet";
  summary.profile.statementNumber = 7;
  summary.accountField = "0000002000145399";
  summary.statementDate = 1412157600;
  for (const OutputFormat& format : OutputFormats()) {
    if (format.checkFile == nullptr) continue;
    SCOPED_TRACE(format.name);
    const auto output = format.make(OutputAdvice());
    std::vector<FieldCut> reports;
    output->Begin(summary.profile, &reports);
    output->Finish(summary, "x", [](LogKind, const char*) {});
    std::string written;
    ASSERT_TRUE(output->Write([&written](std::string_view bytes) {
      written.append(bytes);
      return true;
    }));
    EXPECT_EQ(format.checkFile(written), std::vector<std::string>());
    EXPECT_EQ(output->Check(written), std::vector<std::string>());
  }
}

// A run writes the formats given a path, in the order of the table, each
// through its own output.
TEST(OutputFormatsTest, OutputsAreMadeForTheFormatsGivenAPath) {
  const std::string none;
  const struct {
    std::vector<std::string> paths;
    std::vector<std::string> written;
  } cases[] = {
      {{"a.gpc", none}, {"a.gpc"}}, {{"a.gpc", "a.xml"}, {"a.gpc", "a.xml"}},
      {{none, "a.xml"}, {"a.xml"}}, {{none, none}, {}},
      {{"a.gpc"}, {"a.gpc"}},
  };
  for (const auto& c : cases) {
    ExportRequest request;
    const auto outputs = AddOutputs(c.paths, OutputAdvice(), &request);
    std::vector<std::string> written;
    for (const OutputFile& file : request.outputs) written.push_back(file.path);
    EXPECT_EQ(written, c.written);
    ASSERT_EQ(outputs.size(), request.outputs.size());
    for (size_t i = 0; i < outputs.size(); ++i)
      EXPECT_EQ(request.outputs[i].format, outputs[i].get());
  }
}

}  // namespace
}  // namespace tarvolo
