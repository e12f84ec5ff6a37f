#include "conversion/reading/balances/balance_proof.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/reading/layouts/layout_reader.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/fixed_width.h"

namespace tarvolo {
namespace {

// Reads `text` as "v.csv": its items as amount and day ("-5.00 1.3",
// "fee" after a fee), its log's marked lines and what else it gave.
void ReadFile(const std::string& text, std::vector<std::string>* items, std::string* warnings,
              LayoutReading* reading, std::string* log = nullptr) {
  const StatementLayout layout = RecogniseLayout(text);
  ASSERT_TRUE(layout.recognised) << text;
  std::string currency;
  ReadLayoutItems(
      "v.csv", text, layout, &currency,
      [items](const StatementItem& item) {
        std::string shown;
        Render(shown, "%.2f %d.%d", {Crowns(item.amount), item.day, item.month});
        items->push_back(item.fee ? shown + " fee" : shown);
      },
      [warnings, log](LogKind kind, const char* line) {
        if (IsMarked(kind)) *warnings += ShownLogLine(kind, line);
        if (log != nullptr) *log += ShownLogLine(kind, line);
      },
      reading);
  ASSERT_TRUE(reading->confirmation.Confirmed()) << text;
}

TEST(BalanceProof, TheRunningBalanceSettlesHowRowsAreRead) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;
    std::string warnings;
    std::string information = "";  // a line the log has besides
  } cases[] = {
      {"a generic fee written negative is charged, as the balances show",
       "Datum;Částka;Poplatek;Zůstatek\n01.03.2024;-100,00;-5,00;895,00\n"
       "02.03.2024;200,00;0,00;1095,00\n03.03.2024;-50,00;-2,00;1043,00\n",
       {"-100.00 1.3", "-5.00 1.3 fee", "200.00 2.3", "-50.00 3.3", "-2.00 3.3 fee"},
       ""},
      {"a generic fee written negative without a balance: the sign taken is named",
       "Datum;Částka;Poplatek\n01.03.2024;-100,00;-5,00\n02.03.2024;200,00;0,00\n",
       {"-100.00 1.3", "-5.00 1.3 fee", "200.00 2.3"},
       "Soubor v.csv: znaménko poplatků neověří žádný zůstatek; poplatek se znaménkem minus "
       "čten jako účtovaný, kladný jako vrácený!!!\n"},
      {"Raiffeisenbank's fee written unsigned, of no documented sign: charged, named",
       "Datum provedení;Zaúčtovaná částka;Poplatek\n07.09.2014;-459,90;29\n"
       "08.09.2014;-10,00;\n",
       {"-459.90 7.9", "-29.00 7.9 fee", "-10.00 8.9"},
       "Soubor v.csv: znaménko poplatků neověří žádný zůstatek; kladný poplatek čten jako "
       "účtovaný, záporný jako vrácený!!!\n"},
      {"Revolut's fee of 2022 written negative, in two currencies of their own balances",
       "Type,Product,Started Date,Completed Date,Description,Amount,Fee,Currency,State,Balance\n"
       "TOPUP,Current,2024-03-01 10:00:00,2024-03-01 10:00:00,a,1000.00,0.00,CZK,COMPLETED,"
       "1000.00\n"
       "TOPUP,Current,2024-03-01 11:00:00,2024-03-01 11:00:00,b,50.00,0.00,EUR,COMPLETED,50.00\n"
       "CARD_PAYMENT,Current,2024-03-02 10:00:00,2024-03-02 10:00:00,c,-100.00,-5.00,CZK,"
       "COMPLETED,895.00\n"
       "CARD_PAYMENT,Current,2024-03-03 10:00:00,2024-03-03 10:00:00,d,-10.00,-1.00,EUR,"
       "COMPLETED,39.00\n",
       {"1000.00 1.3", "-100.00 2.3", "-5.00 2.3 fee"},
       "Soubor v.csv, řádek 3: položka 50.00 EUR je v jiné měně než výpis (CZK), vynechána!!!\n"
       "Soubor v.csv, řádek 5: položka -10.00 EUR je v jiné měně než výpis (CZK), "
       "vynechána!!!\n"},
      {"Revolut's fee of 2022 on the first row alone, which no balance proves: as written then",
       "Date completed (UTC),ID,Description,Payment currency,Orig currency,Amount,Fee,Balance\n"
       "2024-03-01 10:00:00,1,a,CZK,CZK,100.00,-5.00,1095.00\n"
       "2024-03-02 10:00:00,2,b,CZK,CZK,-10.00,0.00,1085.00\n",
       {"100.00 1.3", "-5.00 1.3 fee", "-10.00 2.3"},
       "",
       "Soubor v.csv: znaménko poplatků neověří žádný zůstatek; poplatek se znaménkem minus "
       "čten jako účtovaný, kladný jako vrácený\n"},
      {"Revolut's fee of 2022 written positive where the balances prove it a charge",
       "Date completed (UTC),ID,Description,Payment currency,Orig currency,Amount,Fee,Balance\n"
       "2024-03-01 10:00:00,1,a,CZK,CZK,100.00,0.00,1100.00\n"
       "2024-03-02 10:00:00,2,b,CZK,CZK,-10.00,5.00,1085.00\n",
       {"100.00 1.3", "-10.00 2.3", "-5.00 2.3 fee"},
       ""},
      {"the net column shows the fee's sign on the first row, which no balance does",
       "Datum;Částka;Poplatek;Netto;Zůstatek\n01.03.2024;100,00;5,00;105,00;1105,00\n"
       "02.03.2024;-10,00;0,00;-10,00;1095,00\n",
       {"100.00 1.3", "5.00 1.3 fee", "-10.00 2.3"},
       ""},
      {"two own accounts, each with its own balance",
       "Datum;Číslo účtu;Číslo protiúčtu;Částka;Zůstatek\n"
       "01.03.2024;2000145399/5500;;100,00;1100,00\n01.03.2024;2600123456/5500;;50,00;550,00\n"
       "02.03.2024;2000145399/5500;;-10,00;1090,00\n03.03.2024;2600123456/5500;;-5,00;545,00\n",
       {"100.00 1.3", "50.00 1.3", "-10.00 2.3", "-5.00 3.3"},
       ""},
      {"two Revolut accounts of one currency, each with its own balance",
       "Date completed (UTC),ID,Description,Payment currency,Orig currency,Amount,Fee,Balance,"
       "Account\n"
       "2024-03-01 10:00:00,1,a,CZK,CZK,-10.00,0.00,90.00,Main CZK\n"
       "2024-03-01 11:00:00,2,b,CZK,CZK,-20.00,0.00,480.00,Savings CZK\n"
       "2024-03-02 10:00:00,3,c,CZK,CZK,-10.00,1.00,79.00,Main CZK\n"
       "2024-03-02 11:00:00,4,d,CZK,CZK,30.00,0.00,510.00,Savings CZK\n",
       {"-10.00 1.3", "-20.00 1.3", "-10.00 2.3", "-1.00 2.3 fee", "30.00 2.3"},
       ""},
      {"a fee the amount holds already is no item of its own",
       "Date,Amount,Fee,Balance\n2024-03-01,100.00,0,100.00\n2024-03-02,-105.00,5.00,-5.00\n"
       "2024-03-03,-52.00,2.00,-57.00\n",
       {"100.00 1.3", "-105.00 2.3", "-52.00 3.3"},
       ""},
      {"of two equal amount columns, the one the balances prove",
       "Datum;Objem;Částka;Zůstatek\n01.03.2024;-100,00;-105,00;895,00\n"
       "02.03.2024;200,00;200,00;1095,00\n03.03.2024;-50,00;-55,00;1040,00\n",
       {"-105.00 1.3", "200.00 2.3", "-55.00 3.3"},
       ""},
      {"the first row follows from the opening balance the preamble states",
       "#Počáteční zůstatek:;25 419,20 CZK;\n\n#Datum zaúčtování transakce;#Částka transakce;"
       "#Účetní zůstatek po transakci;\n02-09-2014;-4 000,00;21 419,20;\n"
       "04-09-2014;-1 000,00;20 419,20;\n",
       {"-4000.00 2.9", "-1000.00 4.9"},
       ""},
      {"a lone row that does not follow from the opening balance is named",
       "#Počáteční zůstatek:;25 419,20 CZK;\n\n#Datum zaúčtování transakce;#Částka transakce;"
       "#Účetní zůstatek po transakci;\n02-09-2014;-4 000,00;20 419,20;\n",
       {"-4000.00 2.9"},
       "Soubor v.csv, řádek 4: předchozí zůstatek 25419.20 + pohyb -4000.00 = 21419.20, ale "
       "řádek uvádí zůstatek 20419.20, rozdíl -1000.00!!!\n"
       "Soubor v.csv: počáteční zůstatek 25419.20 + položky -4000.00 = 21419.20 Kč, ale soubor "
       "uvádí konečný zůstatek 20419.20 Kč, rozdíl -1000.00 Kč!!!\n"},
      {"rows listed newest first follow from the opening balance from the last one up",
       "Počáteční zůstatek;100,00\n\nDatum;Částka;Zůstatek\n03.03.2024;-5,00;115,00\n"
       "02.03.2024;20,00;120,00\n",
       {"-5.00 3.3", "20.00 2.3"},
       ""},
      {"a debit written negative beside debits written positive is money returned",
       "Datum;Příjem;Výdaj;Zůstatek\n01.03.2024;;100,00;900,00\n02.03.2024;;-20,00;920,00\n"
       "03.03.2024;50,00;;970,00\n",
       {"-100.00 1.3", "20.00 2.3", "50.00 3.3"},
       ""},
      {"debits written both ways without a balance: all paid, named",
       "Datum;Příjem;Výdaj\n01.03.2024;;100,00\n02.03.2024;;-20,00\n",
       {"-100.00 1.3", "-20.00 2.3"},
       "Soubor v.csv: sloupec výdajů uvádí částky se znaménkem minus i bez něj a zůstatek je "
       "neověří; všechny čteny jako výdaje!!!\n"},
      {"rows of one day newest first, as only their balances tell",
       "Date,Amount,Balance\n2024-03-01,-10.00,70.00\n2024-03-01,-20.00,80.00\n"
       "2024-03-01,100.00,100.00\n",
       {"-10.00 1.3", "-20.00 1.3", "100.00 1.3"},
       ""},
      {"two rows listed the other way round than their balances",
       "Date,Amount,Balance\n2024-03-01,-10.00,90.00\n2024-03-02,-30.00,65.00\n"
       "2024-03-02,5.00,95.00\n2024-03-03,1.00,66.00\n",
       {"-10.00 1.3", "-30.00 2.3", "5.00 2.3", "1.00 3.3"},
       ""},
      {"a row written twice, the next row undoing it: the copy is named, not read as listed "
       "the other way round",
       "Date,Amount,Balance\n2024-03-01,-10.00,90.00\n2024-03-02,-30.00,60.00\n"
       "2024-03-02,-30.00,60.00\n2024-03-02,30.00,90.00\n",
       {"-10.00 1.3", "-30.00 2.3", "-30.00 2.3", "30.00 2.3"},
       "Soubor v.csv, řádek 4: předchozí zůstatek 60.00 + pohyb -30.00 = 30.00, ale řádek uvádí "
       "zůstatek 60.00, rozdíl 30.00!!!\n"},
      {"a row missing and a row changed are named by their lines",
       "Date,Amount,Balance\n2024-03-01,-10.00,90.00\n2024-03-02,-10.00,70.00\n"
       "2024-03-03,5.00,75.00\n2024-03-04,-1.00,75.00\n2024-03-05,1.00,75.00\n",
       {"-10.00 1.3", "-10.00 2.3", "5.00 3.3", "-1.00 4.3", "1.00 5.3"},
       "Soubor v.csv, řádek 3: předchozí zůstatek 90.00 + pohyb -10.00 = 80.00, ale řádek uvádí "
       "zůstatek 70.00, rozdíl -10.00!!!\n"
       "Soubor v.csv, řádek 5: předchozí zůstatek 75.00 + pohyb -1.00 = 74.00, ale řádek uvádí "
       "zůstatek 75.00, rozdíl 1.00!!!\n"
       "Soubor v.csv, řádek 6: předchozí zůstatek 75.00 + pohyb 1.00 = 76.00, ale řádek uvádí "
       "zůstatek 75.00, rozdíl -1.00!!!\n"
       "Soubor v.csv: počáteční zůstatek 100.00 + položky -15.00 = 85.00 Kč, ale soubor uvádí "
       "konečný zůstatek 75.00 Kč, rozdíl -10.00 Kč!!!\n"},
      {"a cancelled transfer, never finished, does not choose the date column",
       "ID,Status,Direction,\"Created on\",\"Finished on\",\"Source fee amount\","
       "\"Source fee currency\",\"Source amount (after fees)\",\"Source currency\","
       "\"Target amount (after fees)\",\"Target currency\"\n"
       "T1,COMPLETED,OUT,2024-03-01 10:00:00,2024-03-02 10:05:00,0,CZK,100.00,CZK,100.00,CZK\n"
       "T2,CANCELLED,OUT,2024-03-06 09:00:00,,0,CZK,100.00,CZK,100.00,CZK\n",
       {"-100.00 2.3"},
       ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> items;
    std::string warnings, log;
    LayoutReading reading;
    ReadFile(c.text, &items, &warnings, &reading, &log);
    EXPECT_EQ(items, c.items) << c.what;
    EXPECT_EQ(warnings, c.warnings) << c.what;
    EXPECT_NE(log.find(c.information), std::string::npos) << c.what << log;
  }
}

// A row waiting to be booked, a hold and its release are booked where the
// running balance after them counts them, and left out where it stays as it
// was; a hold and its release go together.
TEST(BalanceProof, OpenRowsAreBookedAsTheBalanceShows) {
  const std::string header =
      "Date,Type,Status,Currency,Gross,Fee,Net,Transaction ID,Reference Txn ID,Balance,"
      "Balance Impact\n";
  struct Case {
    const char* what;
    std::string rows;
    std::vector<std::string> items;
    std::string warnings;
    std::string lines;  // how the summary accounts for the lines
  } cases[] = {
      {"a hold and its release that the balance moves with are both booked",
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P1,,100.00,Credit\n"
       "3/2/2024,Payment Review Hold,Placed,EUR,-100.00,0.00,-100.00,H1,P1,0.00,Debit\n"
       "3/3/2024,Payment Review Release,Removed,EUR,100.00,0.00,100.00,R1,P1,100.00,Credit\n",
       {"100.00 1.3", "-100.00 2.3", "100.00 3.3"},
       "",
       "řádků souboru 4: hlavička a úvod 1, s položkou 3\n"},
      {"a hold and its release that the balance does not move with are both left out",
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P1,,100.00,Credit\n"
       "3/2/2024,Hold on Balance for Dispute Investigation,Held,EUR,-25.71,0.00,-25.71,H1,,"
       "100.00,Debit\n"
       "3/3/2024,Cancellation of Hold for Dispute Resolution,Completed,EUR,25.71,0.00,25.71,R1,,"
       "100.00,Credit\n"
       "3/4/2024,General Withdrawal,Completed,EUR,-50.00,0.00,-50.00,W1,,50.00,Debit\n",
       {"100.00 1.3", "-50.00 4.3"},
       "",
       "s položkou 2, nezaúčtované 2 (blokace 2)\n"},
      {"pending rows the balance counts are booked and named once, one it does not stays out",
       "3/1/2024,Express Checkout Payment,Completed,USD,20.00,0.00,20.00,P1,,20.00,Credit\n"
       "3/2/2024,Bank Deposit to PP Account,Pending,USD,15.99,0.00,15.99,D1,,35.99,Credit\n"
       "3/3/2024,Bank Deposit to PP Account,Pending,USD,4.01,0.00,4.01,D2,,40.00,Credit\n"
       "3/4/2024,Express Checkout Payment,Completed,USD,-30.59,0.00,-30.59,P2,,9.41,Debit\n"
       "3/5/2024,Bank Deposit to PP Account,Pending,USD,40.00,0.00,40.00,D3,,9.41,Credit\n",
       {"20.00 1.3", "15.99 2.3", "4.01 3.3", "-30.59 4.3"},
       "Soubor v.csv: 2 řádků čekajících na zaúčtování zapsáno jako položky, zůstatek souboru je "
       "již započítává (první na řádku 3)!!!\n",
       "s položkou 4, nezaúčtované 1 (Pending 1)\n"},
      {"a pending row first, which no balance before it proves, is left out by its state",
       "3/1/2024,Bank Deposit to PP Account,Pending,EUR,10.00,0.00,10.00,D1,,10.00,Credit\n"
       "3/2/2024,Express Checkout Payment,Completed,EUR,5.00,0.00,5.00,P1,,15.00,Credit\n",
       {"5.00 2.3"},
       "",
       "s položkou 1, nezaúčtované 1 (Pending 1)\n"},
      {"a release is paired with the hold its payment's id names; the other hold, which the "
       "balance counts, is booked and named",
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P1,,100.00,Credit\n"
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P2,,200.00,Credit\n"
       "3/2/2024,Reserve Hold,Placed,EUR,-10.00,0.00,-10.00,H1,P1,190.00,Debit\n"
       "3/2/2024,Reserve Hold,Placed,EUR,-10.00,0.00,-10.00,H2,P2,180.00,Debit\n"
       "3/3/2024,Reserve Release,Removed,EUR,10.00,0.00,10.00,R2,P2,190.00,Credit\n",
       {"100.00 1.3", "100.00 1.3", "-10.00 2.3", "-10.00 2.3", "10.00 3.3"},
       "Soubor v.csv, řádek 4: blokace, jejíž uvolnění v souboru není, zapsána jako položka, "
       "zůstatek souboru ji započítává!!!\n",
       "s položkou 5\n"},
      {"a release of another payment than the hold's undoes none: each is named",
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P1,,100.00,Credit\n"
       "3/2/2024,Reserve Hold,Placed,EUR,-10.00,0.00,-10.00,H1,P1,90.00,Debit\n"
       "3/3/2024,Reserve Release,Removed,EUR,10.00,0.00,10.00,R9,P9,100.00,Credit\n",
       {"100.00 1.3", "-10.00 2.3", "10.00 3.3"},
       "Soubor v.csv, řádek 3: blokace, jejíž uvolnění v souboru není, zapsána jako položka, "
       "zůstatek souboru ji započítává!!!\n"
       "Soubor v.csv, řádek 4: uvolnění blokace, která v souboru není, zapsáno jako položka, "
       "zůstatek souboru je započítává!!!\n",
       "s položkou 3\n"},
      {"a hold the balance moves with and its release it does not: both booked, the release "
       "named",
       "3/1/2024,Express Checkout Payment,Completed,EUR,100.00,0.00,100.00,P1,,100.00,Credit\n"
       "3/2/2024,General Hold,Completed,EUR,-40.00,0.00,-40.00,H1,P1,60.00,Debit\n"
       "3/3/2024,General Hold Release,Completed,EUR,40.00,0.00,40.00,R1,P1,60.00,Credit\n",
       {"100.00 1.3", "-40.00 2.3", "40.00 3.3"},
       "Soubor v.csv, řádek 4: předchozí zůstatek 60.00 + pohyb 40.00 = 100.00, ale řádek uvádí "
       "zůstatek 60.00, rozdíl -40.00!!!\n"
       "Soubor v.csv: počáteční zůstatek 0.00 + položky 100.00 = 100.00 EUR, ale soubor uvádí "
       "konečný zůstatek 60.00 EUR, rozdíl -40.00 EUR!!!\n",
       "s položkou 3\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> items;
    std::string warnings, log;
    LayoutReading reading;
    ReadFile(header + c.rows, &items, &warnings, &reading, &log);
    EXPECT_EQ(items, c.items) << c.what;
    EXPECT_EQ(warnings, c.warnings) << c.what;
    EXPECT_NE(log.find(c.lines), std::string::npos) << c.what << log;
  }
  // Without a running balance the states decide, as they always did.
  std::vector<std::string> items;
  std::string warnings;
  LayoutReading reading;
  ReadFile(
      "Date,Type,Status,Currency,Gross,Fee,Net,Transaction ID,Reference Txn ID\n"
      "3/2/2024,General Hold,Placed,EUR,-40.00,0.00,-40.00,H1,P1\n"
      "3/3/2024,General Hold Release,Removed,EUR,40.00,0.00,40.00,R1,P1\n"
      "3/4/2024,Bank Deposit to PP Account,Pending,EUR,10.00,0.00,10.00,D1,\n",
      &items, &warnings, &reading);
  EXPECT_EQ(items, (std::vector<std::string>{"-40.00 2.3", "40.00 3.3"}));
}

// The balances a file hands on for the statement's header follow the order
// its rows' balances prove, and are none where they are several accounts'.
TEST(BalanceProof, TheFilesBalancesAreOneAccountsInTheProvenOrder) {
  std::string many = "Date,Amount,Balance\n";
  for (int i = 0; i < 13; ++i) many += "2024-03-01,-1.00,5.00\n";
  struct Case {
    const char* what;
    std::string text;
    StatedBalances stated;
    std::string lines;  // lines the log has
  } cases[] = {
      {"one day, newest first",
       "Date,Amount,Balance\n2024-03-01,-10.00,70.00\n"
       "2024-03-01,-20.00,80.00\n2024-03-01,100.00,100.00\n",
       {true, true, 0, 7000},
       ""},
      {"two own accounts",
       "Datum;Číslo účtu;Číslo protiúčtu;Částka;Zůstatek\n"
       "01.03.2024;2000145399/5500;;100,00;1100,00\n01.03.2024;2600123456/5500;;50,00;550,00\n",
       {},
       "Soubor v.csv: řádky více vlastních účtů, zůstatky souboru s položkami nesrovnány\n"},
      {"more rows that do not add up than are named",
       many,
       {true, true, 600, 500},
       "Soubor v.csv, řádek 12: předchozí zůstatek 5.00 + pohyb -1.00 = 4.00, ale řádek uvádí "
       "zůstatek 5.00, rozdíl 1.00!!!\n"
       "Soubor v.csv: se zůstatkem nesouhlasí ještě dalších 2 řádků!!!\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> items;
    std::string warnings, log;
    LayoutReading reading;
    ReadFile(c.text, &items, &warnings, &reading, &log);
    EXPECT_EQ(reading.stated.hasOpening, c.stated.hasOpening) << c.what;
    EXPECT_EQ(reading.stated.opening, c.stated.opening) << c.what;
    EXPECT_EQ(reading.stated.closing, c.stated.closing) << c.what;
    EXPECT_NE(log.find(c.lines), std::string::npos) << c.what << log;
  }
}

}  // namespace
}  // namespace tarvolo
