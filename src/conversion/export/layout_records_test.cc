#include "conversion/export/transaction_records.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "conversion/export/export_totals.h"
#include "conversion/gpc/item_record_writer.h"
#include "test_support.h"

namespace tarvolo {
namespace {

class LayoutRecordsTest : public testing::Test {
 protected:
  // Converts `text` as the file "v.csv"; false when it is left to the
  // Servis24 rules.
  bool Convert(const std::string& text) {
    records_.clear();
    log_.clear();
    cuts_.clear();
    stated_ = StatedBalances();
    totals_ = ExportTotals();
    return AppendLayoutRecords(
        "v.csv", text, "2000145399", records_, &totals_, &cuts_,
        [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); }, &stated_);
  }

  // The log lines that begin with `start`.
  std::string LogLinesStarting(const std::string& start) const {
    std::string lines;
    for (size_t at = 0; at < log_.size();) {
      const size_t end = log_.find('\n', at);
      const std::string line = log_.substr(at, end - at + 1);
      if (line.compare(0, start.size(), start) == 0) lines += line;
      at = end == std::string::npos ? log_.size() : end + 1;
    }
    return lines;
  }

  // Each record's characters at the spans (position from 0, width),
  // joined by blanks.
  std::vector<std::string> RecordSpans(
      std::initializer_list<std::pair<size_t, size_t>> spans) const {
    std::vector<std::string> all;
    for (size_t i = 0; i + kRecordLength <= records_.size(); i += kRecordLength) {
      std::string joined;
      for (const auto& [first, width] : spans) {
        if (!joined.empty()) joined += ' ';
        joined += records_.substr(i + first, width);
      }
      all.push_back(joined);
    }
    return all;
  }

  // Counter account, document number, amount and code, VS, bank code, KS,
  // SS, date, description.
  std::vector<std::string> AllFields() const {
    return RecordSpans(
        {{19, 16}, {35, 13}, {48, 13}, {61, 10}, {71, 6}, {77, 4}, {81, 10}, {91, 6}, {97, 20}});
  }

