#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "memory_files.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

class FileReadingsTest : public testing::Test {
 protected:
  void SetUp() override {
    UseExampleProfile("2000145399");
    output_ = folder_.File("export.gpc");
  }

  ExportOutcome Convert(const std::string& content) {
    const std::string path = folder_.Write("v.csv", content);
    log_.clear();
    ExportRequest request;
    request.fileSystem = &folder_;
    request.files = {path};
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = 1412157600;  // 1 October 2014
    request.outputs = {{output_, &gpc_}};
    request.columnMappings = mappings_;
    folder_.Remove(output_);
    return RunStatementExport(
               request,
               [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); })
        .outcome;
  }

  // Amount and accounting code of each record, after its counter account
  // where `accounts`, "+" between them.
  std::string Records(bool accounts = false) const {
    const std::string written = folder_.Read(output_);
    std::string records;
    for (size_t at = 130; at + 130 <= written.size(); at += 130) {
      if (!records.empty()) records += '+';
      if (accounts) records += written.substr(at + 19, 16);
      records += written.substr(at + 48, 13);
    }
    return records;
  }

  // A file, what the run makes of it, and a part of its log; a run warns
  // exactly when it ends with its own outcome.
  struct Case {
    const char* what;
    std::string content;
    ExportOutcome outcome;
    std::string records;  // as Records() shows them
    std::string logged;
  };
  void Expect(const Case& c, bool accounts = false) {
    EXPECT_EQ(Convert(c.content), c.outcome) << c.what << "\n" << log_;
    if (c.outcome != kNothing) {
      EXPECT_EQ(Records(accounts), c.records) << c.what;
    }
    EXPECT_NE(log_.find(InMemoryFolder(c.logged)), std::string::npos) << c.what << "\n" << log_;
    const bool warned = log_.find("Pozor: ") != std::string::npos;
    EXPECT_EQ(warned, c.outcome == kWarned) << c.what;
  }
  static constexpr ExportOutcome kWritten = ExportOutcome::kWritten;
  static constexpr ExportOutcome kWarned = ExportOutcome::kWrittenWithProblems;
  static constexpr ExportOutcome kNothing = ExportOutcome::kNothingLoaded;

  MemoryFiles folder_;
  std::vector<ColumnMapping> mappings_;  // taught by the user
  std::string output_;
  GpcOutput gpc_;
  std::string log_;
};

// A Servis24 statement converts byte for byte whatever its first line holds:
// its columns are read by position once the data confirm them.
TEST_F(FileReadingsTest, ServisTwentyFourWhateverItsFirstLine) {
  const std::string example = ReadTestFile(TestDataPath("../../examples/vypis-2014-09.csv"));
  ASSERT_FALSE(example.empty());
  const std::string data = example.substr(example.find('\n') + 1);
  ASSERT_EQ(Convert(example), ExportOutcome::kWritten);
  const std::string usual = folder_.Read(output_);
  const char* firstLines[] = {
      "Datum;Datum splatnosti;Částka;Protiúčet;Název protiúčtu;VS;Měna;Poznámka;KS;SS;Popis",
      "Číslo položky;Splatnost dne;Částka;Protiúčet;Název protiúčtu;Variabilní symbol;Měna;"
      "Datum zaúčtování;Konstantní symbol;Specifický symbol;Zpráva pro příjemce;Poznámka",
      "Item;Due date;Amount;Counter account;Name;VS;Currency;Booked;KS;SS;Message",
      "",
      ";;;;",
      "garbage \x01\x02 \xFF",
      "Datum;Částka",
      "Objem;Datum",
      "\"Číslo\",\"Datum\",\"Částka\"",
      "Výpis z účtu 2000145399",
      "Date\tAmount",
      "Datum zaúčtování;Částka;Zpráva",
  };
  for (const char* first : firstLines) {
    EXPECT_EQ(Convert(std::string(first) + "\r\n" + data), ExportOutcome::kWritten) << first;
    EXPECT_EQ(folder_.Read(output_), usual) << first;
  }
}

