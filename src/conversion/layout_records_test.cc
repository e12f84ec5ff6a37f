#include "conversion/layout_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "conversion/export_totals.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

class LayoutRecordsTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    std::strcpy(g_accountSettings.accountNumber, "2000145399");
  }

  // Converts `text` as the file "v.csv"; false when it is left to the
  // Servis24 rules.
  bool Convert(const std::string& text) {
    records_.clear();
    log_.clear();
    cuts_.clear();
    return AppendLayoutRecords("v.csv", text, records_, &cuts_,
                               [this](const char* line) { log_ += line; });
  }

  // Positions (from 1) of a record: counter account, document number,
  // amount and code, VS, bank code, KS, SS, date, description.
  static std::string Fields(const std::string& record) {
    return record.substr(19, 16) + " " + record.substr(35, 13) + " " + record.substr(48, 13) +
           " " + record.substr(61, 10) + " " + record.substr(71, 6) + " " + record.substr(77, 4) +
           " " + record.substr(81, 10) + " " + record.substr(91, 6) + " " + record.substr(97, 20);
  }

  std::vector<std::string> AllFields() const {
    std::vector<std::string> all;
    for (size_t i = 0; i + kRecordLength <= records_.size(); i += kRecordLength) {
      all.push_back(Fields(records_.substr(i, kRecordLength)));
    }
    return all;
  }

  std::string records_;
  std::string log_;
  std::vector<FieldCut> cuts_;
};

TEST_F(LayoutRecordsTest, ItemsFromTheNamedColumns) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> records;
  } cases[] = {
      {"columns shuffled, id as the item number",
       "Zpráva pro příjemce;VS;Částka;ID pohybu;Protiúčet;Datum;KS;SS\r\n"
       "Nájem;20140901;-12 500,00;26093472451;19-123456789/0800;02.09.2014;308;77\r\n",
       {"0000190123456789 0026093472451 0000012500001 0020140901 000800 0308 0000000077 020914 "
        "Nájem               "}},
      {"quoted separator and line break, doubled quotes",
       "Datum,Částka,Zpráva\r\n24.09.2014,\"1,50\",\"a,\r\n\"\"b\"\"\"\r\n",
       {"0000000000000000 0000000000000 0000000001502 0000000000 000000 0000 0000000000 "
        "240914 a, \"b\"              "}},
      {"descriptions cut to 20 characters, line breaks before the cut as one blank",
       "Datum;Částka;Zpráva\n1.9.2014;1;Nájem za září 2014 a\tříjen\n"
       "2.9.2014;2;\"Nájem\r\n\tzáří\"\n",
       {"0000000000000000 0000000000000 0000000001002 0000000000 000000 0000 0000000000 010914 "
        "Nájem za září 2014 a",
        "0000000000000000 0000000000000 0000000002002 0000000000 000000 0000 0000000000 020914 "
        "Nájem září          "}},
      {"both amount conventions",
       "Date,Amount\n2014-09-24,\"-175,424.07\"\n2014-09-25,\"1.234,50\"\n",
       {"0000000000000000 0000000000000 0000175424071 0000000000 000000 0000 0000000000 240914 "
        "                    ",
        "0000000000000000 0000000000000 0000001234502 0000000000 000000 0000 0000000000 250914 "
        "                    "}},
      {"direction decides an unsigned amount only",
       "Datum zaúčtování;Směr úhrady;Částka\n1.9.2014;Odchozí;250\n2.9.2014;Příchozí;250\n"
       "3.9.2014;Odchozí;+250\n",
       {"0000000000000000 0000000000000 0000000250001 0000000000 000000 0000 0000000000 010914 "
        "                    ",
        "0000000000000000 0000000000000 0000000250002 0000000000 000000 0000 0000000000 020914 "
        "                    ",
        "0000000000000000 0000000000000 0000000250002 0000000000 000000 0000 0000000000 030914 "
        "                    "}},
      {"Czech IBAN, foreign IBAN, card number",
       "Datum;Částka;Protiúčet;Název protiúčtu\n"
       "1.9.2014;1;CZ61 0800 0000 1901 2345 6789;Česká\n"
       "1.9.2014;1;DE89370400440532013000;Cizí\n1.9.2014;1;516844******1234;Karta\n",
       {"0000190123456789 0000000000000 0000000001002 0000000000 000800 0000 0000000000 010914 "
        "Česká               ",
        "0000000000000000 0000000000000 0000000001002 0000000000 000000 0000 0000000000 010914 "
        "Cizí                ",
        "0000000000000000 0000000000000 0000000001002 0000000000 000000 0000 0000000000 010914 "
        "Karta               "}},
      {"description: message, counter name, then the item's type",
       "Datum;Částka;Zpráva pro příjemce;Název protiúčtu;Typ;ID operace;VS\n"
       "1.9.2014;1;Zpráva;Jméno;Typ;12345678901234;55\n1.9.2014;1;;Jméno;Typ;x1;55\n"
       "1.9.2014;1;;;Typ;;\n",
       {"0000000000000000 0000000000055 0000000001002 0000000055 000000 0000 0000000000 010914 "
        "Zpráva              ",
        "0000000000000000 0000000000055 0000000001002 0000000055 000000 0000 0000000000 010914 "
        "Jméno               ",
        "0000000000000000 0000000000000 0000000001002 0000000000 000000 0000 0000000000 010914 "
        "Typ                 "}},
  };
  for (const Case& c : cases) {
    ResetProgramState();
    std::strcpy(g_accountSettings.accountNumber, "2000145399");
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(AllFields(), c.records) << c.what;
    EXPECT_EQ(g_exportTotals.itemCount, static_cast<int32_t>(c.records.size())) << c.what;
  }
}

