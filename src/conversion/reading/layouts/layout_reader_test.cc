#include "conversion/reading/layouts/layout_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/fixed_width.h"

namespace tarvolo {
namespace {

// An item's values as the tests compare them, kept beyond the sink's call.
struct Item {
  std::string amount;  // crowns with two places, "-" for a debit
  // d.m.yy: the items' years are whole, and the cases, all of this
  // century, write them by their last two digits.
  std::string date, valueDate;
  std::string counter;  // prefix-number/bank, "" for none
  std::string iban;     // the counter account's IBAN, as the file writes it
  std::string document, variable, constant, specific, description;
  std::string own;  // the own account or pocket the row names
  bool fee = false;
};

Item Kept(const StatementItem& item) {
  Item kept;
  Render(kept.amount, "%.2f", {Crowns(item.amount)});
  Render(kept.date, "%d.%d.%d", {item.day, item.month, item.year - 2000});
  Render(kept.valueDate, "%d.%d.%d", {item.valueDay, item.valueMonth, item.valueYear - 2000});
  if (item.counterPrefix != 0 || item.counterNumber != 0 || item.bankCode != 0) {
    if (item.counterPrefix != 0) Render(kept.counter, "%d-", {item.counterPrefix});
    Render(kept.counter, "%d/%04d", {item.counterNumber, item.bankCode});
  }
  kept.iban = item.counterIban;
  kept.document = item.documentNumber;
  kept.variable = item.variableSymbol;
  kept.constant = item.constantSymbol;
  kept.specific = item.specificSymbol;
  kept.description = item.description;
  kept.own = item.ownAccount;
  kept.fee = item.fee;
  return kept;
}

class LayoutRecordsTest : public testing::Test {
 protected:
  // Reads `text` as the file "v.csv" by the layout its header names; false
  // when no header is found or its data do not confirm the layout.
  bool Read(const std::string& text) {
    items_.clear();
    log_.clear();
    reading_ = LayoutReading();
    const StatementLayout layout = RecogniseLayout(text);
    if (!layout.recognised) return false;
    currency_.clear();
    ReadLayoutItems(
        "v.csv", text, layout, &currency_,
        [this](const StatementItem& item) { items_.push_back(Kept(item)); },
        [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); }, &reading_);
    return reading_.confirmation.Confirmed();
  }

  // Each item's values, joined by '|'.
  template <typename View>
  std::vector<std::string> Items(View view) const {
    std::vector<std::string> all;
    for (const Item& item : items_) {
      std::string joined;
      for (const std::string& value : view(item)) joined += (joined.empty() ? "" : "|") + value;
      all.push_back(item.fee ? joined + "|fee" : joined);
    }
    return all;
  }
  std::vector<std::string> AllFields() const {
    return Items([](const Item& i) -> std::vector<std::string> {
      return {i.amount,   i.date,     i.counter,  i.document,
              i.variable, i.constant, i.specific, i.description};
    });
  }
  std::vector<std::string> Described() const {
    return Items([](const Item& i) -> std::vector<std::string> {
      return {i.amount, i.date, i.description};
    });
  }
  std::vector<std::string> Dated() const {
    return Items([](const Item& i) -> std::vector<std::string> {
      return {i.amount, i.date, i.valueDate, i.counter};
    });
  }