// Each file is read as its data show, or refused with a line that says why,
// and a run whose log warns about items ends with its own outcome.
TEST_F(FileReadingsTest, ReadAsTheDataShowOrRefused) {
  const Case cases[] = {
      {"no reading fits: refused",
       "Číslo kreditní karty;Držitel karty;Datum transakce;Popis\r\n"
       "1234;Jan;19.06.2019;CZK\r\n",
       kNothing, "",
       "formát nerozpoznán (hlavička nenalezena, Servis24 nelze použít, nečitelných řádků 1 z 1, "
       "první řádek 2: řádek má 4 polí, Servis24 jich píše nejméně 11), soubor nebyl převeden!!!"},
      {"UTF-8 with a character Windows-1250 lacks keeps its layout",
       // In UTF-8, written out byte by byte: "Zpráva", "Čaj → káva".
       "\"Datum\";\"Objem\";\"Zpr\xC3\xA1va\"\n\"01.09.2014\";\"-2000,50\";\"\xC4\x8C"
       "aj \xE2\x86\x92 k\xC3\xA1va\"\n",
       kWritten, "0000002000501", "rozpoznán formát obecný CSV"},
      {"UTF-8 with a byte that is no UTF-8 is read as UTF-8, the byte named",
       "\"Datum\";\"Objem\";\"Zpr\xC3\xA1va\"\n\"01.09.2014\";\"-2000,50\";\"\xC4\x8C"
       "aj k\xC3\xA1va \xC5\xBE\xC3\xA1\xC5\xA1 \xC3\xA1\xC3\xA1\xC3\xA1 \xE8\"\n",
       kWarned, "0000002000501",
       "řádek 2: bajtů, které nejsou znaky UTF-8, je v souboru 1, přečteny jako znak ?!!!"},
      {"such a byte named on its line where a CR alone ends the lines",
       "\"Datum\";\"Objem\";\"Zpr\xC3\xA1va\"\r\"01.09.2014\";\"-2000,50\";\"\xC4\x8C"
       "aj k\xC3\xA1va \xC5\xBE\xC3\xA1\xC5\xA1 \xC3\xA1\xC3\xA1\xC3\xA1 \xE8\"\r",
       kWarned, "0000002000501", "řádek 2: bajtů, které nejsou znaky UTF-8"},
      {"a lone mark before three digits, decided by the file's other amounts",
       "Datum;Částka\n1.9.2014;1,500\n2.9.2014;2,50\n", kWritten, "0000000001502+0000000002502",
       ""},
      {"a lone mark the file does not decide", "Datum;Částka\n1.9.2014;1,500\n2.9.2014;7\n",
       kWarned, "0000000007002", "nelze rozhodnout, zda je čárka nebo tečka desetinná"},
      {"inconsistent groups and too many decimals",
       "Datum;Částka\n1.9.2014;1,000,50\n2.9.2014;0,125\n3.9.2014;1,5\n4.9.2014;2,5\n"
       "5.9.2014;1\n6.9.2014;1\n7.9.2014;1\n8.9.2014;1\n",
       kWarned,
       "0000000001502+0000000002502+0000000001002+0000000001002+0000000001002+0000000001002",
       "částku 1,000,50 nelze přečíst"},
      {"more rows that do not read than a few: the reading is not confirmed",
       "Datum;Částka\n1.9.2014;1,000,50\n2.9.2014;0,125\n3.9.2014;1,5\n4.9.2014;2,5\n", kNothing,
       "", "nečitelných řádků 2 z 4, první řádek 2: částku 1,000,50 nelze přečíst"},
      {"accounting forms and a currency in the amount",
       "Datum;Částka\n1.9.2014;(1 234,50)\n2.9.2014;100,00-\n3.9.2014;1 234,50 Kč\n", kWritten,
       "0000001234501+0000000100001+0000001234502", ""},
      {"another currency in the amount is a statement of its own, opening at 0",
       "Datum;Částka\n1.9.2014;-40,00 EUR\n2.9.2014;10,00\n3.9.2014;20,00 CZK\n", kWarned,
       "0000000010002+0000000020002", "export-EUR.gpc: počáteční zůstatek neuvádí"},
      {"a fee in another currency than its payment is the fee currency's statement's",
       "Datum;Částka;Poplatek\n1.9.2014;-100,00;-2,00 "
       "EUR\n2.9.2014;50,00;\n3.9.2014;-30,00;-1,00\n",
       kWarned, "0000000100001+0000000050002+0000000030001+0000000001001",
       "převedeno 1 položek (z toho 1 poplatků), řádků souboru 4: hlavička a úvod 1, s položkou 1, "
       "v jiném výpisu 2"},
      {"directions both ways; one not known refuses its row",
       "Datum;Částka;Směr\n1.9.2014;5;Výběr\n2.9.2014;6;Vklad\n3.9.2014;7;Odepsáno\n"
       "4.9.2014;8;\n5.9.2014;9;Převod\n",
       kWarned, "0000000005001+0000000006002+0000000007001",
       "směr platby \"Převod\" není známý, řádek vynechán"},
      {"D and K in a Debet/Kredit column",
       "Datum;Částka;Debet/Kredit\n1.9.2014;5;D\n2.9.2014;6;K\n", kWritten,
       "0000000005001+0000000006002", ""},
      {"credit and debit columns", "Datum;Příjem;Výdaj\n1.9.2014;500,00;\n2.9.2014;;200,00\n",
       kWritten, "0000000500002+0000000200001", ""},
      {"dated balance rows are no items, and their balances are checked",
       "Datum;Částka;Popis\n31.08.2014;1000,00;Počáteční zůstatek\n1.9.2014;-100,00;Nájem\n"
       "30.09.2014;900,00;Konečný zůstatek\n",
       kWarned, "0000000100001",
       "počáteční zůstatek 1000.00 + položky -100.00 = konečný zůstatek "
       "900.00 Kč, souhlasí"},
      {"a stated closing balance that does not add up",
       "Datum;Částka;Popis\n31.08.2014;1000,00;Počáteční zůstatek\n1.9.2014;-100,00;Nájem\n"
       "30.09.2014;800,00;Konečný zůstatek\n",
       kWarned, "0000000100001", "rozdíl -100.00 Kč!!!"},
      {"a row with an amount but no date is named",
       "Datum;Částka\n1.9.2014;5\n;6\n2.9.2014;7\n3.9.2014;8\n", kWarned,
       "0000000005002+0000000007002+0000000008002", "řádek 3: datum chybí, řádek vynechán!!!"},
      {"zero amounts give no record", "Datum;Částka\n1.9.2014;0,00\n2.9.2014;7\n", kWritten,
       "0000000007002", "s nulovou částkou 1"},
      {"day and month not told apart in a file of no known bank",
       "Datum;Částka\n02/03/2014;5\n04/05/2014;6\n", kWarned, "0000000005002+0000000006002",
       "čtena jako den/měsíc/rok"},
      {"amounts Servis24 does not write make no Servis24 rows",
       "h\r\n1;2014/09/01;1.234,50;;;;;;;;a\r\n2;2014/09/02;-40,00 EUR;;;;;;;;b\r\n", kNothing, "",
       "Servis24 nelze použít, nečitelných řádků 2 z 2, první řádek 2: částku \"1.234,50\" nelze "
       "přečíst celou"},
      {"a day above 12 tells the order", "Datum;Částka\n02/03/2014;5\n04/25/2014;6\n", kWritten,
       "0000000005002+0000000006002", ""},
      {"text after a NUL byte is not read",
       std::string("Datum;Částka\n1.9.2014;5\n\0002.9.2014;6\n", 33), kWarned, "0000000005002",
       "obsahuje na řádku 3 nulový bajt, zbytek souboru nebyl převeden!!!"},
  };
  for (const Case& c : cases) Expect(c);
}

