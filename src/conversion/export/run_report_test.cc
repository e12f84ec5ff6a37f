// The report of a run: where it may be written, and what it shows of the
// statements, their items and the log.
#include "conversion/export/run_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "memory_files.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class RunReportTest : public testing::Test {
 protected:
  void SetUp() override { UseExampleProfile("2000145399"); }

  ExportResult Run(const std::vector<std::string>& files, const std::string& report) {
    log_.clear();
    ExportRequest request;
    request.reportPath = report;
    request.settingsPath = settings_.c_str();
    request.outputs = {{folder_.File("export.gpc"), &gpc_}};
    request.files = files;
    request.fileSystem = &folder_;
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = 1412157600;  // 1 October 2014
    return RunStatementExport(
        request, [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); });
  }

  MemoryFiles folder_;
  GpcOutput gpc_;
  std::string log_;
  std::string settings_ = folder_.Write("tarvolo.cfg", std::string(64, '\0'));
};

// The report is planned with the other files: never over a statement read
// or written, the settings or a folder; a refusal found before the run
// writes nothing, one found after it leaves the statements written.
TEST_F(RunReportTest, NeverOverAnotherFileOfTheRun) {
  const std::string twoCurrencies = "Datum;Částka;Měna\n2.9.2014;10;CZK\n3.9.2014;-4;EUR\n";
  folder_.AddFolder("folder");
  const struct {
    const char* name;
    std::string report;
    ExportOutcome outcome;
    bool statementWritten;
    std::string logged;
  } cases[] = {
      {"an input", folder_.File("a.csv"), ExportOutcome::kRefused, false,
       "Soubor memory/a.csv je jedním z převáděných výpisů, nelze jej přepsat!!!\n"},
      {"the settings", settings_, ExportOutcome::kRefused, false,
       "Soubor memory/tarvolo.cfg je soubor nastavení, nelze jej přepsat!!!\n"},
      {"the statement", folder_.File("export.gpc"), ExportOutcome::kRefused, false,
       "Soubor memory/export.gpc je zároveň výpisem běhu, přehled do něj nelze zapsat!!!\n"},
      {"a folder", folder_.File("folder"), ExportOutcome::kRefused, false,
       "Soubor memory/folder není obyčejný soubor, nelze jej nahradit!!!\n"},
      {"the statement in another currency", folder_.File("export-EUR.gpc"),
       ExportOutcome::kWrittenWithProblems, true,
       "Soubor memory/export-EUR.gpc je zároveň výpisem běhu, přehled do něj nelze zapsat!!!\n"},
      // The statement in euros states no opening balance, which warns.
      {"a file of its own", folder_.File("report.html"), ExportOutcome::kWrittenWithProblems, true,
       "Zapsán přehled memory/report.html\n"},
  };
  for (const auto& c : cases) {
    folder_.Remove(folder_.File("export.gpc"));
    folder_.Remove(folder_.File("export-EUR.gpc"));
    const std::string input = folder_.Write("a.csv", twoCurrencies);
    const ExportResult result = Run({input}, c.report);
    EXPECT_EQ(result.outcome, c.outcome) << c.name << log_;
    EXPECT_EQ(!folder_.Read(folder_.File("export.gpc")).empty(), c.statementWritten) << c.name;
    EXPECT_NE(log_.find(InMemoryFolder(c.logged)), std::string::npos) << c.name << log_;
    EXPECT_EQ(folder_.Read(input), twoCurrencies) << c.name;
  }
  EXPECT_NE(folder_.Read(folder_.File("report.html")).find("<!DOCTYPE html>"), std::string::npos);
}

// Each statement with its items; a warning about an item's line beside it,
// one about a line that gave no item among the lines left out, the rest for
// the whole run; texts of the files escaped.
TEST_F(RunReportTest, WarningsBesideTheItemsTheyName) {
  const std::string input = folder_.Write("a.csv",
                                          "Datum;Částka;Měna;VS;Zpráva\n"
                                          "2.9.2014;10;CZK;123456789012;<b>Faktura</b> & spol.\n"
                                          "31.02.2014;5;CZK;;\n"
                                          "3.9.2014;-4;EUR;;\n"
                                          "4.9.2014;7;CZK;;FA 2026001\n");
  const ExportResult result = Run({input}, folder_.File("report.html"));
  const std::string html = folder_.Read(folder_.File("report.html"));
  ASSERT_EQ(result.statements.size(), 2u) << log_;
  EXPECT_EQ(Occurrences(html, "<section class=\"statement\">"), 2u);
  EXPECT_EQ(Occurrences(html, "<tr class=\"item "), 3u);
  EXPECT_EQ(Occurrences(html, "data-status=\"unusable\""), 1u);
  EXPECT_EQ(Occurrences(html, "data-status=\"in-message\""), 1u);
  EXPECT_EQ(Occurrences(html, "data-status=\"debit\""), 1u);
  // The cut symbol is named beside its item, in the cell after its pairing.
  EXPECT_NE(html.find(InMemoryFolder("</td><td class=\"warnings\">Soubor memory/a.csv, řádek 2: "
                                     "variabilní symbol je delší než pole v ABO, zapsán jen jeho "
                                     "konec!!!</td>")),
            std::string::npos)
      << html;
  EXPECT_NE(html.find(InMemoryFolder("<tr class=\"left-out\"><td title=\"memory/a.csv\">a.csv, "
                                     "3</td><td>Soubor memory/a.csv, řádek 3: ")),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("&lt;b&gt;Faktura&lt;/b&gt; &amp; spol."), std::string::npos);
  EXPECT_EQ(html.find("<b>Faktura"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"amount\">-4,00 EUR</td>"), std::string::npos);
  // The whole log, the run's last warning line among the lines for the run.
  EXPECT_NE(html.find("<li class=\"marked\">Pozor: "), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

// Amounts as Czech readers write them, exact for every count of hellers.
TEST(RunReportHtmlTest, AmountsAsCzechReadersWriteThem) {
  const struct {
    int64_t hellers;
    const char* shown;
  } cases[] = {
      {0, "0,00"},
      {-5, "-0,05"},
      {99999, "999,99"},
      {100000, "1&nbsp;000,00"},
      {123456789, "1&nbsp;234&nbsp;567,89"},
      {INT64_MIN, "-92&nbsp;233&nbsp;720&nbsp;368&nbsp;547&nbsp;758,08"},
  };
  for (const auto& c : cases) {
    ExportResult result;
    WrittenStatement statement;
    statement.currency = "CZK";
    PairedItem item;
    item.amount = c.hellers;
    statement.items.push_back(item);
    result.statements.push_back(statement);
    const std::string html = RunReportHtml(ExportRequest(), result, {});
    EXPECT_NE(html.find(std::string("<td class=\"amount\">") + c.shown + " Kč</td>"),
              std::string::npos)
        << c.shown;
  }
}

}  // namespace
}  // namespace tarvolo
