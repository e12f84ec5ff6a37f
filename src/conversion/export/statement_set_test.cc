#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/values/dates.h"
#include "currency_accounts_for_tests.h"
#include "memory_files.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A file of the account's October in `currency`, as KB writes the currency
// after the account's number, with its balances and rows.
std::string StatedAccountFile(const std::string& currency, const std::string& period,
                              const std::string& balances, const std::string& rows) {
  return "Číslo účtu;2000145399 " + currency + "\nVýpis za období;" + period + "\n\n" + balances +
         "\nDatum splatnosti;Protiúčet a kód banky;Název protiúčtu;Částka;VS;Popis pro "
         "příjemce\n" +
         rows;
}

const char kOctober[] = "01.10.2014 - 31.10.2014";
const char kEuroBalances[] = "Počáteční zůstatek;+2000,00\nKonečný zůstatek;+2380,00\n";
const char kEuroRows[] =
    "04.10.2014;35-1843350247/0100;Kolář;-20,00;1;a\n15.10.2014;2600123456/2010;Odběratel;"
    "+400,00;2;b\n";
const char kKorunaBalances[] = "Počáteční zůstatek;+1000,00\nKonečný zůstatek;+1100,00\n";
const char kKorunaRows[] = "05.10.2014;35-1843350247/0100;Kolář;+100,00;3;c\n";

// KB Business repeats its statement's values on every row of each account.
const char kKbHeader[] =
    "Datum vytvoreni souboru;Cislo uctu;Mena uctu;IBAN;Nazev uctu;Vypis ze dne;Cislo vypisu;"
    "Predchozi vypis ze dne;Pocet polozek;Pocatecni zustatek;Obrat debet;Obrat kredit;"
    "Konecny zustatek;Datum splatnosti;Datum odepsani JB;Protiucet;Kod banky protiuctu;"
    "Nazev protiuctu;Castka;VS;KS;SS;Identifikace transakce;Systemovy popis;Popis pro me;"
    "Popis pro prijemce;AV pole\n";

std::string KbRow(const std::string& account, const std::string& balances,
                  const std::string& amount, const std::string& counter = "2600123456;2010") {
  return "01.10.2014;" + account + ";CZK;;Firma;30.09.2014;9;31.08.2014;1;" + balances +
         ";02.09.2014;;" + counter + ";Odberatel;" + amount + ";1;;;1;Uhrada;;;\n";
}

// Ten own accounts in one file, each with one item: the profile's and
// nine others, 1-1234567890 to 9-1234567890.
std::string TenAccounts() {
  std::string file = kKbHeader + KbRow("2000145399", "1 000,00;0,00;30,00;1 030,00", "30,00");
  for (char prefix = '1'; prefix <= '9'; ++prefix) {
    file += KbRow(std::string(1, prefix) + "-1234567890", "0,00;0,00;30,00;30,00", "30,00");
  }
  return file;
}

// One statement the run must write: its file, its count of items and the
// old and new balances of its header.
struct Expected {
  std::string name;
  int32_t items = 0;
  std::string opening, closing;  // as the header's fields hold them
};

struct Situation {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // name, content
  bool balanceFromFile = false;
  ExportOutcome outcome = ExportOutcome::kWritten;
  std::vector<Expected> statements;  // in the order written
  std::string logged;                // a line the log must hold, "" for none
  const char* notLogged = "";        // text no line may hold, "" for none
};

std::vector<Expected> TenStatements() {
  std::vector<Expected> written = {{.name = "export.gpc",
                                    .items = 1,
                                    .opening = "00000000100000+",
                                    .closing = "00000000103000+"}};
  for (char prefix = '1'; prefix <= '9'; ++prefix) {
    written.push_back({.name = "export-" + std::string(1, prefix) + "-1234567890.gpc",
                       .items = 1,
                       .opening = "00000000000000+",
                       .closing = "00000000003000+"});
  }
  return written;
}

// What one run wrote: the log, and each statement's header and its records
// in their order of bytes, which the order of the files may not change.
struct RunOutcome {
  ExportResult result;
  std::string log;
  std::map<std::string, std::string> headers;
  std::map<std::string, std::vector<std::string>> records;
};