// Files a hostile user made: each gives its items, or names the lines it
// leaves out, or is refused with why.
TEST_F(FileReadingsTest, EveryLineReadWholeOrNamed) {
  const std::string fiveRows = "1.9.2014;1\n2.9.2014;1\n3.9.2014;1\n4.9.2014;1\n5.9.2014;1\n";
  const std::string fiveItems =
      "0000000001002+0000000001002+0000000001002+0000000001002+0000000001002";
  const std::string revolut =
      "Type,Product,Started Date,Completed Date,Description,Amount,Fee,"
      "Currency,State,Balance\n";
  const std::string paypal =
      "Date,Time,Time Zone,Description,Currency,Gross,Fee,Net,Balance,Transaction ID\n"
      "9/1/2014,10:00:00,CET,Payment,CZK,100.00,-1.00,99.00,1099.50,T1\n"
      "9/2/2014,10:00:00,CET,Payment,CZK,50.00,-2.00,48.00,1147.50,T2\n";
  const Case cases[] = {
      {"named columns of Servis24's count are read by their names",
       "Číslo;Datum;Částka;Směr;Měna;VS;A;B;C;D;Zpráva\n"
       "1;05/01/2024;12.500,00;Příchozí;CZK;;;;;;a\n2;20/01/2024;300,00;Odchozí;CZK;;;;;;b\n",
       kWritten, "0000012500002+0000000300001", "rozpoznán formát obecný CSV"},
      {"items whose message begins like a balance",
       "Datum;Částka;Zpráva\n1.9.2014;500,00;Zůstatek k 31.12.2013 převeden\n"
       "2.9.2014;-100,00;Konečný zůstatek účtu vyplacen\n",
       kWritten, "0000000500002+0000000100001", "s položkou 2"},
      {"a dated row that gained a field is named, though its message is a balance label",
       "Datum;Zpráva;Poznámka;Částka\n" + std::string("1.9.2014;a;;1\n2.9.2014;b;;1\n") +
           "3.9.2014;c;;1\n4.9.2014;d;;1\n5.9.2014;Zůstatek k 31.08.2014; doplacen;;7\n",
       kWarned, "0000000001002+0000000001002+0000000001002+0000000001002",
       "řádek 6: řádek má 5 polí, ostatní řádky 4"},
      {"a row cut short before its date, its message a balance label, is no balance line",
       "ID;Částka;Zpráva;Datum\nT1;1;a;1.9.2014\nT2;1;b;2.9.2014\nT3;1;c;3.9.2014\n"
       "T4;1;d;4.9.2014\nT5;-7;Počáteční zůstatek\n",
       kWarned, "0000000001002+0000000001002+0000000001002+0000000001002",
       "řádek 6: řádek má 3 polí, ostatní řádky 4"},
      {"a balance label cut short before its whole day is none",
       "Datum;Částka;Zpráva\n1.9.2014;1;a\n2.9.2014;1;b\n3.9.2014;1;c\n4.9.2014;1;d\n"
       ";7;Zůstatek k 31\n",
       kWarned, "0000000001002+0000000001002+0000000001002+0000000001002",
       "řádek 6: datum chybí, řádek vynechán!!!"},
      {"an item whose message is a balance label, its running balance another value",
       "Datum;Částka;Zůstatek;Zpráva\n1.9.2014;500,00;1500,50;Záloha\n"
       "2.9.2014;-100,00;1400,50;Konečný zůstatek\n30.9.2014;1400,50;1400,50;Konečný zůstatek\n",
       kWritten, "0000000500002+0000000100001", "s položkou 2, zůstatky a součty 1"},
      {"CR alone ends a line", "Datum;Částka\r1.9.2014;5\r2.9.2014;6\r", kWritten,
       "0000000005002+0000000006002", "řádků souboru 3"},
      {"Servis24 with CR alone", "h\r1;2014/09/01;5;;;;;;;;a\r", kWritten, "0000000005002",
       "čten jako Servis24"},
      {"a line of no CSV is no empty statement", "Výpis z účtu", kNothing, "",
       "soubor nemá žádný řádek s daty"},
      {"Servis24 rows without a header keep their first row",
       "1;2014/09/01;5;;;;;;;;a\r\n2;2014/09/02;6;;;;;;;;b\r\n", kWritten,
       "0000000005002+0000000006002", "řádků souboru 2: s položkou 2"},
      {"a savings pocket's rows are not the account's",
       revolut + "TOPUP,Current,2022-01-30 10:00:00,2022-01-30 10:00:05,Top-Up,500.00,0.00,CZK,"
                 "COMPLETED,1500.50\n"
                 "TRANSFER,Savings,2022-01-31 10:00:00,2022-01-31 10:00:00,To pocket,200.00,0.00,"
                 "CZK,COMPLETED,200.00\n",
       kWritten, "0000000500002", "nezaúčtované 1 (produkt Savings 1)"},
      {"a pocket named with a bracket leaves the count's brackets whole",
       revolut + "TOPUP,Current,2022-01-30 10:00:00,2022-01-30 10:00:05,Top-Up,500.00,0.00,CZK,"
                 "COMPLETED,1500.50\n"
                 "TRANSFER,Byt (2),2022-01-31 10:00:00,2022-01-31 10:00:00,To pocket,200.00,"
                 "0.00,CZK,COMPLETED,200.00\n",
       kWritten, "0000000500002", "nezaúčtované 1 (produkt Byt [2] 1)"},
      {"more pending rows than completed ones",
       revolut + "TOPUP,Current,2022-01-30 10:00:00,2022-01-30 10:00:05,Top-Up,500.00,0.00,CZK,"
                 "COMPLETED,1500.50\n"
                 "CARD_PAYMENT,Current,2022-02-03 12:00:00,,a,-1.00,0.00,CZK,PENDING,\n"
                 "CARD_PAYMENT,Current,2022-02-03 12:00:00,,b,-2.00,0.00,CZK,PENDING,\n"
                 "CARD_PAYMENT,Current,2022-02-03 12:00:00,,c,-3.00,0.00,CZK,PENDING,\n",
       kWritten, "0000000500002", "nezaúčtované 3 (PENDING 3)"},
      {"a field more than the header, not empty",
       "Datum;Částka;Zpráva\n" + fiveRows + "6.9.2014;7;a;b\n", kWarned, fiveItems,
       "řádek 7: řádek má 4 polí, ostatní řádky 2, řádek vynechán!!!"},
      {"a separator in a message moves the symbol",
       "Datum,Zpráva,VS,Částka\n1.9.2014,a,1,1\n2.9.2014,b,2,1\n3.9.2014,c,3,1\n"
       "4.9.2014,d,4,1\n5.9.2014,Nájem, září,2014,500.00\n",
       kWarned, "0000000001002+0000000001002+0000000001002+0000000001002",
       "řádek 6: řádek má 5 polí, ostatní řádky 4"},
      {"a decimal comma unquoted in a comma-separated file",
       "Datum,Částka\n1.9.2014,1\n2.9.2014,1\n3.9.2014,1\n4.9.2014,1\n5.9.2014,-12500,50\n",
       kWarned, "0000000001002+0000000001002+0000000001002+0000000001002",
       "řádek 6: řádek má 3 polí, ostatní řádky 2"},
      {"a gross amount that its fee and net amount contradict",
       paypal + "9/3/2014,10:00:00,CET,Payment,CZK,2000.00,-1.00,19.00,1166.50,T3\n", kWarned,
       "0000000099002+0000000048002+0000000019002",
       "řádek 4: částky ve sloupcích 6 (Gross) a 8 (Net) si odporují, zapsána částka ze sloupce "
       "8!!!"},
      {"a gross amount that does not read, the net one taken",
       paypal + "9/3/2014,10:00:00,CET,Payment,CZK,20..00,-1..00,19.00,1166.50,T3\n", kWarned,
       "0000000099002+0000000048002+0000000019002",
       "řádek 4: částku 20..00 ve sloupci 6 nelze přečíst, zapsána částka ze sloupce 8!!!\n"
       "Soubor " +
           folder_.File("v.csv") + ", řádek 4: poplatek nelze přečíst"},
      {"two readings that give other items",
       "Číslo;Datum;Částka;Účet;Název;Poznámka;Měna;X;KS;SS;Zpráva\n"
       "1;2014/09/01;5;;;7;;;;;a\n2;2014/09/02;6;;;8;;;;;b\n",
       kNothing, "", "formát obecný CSV i Servis24 se daty potvrzují, ale dávají jiné položky"},
  };
  for (const Case& c : cases) Expect(c);
}