  std::vector<Item> items_;
  std::string log_;
  std::string currency_;
  LayoutReading reading_;
};

TEST_F(LayoutRecordsTest, ItemsFromTheNamedColumns) {
  struct Case {
    const char* what;
    std::string text;
    // Amount, date, counter account, number, VS, KS, SS, text; an item of
    // no number of its own has the one its content gives on every build.
    std::vector<std::string> items;
  } cases[] = {
      {"columns shuffled, id as the item number",
       "Zpráva pro příjemce;VS;Částka;ID pohybu;Protiúčet;Datum;KS;SS\r\n"
       "Nájem;20140901;-12 500,00;26093472451;19-123456789/0800;02.09.2014;308;77\r\n",
       {"-12500.00|2.9.14|19-123456789/0800|26093472451|20140901|308|77|Nájem"}},
      {"quoted separator and line break, doubled quotes",
       "Datum,Částka,Zpráva\r\n24.09.2014,\"1,50\",\"a,\r\n\"\"b\"\"\"\r\n",
       {"1.50|24.9.14||4725873231551||||a, \"b\""}},
      {"descriptions on one line, each run of line breaks and tabs one blank",
       "Datum;Částka;Zpráva\n1.9.2014;1;Nájem za září 2014 a\tříjen\n"
       "2.9.2014;2;\"Nájem\r\n\tzáří\"\n",
       {"1.00|1.9.14||6699397945776||||Nájem za září 2014 a říjen",
        "2.00|2.9.14||2579380714573||||Nájem září"}},
      {"both amount conventions",
       "Date,Amount\n2014-09-24,\"-175,424.07\"\n2014-09-25,\"1.234,50\"\n",
       {"-175424.07|24.9.14||8970906813889||||", "1234.50|25.9.14||9652941512086||||"}},
      {"direction decides an unsigned amount only",
       "Datum zaúčtování;Směr úhrady;Částka\n1.9.2014;Odchozí;250\n2.9.2014;Příchozí;250\n"
       "3.9.2014;Odchozí;+250\n",
       {"-250.00|1.9.14||7319676893311||||", "250.00|2.9.14||7309147718937||||",
        "250.00|3.9.14||9365321809072||||"}},
      {"Czech IBAN, foreign IBAN, card number",
       "Datum;Částka;Protiúčet;Název protiúčtu\n"
       "1.9.2014;1;CZ61 0800 0000 1901 2345 6789;Česká\n"
       "1.9.2014;1;DE89370400440532013000;Cizí\n1.9.2014;1;516844******1234;Karta\n",
       {"1.00|1.9.14|19-123456789/0800|8514389874605||||Česká",
        "1.00|1.9.14||7602580801448||||Cizí", "1.00|1.9.14||0393424597844||||Karta"}},
      {"description: message, counter name, then the item's type",
       "Datum;Částka;Zpráva pro příjemce;Název protiúčtu;Typ;ID operace;VS\n"
       "1.9.2014;1;Zpráva;Jméno;Typ;12345678901234;55\n1.9.2014;1;;Jméno;Typ;x1;55\n"
       "1.9.2014;1;;;Typ;;\n",
       {"1.00|1.9.14||55|55|||Zpráva", "1.00|1.9.14||55|55|||Jméno",
        "1.00|1.9.14||5254065307273||||Typ"}},
      {"symbols keep their digits only, however many",
       "Datum;Částka;VS;KS\n1.9.2014;5;VS 12345678901;12345\n",
       {"5.00|1.9.14||12345678901|12345678901|12345||"}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(AllFields(), c.items) << c.what;
  }
}

TEST_F(LayoutRecordsTest, LinesWithoutItemsAreLeftOutAndCounted) {
  struct Case {
    const char* what;
    std::string text;
    size_t items;
    std::string log;
  } cases[] = {
      {"preamble, empty and total lines",
       "\"accountId\";\"2000145399\"\n\"openingBalance\";\"18 204,70\"\n\n"
       "\"Datum\";\"Objem\"\n\"01.09.2014\";\"-90\"\n\n\"Suma\";\"-90\"\n",
       1,
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 1 položek, řádků souboru 7: "
       "hlavička a úvod 4, s položkou 1, zůstatky a součty 1, prázdné 1\n"
       "Soubor v.csv: počáteční zůstatek 18204.70 + položky -90.00 = konečný zůstatek 18114.70 "
       "Kč, soubor konečný zůstatek neuvádí\n"},
      {"mBank's closing line",
       "#Datum zaúčtování transakce;#Částka transakce;\n01-09-2014;-5 000,00;\n"
       ";;;;;;#Konečný zůstatek:;167 595,94 CZK;\n",
       1,
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát mBank, převedeno 1 položek, řádků souboru 3: hlavička a "
       "úvod 1, s položkou 1, zůstatky a součty 1\n"
       "Soubor v.csv: konečný zůstatek 167595.94 - položky -5000.00 = počáteční zůstatek "
       "172595.94 Kč, soubor počáteční zůstatek neuvádí\n"},
      {"unreadable date and amount are reported",
       "Datum;Částka\n31.02.2014;5\n01.03.2014;pět\n01.03.2014;5\n01.03.2014;6\n01.03.2014;7\n"
       "01.03.2014;8\n01.03.2014;9\n01.03.2014;10\n",
       6,
       "Soubor v.csv, řádek 2: datum 31.02.2014 nelze přečíst, řádek vynechán!!!\n"
       "Soubor v.csv, řádek 3: částku pět nelze přečíst (text, který není částkou), řádek "
       "vynechán!!!\n"
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 6 položek, řádků souboru 9: "
       "hlavička a úvod 1, s položkou 6, vynechané 2\n"},
      {"another currency",
       "Datum;Částka;Měna\n1.9.2014;5;CZK\n2.9.2014;6;EUR\n3.9.2014;7;\n4.9.2014;0;CZK\n", 2,
       "Soubor v.csv, řádek 3: položka 6.00 EUR je v jiné měně než výpis (CZK), vynechána!!!\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, řádků souboru 5: "
       "hlavička a úvod 1, s položkou 2, s nulovou částkou 1, vynechané 1\n"},
      {"columns of two currencies: the other's amounts named, read or not",
       "Completed Date;Reference;Paid Out (EUR);Paid In (EUR);Paid Out (GBP);Paid In (GBP)\n"
       "May 3, 2018;A;;;5.00;\nMay 2, 2018;B;20.00;;;abc\nMay 1, 2018;C;;200.00;;\n"
       "Apr 30, 2018;D;;10.00;;\n",
       3,
       "Soubor v.csv, řádek 2: položka -5.00 GBP je v jiné měně než výpis (EUR), vynechána!!!\n"
       "Soubor v.csv, řádek 3: částku abc v jiné měně nelze přečíst (žádné číslice), "
       "vynechána!!!\n"
       "Soubor v.csv: rozpoznán formát Revolut, převedeno 3 položek, řádků souboru 5: hlavička a "
       "úvod 1, s položkou 3, vynechané 1\n"},
      {"Fio's row without its trailing fields: read, named as short",
       "\"ID operace\";\"Datum\";\"Objem\";\"Měna\";\"Protiúčet\";\"Zpráva pro příjemce\";\"BIC\"\n"
       "\"1\";\"01.09.2014\";\"-90\";\"CZK\";\"\";\"a\";\"\"\n"
       "\"2\";\"02.09.2014\";\"29760\";\"CZK\"\n"
       "\"3\";\"03.09.2014\";\"10\";\"CZK\";\"\";\"c\";\"\"\n",
       3,
       "Soubor v.csv, řádek 3: řádek má jen 4 polí, ostatní řádky 7; chybějící pole na konci "
       "přečtena jako prázdná!!!\n"
       "Soubor v.csv: rozpoznán formát Fio banka, převedeno 3 položek, řádků souboru 4: "
       "hlavička a úvod 1, s položkou 3\n"},
      {"a row short of its amount is no item",
       "\"ID operace\";\"Datum\";\"Měna\";\"Objem\";\"BIC\"\n"
       "\"1\";\"01.09.2014\";\"CZK\";\"-90\";\"\"\n\"2\";\"02.09.2014\";\"CZK\"\n"
       "\"3\";\"03.09.2014\";\"CZK\";\"10\";\"\"\n\"4\";\"04.09.2014\";\"CZK\";\"11\";\"\"\n",
       3,
       "Soubor v.csv, řádek 3: řádek má 3 polí, ostatní řádky 5, řádek vynechán!!!\n"
       "Soubor v.csv: rozpoznán formát Fio banka, převedeno 3 položek, řádků souboru 5: "
       "hlavička a úvod 1, s položkou 3, vynechané 1\n"},
      {"a quote never closed", "Datum;Částka;Zpráva\n1.9.2014;5;\"open\n2.9.2014;6;b\n", 2,
       "Soubor v.csv, řádek 2: uvozovky v poli nejsou uzavřeny, řádek přečten jen do svého "
       "konce!!!\n"
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát obecný CSV, převedeno 2 položek, řádků souboru 3: "
       "hlavička a úvod 1, s položkou 2\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(items_.size(), c.items) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

TEST_F(LayoutRecordsTest, PaymentServicesRowsStatesAndFees) {
  // Items as amount, date and description; the log's warnings and summary.
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;
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
       {"-12500.00|4.3.24|To Pronájmy", "-5.00|4.3.24|Poplatek To Pronájmy|fee",
        "10000.00|28.3.24|Client Ltd", "-20.00|28.3.24|Poplatek Client Ltd|fee",
        "-1234.50|29.3.24|Alza.cz"},
       "Soubor v.csv, řádek 6: neznámý stav položky ON HOLD, položka vynechána!!!\n"
       "Soubor v.csv: rozpoznán formát Revolut Business, převedeno 5 položek (z toho 2 "
       "poplatků), řádků souboru 8: hlavička a úvod 1, s položkou 3, nezaúčtované 3 (PENDING "
       "1, DECLINED 1, REVERTED 1), vynechané 1\n"},
      {"PayPal: month-first dates, the fee signed as it moves the balance",
       "Date,Description,Currency,Gross,Fee,Net\n"
       "\"3/2/2024\",\"Payment\",\"CZK\",\"2,500.00\",\"-104.50\",\"2,395.50\"\n"
       "\"3/15/2024\",\"Refund\",\"CZK\",\"-500.00\",\"20.90\",\"-479.10\"\n"
       "\"3/16/2024\",\"Bonus\",\"CZK\",\"1.00\",\"x\",\"1.00\"\n",
       {"2500.00|2.3.24|Payment", "-104.50|2.3.24|Poplatek Payment|fee", "-500.00|15.3.24|Refund",
        "20.90|15.3.24|Poplatek Refund|fee", "1.00|16.3.24|Bonus"},
       "Soubor v.csv, řádek 4: poplatek nelze přečíst, zapsána jen položka!!!\n"
       "Soubor v.csv: rozpoznán formát PayPal, převedeno 5 položek (z toho 2 poplatků), řádků "
       "souboru 4: hlavička a úvod 1, s položkou 3\n"},
      {"PayPal dates that can only be day first",
       "Date,Description,Gross,Fee,Net\n3/2/2024,a,1.00,0,1.00\n13/2/2024,b,1.00,0,1.00\n",
       {"1.00|3.2.24|a", "1.00|13.2.24|b"},
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát PayPal, převedeno 2 položek, řádků souboru 3: hlavička "
       "a úvod 1, s položkou 2\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(Described(), c.items) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

// Fees beside the amount with their sign read, value dates, times in UTC
// and counter accounts that cannot be read whole.
TEST_F(LayoutRecordsTest, FeesDatesAndAccountsAsBanksWriteThem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;  // amount, date, value date, counter account
    std::string warning;             // "" for none
  } cases[] = {
      {"Air Bank's fee is its effect on the balance",
       "\"Datum provedení\";\"Směr úhrady\";\"Částka v měně účtu\";\"Poplatek v měně účtu\"\n"
       "\"06/06/2018\";\"Odchozí\";\"-1648,84\";\"-25,00\"\n"
       "\"07/06/2018\";\"Příchozí\";\"100,00\";\"5,00\"\n",
       {"-1648.84|6.6.18|6.6.18|", "-25.00|6.6.18|6.6.18||fee", "100.00|7.6.18|7.6.18|",
        "5.00|7.6.18|7.6.18||fee"},
       ""},
      {"a charge written positive, a refunded one negative, one in another currency",
       "Date completed (UTC),State,Description,Payment currency,Orig currency,Amount,Fee,"
       "Fee currency\n"
       "2024-03-01 10:00:00,COMPLETED,a,CZK,CZK,-100.00,5.00,CZK\n"
       "2024-03-02 10:00:00,COMPLETED,b,CZK,CZK,0.00,-5.00,CZK\n"
       "2024-03-03 10:00:00,COMPLETED,c,CZK,EUR,-100.00,1.00,EUR\n",
       {"-100.00|1.3.24|1.3.24|", "-5.00|1.3.24|1.3.24||fee", "5.00|2.3.24|2.3.24||fee",
        "-100.00|3.3.24|3.3.24|"},
       "řádek 4: poplatek -1.00 EUR je v jiné měně než výpis (CZK), vynechán!!!"},
      {"Revolut Business of 2022, without a State column: a charge written negative",
       "Date completed (UTC),Description,Payment currency,Orig currency,Amount,Fee,Fee currency\n"
       "2024-03-01 10:00:00,a,CZK,CZK,-100.00,-5.00,CZK\n"
       "2024-03-02 10:00:00,b,CZK,CZK,0.00,5.00,CZK\n",
       {"-100.00|1.3.24|1.3.24|", "-5.00|1.3.24|1.3.24||fee", "5.00|2.3.24|2.3.24||fee"},
       ""},
      {"a time in UTC is the day in Prague, summer and winter",
       "Date completed (UTC),Description,Payment currency,Orig currency,Amount\n"
       "2024-01-31 23:30:00,a,CZK,CZK,-1.00\n2024-07-31 22:30:00,b,CZK,CZK,-1.00\n"
       "2024-07-31 21:30:00,c,CZK,CZK,-1.00\n2024-12-31 23:00:00,d,CZK,CZK,-1.00\n",
       {"-1.00|1.2.24|1.2.24|", "-1.00|1.8.24|1.8.24|", "-1.00|31.7.24|31.7.24|",
        "-1.00|1.1.25|1.1.25|"},
       ""},
      {"Stripe's times in UTC, the value date's too; its fee a charge",
       "\"balance_transaction_id\",\"created_utc\",\"available_on_utc\",\"currency\",\"gross\","
       "\"fee\",\"net\",\"reporting_category\",\"description\"\n"
       "\"txn_1\",\"2026-07-01 23:30:00\",\"2026-07-03 22:30:00\",\"czk\",\"120.00\",\"3.78\","
       "\"116.22\",\"charge\",\"Order 1\"\n",
       {"120.00|2.7.26|4.7.26|", "-3.78|2.7.26|2.7.26||fee"},
       ""},
      {"SumUp's time after a comma, its day first; its amounts in and out",
       "Transaction date,Transaction code,Transaction type,Reference,Payment reference,"
       "Transaction amount in,Transaction amount out\n"
       "\"13/08/2026, 17:54\",TX1,SumUp pay-in,SumUp,Payout,120.50,\n"
       "\"02/09/2026, 09:00\",TX2,Outgoing bank transfer,Landlord,Rent,,80.00\n",
       {"120.50|13.8.26|13.8.26|", "-80.00|2.9.26|2.9.26|"},
       ""},
      {"SumUp's German two-digit years; the amount in the account's currency, not the "
       "payment's; rows declined left out; its fee a charge as the balance shows",
       "Transaktions-ID,Datum der Transaktion,Art der Transaktion,Referenz,Zahlungsreferenz,"
       "Status,Zahlungsbetrag eingehend,Zahlungsbetrag ausgehend,Zahlungswährung,Wechselkurs,"
       "Rechnungsbetrag eingehend,Rechnungsbetrag ausgehend,Gebühr,Verfügbares Guthaben\n"
       "T1,\"03.08.26, 17:54\",SumUp Einzahlung,SumUp,A,Erfolgreich,100.00,,EUR,1,100.00,,0.00,"
       "100.00\n"
       "T2,\"04.08.26, 09:00\",Ausgehende Banküberweisung,B,Miete,Abgelehnt,,50.00,EUR,1,,50.00,"
       "0.00,100.00\n"
       "T3,\"05.08.26, 10:00\",Ausgehende Banküberweisung,C,Rent,Erfolgreich,,40.00,USD,0.9,,"
       "36.00,1.00,63.00\n",
       {"100.00|3.8.26|3.8.26|", "-36.00|5.8.26|5.8.26|", "-1.00|5.8.26|5.8.26||fee"},
       ""},
      {"a value date beside the booking date",
       "Datum zaúčtování;Valuta;Částka;Protiúčet\n01.07.2022;30.06.2022;-5,00;19-2000145399/0800\n",
       {"-5.00|1.7.22|30.6.22|19-2000145399/0800"},
       ""},
      {"a value date that does not read: the booking date, named",
       "Datum zaúčtování;Valuta;Částka\n01.07.2022;30.13.2022;-5,00\n",
       {"-5.00|1.7.22|1.7.22|"},
       "řádek 2: datum valuty 30.13.2022 nelze přečíst, zapsáno datum zaúčtování!!!"},
      {"prefix and number run together; an account that cannot be read is named",
       "Datum;Částka;Protiucet;Kod banky protiuctu\n01.07.2022;-5,00;1152992080267;0100\n"
       "02.07.2022;-6,00;12345678901234567;\n",
       {"-5.00|1.7.22|1.7.22|115-2992080267/0100", "-6.00|2.7.22|2.7.22|"},
       "řádek 3: protiúčet 12345678901234567 nelze přečíst celý, zapsány nuly!!!"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(Dated(), c.items) << c.what;
    EXPECT_EQ(log_.find("!!!") != std::string::npos, !c.warning.empty()) << c.what << log_;
    if (!c.warning.empty()) {
      EXPECT_NE(log_.find(c.warning), std::string::npos) << c.what << log_;
    }
  }
}

// What banks write where the counter account stands: mBank's apostrophes,
// Raiffeisenbank's cards, Air Bank's foreign IBAN with its BIC, KB's account
// 0 at bank 100. Only an account that cannot be read is a warning; the
// others are a note once per file.
TEST_F(LayoutRecordsTest, CounterAccountsAsBanksWriteThem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;  // amount, counter account, its IBAN, text
    std::string notes;               // the lines before the summary
  } cases[] = {
      {"mBank's texts and accounts in apostrophes",
       "#Datum zaúčtování transakce;#Popis transakce;#Zpráva pro příjemce;#Plátce/Příjemce;"
       "#Číslo účtu plátce/příjemce;#VS;#Částka transakce;\n"
       "02-09-2014;'ODCHOZÍ PLATBA';'Nájem';'Pronájmy';'670100-2215069717/6210';'0308';-5 000,00;\n"
       "08-09-2014;'PLATBA KARTOU';'';'';'';'';-1 234,56;\n",
       {"-5000.00|670100-2215069717/6210||Nájem", "-1234.56|||PLATBA KARTOU"},
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"},
      {"masked cards, one note for the file",
       "Datum zaúčtování;Číslo protiúčtu;Zaúčtovaná částka;Měna účtu\n"
       "08.09.2014;516844******1234;-459,90;CZK\n09.09.2014;19-123/0800;100,00;CZK\n"
       "10.09.2014;516844******9876;-89,00;CZK\n",
       {"-459.90|||", "100.00|19-123/0800||", "-89.00|||"},
       "Soubor v.csv: číslo karty místo protiúčtu u 2 položek, první na řádku 2 "
       "(516844******1234): protiúčet zůstává prázdný!!!\n"},
      {"Air Bank's foreign account with its BIC, the fee beside it",
       "\"Datum provedení\";\"Směr úhrady\";\"Částka v měně účtu\";\"Poplatek v měně účtu\";"
       "\"Číslo účtu protistrany\";\"Zpráva pro příjemce\"\n"
       "\"10/09/2014\";\"Odchozí\";\"-2730,00\";\"-150,00\";"
       "\"SK2411000000002612345678/TATRSKBXXXX\";\"Faktúra\"\n",
       {"-2730.00||SK2411000000002612345678|Faktúra", "-150.00|||Poplatek Faktúra|fee"},
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: zahraniční protiúčet (IBAN) u 1 položek, první na řádku 2: v GPC zůstává "
       "protiúčet prázdný, camt.053 jej uvádí celý!!!\n"},
      {"the IBAN column's foreign account; account 0 at bank 100",
       "Datum;Částka;Protiucet;Kod banky protiuctu;IBAN partnera\n"
       "01.07.2022;-5,00;;;DE89370400440532013000\n02.07.2022;-6,00;0;100;\n",
       {"-5.00||DE89370400440532013000|", "-6.00|||"},
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: zahraniční protiúčet (IBAN) u 1 položek, první na řádku 2: v GPC zůstává "
       "protiúčet prázdný, camt.053 jej uvádí celý!!!\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(Items([](const Item& i) -> std::vector<std::string> {
                return {i.amount, i.counter, i.iban, i.description};
              }),
              c.items)
        << c.what;
    EXPECT_EQ(log_.substr(0, log_.find("Soubor v.csv: rozpoznán")), c.notes) << c.what;
  }
}

// The own account, the period and the balances a preamble states: Fio's
// printed statement with its closing state after the rows, KB's account
// with its currency, mBank's opening balance of zero. An account without
// its bank is the layout's bank's.
TEST_F(LayoutRecordsTest, PreamblesStateTheFilesAccountAndBalances) {
  struct Case {
    const char* what;
    std::string text;
    const char* account;
    const char* currency;
    const char* period;  // d.m.yyyy-d.m.yyyy, "" for none
    StatedBalances stated;
  } cases[] = {
      {"Fio's printed statement",
       "\"Výpis č. 1/2025 z účtu \"\"1234567890/2010\"\"\"\n\"Majitel účtu: Jan Novák\"\n"
       "\"Období: 01.10.2025 - 31.10.2025\"\n"
       "\"Počáteční stav účtu k 01.10.2025: 1000,00 CZK\"\n\n"
       "\"ID operace\";\"Datum\";\"Objem\";\"Měna\"\n"
       "\"1\";\"02.10.2025\";\"-90\";\"CZK\"\n\"2\";\"05.10.2025\";\"1 000,50\";\"CZK\"\n\n"
       "\"Konečný stav účtu k 31.10.2025: 1910,50 CZK\"\n",
       "1234567890/2010",
       "CZK",
       "1.10.2025-31.10.2025",
       {true, true, 100000, 191050}},
      {"Fio's statement of 2011: its account line, its closing state",
       "Výpis vybraných transakcí na účtu \"1234567890/2010\";\nMajitel účtu: Jan Novák;\n"
       "Vytvořeno v aplikaci Internetbanking: 16.01.2011 10:29:39;\n"
       "Období: 16.12.2010 - 16.1.2011;\nPočáteční stav účtu k 16.12.2010: 12 345,67 CZK;\n"
       "Koncový stav účtu k 16.1.2011: 13 346,67 CZK;\nSuma příjmů: +2 000,00 CZK;\n"
       "Suma výdajů: -999,00 CZK;\n\nDatum;ID pohybu;Měna;Objem;Zpráva pro příjemce;\n"
       "20.12.2010;1;CZK;2 000,00;Faktura;\n21.12.2010;2;CZK;-999,00;Nájem;\n"
       "Suma;;;1 001,00;;\n",
       "1234567890/2010",
       "CZK",
       "16.12.2010-16.1.2011",
       {true, true, 1234567, 1334667}},
      {"KB's account with its currency after it",
       "Číslo účtu;35-1843350247 EUR;;;\nVýpis za období;01.09.2014 - 30.09.2014;;;\n\n"
       "Datum splatnosti;Částka;Systémový popis;Identifikace transakce\n"
       "03.09.2014;+10,00;Příchozí úhrada;1\n",
       "35-1843350247/0100",
       "EUR",
       "1.9.2014-30.9.2014",
       {}},
      {"mBank's opening balance of zero, its closing line after the rows",
       "#Číslo účtu:;670100-2201234567/6210;\n#Počáteční zůstatek:;0,00 CZK;\n\n"
       "#Datum zaúčtování transakce;#Popis transakce;#Částka transakce;\n"
       "02-09-2014;'PŘÍCHOZÍ PLATBA';100,00;\n\n;;;;;;#Konečný zůstatek:;100,00 CZK;\n",
       "670100-2201234567/6210",
       "CZK",
       "",
       {true, true, 0, 10000}},
      {"Raiffeisenbank's account on every row, without its bank",
       "Datum zaúčtování;Číslo účtu;Číslo protiúčtu;Zaúčtovaná částka;Měna účtu\n"
       "08.09.2014;2000145399;;-1,00;CZK\n",
       "2000145399/5500",
       "CZK",
       "",
       {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(log_.find("!!!"), std::string::npos) << c.what << log_;
    ASSERT_EQ(reading_.ownAccounts.size(), 1u) << c.what;
    EXPECT_EQ(reading_.ownAccounts[0], c.account) << c.what;
    EXPECT_EQ(currency_, c.currency) << c.what;
    std::string period;
    if (reading_.periodStated) {
      Render(period, "%d.%d.%d-%d.%d.%d",
             {reading_.periodStart.day, reading_.periodStart.month, reading_.periodStart.year,
              reading_.periodEnd.day, reading_.periodEnd.month, reading_.periodEnd.year});
    }
    EXPECT_EQ(period, c.period) << c.what;
    EXPECT_EQ(reading_.stated.hasOpening, c.stated.hasOpening) << c.what;
    EXPECT_EQ(reading_.stated.hasClosing, c.stated.hasClosing) << c.what;
    EXPECT_EQ(reading_.stated.opening, c.stated.opening) << c.what;
    EXPECT_EQ(reading_.stated.closing, c.stated.closing) << c.what;
  }
}

TEST_F(LayoutRecordsTest, ItemWithoutAnyNumberGetsOneFromItsId) {
  ASSERT_TRUE(
      Read("ID,Date,Amount,Reference\n"
           "TRANSFER-1000001,2024-03-01,5.00,\nTRANSFER-1000002,2024-03-01,5.00,\n"
           "TRANSFER-1000001,2024-03-01,5.00,\n1234,2024-03-01,5.00,\n"));
  ASSERT_EQ(items_.size(), 4u);
  const std::string first = items_[0].document;
  EXPECT_EQ(first.size(), 13u);
  EXPECT_EQ(first.find_first_not_of("0123456789"), std::string::npos) << first;
  EXPECT_NE(first, "0000000000000");
  EXPECT_NE(items_[1].document, first);
  EXPECT_EQ(items_[2].document, first);
  EXPECT_EQ(items_[3].document, "1234");

  // An id or a variable symbol of zeros alone is no number; a fee keeps
  // its payment's number.
  ASSERT_TRUE(Read("ID,Date,Amount,Fee,VS\n0,2024-03-01,-5.00,1.00,\n,2024-03-01,-5.00,,000\n"));
  ASSERT_EQ(items_.size(), 3u);
  for (const Item& item : items_) {
    EXPECT_EQ(item.document.size(), 13u);
    EXPECT_NE(item.document.find_first_not_of('0'), std::string::npos) << item.document;
  }
  EXPECT_EQ(items_[1].document, items_[0].document);
  EXPECT_NE(items_[2].document, items_[0].document);
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
      {"an account in euros: its balances in euros",
       "Date,Amount,Currency,Balance\n2024-03-01,100.00,EUR,600.00\n"
       "2024-03-02,-50.00,EUR,550.00\n",
       "Soubor v.csv: počáteční zůstatek 500.00 + položky 50.00 = konečný zůstatek 550.00 EUR, "
       "souhlasí\n",
       {true, true, 50000, 55000}},
      {"no balance stated", "Datum;Částka;Zůstatek\n1.9.2014;5;\n", "", {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    const size_t summary = log_.find("rozpoznán formát");
    ASSERT_NE(summary, std::string::npos) << c.what;
    EXPECT_EQ(log_.substr(log_.find('\n', summary) + 1), c.balanceLog) << c.what;
    EXPECT_EQ(reading_.stated.hasOpening, c.stated.hasOpening) << c.what;
    EXPECT_EQ(reading_.stated.hasClosing, c.stated.hasClosing) << c.what;
    EXPECT_EQ(reading_.stated.opening, c.stated.opening) << c.what;
    EXPECT_EQ(reading_.stated.closing, c.stated.closing) << c.what;
  }
}

// Business 24 lists orders it did not carry out, and records it did not
// account, among the rows: they move no balance and are counted apart.
TEST_F(LayoutRecordsTest, RowsTheBankDidNotBookAreCountedApart) {
  const std::string preamble =
      "Prefix;000000\nAccount number;2000145399\nOpening balance;1000,00\n"
      "Final balance;900,00\n\n"
      "Payer's/payee's account number;Payer's/payee's bank code;Amount (Transaction);"
      "Incoming/outgoing (credit-debit item);Accounting/non-accounting item;Item;"
      "Processing date;Reason for non-execution\n";
  struct Case {
    const char* what;
    std::string rows;
    std::vector<std::string> items;  // amount, date, description
    std::string log;
  } cases[] = {
      {"a non-accounting item and an order not carried out stay out, the balances agree",
       "123456789;0800;100,00;Outgoing;Accounting;Payment;2014/09/02;\n"
       "123456789;0800;50,00;Outgoing;Non-accounting;Block;2014/09/03;\n"
       "123456789;0800;30,00;Outgoing;Accounting;Payment;2014/09/04;Insufficient funds\n",
       {"-100.00|2.9.14|Payment"},
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát Česká spořitelna Business 24, převedeno 1 položek, řádků "
       "souboru 9: hlavička a úvod 6, s položkou 1, nezaúčtované 2 (Non-accounting 1, "
       "neprovedené 1)\n"
       "Soubor v.csv: počáteční zůstatek 1000.00 + položky -100.00 = konečný zůstatek 900.00 "
       "Kč, souhlasí\n"},
      {"a placeholder is no reason; a mark no export was seen to write is named",
       "123456789;0800;100,00;Outgoing;Accounting;Payment;2014/09/02;-\n"
       "123456789;0800;30,00;Outgoing;Maybe;Payment;2014/09/04;\n",
       {"-100.00|2.9.14|Payment"},
       "Soubor v.csv, řádek 8: neznámý stav položky Maybe, položka vynechána!!!\n"
       "Soubor v.csv neuvádí měnu, výpis je v Kč\n"
       "Soubor v.csv: rozpoznán formát Česká spořitelna Business 24, převedeno 1 položek, řádků "
       "souboru 8: hlavička a úvod 6, s položkou 1, vynechané 1\n"
       "Soubor v.csv: počáteční zůstatek 1000.00 + položky -100.00 = konečný zůstatek 900.00 "
       "Kč, souhlasí\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(preamble + c.rows)) << c.what;
    EXPECT_EQ(Described(), c.items) << c.what;
    EXPECT_EQ(log_, c.log) << c.what;
  }
}

// A balance "k" a day opens or closes the period by its day, a file's rows
// chain by their balances whatever their order, statements of one file are
// checked each on its own, and a row of totals is no item.
TEST_F(LayoutRecordsTest, StatedBalancesAreReadWithTheirDatesAndStatements) {
  struct Case {
    const char* what;
    std::string text;
    size_t items;
    std::string balanceLog;  // the lines after the summary
    StatedBalances stated;
  } cases[] = {
      {"a balance at the period's end above the rows closes it",
       "Zůstatek k 31.01.2024;12300,00\n\nDatum;Částka\n10.01.2024;1000,00\n"
       "31.01.2024;1300,00\n",
       2,
       "Soubor v.csv: konečný zůstatek 12300.00 - položky 2300.00 = počáteční zůstatek "
       "10000.00 Kč, soubor počáteční zůstatek neuvádí\n",
       {true, true, 1000000, 1230000}},
      {"a balance before the period below the rows opens it",
       "Datum;Částka\n10.01.2024;1000,00\n31.01.2024;1300,00\n\nZůstatek k 31.12.2023;10000,00\n",
       2,
       "Soubor v.csv: počáteční zůstatek 10000.00 + položky 2300.00 = konečný zůstatek "
       "12300.00 Kč, soubor konečný zůstatek neuvádí\n",
       {true, false, 1000000, 0}},
      {"the stated period decides, both balances above the rows",
       "Výpis za období;01.01.2024 - 31.01.2024\nZůstatek k 31.01.2024;12300,00\n"
       "Zůstatek k 31.12.2023;10000,00\n\nDatum;Částka\n10.01.2024;1000,00\n"
       "20.01.2024;1300,00\n",
       2,
       "Soubor v.csv: počáteční zůstatek 10000.00 + položky 2300.00 = konečný zůstatek "
       "12300.00 Kč, souhlasí\n",
       {true, true, 1000000, 1230000}},
      {"a balance within the period is neither",
       "Výpis za období;01.01.2024 - 31.01.2024\nZůstatek k 15.01.2024;11000,00\n\n"
       "Datum;Částka\n10.01.2024;1000,00\n20.01.2024;1300,00\n",
       2,
       "Soubor v.csv: zůstatek k 15.1.2024 leží uvnitř období souboru, za počáteční ani konečný "
       "nepřevzat!!!\n",
       {}},
      {"rows sorted newest day first, each day's rows oldest first",
       "Počáteční zůstatek;0,00\n\nDatum;Částka;Zůstatek\n02.01.2024;10,00;110,00\n"
       "02.01.2024;20,00;130,00\n01.01.2024;100,00;100,00\n",
       3,
       "Soubor v.csv: počáteční zůstatek 0.00 + položky 130.00 = konečný zůstatek 130.00 Kč, "
       "souhlasí\n",
       {true, true, 0, 13000}},
      {"two statements in one file, each adding up",
       "Cislo vypisu;Pocatecni zustatek;Konecny zustatek;Datum splatnosti;Castka\n"
       "2;1100,00;1000,00;03.02.2024;-100,00\n1;1000,00;1100,00;05.01.2024;50,00\n"
       "1;1000,00;1100,00;06.01.2024;50,00\n",
       3,
       "Soubor v.csv, výpis 1: počáteční zůstatek 1000.00 + položky 100.00 = konečný zůstatek "
       "1100.00 Kč, souhlasí\n"
       "Soubor v.csv, výpis 2: počáteční zůstatek 1100.00 + položky -100.00 = konečný zůstatek "
       "1000.00 Kč, souhlasí\n",
       {true, true, 100000, 100000}},
      {"two statements, the second not opening where the first closed",
       "Cislo vypisu;Pocatecni zustatek;Konecny zustatek;Datum splatnosti;Castka\n"
       "1;1000,00;1100,00;05.01.2024;100,00\n2;1200,00;1100,00;03.02.2024;-100,00\n",
       2,
       "Soubor v.csv, výpis 1: počáteční zůstatek 1000.00 + položky 100.00 = konečný zůstatek "
       "1100.00 Kč, souhlasí\n"
       "Soubor v.csv, výpis 2: počáteční zůstatek 1200.00 + položky -100.00 = konečný zůstatek "
       "1100.00 Kč, souhlasí\n"
       "Soubor v.csv: výpis 2 začíná zůstatkem 1200.00 Kč, předchozí výpis 1 skončil zůstatkem "
       "1100.00 Kč, rozdíl 100.00 Kč!!!\n",
       {true, true, 100000, 110000}},
      {"a statement of no movement states its balances on its zero row",
       "Cislo vypisu;Pocatecni zustatek;Konecny zustatek;Datum splatnosti;Castka\n"
       "1;1000,00;1100,00;05.01.2024;100,00\n2;1100,00;1100,00;01.02.2024;0,00\n"
       "3;1100,00;1000,00;03.03.2024;-100,00\n",
       2,
       "Soubor v.csv, výpis 1: počáteční zůstatek 1000.00 + položky 100.00 = konečný zůstatek "
       "1100.00 Kč, souhlasí\n"
       "Soubor v.csv, výpis 2: počáteční zůstatek 1100.00 + položky 0.00 = konečný zůstatek "
       "1100.00 Kč, souhlasí\n"
       "Soubor v.csv, výpis 3: počáteční zůstatek 1100.00 + položky -100.00 = konečný zůstatek "
       "1000.00 Kč, souhlasí\n",
       {true, true, 100000, 100000}},
      {"a dated total of the rows above is no item",
       "Datum;Popis;Částka\n10.01.2024;a;100,00\n11.01.2024;b;200,00\n31.01.2024;Celkem;300,00\n",
       2,
       "",
       {}},
      {"a dated total of the credits alone agrees as well",
       "Datum;Popis;Částka\n10.01.2024;a;100,00\n11.01.2024;b;-20,00\n"
       "31.01.2024;Celkem:;100,00\n",
       2,
       "",
       {}},
      {"a balance on the period's first day: its place decides",
       "Výpis za období;01.01.2024 - 31.01.2024\nZůstatek k 01.01.2024;10000,00\n\n"
       "Datum;Částka\n10.01.2024;1000,00\n",
       1,
       "Soubor v.csv: počáteční zůstatek 10000.00 + položky 1000.00 = konečný zůstatek "
       "11000.00 Kč, soubor konečný zůstatek neuvádí\n",
       {true, false, 1000000, 0}},
      {"a dated total that is not their sum is named",
       "Datum;Popis;Částka\n10.01.2024;a;100,00\n11.01.2024;b;200,00\n31.01.2024;Celkem;250,00\n",
       2,
       "Soubor v.csv, řádek 4: řádek součtu uvádí 250.00 Kč, položky nad ním dávají 300.00 Kč, "
       "rozdíl -50.00 Kč!!!\n",
       {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(items_.size(), c.items) << c.what;
    const size_t summary = log_.find("rozpoznán formát");
    ASSERT_NE(summary, std::string::npos) << c.what;
    EXPECT_EQ(log_.substr(log_.find('\n', summary) + 1), c.balanceLog) << c.what << "\n" << log_;
    EXPECT_EQ(reading_.stated.hasOpening, c.stated.hasOpening) << c.what;
    EXPECT_EQ(reading_.stated.hasClosing, c.stated.hasClosing) << c.what;
    EXPECT_EQ(reading_.stated.opening, c.stated.opening) << c.what;
    EXPECT_EQ(reading_.stated.closing, c.stated.closing) << c.what;
  }
}

// The file's last dated row of nothing but its sum totals the rows; the same
// amount with rows after it, or with a text of its own, is an item.
TEST_F(LayoutRecordsTest, ARowOfTheSumAloneEndingTheFileIsATotal) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;
    bool total;
  } cases[] = {
      {"the last row",
       "Datum;Zpráva;Částka\n1.1.2024;a;100\n2.1.2024;b;200\n31.1.2024;;300\n",
       {"100.00|1.1.24|a", "200.00|2.1.24|b"},
       true},
      {"rows after it",
       "Datum;Zpráva;Částka\n1.1.2024;a;100\n2.1.2024;b;200\n3.1.2024;;300\n"
       "4.1.2024;c;5\n",
       {"100.00|1.1.24|a", "200.00|2.1.24|b", "300.00|3.1.24|", "5.00|4.1.24|c"},
       false},
      {"a text of its own",
       "Datum;Zpráva;Částka\n1.1.2024;a;100\n2.1.2024;b;200\n3.1.2024;c;300\n",
       {"100.00|1.1.24|a", "200.00|2.1.24|b", "300.00|3.1.24|c"},
       false},
      {"the sum of one row is a row repeated",
       "Datum;Zpráva;Částka\n1.1.2024;a;100\n2.1.2024;;100\n",
       {"100.00|1.1.24|a", "100.00|2.1.24|"},
       false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(Described(), c.items) << c.what;
    EXPECT_EQ(log_.find("čten jako součet") != std::string::npos, c.total) << c.what << log_;
  }
}

// A column is the own accounts' or pockets' only where the bank's header
// documents it, the preamble states its account, or each of its values
// keeps a balance of its own; otherwise it is the counterparty's or a text.
TEST_F(LayoutRecordsTest, OwnAccountColumnsAreTakenWhereDocumentedOrProven) {
  const std::string revolut =
      "Date completed (UTC),ID,Type,State,Description,Payment currency,Orig currency,Amount,"
      "Fee,Balance,Account\n";
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;  // amount and the own account or pocket the item names
    // Own accounts, pockets, and each one's opening, items and closing in hellers.
    std::vector<std::string> owns;
  } cases[] = {
      {"a product sold is no pocket: every row is an item",
       "Datum;Produkt;Částka\n1.3.2024;Kniha;100\n2.3.2024;Pero;20\n",
       {"100.00|", "20.00|"},
       {}},
      {"products each with a balance of its own are pockets",
       "Datum;Produkt;Částka;Zůstatek\n1.3.2024;Běžný;100;1100\n2.3.2024;Spoření;20;520\n"
       "3.3.2024;Běžný;-50;1050\n4.3.2024;Spoření;30;550\n",
       {"100.00|", "-50.00|"},
       {}},
      {"a lone account column of the customers' is no own account",
       "Datum;Účet;Částka\n1.3.2024;19-2000145399/0800;100\n2.3.2024;2600123456/2010;20\n",
       {"100.00|", "20.00|"},
       {}},
      {"an account column that holds the account the preamble states",
       "Číslo účtu;2000145399/0800\n\nDatum;Účet;Částka\n1.3.2024;2000145399/0800;100\n",
       {"100.00|2000145399/0800"},
       {"2000145399/0800"}},
      {"Revolut Business accounts of one currency, apart by their balances",
       revolut + "2024-03-01 10:00:00,1,TOPUP,COMPLETED,Client,CZK,CZK,1000.00,0.00,11000.00,Main\n"
                 "2024-03-02 10:00:00,2,TRANSFER,COMPLETED,To Tax reserve,CZK,CZK,-300.00,0.00,"
                 "10700.00,Main\n"
                 "2024-03-02 10:00:01,3,TRANSFER,COMPLETED,From Main,CZK,CZK,300.00,0.00,2300.00,"
                 "Tax reserve\n"
                 "2024-03-03 10:00:00,4,CARD_PAYMENT,COMPLETED,Shop,CZK,CZK,-100.00,0.00,10600.00,"
                 "Main\n"
                 "2024-03-04 10:00:00,5,INTEREST,COMPLETED,Interest,CZK,CZK,1.00,0.00,2301.00,"
                 "Tax reserve\n",
       {"1000.00|Main", "-300.00|Main", "300.00|Tax reserve", "-100.00|Main", "1.00|Tax reserve"},
       {"pocket Main", "pocket Tax reserve", "Main 1000000 60000 1060000",
        "Tax reserve 200000 30100 230100"}},
      {"one Revolut Business account whose balance runs through every row",
       revolut + "2024-03-01 10:00:00,1,TOPUP,COMPLETED,Client,CZK,CZK,1000.00,0.00,11000.00,Main\n"
                 "2024-03-02 10:00:00,2,CARD_PAYMENT,COMPLETED,Shop,CZK,CZK,-100.00,0.00,10900.00,"
                 "Main\n",
       {"1000.00|", "-100.00|"},
       {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what;
    EXPECT_EQ(Items([](const Item& i) -> std::vector<std::string> {
                return {i.amount, i.own};
              }),
              c.items)
        << c.what;
    std::vector<std::string> owns = reading_.ownAccounts;
    for (const std::string& pocket : reading_.ownPockets) owns.push_back("pocket " + pocket);
    for (const AccountBalances& b : reading_.accountBalances) {
      std::string shown;
      Render(shown, "%s %d %d %d",
             {b.account, static_cast<int32_t>(b.opening), static_cast<int32_t>(b.items),
              static_cast<int32_t>(b.closing)});
      owns.push_back(shown);
    }
    EXPECT_EQ(owns, c.owns) << c.what << "\n" << log_;
    EXPECT_EQ(log_.find("!!!"), std::string::npos) << c.what << "\n" << log_;
  }
}

// A file of many own accounts names every one of them, however many.
TEST_F(LayoutRecordsTest, EveryOwnAccountOfAFileIsNamed) {
  std::string text =
      "Datum vytvoreni souboru;Cislo uctu;Mena uctu;IBAN;Datum splatnosti;Protiucet;Castka;"
      "Systemovy popis;Identifikace transakce\n";
  for (int i = 10; i < 22; ++i) {
    Render(text,
           "01.03.2024;%d-2000145399;CZK;CZ00 0100 0000 %d20 0014 5399;01.03.2024;;%d,00;"
           "Platba;%d\n",
           {i, i, i, i});
  }
  ASSERT_TRUE(Read(text));
  ASSERT_EQ(reading_.ownAccounts.size(), 12u) << log_;
  EXPECT_EQ(reading_.ownAccounts[11], "21-2000145399/0100");
  ASSERT_EQ(reading_.ownIbans.size(), 12u) << log_;
  EXPECT_EQ(reading_.ownIbans[11], "CZ0001000000212000145399");
}

// Fio's movements on all of a customer's accounts: a column of accounts at
// Fio itself is the rows' own, whatever its name; any other stays text.
TEST_F(LayoutRecordsTest, FioRowsNameTheirOwnAccountWhereTheDataProveIt) {
  const std::string fio = "ID operace;Datum;Objem;Měna;";
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> items;  // amount, the own account, the counter account
    std::vector<std::string> owns;
  } cases[] = {
      {"accounts with Fio's code under a name no vocabulary knows",
       fio + "Bankovní účet;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2000145399/2010;2600123456;0800\n"
             "2;3.9.2014;150;CZK;2345678901/2010;;\n",
       {"-90.00|2000145399/2010|2600123456/0800", "150.00|2345678901/2010|"},
       {"2000145399/2010", "2345678901/2010"}},
      {"numbers beside a second \"Kód banky\" of Fio's code",
       fio + "Protiúčet;Kód banky;Účet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2600123456;0800;2000145399;2010\n"
             "2;3.9.2014;150;CZK;;;2345678901;2010\n",
       {"-90.00|2000145399|2600123456/0800", "150.00|2345678901|"},
       {"2000145399/2010", "2345678901/2010"}},
      {"the own account before the counter's: its bank column is not the counter's",
       fio + "Číslo účtu;Kód banky;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2000145399;2010;2600123456;0800\n"
             "2;3.9.2014;150;CZK;2345678901;2010;19-123457;0100\n",
       {"-90.00|2000145399|2600123456/0800", "150.00|2345678901|19-123457/0100"},
       {"2000145399/2010", "2345678901/2010"}},
      {"an account of another bank: the column stays text",
       fio + "Účet;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2000145399/2010;2600123456;0800\n"
             "2;3.9.2014;150;CZK;2345678901/0800;;\n",
       {"-90.00||2600123456/0800", "150.00||"},
       {}},
      {"numbers no column gives a bank: the column stays text",
       fio + "Účet;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2000145399;2600123456;0800\n"
             "2;3.9.2014;150;CZK;2345678901;;\n",
       {"-90.00||2600123456/0800", "150.00||"},
       {}},
      {"an own account's name over texts: the rows are items all the same",
       fio + "Vlastní účet;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;Běžný účet;2600123456;0800\n"
             "2;3.9.2014;150;CZK;Spořicí účet;;\n",
       {"-90.00||2600123456/0800", "150.00||"},
       {}},
      {"two columns of Fio's accounts: neither is proven the own one",
       fio + "Účet;Jiný účet;Protiúčet;Kód banky\n"
             "1;2.9.2014;-90;CZK;2000145399/2010;2345678901/2010;2600123456;0800\n",
       {"-90.00||2600123456/0800"},
       {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what << "\n" << log_;
    EXPECT_EQ(Items([](const Item& i) -> std::vector<std::string> {
                return {i.amount, i.own, i.counter};
              }),
              c.items)
        << c.what;
    EXPECT_EQ(reading_.ownAccounts, c.owns) << c.what << "\n" << log_;
  }
}

TEST_F(LayoutRecordsTest, WarningsStopAfterTenPerFile) {
  std::string text = "Datum;Částka\n";
  for (int i = 0; i < 13; ++i) text += "01.01.2014;1 EUR\n";
  for (int i = 0; i < 14; ++i) text += "01.01.2014;1 CZK\n";
  ASSERT_TRUE(Read(text));
  EXPECT_NE(log_.find("řádek 11: položka"), std::string::npos);
  EXPECT_EQ(log_.find("řádek 12:"), std::string::npos);
  EXPECT_NE(log_.find("Soubor v.csv: dalších 3 upozornění nevypsáno!!!\n"), std::string::npos);
}

TEST_F(LayoutRecordsTest, UnknownHeadersAndUnconfirmedColumnsAreRefused) {
  struct Case {
    std::string text;
    std::string refusal;  // "" where no header is found
  } cases[] = {
      {"h\r\n1;2014/09/24;5\r\n", ""},
      {"", ""},
      {"Datum;Částka\r\n1;2014/09/24\r\n2;2014/09/25\r\n",
       "formát obecný CSV s hlavičkou na řádku 1 nelze použít, nečitelných řádků 2 z 2, první "
       "řádek 2: datum 1 nelze přečíst"},
      {"Datum;Částka\r\n1.9.2014;x\r\n2.9.2014;y\r\n",
       "formát obecný CSV s hlavičkou na řádku 1 nelze použít, nečitelných řádků 2 z 2, první "
       "řádek 2: částku x nelze přečíst (text, který není částkou)"},
      // Two dates named alike: nothing tells which one the bank booked on.
      {"Datum;Date;Částka\r\n1.9.2014;1.9.2014;5\r\n2.9.2014;3.9.2014;6\r\n",
       "formát obecný CSV: sloupce 1 (Datum) a 2 (Date) uvádějí různá data (poprvé na řádku 3) "
       "a nic v souboru nerozhodne, které je dnem zaúčtování"},
      // A two-digit year is a date only in SumUp's own layout.
      {"Datum der Transaktion;Betrag\r\n03.08.26;5\r\n04.08.26;6\r\n",
       "formát obecný CSV s hlavičkou na řádku 1 nelze použít, nečitelných řádků 2 z 2, první "
       "řádek 2: datum 03.08.26 nelze přečíst"},
      // Two amounts named alike, or a gross and a net one without a fee,
      // that differ where no balance shows which one moved the account.
      {"Datum;Objem;Částka\n01.03.2024;-100,00;-100,00\n02.03.2024;200,00;210,00\n",
       "formát obecný CSV: sloupce 2 \"Objem\" a 3 \"Částka\" uvádějí různé částky (poprvé na "
       "řádku 3) a nic v souboru nerozhodne, která je částkou položky; převod lze zadat volbou "
       "--columns \"datum=…;částka=…\""},
      {"Date,Gross,Net\n2024-03-01,100.00,97.00\n2024-03-02,-20.00,-20.00\n",
       "formát obecný CSV: sloupce 2 \"Gross\" a 3 \"Net\" uvádějí různé částky (poprvé na "
       "řádku 2) a nic v souboru nerozhodne, která je částkou položky; převod lze zadat volbou "
       "--columns \"datum=…;částka=…\""},
      // A balance that fits either column as badly proves neither.
      {"Datum;Objem;Částka;Zůstatek\n01.03.2024;-100,00;-105,00;900,00\n"
       "02.03.2024;200,00;210,00;1000,00\n03.03.2024;-10,00;-10,00;990,00\n",
       "formát obecný CSV: sloupce 2 \"Objem\" a 3 \"Částka\" uvádějí různé částky (poprvé na "
       "řádku 2) a nic v souboru nerozhodne, která je částkou položky; převod lze zadat volbou "
       "--columns \"datum=…;částka=…\""},
      // A single balance proves no step.
      {"Datum;Objem;Částka;Zůstatek\n01.03.2024;-100,00;-105,00;895,00\n",
       "formát obecný CSV: sloupce 2 \"Objem\" a 3 \"Částka\" uvádějí různé částky (poprvé na "
       "řádku 2) a nic v souboru nerozhodne, která je částkou položky; převod lze zadat volbou "
       "--columns \"datum=…;částka=…\""},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(Read(c.text)) << c.text;
    EXPECT_EQ(items_.size(), 0u) << c.text;
    EXPECT_EQ(reading_.refusal, c.refusal) << c.text;
  }
}

// Of two amount columns that compete, the data take the one the running
// balance proves, or the one that alone reads on every row; a gross and a
// net one beside a fee column hold one amount and compete not.
TEST_F(LayoutRecordsTest, CompetingAmountColumnsAreTakenOnlyWhereTheDataProveOne) {
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> amounts;
    std::string named;  // a line the log has
  } cases[] = {
      {"the balance proves the second",
       "Datum;Objem;Částka;Zůstatek\n01.03.2024;-100,00;-105,00;895,00\n"
       "02.03.2024;200,00;210,00;1105,00\n",
       {"-105.00", "210.00"},
       "Soubor v.csv: částky převzaty ze sloupce 3 (Částka), jak dokládá zůstatek\n"},
      {"the first does not read on every row",
       "Datum;Objem;Částka\n01.03.2024;-100,00;-105,00\n02.03.2024;x;210,00\n"
       "03.03.2024;-10,00;-10,00\n04.03.2024;-20,00;-20,00\n05.03.2024;-30,00;-30,00\n",
       {"-105.00", "210.00", "-10.00", "-20.00", "-30.00"},
       "Soubor v.csv, řádek 3: částku x ve sloupci 2 nelze přečíst, zapsána částka ze sloupce "
       "3!!!\n"},
      {"a gross and a net amount that differ by the fee",
       "Date,Gross,Fee,Net\n2024-03-01,100.00,3.00,97.00\n2024-03-02,-20.00,0.00,-20.00\n",
       {"100.00", "-3.00|fee", "-20.00"},
       ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Read(c.text)) << c.what << reading_.refusal;
    EXPECT_EQ(Items([](const Item& i) -> std::vector<std::string> { return {i.amount}; }),
              std::vector<std::string>(c.amounts.begin(), c.amounts.end()))
        << c.what;
    EXPECT_NE(log_.find(c.named), std::string::npos) << c.what << log_;
  }
}

// A reading is taken where a header of its own or three quarters of the
// rows prove it; each row that does not read is named and left out,
// however many there are.
TEST_F(LayoutRecordsTest, MostRowsOrAKnownHeaderProveTheReading) {
  const auto rows = [](int good, int bad, const char* badRow) {
    std::string text;
    for (int i = 0; i < good; ++i) text += "2.9.2014;" + std::to_string(i + 1) + "\r\n";
    for (int i = 0; i < bad; ++i) text += badRow;
    return text;
  };
  const struct {
    const char* what;
    std::string text;
    bool taken;
    size_t items;
    size_t named;  // rows named and left out
  } cases[] = {
      {"nine of twelve rows", "Datum;Částka\r\n" + rows(9, 3, "2.9.2014;1e3\r\n"), true, 9, 3},
      {"eight of twelve", "Datum;Částka\r\n" + rows(8, 4, "14/09/24;5\r\n"), false, 0, 0},
      {"two dates named alike that agree",
       "Datum;Date;Částka\r\n1.9.2014;2014-09-01;5\r\n2.9.2014;2014-09-02;6\r\n", true, 2, 0},
      {"Fio's header, most rows damaged",
       "\"ID operace\";\"Datum\";\"Objem\"\r\n\"1\";\"2.9.2014\";\"5\"\r\n"
       "\"2\";\"\";\"6\"\r\n\"3\";\"x\";\"7\"\r\n",
       true, 1, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.text), c.taken) << c.what;
    if (!c.taken) continue;
    EXPECT_EQ(items_.size(), c.items) << c.what;
    size_t named = 0;
    for (size_t at = 0; (at = log_.find("řádek vynechán!!!", at)) != std::string::npos; ++at) {
      ++named;
    }
    EXPECT_EQ(named, c.named) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
