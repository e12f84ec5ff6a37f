#include "conversion/reading/layouts/layout_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

TEST(StatementLayout, ColumnNamesAreNormalised) {
  struct Case {
    const char* name;
    const char* normal;
  } cases[] = {
      {"Datum zaúčtování", "datum zauctovani"},
      {"\"ČÁSTKA\"", "castka"},
      {"#Datum zaúčtování transakce", "datum zauctovani transakce"},
      {"Protiúčet a\xA0kód  banky", "protiucet a kod banky"},
      {"  Variabilní Symbol\t", "variabilni symbol"},
      {"Payer's/payee's bank code", "payer's/payee's bank code"},
      {"a#b", "a#b"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseColumnName(c.name), c.normal) << c.name;
}

// The columns a header gives roles, each as its column number from 1; the
// roles not named have none.
struct RoleColumn {
  ColumnRole role;
  int column;
};
using Columns = std::vector<RoleColumn>;
using R = ColumnRole;

// Each role's column of the header, from 0; -1 where it has none.
std::array<int, kColumnRoleCount> ColumnsByRole(const Columns& columns) {
  std::array<int, kColumnRoleCount> byRole;
  byRole.fill(-1);
  for (const RoleColumn& named : columns) byRole[static_cast<int>(named.role)] = named.column - 1;
  return byRole;
}

TEST(StatementLayout, HeadersAreRecognisedByTheirNames) {
  // clang-format off
  struct Case {
    const char* text;
    const char* name;  // "" when no header is recognised
    char separator;
    int headerLine;
    Columns columns;
  } cases[] = {
      // Servis24, as its statements and tests have it.
      {"Číslo položky;Datum splatnosti;Částka;Protiúčet;Název protiúčtu;Variabilní symbol;Měna;"
       "Datum zaúčtování;Konstantní symbol;Specifický symbol;Zpráva pro příjemce;Poznámka\r\n",
       "obecný CSV", ';', 1,
       {{R::kBookingDate, 8}, {R::kAmount, 3}, {R::kCurrency, 7}, {R::kCounterAccount, 4},
        {R::kCounterName, 5}, {R::kVariableSymbol, 6}, {R::kConstantSymbol, 9},
        {R::kSpecificSymbol, 10}, {R::kMessage, 11}}},
      {"Číslo;Datum;Částka;Protiúčet;;VS;;;KS;SS;Zpráva\r\n", "obecný CSV", ';', 1,
       {{R::kBookingDate, 2}, {R::kAmount, 3}, {R::kCounterAccount, 4}, {R::kVariableSymbol, 6},
        {R::kConstantSymbol, 9}, {R::kSpecificSymbol, 10}, {R::kMessage, 11}}},
      // The same names after a preamble line are no Servis24 statement.
      {"Výpis\r\nČíslo;Datum;Částka;Protiúčet;;VS;;;KS;SS;Zpráva\r\n", "obecný CSV", ';', 2,
       {{R::kBookingDate, 2}, {R::kAmount, 3}, {R::kCounterAccount, 4}, {R::kVariableSymbol, 6},
        {R::kConstantSymbol, 9}, {R::kSpecificSymbol, 10}, {R::kMessage, 11}}},
      // ČSOB without its preamble: date and amount where Servis24 has them,
      // the rest elsewhere.
      {"číslo účtu;datum zaúčtování;částka;měna;zůstatek;číslo účtu protiúčtu;kód banky protiúčtu;"
       "název účtu protiúčtu;konstantní symbol;variabilní symbol;specifický symbol;označení operace;"
       "ID transakce;poznámka\n",
       "ČSOB", ';', 1,
       {{R::kBookingDate, 2}, {R::kAmount, 3}, {R::kCurrency, 4}, {R::kCounterAccount, 6},
        {R::kCounterBank, 7}, {R::kCounterName, 8}, {R::kVariableSymbol, 10},
        {R::kConstantSymbol, 9}, {R::kSpecificSymbol, 11}, {R::kMessage, 14}, {R::kItemType, 12},
        {R::kTransactionId, 13}, {R::kBalance, 5}}},
      // Fio's own pick of columns, shuffled.
      {"\"ID pohybu\";\"Objem\";\"VS\";\"Datum\";\"Protiúčet\";\"Kód banky\"\n", "Fio banka", ';', 1,
       {{R::kBookingDate, 4}, {R::kAmount, 2}, {R::kCounterAccount, 5}, {R::kCounterBank, 6},
        {R::kVariableSymbol, 3}, {R::kTransactionId, 1}}},
      // "Objem" alone is many a program's amount, not Fio's header.
      {"Datum;Objem;Zpráva\n", "obecný CSV", ';', 1,
       {{R::kBookingDate, 1}, {R::kAmount, 2}, {R::kMessage, 3}}},
      // Air Bank: the booked date and amount before the others.
      {"\"Datum provedení\",\"Směr úhrady\",\"Částka v měně účtu\",\"Původní částka úhrady\","
       "\"Název, adresa a stát protistrany\",\"Datum zaúčtování\",\"Poznámka pro mne\","
       "\"Zpráva pro příjemce\"\n",
       "Air Bank", ',', 1,
       {{R::kBookingDate, 6}, {R::kAmount, 3}, {R::kDirection, 2}, {R::kMessage, 8}}},
      // UniCredit: its account-line before the header, "Číslo účtu" the counter
      // account there.
      {"Název účtu;Číslo účtu;Měna;Zůstatek\r\nA;1/2700;CZK;5\r\n"
       "Účet;Částka;Měna;Datum zaúčtování;Banka;Číslo účtu;Název účtu;Detaily transakce;"
       "Konstatní kód\r\n",
       "UniCredit Bank", ';', 3,
       {{R::kBookingDate, 4}, {R::kAmount, 2}, {R::kCurrency, 3}, {R::kCounterAccount, 6},
        {R::kCounterBank, 5}, {R::kCounterName, 7}, {R::kConstantSymbol, 9}, {R::kMessage, 8}}},
      {"Date\tAmount\tBeneficiary IBAN\tDescription\n", "obecný CSV", '\t', 1,
       {{R::kBookingDate, 1}, {R::kAmount, 2}, {R::kCounterIban, 3}, {R::kMessage, 4},
        {R::kItemType, 4}}},
      // Payment services: a state, a fee beside the amount, a running balance.
      {"Date started (UTC),Date completed (UTC),ID,Type,State,Description,Reference,"
       "Payer,Card number,Card label,Card state,Orig currency,Orig amount,Payment currency,Amount,"
       "Total amount,Exchange rate,Fee,Fee currency,Balance,Account,Beneficiary account number,"
       "Beneficiary sort code or routing number,Beneficiary IBAN,Beneficiary BIC,MCC,"
       "Related transaction id,Spend program\n",
       "Revolut Business", ',', 1,
       {{R::kBookingDate, 2}, {R::kAmount, 15}, {R::kCurrency, 14}, {R::kCounterIban, 24},
        {R::kCounterName, 8}, {R::kMessage, 7}, {R::kItemType, 6}, {R::kTransactionId, 3},
        {R::kState, 5}, {R::kFee, 18}, {R::kBalance, 20}, {R::kFeeCurrency, 19}, {R::kReference, 7}}},
      // Wise's Total fees are within its Amount.
      {"\"TransferWise ID\",Date,\"Date Time\",Amount,Currency,Description,\"Payment Reference\","
       "\"Running Balance\",\"Exchange From\",\"Exchange To\",\"Exchange Rate\",\"Payer Name\","
       "\"Payee Name\",\"Payee Account Number\",Merchant,\"Card Last Four Digits\","
       "\"Card Holder Full Name\",Attachment,\"Total fees\",\"Exchange To Amount\","
       "\"Transaction Type\",\"Transaction Details Type\"\n",
       "Wise", ',', 1,
       {{R::kBookingDate, 2}, {R::kAmount, 4}, {R::kDirection, 21}, {R::kCurrency, 5},
        {R::kCounterAccount, 14}, {R::kCounterName, 13}, {R::kMessage, 7}, {R::kItemType, 6},
        {R::kTransactionId, 1}, {R::kBalance, 8}, {R::kReference, 7}}},
      // PayPal: the gross amount, not the net one.
      {"Date,Time,Time Zone,Description,Currency,Gross,Fee,Net,Balance,Transaction ID,"
       "From Email Address,Name,Bank Name,Bank Account,Shipping and Handling Amount,Sales Tax,"
       "Invoice ID,Reference Txn ID\n",
       "PayPal", ',', 1,
       {{R::kBookingDate, 1}, {R::kAmount, 6}, {R::kCurrency, 5}, {R::kCounterName, 12},
        {R::kMessage, 4}, {R::kItemType, 4}, {R::kTransactionId, 10}, {R::kFee, 7},
        {R::kBalance, 9}, {R::kRelatedId, 18}}},
      // No amount, no date, or nothing known: no header.
      {"Datum;Protiúčet;VS\n", "", ';', 0, {}},
      {"Číslo;Popis;Částka\n", "", ';', 0, {}},
      {"h;h\r\n", "", ';', 0, {}},
      {"", "", ';', 0, {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    EXPECT_EQ(layout.recognised, c.name[0] != '\0') << c.text;
    if (!layout.recognised) continue;
    EXPECT_STREQ(layout.name, c.name) << c.text;
    EXPECT_EQ(layout.separator, c.separator) << c.text;
    EXPECT_EQ(layout.headerLine, c.headerLine) << c.text;
    const std::array<int, kColumnRoleCount> expected = ColumnsByRole(c.columns);
    for (int role = 0; role < kColumnRoleCount; ++role) {
      EXPECT_EQ(layout.column[role], expected[role]) << c.text << " role " << role;
    }
  }
}

// Where a header's names serve otherwise than elsewhere: the column of
// each listed role, from 1, 0 for none.
TEST(StatementLayout, NamesTakeTheirLayoutsMeaning) {
  struct Role {
    ColumnRole role;
    int column;
  };
  struct Case {
    const char* text;
    const char* name;
    std::vector<Role> roles;
    const char* currencies;  // each currency's code, credit, debit, balance
  } cases[] = {
      // "Valuta" is the currency here, though a value date in Czech.
      {"Tipo,Prodotto,Data di inizio,Data di completamento,Descrizione,Importo,Costo,Valuta,State,"
       "Saldo\n",
       "Revolut",
       {{ColumnRole::kCurrency, 8}, {ColumnRole::kValueDate, 0}, {ColumnRole::kProduct, 2}},
       ""},
      {"Datum;Částka;Valuta\n",
       "obecný CSV",
       {{ColumnRole::kValueDate, 3}, {ColumnRole::kCurrency, 0}},
       ""},
      // Revolut's older layout: each currency's columns by its code, the
      // first currency's the layout's own.
      {"Completed Date ; Reference ; Paid Out (EUR) ; Paid In (EUR) ; Exchange Out; Exchange In; "
       "Balance (EUR); Category\n",
       "Revolut",
       {{ColumnRole::kBookingDate, 1},
        {ColumnRole::kDebitAmount, 3},
        {ColumnRole::kCreditAmount, 4},
        {ColumnRole::kBalance, 7}},
       "EUR 4 3 7"},
      {"Completed Date;Paid Out (CZK);Balance (EUR);Paid In (CZK);Paid Out (EUR);Balance (CZK)\n",
       "Revolut",
       {{ColumnRole::kDebitAmount, 2}, {ColumnRole::kCreditAmount, 4}, {ColumnRole::kBalance, 6}},
       "CZK 4 2 6 EUR 0 5 3"},
      // Only a currency's code in brackets, and only after an amount's or a
      // balance's name.
      {"Date completed (UTC);Amount (Transaction);Paid Out (EURO);Balance (eu)\n",
       "obecný CSV",
       {{ColumnRole::kBookingDate, 1},
        {ColumnRole::kAmount, 2},
        {ColumnRole::kDebitAmount, 0},
        {ColumnRole::kBalance, 0}},
       ""},
  };
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    EXPECT_STREQ(layout.name, c.name) << c.text;
    for (const Role& role : c.roles) {
      EXPECT_EQ(layout.Column(role.role), role.column - 1)
          << c.text << " role " << static_cast<int>(role.role);
    }
    std::string currencies;
    for (const CurrencyColumns& set : layout.currencies) {
      currencies += (currencies.empty() ? "" : " ") + std::string(set.code) + " " +
                    std::to_string(set.credit + 1) + " " + std::to_string(set.debit + 1) + " " +
                    std::to_string(set.balance + 1);
    }
    EXPECT_EQ(currencies, c.currencies) << c.text;
  }
}

// Headers in the words of other languages and services, each column's role
// from its words; a name of two meanings takes the one its rows show.
TEST(StatementLayout, HeadersOfOtherLanguagesAreReadByTheirWords) {
  // clang-format off
  struct Case {
    const char* text;
    const char* name;
    Columns columns;
    const char* amountUnit;
  } cases[] = {
      {"\"Booking Date\",\"Value Date\",\"Partner Name\",\"Partner Iban\",Type,\"Payment Reference\","
       "\"Account Name\",\"Amount (EUR)\",\"Original Amount\",\"Original Currency\","
       "\"Exchange Rate\"\n",
       "N26",
       {{R::kBookingDate, 1}, {R::kValueDate, 2}, {R::kCounterName, 3}, {R::kCounterIban, 4},
        {R::kItemType, 5}, {R::kMessage, 6}, {R::kReference, 6}, {R::kAmount, 8}},
       "EUR"},
      // N26's older "Transaction type" is a kind of payment, not a direction.
      {"\"Date\",\"Payee\",\"Account number\",\"Transaction type\",\"Payment reference\","
       "\"Amount (EUR)\"\n\"2024-01-02\",\"Shop\",\"\",\"MasterCard Payment\",\"\",\"-8.4\"\n",
       "N26",
       {{R::kBookingDate, 1}, {R::kCounterName, 2}, {R::kItemType, 4}, {R::kMessage, 5},
        {R::kReference, 5}, {R::kAmount, 6}},
       "EUR"},
      {"\"Date\";\"Interest Date\";\"Amount\";\"Account\";\"Counterparty\";\"Name\";"
       "\"Description\"\n",
       "bunq",
       {{R::kBookingDate, 1}, {R::kValueDate, 2}, {R::kAmount, 3}, {R::kCounterIban, 5},
        {R::kCounterName, 6}, {R::kMessage, 7}, {R::kItemType, 7}},
       ""},
      {"Typ,Produkt,Datum zahájení,Datum dokončení,Popis,Částka,Poplatek,Měna,State,Zůstatek\n",
       "Revolut",
       {{R::kItemType, 1}, {R::kProduct, 2}, {R::kBookingDate, 4}, {R::kAmount, 6}, {R::kFee, 7},
        {R::kCurrency, 8}, {R::kState, 9}, {R::kBalance, 10}},
       ""},
      {"\"balance_transaction_id\",\"created_utc\",\"available_on_utc\",\"currency\",\"gross\","
       "\"fee\",\"net\",\"reporting_category\",\"description\"\n",
       "Stripe",
       {{R::kTransactionId, 1}, {R::kBookingDate, 2}, {R::kValueDate, 3}, {R::kCurrency, 4},
        {R::kAmount, 5}, {R::kFee, 6}, {R::kMessage, 9}, {R::kItemType, 9}},
       ""},
      {"Transaction Date,Transaction Time,Time Zone,Transaction ID,Description,Credit Amount,"
       "Debit Amount,Currency,Transfer Amount,Transfer Amount Currency,Status,Running Balance\n",
       "Payoneer",
       {{R::kBookingDate, 1}, {R::kTransactionId, 4}, {R::kMessage, 5}, {R::kItemType, 5},
        {R::kCreditAmount, 6}, {R::kDebitAmount, 7}, {R::kCurrency, 8}, {R::kState, 11},
        {R::kBalance, 12}},
       ""},
      // SumUp's payment currency is no currency of the amounts booked, which
      // are the account's.
      {"Transaktions-ID,Datum der Transaktion,Art der Transaktion,Referenz,Zahlungsreferenz,"
       "Status,Zahlungsbetrag eingehend,Zahlungsbetrag ausgehend,Zahlungswährung,Wechselkurs,"
       "Rechnungsbetrag eingehend,Rechnungsbetrag ausgehend,Gebühr,Verfügbares Guthaben\n",
       "SumUp",
       {{R::kTransactionId, 1}, {R::kBookingDate, 2}, {R::kItemType, 3}, {R::kMessage, 4},
        {R::kReference, 4}, {R::kState, 6},
        {R::kCurrency, 0}, {R::kCreditAmount, 11}, {R::kDebitAmount, 12}, {R::kFee, 13},
        {R::kBalance, 14}},
       ""},
      {"Fecha,Hora,Zona horaria,Descripción,Divisa,Bruto,Comisión,Neto,Saldo,"
       "Id. de transacción\n",
       "PayPal",
       {{R::kBookingDate, 1}, {R::kMessage, 4}, {R::kItemType, 4}, {R::kCurrency, 5},
        {R::kAmount, 6}, {R::kFee, 7}, {R::kBalance, 9}, {R::kTransactionId, 10}},
       ""},
      // PayPal's Dutch "Valuta" is its currency by the layout, rows or not.
      {"Datum,Tijd,Tijdzone,Naam,Type,Status,Valuta,Bruto,Kosten,Net,Saldo,Effect op saldo\n",
       "PayPal",
       {{R::kBookingDate, 1}, {R::kCounterName, 4}, {R::kItemType, 5}, {R::kState, 6},
        {R::kCurrency, 7}, {R::kAmount, 8}, {R::kFee, 9}, {R::kBalance, 11},
        {R::kBalanceImpact, 12}},
       ""},
      // ING's savings: "Valuta" holds currencies, so it is the currency.
      {"\"Datum\";\"Omschrijving\";\"Rekening\";\"Af Bij\";\"Bedrag\";\"Valuta\";"
       "\"Saldo na mutatie\"\n\"2024-01-02\";\"Rente\";\"NL01\";\"Bij\";\"1,25\";\"EUR\";\"5\"\n",
       "obecný CSV",
       {{R::kBookingDate, 1}, {R::kMessage, 2}, {R::kOwnAccount, 3}, {R::kDirection, 4},
        {R::kAmount, 5}, {R::kCurrency, 6}, {R::kBalance, 7}},
       ""},
      // A Czech "Valuta" of dates stays the value date.
      {"Datum;Částka;Valuta\n2.1.2024;5;3.1.2024\n",
       "obecný CSV", {{R::kBookingDate, 1}, {R::kAmount, 2}, {R::kValueDate, 3}}, ""},
      {"FECHA OPERACIÓN;FECHA VALOR;CONCEPTO;IMPORTE EUR;SALDO\n",
       "obecný CSV",
       {{R::kBookingDate, 1}, {R::kValueDate, 2}, {R::kMessage, 3}, {R::kAmount, 4},
        {R::kBalance, 5}},
       "EUR"},
      {"\"Data księgowania\";\"Data waluty\";\"Kwota\";\"Waluta\";\"Saldo po transakcji\"\n",
       "obecný CSV",
       {{R::kBookingDate, 1}, {R::kValueDate, 2}, {R::kAmount, 3}, {R::kCurrency, 4},
        {R::kBalance, 5}},
       ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    EXPECT_STREQ(layout.name, c.name) << c.text;
    EXPECT_STREQ(layout.amountUnit, c.amountUnit) << c.text;
    const std::array<int, kColumnRoleCount> expected = ColumnsByRole(c.columns);
    for (int role = 0; role < kColumnRoleCount; ++role) {
      EXPECT_EQ(layout.column[role], expected[role]) << c.text << " role " << role;
    }
  }
}

TEST(StatementLayout, HeaderIsLookedForInTheFirstFortyLines) {
  for (int preamble : {0, 39, 40}) {
    std::string text;
    for (int i = 0; i < preamble; ++i) text += "info;" + std::to_string(i) + "\r\n";
    text += "Datum;Částka\r\n1.1.2014;5\r\n";
    const StatementLayout layout = RecogniseLayout(text);
    EXPECT_EQ(layout.recognised, preamble < 40) << preamble;
    if (layout.recognised) {
      EXPECT_EQ(text.substr(layout.dataOffset), "1.1.2014;5\r\n");
    }
  }
}

}  // namespace
}  // namespace tarvolo