RunOutcome RunInOrder(const Situation& s, const std::vector<size_t>& order) {
  MemoryFiles folder;
  ExportRequest request;
  request.fileSystem = &folder;
  for (size_t index : order) {
    request.files.push_back(folder.Write(s.files[index].first, s.files[index].second));
  }
  request.profile = {"2000145399", "Firma", "1000.00", CalendarDayToStoredTimestamp(2014, 10, 1),
                     7};
  request.statementDate = 1417428000;
  request.balanceFromFile = s.balanceFromFile;
  // The account's statements in every currency are under its number, as
  // its files say.
  request.currencyAccounts = CurrencyAccountsForTests("2000145399");
  GpcOutput gpc;
  request.outputs = {{folder.File("export.gpc"), &gpc}};
  RunOutcome run;
  run.result = RunStatementExport(
      request, [&run](LogKind kind, const char* line) { run.log += ShownLogLine(kind, line); });
  for (const WrittenStatement& statement : run.result.statements) {
    const std::string bytes = folder.Read(statement.paths.front());
    run.headers[statement.paths.front()] = bytes.substr(0, 130);
    std::vector<std::string>& records = run.records[statement.paths.front()];
    for (size_t at = 130; at + 130 <= bytes.size(); at += 130)
      records.push_back(bytes.substr(at, 130));
    std::sort(records.begin(), records.end());
  }
  return run;
}

