#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/export/statement_export.h"
#include "conversion/export/statement_path.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/values/dates.h"
#include "currency_accounts_for_tests.h"
#include "memory_files.h"
#include "test_support.h"

namespace tarvolo {
namespace {

TEST(StatementPathTest, SuffixBeforeTheExtension) {
  const struct {
    const char* path;
    const char* written;
  } cases[] = {
      {"export.gpc", "export-EUR.gpc"},
      {"C:\\Data\\v.1\\export.gpc", "C:\\Data\\v.1\\export-EUR.gpc"},
      {"a.b/export", "a.b/export-EUR"},
      {"dir/.gpc", "dir/.gpc-EUR"},
      {"export.2014.xml", "export.2014-EUR.xml"},
  };
  for (const auto& c : cases) EXPECT_EQ(StatementPath(c.path, "-EUR"), c.written) << c.path;
}

// The Wise export's columns, with the balance after each row.
const char kWiseHeader[] =
    "\"TransferWise ID\",Date,Amount,Currency,Description,\"Running Balance\","
    "\"Transaction Type\"\n";
// KB Business repeats its statement's values on every row of each account.
const char kKbHeader[] =
    "Datum vytvoreni souboru;Cislo uctu;Mena uctu;IBAN;Nazev uctu;Vypis ze dne;Cislo vypisu;"
    "Predchozi vypis ze dne;Pocet polozek;Pocatecni zustatek;Obrat debet;Obrat kredit;"
    "Konecny zustatek;Datum splatnosti;Datum odepsani JB;Protiucet;Kod banky protiuctu;"
    "Nazev protiuctu;Castka;VS;KS;SS;Identifikace transakce;Systemovy popis;Popis pro me;"
    "Popis pro prijemce;AV pole\n";

std::string KbRow(const std::string& account, const std::string& currency,
                  const std::string& balances, const std::string& day, const std::string& amount) {
  return "01.10.2014;" + account + ";" + currency + ";;Firma;30.09.2014;9;31.08.2014;2;" +
         balances + ";" + day + ".09.2014;;2600123456;2010;Odberatel;" + amount +
         ";1;;;1;Uhrada;;;\n";
}

// Each file a run writes beside the main one: its name, the opening balance
// of its header and its count of items.
struct Written {
  std::string name;
  std::string opening;  // as the header's field holds it
  int32_t items;
};

// A run over files of several currencies and own accounts writes one
// statement for each, every item in one of them.
TEST(StatementSplitTest, OneStatementForEachAccountAndCurrency) {
  const struct Case {
    const char* what;
    std::string content;
    ExportOutcome outcome;
    std::vector<Written> written;
    const char* logged;
  } cases[] = {
      {"three currencies, with running balances",
       kWiseHeader + std::string("T-1,02-09-2014,100.00,CZK,a,1100.50,CREDIT\n"
                                 "T-2,03-09-2014,-5.00,EUR,b,15.00,DEBIT\n"
                                 "T-3,04-09-2014,7.50,USD,c,7.50,CREDIT\n"
                                 "T-4,05-09-2014,-50.00,CZK,d,1050.50,DEBIT\n"),
       ExportOutcome::kWritten,
       {{"export.gpc", "00000000100050+", 2},
        {"export-EUR.gpc", "00000000002000+", 1},
        {"export-USD.gpc", "00000000000000+", 1}},
       "Výpis účtu 2000145399 v USD, 1 položek: "},
      {"three currencies, no balances: the others open at 0, warned",
       "Datum;Částka;Měna\n2.9.2014;10;CZK\n3.9.2014;-4;EUR\n4.9.2014;6;GBP\n5.9.2014;1;CZK\n",
       ExportOutcome::kWrittenWithProblems,
       {{"export.gpc", "00000000100050+", 2},
        {"export-EUR.gpc", "00000000000000+", 1},
        {"export-GBP.gpc", "00000000000000+", 1}},
       "export-GBP.gpc: počáteční zůstatek neuvádí žádný soubor, hlavička má zůstatek 0,00 GBP!!!"},
      {"KB Business with two accounts, each with its own balances",
       kKbHeader + KbRow("2000145399", "CZK", "1 000,50;0,00;30,00;1 030,50", "02", "30,00") +
           KbRow("51-1234567890", "EUR", "500,00;5,00;0,00;495,00", "03", "-5,00") +
           KbRow("2000145399", "CZK", "1 000,50;0,00;30,00;1 030,50", "04", "0,00"),
       ExportOutcome::kWritten,
       {{"export.gpc", "00000000100050+", 1},
        {"export-51-1234567890-EUR.gpc", "00000000050000+", 1}},
       "Výpis účtu 51-1234567890 v EUR, 1 položek: "},
  };
  for (const Case& c : cases) {
    MemoryFiles folder;
    ExportRequest request;
    request.fileSystem = &folder;
    request.files = {folder.Write("s.csv", c.content)};
    request.profile = {"2000145399", "Firma", "1000.50", CalendarDayToStoredTimestamp(2014, 9, 1),
                       7};
    request.statementDate = 1412157600;
    request.currencyAccounts = CurrencyAccountsForTests("2000145399");
    GpcOutput gpc;
    request.outputs = {{folder.File("export.gpc"), &gpc}};
    std::string log;
    const ExportResult result = RunStatementExport(
        request, [&log](LogKind kind, const char* line) { log += ShownLogLine(kind, line); });
    EXPECT_EQ(result.outcome, c.outcome) << c.what << "\n" << log;
    ASSERT_EQ(result.statements.size(), c.written.size()) << c.what << "\n" << log;
    for (size_t i = 0; i < c.written.size(); ++i) {
      const Written& want = c.written[i];
      const std::string path = folder.File(want.name);
      EXPECT_EQ(result.statements[i].paths, std::vector<std::string>{path}) << c.what;
      EXPECT_EQ(result.statements[i].totals.itemCount, want.items) << c.what << " " << want.name;
      const std::string header = folder.Read(path) + std::string(60, ' ');
      EXPECT_EQ(header.substr(45, 15), want.opening) << c.what << " " << want.name;
    }
    EXPECT_NE(log.find(c.logged), std::string::npos) << c.what << "\n" << log;
  }
}

}  // namespace
}  // namespace tarvolo
