#include "conversion/reading/layouts/column_vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

using R = ColumnRole;

// The roles the vocabulary gives a header cell's words, the likeliest
// (lowest rank) first.
std::vector<ColumnRole> RolesOf(const char* cell) {
  const HeaderWords words = ReadHeaderWords(cell);
  std::vector<ColumnRole> roles;
  for (int rank = 1; rank <= StatementLayout::kNetAmountRank + 1; ++rank) {
    for (const ColumnName& name : ColumnVocabulary()) {
      if (name.rank == rank && words.words == name.name) roles.push_back(name.role);
    }
  }
  return roles;
}

TEST(ColumnVocabulary, CellsGiveTheirRolesInEveryLanguage) {
  const struct {
    const char* cell;
    std::vector<ColumnRole> roles;
  } cases[] = {
      // Czech and Slovak.
      {"Datum zaúčtování", {R::kBookingDate}},
      {"Datum dokončení", {R::kBookingDate}},
      {"Částka", {R::kAmount}},
      {"Poplatek", {R::kFee}},
      {"Zůstatek", {R::kBalance}},
      {"Dátum zúčtovania", {R::kBookingDate}},
      {"Dátum spracovania", {R::kBookingDate}},
      {"Suma", {R::kAmount}},
      {"Mena", {R::kCurrency}},
      {"Predčíslie", {R::kCounterPrefix}},
      {"Variabilný symbol", {R::kVariableSymbol}},
      {"Konštantný symbol", {R::kConstantSymbol}},
      {"Informácia pre príjemcu", {R::kMessage}},
      // English.
      {"Booking Date", {R::kBookingDate}},
      {"Transaction Date", {R::kBookingDate}},
      {"Value Date", {R::kValueDate}},
      {"Amount (EUR)", {R::kAmount}},
      {"Credit Amount", {R::kCreditAmount}},
      {"Debit Amount", {R::kDebitAmount}},
      {"Running Balance", {R::kBalance}},
      {"Partner Name", {R::kCounterName}},
      {"Partner Iban", {R::kCounterIban}},
      {"Counterparty", {R::kCounterIban}},
      {"Interest Date", {R::kValueDate}},
      // Stripe's reports and exports.
      {"created", {R::kBookingDate}},
      {"Created (UTC)", {R::kBookingDate}},
      {"created_utc", {R::kBookingDate}},
      {"available_on_utc", {R::kValueDate}},
      {"gross", {R::kAmount}},
      {"net", {R::kAmount}},
      {"fee", {R::kFee}},
      {"balance_transaction_id", {R::kTransactionId}},
      {"reporting_category", {R::kItemType}},
      // German.
      {"Buchungsdatum", {R::kBookingDate}},
      {"Wertstellung", {R::kValueDate}},
      {"Betrag (EUR)", {R::kAmount}},
      {"Empfänger", {R::kCounterName}},
      {"Verwendungszweck", {R::kMessage}},
      {"Transaktionstyp", {R::kItemType}},
      {"Gebühr", {R::kFee}},
      {"Soll", {R::kDebitAmount}},
      {"Haben", {R::kCreditAmount}},
      {"Verfügbares Guthaben", {R::kBalance}},
      {"Transaktions-ID", {R::kTransactionId}},
      // French.
      {"Date de valeur", {R::kValueDate}},
      {"Montant (EUR)", {R::kAmount}},
      {"Bénéficiaire", {R::kCounterName}},
      {"Référence de paiement", {R::kMessage}},
      {"Type de transaction", {R::kItemType}},
      {"Solde", {R::kBalance}},
      // Italian: "Valuta" is both a currency and a value date by its name.
      {"Data contabile", {R::kBookingDate}},
      {"Importo", {R::kAmount}},
      {"Commissione", {R::kFee}},
      {"Causale", {R::kMessage}},
      {"Valuta", {R::kValueDate}},
      {"Entrate", {R::kCreditAmount}},
      {"Uscite", {R::kDebitAmount}},
      // Spanish.
      {"FECHA OPERACIÓN", {R::kBookingDate}},
      {"F.Valor", {R::kValueDate}},
      {"F. VALOR", {R::kValueDate}},
      {"IMPORTE EUR", {R::kAmount}},
      {"IMPORTE (€)", {R::kAmount}},
      {"SALDO (€)", {R::kBalance}},
      {"Divisa", {R::kCurrency}},
      {"Comisión", {R::kFee}},
      {"Id. de transacción", {R::kTransactionId}},
      {"Bruto", {R::kAmount}},
      {"Neto", {R::kAmount}},
      // Dutch.
      {"Boekdatum", {R::kBookingDate}},
      {"Rentedatum", {R::kValueDate}},
      {"Bedrag (EUR)", {R::kAmount}},
      {"Af Bij", {R::kDirection}},
      {"Munt", {R::kCurrency}},
      {"Saldo na mutatie", {R::kBalance}},
      {"Naam tegenpartij", {R::kCounterName}},
      {"Tegenrekening IBAN/BBAN", {R::kCounterIban}},
      {"IBAN/BBAN", {R::kOwnAccount}},
      {"Rekening", {R::kOwnAccount}},
      {"Mededelingen", {R::kMessage}},
      {"Effect op saldo", {R::kBalanceImpact}},
      {"Kosten", {R::kFee}},
      // Polish.
      {"Data księgowania", {R::kBookingDate}},
      {"#Data operacji", {R::kBookingDate}},
      {"Data waluty", {R::kValueDate}},
      {"Kwota", {R::kAmount}},
      {"Kwota transakcji (waluta rachunku)", {R::kAmount}},
      {"Waluta", {R::kCurrency}},
      {"Saldo po transakcji", {R::kBalance}},
      {"Nadawca/Odbiorca", {R::kCounterName}},
      {"Tytuł", {R::kMessage}},
      {"Opłata", {R::kFee}},
      {"Nr transakcji", {R::kTransactionId}},
      // Hungarian.
      {"Könyvelés dátuma", {R::kBookingDate}},
      {"Értéknap", {R::kValueDate}},
      {"Összeg", {R::kAmount}},
      {"Tranzakció összege", {R::kAmount}},
      {"Devizanem", {R::kCurrency}},
      {"Egyenleg", {R::kBalance}},
      {"Partner neve", {R::kCounterName}},
      {"Közlemény", {R::kMessage}},
      {"Tranzakció azonosító", {R::kTransactionId}},
      {"Számlaszám", {R::kOwnAccount}},
      // A name of two roles gives both, the likelier first.
      {"Description", {R::kItemType, R::kMessage}},
      {"Reference", {R::kReference, R::kMessage}},
      // Other units than a currency's or UTC stay words of the name: a
      // local time's date is not the booking date in UTC.
      {"Date completed (Europe/Prague)", {}},
      {"Amount (Foreign Currency)", {}},
      {"Paid Out (EURO)", {}},
      {"Original Currency", {}},
      {"Total amount", {}},
      {"Total fees", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(RolesOf(c.cell), c.roles) << c.cell;
}

TEST(ColumnVocabulary, UnitsAreSetApartFromTheWords) {
  const struct {
    const char* cell;
    const char* words;
    const char* currency;
    bool utc;
  } cases[] = {
      {"Amount (EUR)", "amount", "EUR", false},
      {"\"Bedrag (eur)\"", "bedrag", "EUR", false},
      {"IMPORTE (€)", "importe", "EUR", false},
      {"SALDO (Kč)", "saldo", "CZK", false},
      {"IMPORTE EUR", "importe", "EUR", false},
      {"Balance (CZK)", "balance", "CZK", false},
      {"Date completed (UTC)", "date completed", "", true},
      {"created_utc", "created", "", true},
      {"Datum:", "datum", "", false},
      {"Amount (Transaction)", "amount (transaction)", "", false},
      {"Date started (Europe/Zurich)", "date started (europe/zurich)", "", false},
      {"Saldo (CET)", "saldo (cet)", "", false},
      // A code alone is a name, not a unit.
      {"EUR", "eur", "", false},
      {"Typ ABC", "typ abc", "", false},
  };
  for (const auto& c : cases) {
    const HeaderWords read = ReadHeaderWords(c.cell);
    EXPECT_EQ(read.words, c.words) << c.cell;
    EXPECT_STREQ(read.currency, c.currency) << c.cell;
    EXPECT_EQ(read.utc, c.utc) << c.cell;
  }
}

// Every name is written as a cell's words read, and given a role once: a
// name the reading could never give would never match.
TEST(ColumnVocabulary, NamesAreWordsOfCells) {
  for (const ColumnName& name : ColumnVocabulary()) {
    EXPECT_EQ(ReadHeaderWords(name.name).words, name.name);
    int same = 0;
    for (const ColumnName& other : ColumnVocabulary()) {
      same += std::string(other.name) == name.name && other.role == name.role;
    }
    EXPECT_EQ(same, 1) << name.name;
  }
}

}  // namespace
}  // namespace tarvolo
