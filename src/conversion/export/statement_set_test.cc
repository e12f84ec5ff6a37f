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

// A Revolut Business export of two own accounts in one currency, each
// named in its "Account" column and keeping a balance of its own: Main from
// 10 000 to 10 600 by three rows, Tax reserve from 2 000 to 2 301 by two,
// the transfer of 300 between them a row of each.
std::string TwoPockets(const std::string& first, const std::string& second) {
  return "Date completed (UTC),ID,Type,State,Description,Payment currency,Orig currency,Amount,"
         "Fee,Balance,Account\n"
         "2024-03-01 10:00:00,1,TOPUP,COMPLETED,Client,CZK,CZK,1000.00,0.00,11000.00," +
         first +
         "\n"
         "2024-03-02 10:00:00,2,TRANSFER,COMPLETED,To Tax reserve,CZK,CZK,-300.00,0.00,10700.00," +
         first +
         "\n"
         "2024-03-02 10:00:01,3,TRANSFER,COMPLETED,From Main,CZK,CZK,300.00,0.00,2300.00," +
         second +
         "\n"
         "2024-03-03 10:00:00,4,CARD_PAYMENT,COMPLETED,Shop,CZK,CZK,-100.00,0.00,10600.00," +
         first +
         "\n"
         "2024-03-04 10:00:00,5,INTEREST,COMPLETED,Interest,CZK,CZK,1.00,0.00,2301.00," +
         second + "\n";
}

// A row of a PayPal export on a day of October.
std::string PayPalRow(const char* day, const char* currency, const char* amount,
                      const char* balance, const char* id) {
  return std::string("\"10/") + day + "/2014\",\"10:00:00\",\"CET\",\"Payment\",\"" + currency +
         "\",\"" + amount + "\",\"0.00\",\"" + amount + "\",\"" + balance + "\",\"" + id +
         "\",\"Kolář\"\n";
}