// Values a file's own rows must prove: a decimal mark shown only by rows
// that are no items, a direction against the written sign, a column of the
// file's own account, a currency in Servis24's Měna column. Each is read as
// the items prove it, or named.
TEST_F(FileReadingsTest, ValuesAreReadAsTheItemsProveThem) {
  const Case cases[] = {
      {"a pending row's point does not decide",
       "Datum;Částka;Stav\n1.9.2014;-2.500;\n2.9.2014;1.50;pending\n3.9.2014;7;\n", kWarned,
       "00000000000000000000000007002",
       "řádek 2: částku -2.500 nelze přečíst (nelze rozhodnout, zda je čárka nebo tečka "
       "desetinná), řádek vynechán!!!"},
      {"a total's point does not decide",
       "Datum;Částka;Zůstatek\n1.9.2014;-2.500;\n3.9.2014;7;\nCelkem;;1.25\n", kWarned,
       "00000000000000000000000007002", "částku -2.500 nelze přečíst"},
      {"a zero amount's point does not decide",
       "Datum;Částka\n1.9.2014;-2.500\n2.9.2014;0.00\n3.9.2014;7\n", kWarned,
       "00000000000000000000000007002", "částku -2.500 nelze přečíst"},
      {"an item's point decides", "Datum;Částka\n1.9.2014;-2.500\n2.9.2014;1.50\n", kWritten,
       "00000000000000000000000002501+00000000000000000000000001502", ""},
      {"a direction against the written sign is named, the sign kept",
       "Datum;Částka;Směr\n1.9.2014;-250,00;Příchozí\n2.9.2014;100,00;Příchozí\n"
       "3.9.2014;100,00;Odchozí\n",
       kWarned,
       "00000000000000000000000250001+00000000000000000000000100002+"
       "00000000000000000000000100001",
       "řádek 2: směr platby \"Příchozí\" odporuje znaménku částky -250,00, zapsána podle "
       "znaménka!!!"},
      {"the own account on every row is no counter account",
       "Datum;Číslo účtu;Částka\n1.9.2014;2000145399/0800;-250\n2.9.2014;2000145399/0800;100\n",
       kWritten, "00000000000000000000000250001+00000000000000000000000100002",
       "je z účtu 2000145399/0800\n"},
      {"the account the file states is no counter account",
       "accountId;2000145399\nbankId;0800\n\nDatum;Číslo účtu;Částka\n"
       "1.9.2014;2000145399/0800;-250\n",
       kWritten, "00000000000000000000000250001", "je z účtu 2000145399/0800\n"},
      {"accounts that differ are counter accounts",
       "Datum;Číslo účtu;Částka\n1.9.2014;123/0100;-250\n2.9.2014;19-456/0300;100\n", kWritten,
       "00000000000001230000000250001+00001900000004560000000100002", ""},
      {"one amount in euros among amounts of no currency",
       "Datum;Částka\n1.9.2014;1.50 EUR\n2.9.2014;7\n3.9.2014;8\n", kWarned,
       "00000000000000000000000007002+00000000000000000000000008002", "v jiném výpisu 1\n"},
      // The koruna's statement takes the profile's values; the euros are a
      // statement of their own.
      {"a Servis24 account in euros, its lines ended by CR alone",
       "h\r1;2014/09/01;-5,00;;;;EUR;;;;a\r2;2014/09/02;7,00;;;;eur;;;;b\r"
       "3;2014/09/03;9,00;;;;CZK;;;;c\r",
       kWarned, "00000000000000000000000009002",
       "s položkou 2, v jiném výpisu 1\nVýpis memory/export-EUR.gpc: počáteční zůstatek neuvádí "
       "žádný soubor, hlavička má zůstatek 0,00 EUR!!!\nNačteno 2 položek, starý zůstatek 0.00 "
       "EUR, nový 2.00 EUR\n"},
      {"a Servis24 file whose first line is in koruna and most in euros",
       "h\r\n1;2014/09/01;3,00;;;;CZK;;;;a\r\n2;2014/09/02;-5,00;;;;EUR;;;;b\r\n"
       "3;2014/09/03;7,00;;;;EUR;;;;c\r\n",
       kWarned, "00000000000000000000000003002",
       "Výpis účtu 2000145399 v EUR, 2 položek: memory/export-EUR.gpc\n"},
  };
  for (const Case& c : cases) Expect(c, true);
}