TEST_F(LayoutRecordsTest, LinesWithoutItemsAreLeftOutAndCounted) {
  struct Case {
    const char* what;
    std::string text;
    int items;
    std::string log;
  } cases[] = {
      {"preamble, empty and total lines",
       "\"accountId\";\"2000145399\"\n\"openingBalance\";\"18 204,70\"\n\n"
       "\"Datum\";\"Objem\"\n\"01.09.2014\";\"-90\"\n\n\"Suma\";\"-90\"\n",
       1, "Soubor v.csv: rozpoznán formát Fio banka, převedeno 1 položek, vynecháno 1 řádků bez "
          "data nebo částky\n"},
      {"mBank's closing line",
       "#Datum zaúčtování transakce;#Částka transakce;\n01-09-2014;-5 000,00;\n"
       ";;;;;;#Konečný zůstatek:;167 595,94 CZK;\n",
       1, "Soubor v.csv: rozpoznán formát mBank, převedeno 1 položek, vynecháno 1 řádků bez data "
          "nebo částky\n"},
      {"unreadable date and amount are reported",
       "Datum;Částka\n31.02.2014;5\n01.03.2014;pět\n01.03.2014;5\n",
       1, "Soubor v.csv, řádek 2: datum nelze přečíst, řádek vynechán!!!\n"
          "Soubor v.csv, řádek 3: částku nelze přečíst, řádek vynechán!!!\n"
          "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 1 položek, vynecháno 2 řádků bez "
          "data nebo částky\n"},
      {"another currency",
       "Datum;Částka;Měna\n1.9.2014;5;CZK\n2.9.2014;6;EUR\n3.9.2014;7;\n",
       3, "Soubor v.csv, řádek 3: položka je v měně EUR, první položka souboru v měně CZK; soubor "
          "GPC měnu neuvádí!!!\n"
          "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 3 položek, vynecháno 0 řádků bez "
          "data nebo částky\n"},
      {"a quote never closed",
       "Datum;Částka;Zpráva\n1.9.2014;5;\"open\n2.9.2014;6;b\n",
       2, "Soubor v.csv, řádek 2: uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého "
          "konce!!!\n"
          "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, vynecháno 0 řádků bez "
          "data nebo částky\n"},
      {"text after a NUL byte is not read here",
       std::string("Datum;Částka\n1.9.2014;5\n\0" "2.9.2014;6\n", 33),
       1, "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 1 položek, vynecháno 0 řádků bez "
          "data nebo částky\n"},
  };
  for (const Case& c : cases) {
    ResetProgramState();
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(records_.size(), c.items * kRecordLength) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

TEST_F(LayoutRecordsTest, WarningsStopAfterTenPerFile) {
  std::string text = "Datum;Částka\n";
  for (int i = 0; i < 13; ++i) text += "01.01.2014;x\n";
  ASSERT_TRUE(Convert(text));
  EXPECT_NE(log_.find("řádek 11: částku"), std::string::npos);
  EXPECT_EQ(log_.find("řádek 12:"), std::string::npos);
  EXPECT_NE(log_.find("Soubor v.csv: dalších 3 upozornění nevypsáno!!!\n"), std::string::npos);
}

TEST_F(LayoutRecordsTest, ServisTwentyFourAndUnknownHeadersAreLeftAlone) {
  for (const char* text : {"Číslo;Datum;Částka;Protiúčet;;VS;;;KS;SS;Zpráva\r\n1;2014/09/24;5\r\n",
                           "h\r\n1;2014/09/24;5\r\n", ""}) {
    EXPECT_FALSE(Convert(text)) << text;
    EXPECT_EQ(records_, "");
    EXPECT_EQ(log_, "");
  }
}

TEST_F(LayoutRecordsTest, LongSymbolsKeepTheirLastDigitsAndAreReported) {
  ASSERT_TRUE(Convert("Datum;Částka;VS;KS\n1.9.2014;5;VS 12345678901;12345\n"));
  EXPECT_EQ(records_.substr(61, 10), "2345678901");
  EXPECT_EQ(records_.substr(77, 4), "2345");
  ASSERT_EQ(cuts_.size(), 2u);
  EXPECT_STREQ(cuts_[0].field, "variabilní symbol");
  EXPECT_EQ(cuts_[0].lineNumber, 2);
}

}  // namespace
}  // namespace tarvolo