// A PayPal export of koruna and euros, each currency with its own balance:
// the koruna from 1 000 by 100, -27 and `korunaRows`; the euros from 0 by
// -20 and 400.
std::string PayPalFile(const std::string& korunaRows) {
  return "\"Date\",\"Time\",\"Time Zone\",\"Description\",\"Currency\",\"Gross\",\"Fee\","
         "\"Net\",\"Balance\",\"Transaction ID\",\"Name\"\n" +
         PayPalRow("1", "CZK", "100.00", "1,100.00", "1") +
         PayPalRow("2", "EUR", "-20.00", "-20.00", "2") +
         PayPalRow("3", "CZK", "-27.00", "1,073.00", "3") + korunaRows +
         PayPalRow("4", "EUR", "400.00", "380.00", "4");
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

// The statements of PayPalFile: the koruna's of `korunaItems` from the
// profile's 1 000 to `korunaClosing`, and the euros' from 0 to 380.
std::vector<Expected> PayPalStatements(int32_t korunaItems, const std::string& korunaClosing) {
  return {{.name = "export.gpc",
           .items = korunaItems,
           .opening = "00000000100000+",
           .closing = korunaClosing},
          {.name = "export-EUR.gpc",
           .items = 2,
           .opening = "00000000000000+",
           .closing = "00000000038000+"}};
}

// The koruna's statement of one item of 100 from the profile's 1 000.
Expected KorunaOfOctober() {
  return {
      .name = "export.gpc", .items = 1, .opening = "00000000100000+", .closing = "00000000110000+"};
}

// A file of euros known only by the code its balance lines write, from
// 1 000 to 1 380, beside a file of koruna.
Situation EurosByTheirBalances(const char* what, const std::string& balanceLines,
                               const char* notLogged) {
  return {.what = what,
          .files = {{"eur.csv", balanceLines + "\nDatum;Částka;Zpráva\n04.10.2014;-20,00;a\n"
                                               "15.10.2014;400,00;b\n"},
                    {"czk.csv", "Datum;Částka;Zpráva\n05.10.2014;100,00;c\n"}},
          .statements = {KorunaOfOctober(),
                         {.name = "export-EUR.gpc",
                          .items = 2,
                          .opening = "00000000100000+",
                          .closing = "00000000138000+"}},
          .logged =
              "eur.csv: počáteční zůstatek 1000.00 + položky 380.00 = konečný zůstatek "
              "1380.00 EUR, souhlasí\n",
          .notLogged = notLogged};
}

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

// The statements of TwoPockets with --balance-from-file: the first pocket's
// under the names asked for, with `firstItems` items up to `firstClosing`,
// and the second pocket's in `second`.
std::vector<Expected> PocketStatements(const std::string& second, const std::string& firstClosing,
                                       int32_t firstItems = 3) {
  return {{.name = "export.gpc",
           .items = firstItems,
           .opening = "00000001000000+",
           .closing = firstClosing},
          {.name = second, .items = 2, .opening = "00000000200000+", .closing = "00000000230100+"}};
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
       .statements = {KorunaOfOctober(),
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000200000+",
                       .closing = "00000000238000+"}},
       .logged = "Výpis účtu 2000145399 v EUR, 2 položek: memory/export-EUR.gpc\n",
       // The two files of one month are two statements' files, not one's.
       .notLogged = "překrývají"},
      EurosByTheirBalances("balance lines with a code state the account's currency",
                           "Počáteční zůstatek;1 000,00 EUR\nKonečný zůstatek;1 380,00 EUR\n",
                           "rozdíl"),
      EurosByTheirBalances("a code after a balance label's colon states the account's currency",
                           "Počáteční stav účtu k 01.10.2014: 1 000,00 EUR\n"
                           "Konečný stav účtu k 31.10.2014: 1 380,00 EUR\n",
                           "1380.00 Kč"),
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
      {.what = "a row whose own account does not read is named, whatever its currency",
       .files = {{"own.csv",
                  "Vlastní účet;Datum;Částka;Měna;Zpráva\n2000145399;05.10.2014;10,00;CZK;a\n"
                  "abc;06.10.2014;-4,00;EUR;b\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000101000+"}},
       .logged = "Soubor memory/own.csv, řádek 3: vlastní účet abc nelze přečíst, položka "
                 "nepatří žádnému výpisu, vynechána!!!\n"},
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
      {.what = "a file of euros that names no account beside a file of two accounts: its "
               "balances are the profile's account's alone",
       .files = {{"eur.csv",
                  "Počáteční zůstatek;1 000,00 EUR\nKonečný zůstatek;1 380,00 EUR\n\n"
                  "Datum;Částka;Zpráva\n04.10.2014;-20,00;a\n15.10.2014;400,00;b\n"},
                 {"kb.csv", kKbHeader +
                                KbRow("2000145399", "1 000,00;0,00;30,00;1 030,00", "30,00") +
                                KbRow("51-1234567890", "500,00;5,00;0,00;495,00", "-5,00")}},
       .statements = {{.name = "export.gpc",
                       .items = 1,
                       .opening = "00000000100000+",
                       .closing = "00000000103000+"},
                      {.name = "export-EUR.gpc",
                       .items = 2,
                       .opening = "00000000100000+",
                       .closing = "00000000138000+"},
                      {.name = "export-51-1234567890.gpc",
                       .items = 1,
                       .opening = "00000000050000+",
                       .closing = "00000000049500+"}},
       .logged = "Výpis účtu 51-1234567890 v CZK, 1 položek: memory/export-51-1234567890.gpc\n",
       .notLogged = "51-1234567890 v EUR"},
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
      {.what = "two own accounts of one currency at a payment service: two statements, the "
               "transfer between them an item of each",
       .files = {{"revolut.csv", TwoPockets("Main", "Tax reserve")}},
       .balanceFromFile = true,
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = PocketStatements("export-Tax-reserve.gpc", "00000001060000+"),
       .logged = "Účet Tax reserve nemá v souborech vlastní číslo účtu, jeho výpis "
                 "memory/export-Tax-reserve.gpc je zapsán pod účtem 2000145399 z nastavení!!!\n"},
      {.what = "a pocket file beside another bank's: the other's rows are the account's own, "
               "and the pocket's statement has the pocket's file alone",
       .files = {{"revolut.csv", TwoPockets("Main", "Tax reserve")},
                 {"april.csv", "Datum;Částka\n06.04.2024;7,00\n"}},
       .balanceFromFile = true,
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = PocketStatements("export-Tax-reserve.gpc", "00000001060700+", 4),
       .logged = "Výpis účtu 2000145399 (Tax reserve) v měně CZK\n"},
      {.what = "the first pocket of the file is the account's own, whatever its name",
       .files = {{"revolut.csv", TwoPockets("Savings", "Main")}},
       .balanceFromFile = true,
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = PocketStatements("export-Main.gpc", "00000001060000+"),
       .logged = "Soubor memory/revolut.csv: 2 položek dalších účtů souboru vedených jen jménem, "
                 "zapsány do výpisů svých účtů\n"},
      {.what = "a later file whose first row is the second pocket's: each pocket still one "
               "statement",
       .files = {{"march.csv", TwoPockets("Main", "Tax reserve")},
                 {"april.csv",
                  "Date completed (UTC),ID,Type,State,Description,Payment currency,Orig "
                  "currency,Amount,Fee,Balance,Account\n"
                  "2024-04-01 10:00:00,6,INTEREST,COMPLETED,Interest,CZK,CZK,10.00,0.00,2311.00,"
                  "Tax reserve\n"
                  "2024-04-02 10:00:00,7,CARD_PAYMENT,COMPLETED,Shop,CZK,CZK,-100.00,0.00,"
                  "10500.00,Main\n"
                  "2024-04-03 10:00:00,8,CARD_PAYMENT,COMPLETED,Shop,CZK,CZK,-50.00,0.00,"
                  "10450.00,Main\n"}},
       .balanceFromFile = true,
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 5,
                       .opening = "00000001000000+",
                       .closing = "00000001045000+"},
                      {.name = "export-Tax-reserve.gpc",
                       .items = 3,
                       .opening = "00000000200000+",
                       .closing = "00000000231100+"}},
       .logged = "Výpis účtu 2000145399 v CZK, 5 položek: memory/export.gpc\n",
       .notLogged = "chybí pohyby"},
      {.what = "two accounts of one row each, which no balance tells apart: one statement, "
               "named",
       .files = {{"revolut.csv",
                  "Date completed (UTC),ID,Type,State,Description,Payment currency,Orig "
                  "currency,Amount,Fee,Balance,Account\n"
                  "2024-03-01 10:00:00,1,TOPUP,COMPLETED,Client,CZK,CZK,1000.00,0.00,11000.00,"
                  "Main\n"
                  "2024-03-02 10:00:00,2,TRANSFER,COMPLETED,Out,CZK,CZK,-300.00,0.00,2000.00,"
                  "Tax reserve\n"}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = {{.name = "export.gpc",
                       .items = 2,
                       .opening = "00000000100000+",
                       .closing = "00000000170000+"}},
       .logged = "Soubor memory/revolut.csv: řádky uvádějí více účtů, jejich zůstatky je od sebe "
                 "neodliší, položky jsou v jednom výpisu a zůstatky nesrovnány!!!\n"},
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
      {.what = "a koruna row written twice, the next row undoing it: booked as written, "
               "the copy named",
       .files = {{"paypal.csv", PayPalFile(PayPalRow("3", "CZK", "-27.00", "1,073.00", "3") +
                                           PayPalRow("6", "CZK", "27.00", "1,100.00", "5"))}},
       .outcome = ExportOutcome::kWrittenWithProblems,
       .statements = PayPalStatements(4, "00000000107300+"),
       .logged = "Soubor memory/paypal.csv, řádek 5: předchozí zůstatek 1073.00 + pohyb -27.00 = "
                 "1046.00, ale řádek uvádí zůstatek 1073.00, rozdíl 27.00!!!\n"},
      {.what = "two koruna rows listed the other way round than their balances run: proven, "
               "booked",
       .files = {{"paypal.csv", PayPalFile(PayPalRow("3", "CZK", "-50.00", "1,073.00", "6") +
                                           PayPalRow("3", "CZK", "50.00", "1,123.00", "7") +
                                           PayPalRow("6", "CZK", "27.00", "1,100.00", "8"))}},
       .statements = PayPalStatements(5, "00000000110000+"),
       .logged = "Soubor memory/paypal.csv: počáteční zůstatek 1000.00 + položky 100.00 = konečný "
                 "zůstatek 1100.00 Kč, souhlasí\n"},
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