// A mapping of columns, kept for `header` where one is given.
ColumnMapping Mapping(const char* text, std::vector<std::string> header = {}) {
  ColumnMapping mapping;
  std::string error;
  EXPECT_TRUE(ParseColumnMapping(text, &mapping, &error)) << error;
  mapping.header = std::move(header);
  return mapping;
}

// A file of a header no reading of the program knows.
const std::string kUnknown =
    "Posted;Sum;Party;Memo\r\n"
    "2014-09-01;150,00;Alfa;Faktura\r\n"
    "2014-09-02;-20,50;Beta;Nakup\r\n"
    "2014-09-03;1 000,00;Gama;Najem\r\n"
    "2014-09-04;7,00;Delta;Urok\r\n";
const std::vector<std::string> kUnknownHeader = {"Posted", "Sum", "Party", "Memo"};
const char kRecords[] = "0000000150002+0000000020501+0000001000002+0000000007002";

// A run given a mapping, or keeping mappings, reads through the run's own
// interface: what it writes and what it logs.
TEST_F(FileReadingsTest, ReadsByTheMappingItIsGivenOrKeeps) {
  struct Taught {
    const char* what;
    std::string content;
    std::vector<ColumnMapping> mappings = {};
    ExportOutcome outcome;
    std::string records = "";  // as Records() shows them
    std::string logged;
    std::string notLogged = "";
  };
  const ColumnMapping given = Mapping("datum=Posted;částka=Sum;název=Party;zpráva=Memo");
  const ColumnMapping kept = Mapping("date=posted;amount=SUM;message=Memo", kUnknownHeader);
  const Taught cases[] = {
      {.what = "refused without a mapping, naming its columns and the option",
       .content = kUnknown,
       .outcome = kNothing,
       .logged = "v.csv: \"Posted\", \"Sum\", \"Party\", \"Memo\"; převod lze zadat volbou "
                 "--columns \"datum=…;částka=…\""},
      {.what = "converted by the mapping given",
       .content = kUnknown,
       .mappings = {given},
       .outcome = kWritten,
       .records = kRecords,
       .logged = "rozpoznán formát zadaný převodem sloupců, převedeno 4 položek"},
      {.what = "a row the mapping does not read is named and left out",
       .content = kUnknown + "2014-09-05;x;Eta;Chyba\r\n",
       .mappings = {given},
       .outcome = kWarned,
       .records = kRecords,
       .logged = "řádek 6"},
      {.what = "a mapping the data do not confirm is refused with why",
       .content = kUnknown,
       .mappings = {Mapping("datum=Party;částka=Sum")},
       .outcome = kNothing,
       .logged = "formát zadaný převodem sloupců s hlavičkou na řádku 1 nelze použít, "
                 "nečitelných řádků 4 z 4, první řádek 2: datum Alfa nelze přečíst",
       .notLogged = "Sloupce souboru"},
      {.what = "a file without a column the mapping names",
       .content = kUnknown,
       .mappings = {Mapping("datum=Posted;částka=Sum;vs=Symbol;ks=KS")},
       .outcome = kNothing,
       .logged = "hlavička nemá sloupec \"Symbol\", \"KS\""},
      {.what = "a kept mapping serves a file of its header exactly",
       .content = kUnknown,
       .mappings = {kept},
       .outcome = kWritten,
       .records = kRecords,
       .logged =
           "převeden podle uloženého převodu sloupců \"date=posted;amount=SUM;message=Memo\""},
      {.what = "credits and debits apart, proven by the balance after each",
       .content = "Kdy;Přišlo;Odešlo;Saldo\r\n02.09.2014;1 250,00;;2 250,50\r\n"
                  "05.09.2014;;480,50;1 770,00\r\n",
       .mappings = {Mapping("datum=Kdy;příjem=Přišlo;výdaj=Odešlo;zůstatek=Saldo")},
       .outcome = kWritten,
       .records = "0000001250002+0000000480501",
       .logged = "položky 769.50 = konečný zůstatek 1770.00 Kč, souhlasí"},
      {.what = "but no file of another header",
       .content = "Posted;Sum;Party;Memo;More\r\n2014-09-01;150,00;Alfa;Faktura;\r\n",
       .mappings = {kept},
       .outcome = kNothing,
       .logged = "v.csv: \"Posted\", \"Sum\", \"Party\", \"Memo\", \"More\"; převod lze",
       .notLogged = "uloženého"},
      {.what = "nor a file a reading of the program's own confirms",
       .content = "Datum;Objem;Zpráva\r\n01.09.2014;-2000,50;Caj\r\n",
       .mappings = {Mapping("datum=Datum;částka=Zpráva", {"Datum", "Objem", "Zpráva"})},
       .outcome = kWritten,
       .records = "0000002000501",
       .logged = "rozpoznán formát obecný CSV",
       .notLogged = "uloženého"},
  };
  for (const Taught& c : cases) {
    mappings_ = c.mappings;
    Expect({c.what, c.content, c.outcome, c.records, c.logged});
    if (!c.notLogged.empty()) {
      EXPECT_EQ(log_.find(c.notLogged), std::string::npos) << c.what << "\n" << log_;
    }
  }
}

}  // namespace
}  // namespace tarvolo