// A run is a set of statements, one for each own account and currency its
// files hold, each proven on its own files: whatever the order of the files,
// the same statements with the same items and balances, and the same exit.
TEST(StatementSetTest, EachStatementOnItsOwnWhateverTheOrderOfTheFiles) {
  const Situation situations[] = {
      {.what = "a currency written after the account's number reaches the rows",
       .files = {{"eur.csv", StatedAccountFile("EUR", kOctober, kEuroBalances, kEuroRows)},
                 {"czk.csv", StatedAccountFile("CZK", kOctober, kKorunaBalances, kKorunaRows)}},
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000110000+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000200000+",
                       .closing = "00000000238000+"}},
       .logged = "Výpis účtu 2000145399 v EUR, 2 položek: memory/export-EUR.gpc\n",
       // The two files of one month are two statements' files, not one's.
       .notLogged = "překrývají"},
      {.what = "balance lines with a code state the account's currency",
       .files = {{"eur.csv",
                  "Počáteční zůstatek;1 000,00 EUR\nKonečný zůstatek;1 380,00 EUR\n\n"
                  "Datum;Částka;Zpráva\n04.10.2014;-20,00;a\n15.10.2014;400,00;b\n"},
                 {"czk.csv", "Datum;Částka;Zpráva\n05.10.2014;100,00;c\n"}},
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000110000+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000100000+",
                       .closing = "00000000138000+"}},
       .logged = "eur.csv: počáteční zůstatek 1000.00 + položky 380.00 = konečný zůstatek 1380.00 "
                 "EUR, souhlasí\n",
       .notLogged = "rozdíl"},
      {.what = "a koruna account without movement beside its euros: both written",
       .files = {{"still.csv",
                  "Měna účtu;CZK\nPočáteční zůstatek;1 000,00\nKonečný zůstatek;1 000,00\n\n"
                  "Datum;Částka;Zpráva\n05.10.2014;0,00;nic\n"},
                 {"eur.csv",
                  "Datum;Částka;Měna;Zpráva\n05.10.2014;10,00;EUR;x\n"
                  "06.10.2014;-4,00;EUR;y\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 0,
                       .opening = "00000000100000+",
                       .closing = "00000000100000+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000000000+",
                       .closing = "00000000000600+"}},
       .logged = "Výpis memory/export-EUR.gpc: počáteční zůstatek neuvádí žádný soubor, hlavička "
                 "má zůstatek 0,00 EUR!!!\n"},
      {.what = "euros given first: the koruna's statement still takes the profile's values",
       .files = {{"eur.csv", "Datum;Částka;Měna\n05.10.2014;10,00;EUR\n"},
                 {"czk.csv", "Datum;Částka\n06.10.2014;7,00\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000100700+"},
                      {.name = "export-EUR.gpc",
                       .items = 1,
                       .opening = "00000000000000+",
                       .closing = "00000000001000+"}},
       // The koruna by default, said where the run has other currencies.
       .logged = "Soubor memory/czk.csv neuvádí měnu účtu a 1 jeho položek žádnou měnu nemá: "
                 "jsou ve výpisu v Kč\n"},
      {.what = "an Italian Valuta column holds the rows' currency, not a value date",
       .files = {{"it.csv",
                  "Data;Importo;Valuta;Descrizione\n05.10.2014;10,00;EUR;x\n"
                  "06.10.2014;-4,00;EUR;y\n"},
                 {"czk.csv", "Datum;Částka\n06.10.2014;7,00\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000100700+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000000000+",
                       .closing = "00000000000600+"}},
       .logged = "Výpis účtu 2000145399 v EUR, 2 položek: memory/export-EUR.gpc\n"},
      {.what = "--balance-from-file: each statement's earliest file of its own",
       .files = {{"eur-september.csv",
                  StatedAccountFile("EUR", "01.09.2014 - 30.09.2014", kEuroBalances,
                                    "04.09.2014;35-1843350247/0100;Kolář;-20,00;1;a\n"
                                    "15.09.2014;2600123456/2010;Odběratel;+400,00;2;b\n")},
                 {"czk.csv", StatedAccountFile("CZK", kOctober, kKorunaBalances, kKorunaRows)}},
       .balanceFromFile = true,
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000110000+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000200000+",
                       .closing = "00000000238000+"}},
       .logged = "Počáteční zůstatek 1000.00 Kč převzat ze souboru memory/czk.csv\n"},
      {.what = "ten own accounts in one file: ten statements",
       .files = {{"kb.csv", TenAccounts()}},
       .statements = TenStatements(),
       .logged = "Výpis účtu 9-1234567890 v CZK, 1 položek: memory/export-9-1234567890.gpc\n"},
      {.what = "the profile's account with only a zero row: its balances are written, and the "
               "other account",
       .files = {{"kb.csv", kKbHeader + KbRow("2000145399", "1 000,00;0,00;0,00;1 000,00", "0,00") +
                                KbRow("51-1234567890", "500,00;5,00;0,00;495,00", "-5,00")}},
       .statements = {{.name = "export.gpc",
                       .items = 0,
                       .opening = "00000000100000+",
                       .closing = "00000000100000+"},
                      {.name = "export-51-1234567890.gpc",
                       .items = 1,
                       .opening = "00000000050000+",
                       .closing = "00000000049500+"}},
       .logged = "Výpis účtu 51-1234567890 v CZK, 1 položek: memory/export-51-1234567890.gpc\n"},
      {.what = "a transfer between two own accounts is an item of each",
       .files = {{"kb.csv", kKbHeader +
                                KbRow("2000145399", "1 000,00;100,00;0,00;900,00", "-100,00",
                                      "51-1234567890;0100") +
                                KbRow("51-1234567890", "500,00;0,00;100,00;600,00", "100,00",
                                      "2000145399;0100")}},
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000090000+"},
                      {.name = "export-51-1234567890.gpc",
                       .items = 1,
                       .opening = "00000000050000+",
                       .closing = "00000000060000+"}},
       .logged = "Výpis účtu 51-1234567890 v CZK, 1 položek: memory/export-51-1234567890.gpc\n"},
      {.what = "a row whose own account does not read is named and left out",
       .files = {{"kb.csv", kKbHeader +
                                KbRow("2000145399", "1 000,00;0,00;30,00;1 030,00", "30,00") +
                                KbRow("51-1234567890", "500,00;5,00;0,00;495,00", "-5,00") +
                                KbRow("51-12345?7890", "500,00;7,00;0,00;493,00", "-7,00")}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000103000+"},
                      {.name = "export-51-1234567890.gpc",
                       .items = 1,
                       .opening = "00000000050000+",
                       .closing = "00000000049500+"}},
       .logged = "Soubor memory/kb.csv, řádek 4: vlastní účet 51-12345?7890 nelze přečíst, položka "
                 "nepatří žádnému výpisu, vynechána!!!\n"},
      {.what = "a row whose currency does not read is named and left out",
       .files = {{"czk.csv",
                  "Datum;Částka;Měna\n05.10.2014;10,00;CZK\n06.10.2014;4,00;E?\n"
                  "07.10.2014;1,00;CZK\n08.10.2014;2,00;CZK\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 3,
                       .opening = "00000000100000+",
                       .closing = "00000000101300+"}},
       .logged = "měnu E? nelze přečíst"},
  };
  for (const Situation& s : situations) {
    std::vector<size_t> order(s.files.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const RunOutcome first = RunInOrder(s, order);
    do {
      const RunOutcome run = RunInOrder(s, order);
      std::string named = s.what;
      for (size_t index : order) named += " " + s.files[index].first;
      EXPECT_EQ(run.result.outcome, s.outcome) << named << "\n" << run.log;
      ASSERT_EQ(run.result.statements.size(), s.statements.size()) << named << "\n" << run.log;
      for (size_t i = 0; i < s.statements.size(); ++i) {
        const Expected& want = s.statements[i];
        const std::string path = InMemoryFolder("memory/" + want.name);
        EXPECT_EQ(run.result.statements[i].paths, std::vector<std::string>{path}) << named;
        EXPECT_EQ(run.result.statements[i].totals.itemCount, want.items) << named << " " << path;
        const std::string header = run.headers.count(path) ? run.headers.at(path) : "";
        EXPECT_EQ(header.substr(45, 15), want.opening) << named << " " << path;
        EXPECT_EQ(header.substr(60, 15), want.closing) << named << " " << path;
      }
      EXPECT_EQ(run.headers, first.headers) << named;
      EXPECT_EQ(run.records, first.records) << named;
      EXPECT_NE(run.log.find(InMemoryFolder(s.logged)), std::string::npos) << named << "\n"
                                                                           << run.log;
      if (*s.notLogged != '\0') {
        EXPECT_EQ(run.log.find(s.notLogged), std::string::npos) << named << "\n" << run.log;
      }
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

}  // namespace
}  // namespace tarvolo
