// The run's seam for output formats, shown with a format that exists only
// here: a plain list of the items and the statement's totals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "conversion/camt/camt_output.h"
#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/statement/statement.h"
#include "memory_files.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A line per item, its amount in hellers with its sign and its variable
// symbol, then the count, the turnovers and the balances.
class ListOutput : public StatementOutput {
 public:
  void Begin(const AccountProfile&, std::vector<FieldCut>*) override {
    text_.clear();
    confirmed_ = 0;
  }
  void Add(const StatementItem& item, std::string_view) override {
    text_ += (item.amount < 0 ? "-" : "+") + std::to_string(std::llabs(item.amount)) + " " +
             std::string(item.variableSymbol) + "\n";
  }
  void Confirm() override { confirmed_ = text_.size(); }
  void TakeBack() override {
    if (text_.size() > confirmed_) ++takenBack;
    text_.resize(confirmed_);
  }
  void Finish(const StatementSummary& summary, const std::string&, const LogLine&) override {
    const ExportTotals& t = summary.totals;
    text_ += "= " + std::to_string(t.itemCount) + " +" + std::to_string(t.creditHellers) + " -" +
             std::to_string(t.debitHellers) + " " + std::to_string(t.openingHellers) + " " +
             std::to_string(t.closingHellers) + "\n";
  }
  bool Write(const BytesWriter& write) override { return !failWrite && write(text_); }
  std::vector<std::string> Check(std::string_view written) const override {
    if (!problem.empty()) return {problem};
    return written == text_ ? std::vector<std::string>() : std::vector<std::string>{"jiný obsah"};
  }

  bool failWrite = false;
  std::string problem;
  int takenBack = 0;  // readings whose items were taken back

 private:
  std::string text_;
  size_t confirmed_ = 0;
};

// The same list read from a GPC file: its records, then its header's values.
std::string ListOfGpc(const std::string& gpc) {
  std::string list;
  const auto number = [&gpc](size_t at, size_t width) {
    return std::to_string(std::stoll(gpc.substr(at, width)));
  };
  for (size_t at = 130; at + 130 <= gpc.size(); at += 130) {
    // Accounting code 1 and 4 are debits.
    const char code = gpc[at + 60];
    const std::string symbol = number(at + 61, 10);
    list += std::string(code == '1' || code == '4' ? "-" : "+") + number(at + 48, 12) + " " +
            (symbol == "0" ? "" : symbol) + "\n";
  }
  const std::string old = number(45, 14), now = number(60, 14);
  list += "= " + std::to_string(gpc.size() / 130 - 1) + " +" + number(90, 14) + " -" +
          number(75, 14) + " " + (gpc[59] == '-' && old != "0" ? "-" : "") + old + " " +
          (gpc[74] == '-' && now != "0" ? "-" : "") + now + "\n";
  return list;
}

class StatementOutputsTest : public testing::Test {
 protected:
  void SetUp() override {
    UseExampleProfile("2000145399");
    gpcPath_ = folder_.File("export.gpc");
    camtPath_ = folder_.File("export.xml");
    listPath_ = folder_.File("export.txt");
  }

  ExportResult Run(const std::vector<std::string>& files) {
    log_.clear();
    ExportRequest request;
    request.fileSystem = &folder_;
    request.files = files;
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = 1412157600;  // 1 October 2014
    request.outputs = {{gpcPath_, &gpc_}, {camtPath_, &camt_}, {listPath_, &list_}};
    request.bankCode = 800;
    return RunStatementExport(
        request, [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); });
  }

  MemoryFiles folder_;
  std::string gpcPath_, camtPath_, listPath_;
  GpcOutput gpc_;
  CamtOutput camt_;
  ListOutput list_;
  std::string log_;
};

// Servis24 lines: number;date;amount;;;VS.
std::string Servis(const std::vector<std::string>& rows) {
  std::string text = "Číslo;Datum;Částka;Protiúčet;Název;VS;Měna;Poznámka;KS;SS;Zpráva\r\n";
  for (const std::string& row : rows) text += "1;" + row + ";;;;;Položka\r\n";
  return text;
}