  std::string records_;
  std::string log_;
  std::vector<FieldCut> cuts_;
  StatedBalances stated_;
  ExportTotals totals_;
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
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(AllFields(), c.records) << c.what;
    EXPECT_EQ(totals_.itemCount, static_cast<int32_t>(c.records.size())) << c.what;
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
       1,
       "Soubor v.csv: rozpoznán formát Fio banka, převedeno 1 položek, vynecháno 1 řádků bez "
       "data nebo částky, vynecháno 0 nezaúčtovaných\n"
       "Soubor v.csv: počáteční zůstatek 18204.70 + položky -90.00 = konečný zůstatek 18114.70 "
       "Kč, soubor konečný zůstatek neuvádí\n"},
      {"mBank's closing line",
       "#Datum zaúčtování transakce;#Částka transakce;\n01-09-2014;-5 000,00;\n"
       ";;;;;;#Konečný zůstatek:;167 595,94 CZK;\n",
       1,
       "Soubor v.csv: rozpoznán formát mBank, převedeno 1 položek, vynecháno 1 řádků bez data "
       "nebo částky, vynecháno 0 nezaúčtovaných\n"
       "Soubor v.csv: konečný zůstatek 167595.94 - položky -5000.00 = počáteční zůstatek "
       "172595.94 Kč, soubor počáteční zůstatek neuvádí\n"},
      {"unreadable date and amount are reported",
       "Datum;Částka\n31.02.2014;5\n01.03.2014;pět\n01.03.2014;5\n01.03.2014;6\n", 2,
       "Soubor v.csv, řádek 2: datum 31.02.2014 nelze přečíst, řádek vynechán!!!\n"
       "Soubor v.csv, řádek 3: částku pět nelze přečíst (text, který není částkou), řádek "
       "vynechán!!!\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, vynecháno 2 řádků bez "
       "data nebo částky, vynecháno 0 nezaúčtovaných\n"},
      {"another currency",
       "Datum;Částka;Měna\n1.9.2014;5;CZK\n2.9.2014;6;EUR\n3.9.2014;7;\n4.9.2014;0;CZK\n", 2,
       "Soubor v.csv, řádek 3: položka 6.00 EUR je v jiné měně než výpis (CZK), vynechána!!!\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, vynecháno 0 řádků bez "
       "data nebo částky, vynecháno 0 nezaúčtovaných, vynecháno 1 s nulovou částkou\n"},
      {"a quote never closed", "Datum;Částka;Zpráva\n1.9.2014;5;\"open\n2.9.2014;6;b\n", 2,
       "Soubor v.csv, řádek 2: uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého "
       "konce!!!\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, vynecháno 0 řádků bez "
       "data nebo částky, vynecháno 0 nezaúčtovaných\n"},
      {"text after a NUL byte is not read here",
       std::string("Datum;Částka\n1.9.2014;5\n\0002.9.2014;6\n", 33), 1,
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 1 položek, vynecháno 0 řádků bez "
       "data nebo částky, vynecháno 0 nezaúčtovaných\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(records_.size(), c.items * kRecordLength) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

TEST_F(LayoutRecordsTest, PaymentServicesRowsStatesAndFees) {
  // Records as amount, code, date and description; the log's warnings and
  // summary.
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> records;
    std::string log;
  } cases[] = {
      {"only completed rows are items; a fee follows its item, a zero fee is none",
       "Date completed (UTC),State,Description,Reference,Payment currency,Amount,Total amount,"
       "Fee,Orig currency\n"
       "2024-03-04 10:00:02,COMPLETED,To Pronájmy,Nájem 03/2024 Vinohrady,CZK,-12500.00,"
       "-12505.00,5.00\n"
       ",PENDING,Benzina,,CZK,-1299.00,-1299.00,0.00\n"
       ",DECLINED,Elektro,,CZK,-5000.00,-5000.00,0.00\n"
       "2024-03-20 09:00:00,REVERTED,To Kolář,,CZK,-3000.00,-3000.00,0.00\n"
       "2024-03-21 09:00:00,ON HOLD,To Kolář,,CZK,-3000.00,-3000.00,0.00\n"
       "2024-03-28 11:20:09,COMPLETED,Client Ltd,,CZK,10000.00,9980.00,20.00\n"
       "2024-03-29 11:20:09,COMPLETED,Alza.cz,,CZK,-1234.50,-1234.50,0.00\n",
       {"000001250000 1 040324 To Pronájmy         ", "000000000500 1 040324 Poplatek To Pronájmy",
        "000001000000 2 280324 Client Ltd          ", "000000002000 1 280324 Poplatek Client Ltd ",
        "000000123450 1 290324 Alza.cz             "},
       "Soubor v.csv, řádek 6: neznámý stav položky ON HOLD, položka vynechána!!!\n"
       "Soubor v.csv: rozpoznán formát Revolut Business, převedeno 5 položek (z toho 2 "
       "poplatků), vynecháno 0 řádků bez data nebo částky, vynecháno 4 nezaúčtovaných\n"},
      {"PayPal: month-first dates, the fee signed as it moves the balance",
       "Date,Description,Currency,Gross,Fee,Net\n"
       "\"3/2/2024\",\"Payment\",\"CZK\",\"2,500.00\",\"-104.50\",\"2,395.50\"\n"
       "\"3/15/2024\",\"Refund\",\"CZK\",\"-500.00\",\"20.90\",\"-479.10\"\n"
       "\"3/16/2024\",\"Bonus\",\"CZK\",\"1.00\",\"x\",\"1.00\"\n",
       {"000000250000 2 020324 Payment             ", "000000010450 1 020324 Poplatek Payment    ",
        "000000050000 1 150324 Refund              ", "000000002090 2 150324 Poplatek Refund     ",
        "000000000100 2 160324 Bonus               "},
       "Soubor v.csv, řádek 4: poplatek nelze přečíst, zapsána jen položka!!!\n"
       "Soubor v.csv: rozpoznán formát PayPal, převedeno 5 položek (z toho 2 poplatků), vynecháno "
       "0 řádků bez data nebo částky, vynecháno 0 nezaúčtovaných\n"},
      {"PayPal dates that can only be day first",
       "Date,Description,Gross,Fee,Net\n3/2/2024,a,1.00,0,1.00\n13/2/2024,b,1.00,0,1.00\n",
       {"000000000100 2 030224 a                   ", "000000000100 2 130224 b                   "},
       "Soubor v.csv: rozpoznán formát PayPal, převedeno 2 položek, vynecháno 0 řádků bez data "
       "nebo částky, vynecháno 0 nezaúčtovaných\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(RecordSpans({{48, 12}, {60, 1}, {91, 6}, {97, 20}}), c.records) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

// Fees beside the amount with their sign read, value dates, times in UTC
// and counter accounts that cannot be read whole.
TEST_F(LayoutRecordsTest, FeesDatesAndAccountsAsBanksWriteThem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> records;  // amount, code, value date, date, counter account
    std::string warning;               // "" for none
  } cases[] = {
      {"Air Bank's fee is its effect on the balance",
       "\"Datum provedení\";\"Směr úhrady\";\"Částka v měně účtu\";\"Poplatek v měně účtu\"\n"
       "\"06/06/2018\";\"Odchozí\";\"-1648,84\";\"-25,00\"\n"
       "\"07/06/2018\";\"Příchozí\";\"100,00\";\"5,00\"\n",
       {"000000164884 1 060618 060618 0000000000000000",
        "000000002500 1 060618 060618 "
        "0000000000000000",
        "000000010000 2 070618 070618 0000000000000000",
        "000000000500 2 070618 070618 0000000000000000"},
       ""},
      {"a charge written positive, a refunded one negative, one in another currency",
       "Date completed (UTC),Description,Payment currency,Orig currency,Amount,Fee,Fee currency\n"
       "2024-03-01 10:00:00,a,CZK,CZK,-100.00,5.00,CZK\n"
       "2024-03-02 10:00:00,b,CZK,CZK,0.00,-5.00,CZK\n"
       "2024-03-03 10:00:00,c,CZK,EUR,-100.00,1.00,EUR\n",
       {"000000010000 1 010324 010324 0000000000000000",
        "000000000500 1 010324 010324 "
        "0000000000000000",
        "000000000500 2 020324 020324 0000000000000000",
        "000000010000 1 030324 030324 0000000000000000"},
       "řádek 4: poplatek -1.00 EUR je v jiné měně než výpis (CZK), vynechán!!!"},
      {"a time in UTC is the day in Prague, summer and winter",
       "Date completed (UTC),Description,Payment currency,Orig currency,Amount\n"
       "2024-01-31 23:30:00,a,CZK,CZK,-1.00\n2024-07-31 22:30:00,b,CZK,CZK,-1.00\n"
       "2024-07-31 21:30:00,c,CZK,CZK,-1.00\n2024-12-31 23:00:00,d,CZK,CZK,-1.00\n",
       {"000000000100 1 010224 010224 0000000000000000",
        "000000000100 1 010824 010824 "
        "0000000000000000",
        "000000000100 1 310724 310724 0000000000000000",
        "000000000100 1 010125 010125 0000000000000000"},
       ""},
      {"a value date beside the booking date",
       "Datum zaúčtování;Valuta;Částka;Protiúčet\n01.07.2022;30.06.2022;-5,00;19-2000145399/0800\n",
       {"000000000500 1 300622 010722 0000192000145399"},
       ""},
      {"prefix and number run together; an account that cannot be read is named",
       "Datum;Částka;Protiucet;Kod banky protiuctu\n01.07.2022;-5,00;1152992080267;0100\n"
       "02.07.2022;-6,00;516844******1234;\n",
       {"000000000500 1 010722 010722 0001152992080267",
        "000000000600 1 020722 020722 "
        "0000000000000000"},
       "řádek 3: protiúčet 516844******1234 nelze přečíst celý, zapsány nuly!!!"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Convert(c.text)) << c.what;
    EXPECT_EQ(RecordSpans({{48, 12}, {60, 1}, {91, 6}, {122, 6}, {19, 16}}), c.records) << c.what;
    EXPECT_EQ(log_.find("!!!") != std::string::npos, !c.warning.empty()) << c.what << log_;
    if (!c.warning.empty()) {
      EXPECT_NE(log_.find(c.warning), std::string::npos) << c.what << log_;
    }
  }
}

TEST_F(LayoutRecordsTest, ItemWithoutAnyNumberGetsOneFromItsId) {
  ASSERT_TRUE(
      Convert("ID,Date,Amount,Reference\n"
              "TRANSFER-1000001,2024-03-01,5.00,\nTRANSFER-1000002,2024-03-01,5.00,\n"
              "TRANSFER-1000001,2024-03-01,5.00,\n1234,2024-03-01,5.00,\n"));
  ASSERT_EQ(records_.size(), 4 * kRecordLength);
  const std::string first = records_.substr(35, 13);
  EXPECT_EQ(first.find_first_not_of("0123456789"), std::string::npos) << first;
  EXPECT_NE(first, "0000000000000");
  EXPECT_NE(records_.substr(kRecordLength + 35, 13), first);
  EXPECT_EQ(records_.substr(2 * kRecordLength + 35, 13), first);
  EXPECT_EQ(records_.substr(3 * kRecordLength + 35, 13), "0000000001234");
}

TEST_F(LayoutRecordsTest, BalancesTheFileStatesAreCheckedAgainstItsItems) {
  struct Case {
    const char* what;
    std::string text;
    std::string balanceLog;  // the lines after the summary
    StatedBalances stated;
  } cases[] = {
      {"KB's preamble, adding up",
       "Počáteční zůstatek;+125430,50\nKonečný zůstatek;+127209,50\n\nDatum splatnosti;Částka\n"
       "03.09.2014;+3379,00\n08.09.2014;-12500,00\n20.09.2014;+10900,00\n",
       "Soubor v.csv: počáteční zůstatek 125430.50 + položky 1779.00 = konečný zůstatek 127209.50 "
       "Kč, souhlasí\n",
       {true, true, 12543050, 12720950}},
      {"an item removed",
       "Počáteční zůstatek;+125430,50\nKonečný zůstatek;+127209,50\n\nDatum splatnosti;Částka\n"
       "03.09.2014;+3379,00\n20.09.2014;+10900,00\n",
       "Soubor v.csv: počáteční zůstatek 125430.50 + položky 14279.00 = 139709.50 Kč, ale soubor "
       "uvádí konečný zůstatek 127209.50 Kč, rozdíl -12500.00 Kč!!!\n",
       {true, true, 12543050, 12720950}},
      {"Business 24's and Fio's labels, mBank's closing line after the items",
       "Opening balance;100,00\n\nProcessing date;Amount (Transaction)\n2014/09/02;-0,10\n"
       ";;#Konečný zůstatek:;99,90 CZK;\n",
       "Soubor v.csv: počáteční zůstatek 100.00 + položky -0.10 = konečný zůstatek 99.90 Kč, "
       "souhlasí\n",
       {true, true, 10000, 9990}},
      {"a running balance, oldest first, fees within it, a pending row without one",
       "Date,State,Amount,Fee,Balance\n2024-03-01,COMPLETED,24200.00,0,74200.00\n"
       "2024-03-04,COMPLETED,-12500.00,5.00,61695.00\n2024-03-05,PENDING,-1299.00,0,\n"
       "2024-03-28,COMPLETED,10000.00,20.00,71675.00\n",
       "Soubor v.csv: počáteční zůstatek 50000.00 + položky 21675.00 = konečný zůstatek 71675.00 "
       "Kč, souhlasí\n",
       {true, true, 5000000, 7167500}},
      {"a running balance, newest first, another currency left out",
       "Date,Amount,Currency,Running Balance\n20-03-2024,-120.00,CZK,16314.70\n"
       "15-03-2024,200.00,EUR,200.00\n12-03-2024,-519.00,CZK,16434.70\n"
       "05-03-2024,15000.00,CZK,16953.70\n",
       "Soubor v.csv: 1 položek v jiné měně do kontroly zůstatků nezapočteno\n"
       "Soubor v.csv: počáteční zůstatek 1953.70 + položky 14361.00 = konečný zůstatek 16314.70 "
       "Kč, "
       "souhlasí\n",
       {true, true, 195370, 1631470}},
      {"a running balance on one day, newest first, and a row missing",
       "Date,Amount,Balance\n2024-03-01,-10.00,80.00\n2024-03-01,-10.00,90.00\n"
       "2024-03-01,100.00,100.00\n",
       "Soubor v.csv: počáteční zůstatek 0.00 + položky 80.00 = konečný zůstatek 80.00 Kč, "
       "souhlasí\n",
       {true, true, 0, 8000}},
      {"the same with a row missing: no order adds up",
       "Date,Amount,Balance\n2024-03-01,-10.00,80.00\n2024-03-01,100.00,100.00\n",
       "Soubor v.csv: počáteční zůstatek 90.00 + položky 90.00 = 180.00 Kč, ale soubor uvádí "
       "konečný zůstatek 100.00 Kč, rozdíl -80.00 Kč!!!\n",
       {true, true, 9000, 10000}},
      {"no balance stated", "Datum;Částka;Zůstatek\n1.9.2014;5;\n", "", {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Convert(c.text)) << c.what;
    const size_t summary = log_.find("rozpoznán formát");
    ASSERT_NE(summary, std::string::npos) << c.what;
    EXPECT_EQ(log_.substr(log_.find('\n', summary) + 1), c.balanceLog) << c.what;
    EXPECT_EQ(stated_.hasOpening, c.stated.hasOpening) << c.what;
    EXPECT_EQ(stated_.hasClosing, c.stated.hasClosing) << c.what;
    EXPECT_EQ(stated_.opening, c.stated.opening) << c.what;
    EXPECT_EQ(stated_.closing, c.stated.closing) << c.what;
  }
}

TEST_F(LayoutRecordsTest, WarningsStopAfterTenPerFile) {
  std::string text = "Datum;Částka\n";
  for (int i = 0; i < 13; ++i) text += "01.01.2014;x\n";
  for (int i = 0; i < 13; ++i) text += "01.01.2014;1\n";
  ASSERT_TRUE(Convert(text));
  EXPECT_NE(log_.find("řádek 11: částku"), std::string::npos);
  EXPECT_EQ(log_.find("řádek 12:"), std::string::npos);
  EXPECT_NE(log_.find("Soubor v.csv: dalších 3 upozornění nevypsáno!!!\n"), std::string::npos);
}

TEST_F(LayoutRecordsTest, UnknownHeadersAndUnconfirmedColumnsAreLeftAlone) {
  for (const char* text :
       {"h\r\n1;2014/09/24;5\r\n", "", "Datum;Částka\r\n1;2014/09/24\r\n2;2014/09/25\r\n"}) {
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