// Every format gets the items and the totals the run accepted, and none of
// a reading it tried and did not keep.
TEST_F(StatementOutputsTest, AThirdFormatGetsTheItemsAndTotalsOfTheGpcFile) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    int items;
    bool takenBack;  // a reading tried on a file gave items and was not kept
    // Amounts of more places than hellers are named: the log asks to be read.
    ExportOutcome outcome = ExportOutcome::kWritten;
  } cases[] = {
      {"one Servis24 file",
       {{"a.csv", Servis({"2014/09/02;10;;;7", "2014/09/03;-5,5;;;8"})}},
       2,
       false},
      {"columns by their names, the Servis24 reading tried aside",
       {{"b.csv", "Datum;Částka;VS\n1.9.2014;-2,50;11\n2.9.2014;7;12\n"}},
       2,
       false},
      {"amounts of less than a heller and a balance below zero",
       {{"d.csv", Servis({"2014/09/02;-2000,004;;;1", "2014/09/02;0,005;;;2"})}},
       2,
       false,
       ExportOutcome::kWrittenWithProblems},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> paths;
    for (const auto& [name, content] : c.files) paths.push_back(folder_.Write(name, content));
    list_.takenBack = 0;
    const ExportResult result = Run(paths);
    ASSERT_EQ(result.outcome, c.outcome) << log_;
    const std::string list = folder_.Read(listPath_);
    EXPECT_EQ(list, ListOfGpc(folder_.Read(gpcPath_)));
    EXPECT_EQ(list_.takenBack > 0, c.takenBack);
    ASSERT_EQ(result.statements.size(), 1u);
    const WrittenStatement& written = result.statements[0];
    EXPECT_EQ(written.paths, (std::vector<std::string>{gpcPath_, camtPath_, listPath_}));
    EXPECT_EQ(written.totals.itemCount, c.items);
    EXPECT_EQ(written.totals.creditCount + written.totals.debitCount, c.items);
    for (const std::string& path : written.paths) {
      EXPECT_NE(log_.find("Kontrola souboru " + path + ": v pořádku\n"), std::string::npos);
    }
  }
}

// The files of a run are all written or none is, and each one's check
// counts towards the outcome.
TEST_F(StatementOutputsTest, EveryFormatIsWrittenAndCheckedOrNoneIsWritten) {
  struct Case {
    bool failWrite;
    const char* problem;
    ExportOutcome outcome;
    std::string lastLines;
  } cases[] = {
      {true, "", ExportOutcome::kWriteFailed,
       "Soubor " + gpcPath_ + " se nepodařilo zapsat!!!\nSoubor " + camtPath_ +
           " se nepodařilo zapsat!!!\nSoubor " + listPath_ + " se nepodařilo zapsat!!!\n"},
      {false, "chybí součet", ExportOutcome::kWrittenWithProblems,
       "Kontrola souboru " + gpcPath_ + ": v pořádku\nKontrola souboru " + camtPath_ +
           ": v pořádku\nKontrola souboru " + listPath_ +
           ": chybí součet!!!\nPozor: 1 upozornění, zkontrolujte je před importem!!!\n"},
  };
  const std::string statement = folder_.Write("a.csv", Servis({"2014/09/02;10;;;7"}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    for (const char* name : {"export.gpc", "export.xml", "export.txt"}) folder_.Write(name, "old");
    list_.failWrite = c.failWrite;
    list_.problem = c.problem;
    const ExportResult result = Run({statement});
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(log_.substr(log_.size() - std::min(log_.size(), c.lastLines.size())), c.lastLines);
    for (const std::string& path : {gpcPath_, camtPath_, listPath_}) {
      EXPECT_EQ(folder_.Read(path) == "old", c.failWrite) << path;
    }
    EXPECT_EQ(result.statements.size(), c.failWrite ? 0u : 1u);
  }
}

}  // namespace
}  // namespace tarvolo
