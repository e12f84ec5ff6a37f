#include "conversion/reading/layouts/column_vocabulary.h"

#include <algorithm>
#include <iterator>

#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

using R = ColumnRole;

// The names columns have in the exports of banks and payment services. Booked
// values come first: the booking date before value or transaction dates, the
// amount in the account's currency before an original amount, the message
// for the payee before own notes. Where a name means one thing in one
// language and another elsewhere, the data decide (the Italian and Dutch
// "Valuta" is a currency, the Czech and German one a value date).
constexpr ColumnName kColumnNames[] = {
    // Booking dates, then dates that may be them, then the dates a payment
    // was made, which a bank books later.
    {"datum zauctovani", R::kBookingDate, 1},
    {"datum zauctovani transakce", R::kBookingDate, 1},
    {"datum zuctovani", R::kBookingDate, 1},
    {"datum dokonceni", R::kBookingDate, 1},
    {"datum zauctovania", R::kBookingDate, 1},
    {"datum zuctovania", R::kBookingDate, 1},
    {"datum dokoncenia", R::kBookingDate, 1},
    {"processing date", R::kBookingDate, 1},
    {"booking date", R::kBookingDate, 1},
    {"posting date", R::kBookingDate, 1},
    {"date completed", R::kBookingDate, 1},
    {"completed date", R::kBookingDate, 1},
    {"finished on", R::kBookingDate, 1},
    {"buchungsdatum", R::kBookingDate, 1},
    {"buchungstag", R::kBookingDate, 1},
    {"abgeschlossen am", R::kBookingDate, 1},
    {"datum des abschlusses", R::kBookingDate, 1},
    {"date de comptabilisation", R::kBookingDate, 1},
    {"data contabile", R::kBookingDate, 1},
    {"data di completamento", R::kBookingDate, 1},
    {"fecha contable", R::kBookingDate, 1},
    {"boekdatum", R::kBookingDate, 1},
    {"data ksiegowania", R::kBookingDate, 1},
    {"data zrealizowania", R::kBookingDate, 1},
    {"konyveles datuma", R::kBookingDate, 1},
    {"datum", R::kBookingDate, 2},
    {"date", R::kBookingDate, 2},
    {"data", R::kBookingDate, 2},
    {"fecha", R::kBookingDate, 2},
    {"fecha operacion", R::kBookingDate, 2},
    {"fecha movimiento", R::kBookingDate, 2},
    {"datum pohybu", R::kBookingDate, 2},
    {"tranzakcio datuma", R::kBookingDate, 2},
    // Stripe's balance: the day a row was created is the day it moved it.
    {"created", R::kBookingDate, 2},
    {"created date", R::kBookingDate, 2},
    {"datum splatnosti", R::kBookingDate, 3},
    {"splatnost", R::kBookingDate, 3},
    {"datum provedeni", R::kBookingDate, 4},
    {"datum transakce", R::kBookingDate, 4},
    {"datum transakcie", R::kBookingDate, 4},
    {"datum spracovania", R::kBookingDate, 4},
    {"transaction date", R::kBookingDate, 4},
    {"created on", R::kBookingDate, 4},
    {"erstellt am", R::kBookingDate, 4},
    {"transaktionsdatum", R::kBookingDate, 4},
    {"datum der transaktion", R::kBookingDate, 4},
    {"date d'operation", R::kBookingDate, 4},
    {"date operation", R::kBookingDate, 4},
    {"data operazione", R::kBookingDate, 4},
    {"transactiedatum", R::kBookingDate, 4},
    {"data operacji", R::kBookingDate, 4},
    {"data transakcji", R::kBookingDate, 4},

    {"valuta", R::kValueDate, 1},
    {"value date", R::kValueDate, 1},
    {"datum valuty", R::kValueDate, 1},
    {"interest date", R::kValueDate, 1},
    {"available on", R::kValueDate, 1},
    {"wertstellung", R::kValueDate, 1},
    {"valutadatum", R::kValueDate, 1},
    {"date de valeur", R::kValueDate, 1},
    {"date valeur", R::kValueDate, 1},
    {"data valuta", R::kValueDate, 1},
    {"fecha valor", R::kValueDate, 1},
    {"f valor", R::kValueDate, 1},
    {"rentedatum", R::kValueDate, 1},
    {"data waluty", R::kValueDate, 1},
    {"erteknap", R::kValueDate, 1},

    // The amount booked; a gross amount beside its fee before the net one.
    {"zauctovana castka", R::kAmount, 1},
    {"castka v mene uctu", R::kAmount, 1},
    {"kwota w walucie rachunku", R::kAmount, 1},
    {"kwota transakcji (waluta rachunku)", R::kAmount, 1},
    // PayPal's Gross is the payment, its Fee a record of its own; Net is
    // both. Stripe's gross, fee and net are the same.
    {"gross", R::kAmount, 1},
    {"avant commission", R::kAmount, 1},
    {"brutto", R::kAmount, 1},
    {"brut", R::kAmount, 1},
    {"bruto", R::kAmount, 1},
    {"lordo", R::kAmount, 1},
    {"hruba castka", R::kAmount, 1},
    {"source amount (after fees)", R::kAmount, 2},
    {"ausgangsbetrag (nach gebuhren)", R::kAmount, 2},
    {"castka", R::kAmount, 2},
    {"objem", R::kAmount, 2},
    {"castka transakce", R::kAmount, 2},
    {"amount (transaction)", R::kAmount, 2},
    {"amount", R::kAmount, 2},
    {"transaction amount", R::kAmount, 2},
    {"betrag", R::kAmount, 2},
    {"montant", R::kAmount, 2},
    {"importo", R::kAmount, 2},
    {"importe", R::kAmount, 2},
    {"bedrag", R::kAmount, 2},
    {"kwota", R::kAmount, 2},
    {"kwota operacji", R::kAmount, 2},
    {"osszeg", R::kAmount, 2},
    {"tranzakcio osszege", R::kAmount, 2},
    {"suma", R::kAmount, 2},
    {"net", R::kAmount, StatementLayout::kNetAmountRank},
    {"netto", R::kAmount, StatementLayout::kNetAmountRank},
    {"neto", R::kAmount, StatementLayout::kNetAmountRank},
    {"net amount", R::kAmount, StatementLayout::kNetAmountRank},
    {"cista castka", R::kAmount, StatementLayout::kNetAmountRank},
    {"target amount (after fees)", R::kIncomingAmount, 1},
    {"zielbetrag (nach gebuhren)", R::kIncomingAmount, 1},

    {"prijem", R::kCreditAmount, 1},
    {"kredit", R::kCreditAmount, 1},
    {"credit", R::kCreditAmount, 1},
    {"credit amount", R::kCreditAmount, 1},
    {"pripsano", R::kCreditAmount, 1},
    {"paid in", R::kCreditAmount, 1},
    {"money in", R::kCreditAmount, 1},
    {"haben", R::kCreditAmount, 1},
    {"entrate", R::kCreditAmount, 1},
    {"abono", R::kCreditAmount, 1},
    {"transaction amount in", R::kCreditAmount, 1},
    // SumUp: the amount in the account's currency before the payment's.
    {"rechnungsbetrag eingehend", R::kCreditAmount, 1},
    {"zahlungsbetrag eingehend", R::kCreditAmount, 2},
    {"vydaj", R::kDebitAmount, 1},
    {"debet", R::kDebitAmount, 1},
    {"debit", R::kDebitAmount, 1},
    {"debit amount", R::kDebitAmount, 1},
    {"odepsano", R::kDebitAmount, 1},
    {"paid out", R::kDebitAmount, 1},
    {"money out", R::kDebitAmount, 1},
    {"soll", R::kDebitAmount, 1},
    {"uscite", R::kDebitAmount, 1},
    {"cargo", R::kDebitAmount, 1},
    {"transaction amount out", R::kDebitAmount, 1},
    {"rechnungsbetrag ausgehend", R::kDebitAmount, 1},
    {"zahlungsbetrag ausgehend", R::kDebitAmount, 2},

    {"smer uhrady", R::kDirection, 1},
    {"smer", R::kDirection, 1},
    {"direction", R::kDirection, 1},
    {"richtung", R::kDirection, 1},
    {"debet/kredit", R::kDirection, 1},
    {"kredit/debet", R::kDirection, 1},
    {"debit/credit", R::kDirection, 1},
    {"credit/debit", R::kDirection, 1},
    {"soll/haben", R::kDirection, 1},
    {"af bij", R::kDirection, 1},
    {"creditdebet", R::kDirection, 1},
    {"bevetel/kiadas", R::kDirection, 1},
    {"typ pohybu", R::kDirection, 2},
    {"incoming/outgoing (credit-debit item)", R::kDirection, 1},
    {"transaction type", R::kDirection, 1},

    {"mena uctu", R::kAccountCurrency, 1},
    {"account currency", R::kAccountCurrency, 1},
    {"waluta rachunku", R::kAccountCurrency, 1},
    {"mena", R::kCurrency, 1},
    {"currency", R::kCurrency, 1},
    {"currency code", R::kCurrency, 1},
    {"payment currency", R::kCurrency, 1},
    {"source currency", R::kCurrency, 1},
    {"ausgangswahrung", R::kCurrency, 1},
    {"devise", R::kCurrency, 1},
    {"wahrung", R::kCurrency, 1},
    {"mena zuctovani", R::kCurrency, 1},
    {"divisa", R::kCurrency, 1},
    {"moneda", R::kCurrency, 1},
    {"munt", R::kCurrency, 1},
    {"valutacode", R::kCurrency, 1},
    {"waluta", R::kCurrency, 1},
    {"waluta operacji", R::kCurrency, 1},
    {"devizanem", R::kCurrency, 1},
    {"tranzakcio devizaneme", R::kCurrency, 1},
    {"osszeg devizaneme", R::kCurrency, 1},
    {"zahlungswahrung", R::kCurrency, 2},
    {"target currency", R::kIncomingCurrency, 1},
    {"zielwahrung", R::kIncomingCurrency, 1},

    {"protiucet", R::kCounterAccount, 1},
    {"cislo protiuctu", R::kCounterAccount, 1},
    {"cislo uctu protiuctu", R::kCounterAccount, 1},
    {"cislo uctu protistrany", R::kCounterAccount, 1},
    {"protiucet a kod banky", R::kCounterAccount, 1},
    {"cislo uctu platce/prijemce", R::kCounterAccount, 1},
    {"payer's/payee's account number", R::kCounterAccount, 1},
    {"payee account number", R::kCounterAccount, 1},
    // Most banks name their own account so; UniCredit the counter account.
    {"cislo uctu", R::kCounterAccount, 2},

    {"kod banky", R::kCounterBank, 1},
    {"kod banky protiuctu", R::kCounterBank, 1},
    {"banka protiuctu", R::kCounterBank, 1},
    {"kod banky protistrany", R::kCounterBank, 1},
    {"payer's/payee's bank code", R::kCounterBank, 1},
    {"banka", R::kCounterBank, 2},

    {"payer's/payee's account prefix", R::kCounterPrefix, 1},
    {"predcislie", R::kCounterPrefix, 1},

    {"beneficiary iban", R::kCounterIban, 1},
    {"iban partnera", R::kCounterIban, 1},
    {"partner iban", R::kCounterIban, 1},
    {"counterparty iban", R::kCounterIban, 1},
    {"tegenrekening", R::kCounterIban, 1},
    {"tegenrekening iban/bban", R::kCounterIban, 1},
    {"iban zahlungsbeteiligter", R::kCounterIban, 1},
    // bunq's counterparty is its IBAN; its name is a column of its own.
    {"counterparty", R::kCounterIban, 2},

    {"own account", R::kOwnAccount, 1},
    {"vlastni ucet", R::kOwnAccount, 1},
    {"rekening", R::kOwnAccount, 1},
    {"rekeningnummer", R::kOwnAccount, 1},
    {"iban/bban", R::kOwnAccount, 1},
    {"szamlaszam", R::kOwnAccount, 1},
    {"konyvelesi szamla", R::kOwnAccount, 1},

    {"nazev protiuctu", R::kCounterName, 1},
    {"nazev uctu protiuctu", R::kCounterName, 1},
    {"nazev protistrany", R::kCounterName, 1},
    {"nazov protiuctu", R::kCounterName, 1},
    {"prijemce", R::kCounterName, 1},
    {"platce/prijemce", R::kCounterName, 1},
    {"nazev uctu prijemce", R::kCounterName, 1},
    {"counteraccount name", R::kCounterName, 1},
    {"counterparty name", R::kCounterName, 1},
    {"partner name", R::kCounterName, 1},
    {"payer", R::kCounterName, 1},
    {"payee", R::kCounterName, 1},
    {"name", R::kCounterName, 1},
    {"payee name", R::kCounterName, 1},
    {"nom", R::kCounterName, 1},
    {"beneficiaire", R::kCounterName, 1},
    {"nome", R::kCounterName, 1},
    {"beneficiario", R::kCounterName, 1},
    {"nombre", R::kCounterName, 1},
    {"jmeno", R::kCounterName, 1},
    {"empfanger", R::kCounterName, 1},
    {"zahlungsempfanger", R::kCounterName, 1},
    {"name zahlungsbeteiligter", R::kCounterName, 1},
    {"beguenstigter/zahlungspflichtiger", R::kCounterName, 1},
    {"naam", R::kCounterName, 1},
    {"naam tegenpartij", R::kCounterName, 1},
    {"tegenrekeninghouder", R::kCounterName, 1},
    {"nadawca/odbiorca", R::kCounterName, 1},
    {"dane kontrahenta", R::kCounterName, 1},
    {"partner neve", R::kCounterName, 1},
    {"partner elnevezese", R::kCounterName, 1},
    {"ellenoldali nev", R::kCounterName, 1},
    {"nazev obchodnika", R::kCounterName, 2},
    {"target name", R::kCounterName, 2},
    {"name des empfangers", R::kCounterName, 2},
    {"naam / omschrijving", R::kCounterName, 2},
    {"nazwa nadawcy", R::kCounterName, 2},
    {"nazwa odbiorcy", R::kCounterName, 2},
    {"nazev uctu", R::kCounterName, 2},  // as "cislo uctu"

    {"vs", R::kVariableSymbol, 1},
    {"variabilni symbol", R::kVariableSymbol, 1},
    {"variabilny symbol", R::kVariableSymbol, 1},
    {"variabilni kod", R::kVariableSymbol, 1},
    {"variable symbol 1", R::kVariableSymbol, 1},

    {"ks", R::kConstantSymbol, 1},
    {"konstantni symbol", R::kConstantSymbol, 1},
    {"konstantny symbol", R::kConstantSymbol, 1},
    {"konstatni kod", R::kConstantSymbol, 1},  // UniCredit's spelling
    {"konstantni kod", R::kConstantSymbol, 1},
    {"constant symbol", R::kConstantSymbol, 1},

    {"ss", R::kSpecificSymbol, 1},
    {"specificky symbol", R::kSpecificSymbol, 1},
    {"specificky kod", R::kSpecificSymbol, 1},
    {"specific symbol", R::kSpecificSymbol, 1},

    {"zprava pro prijemce", R::kMessage, 1},
    {"popis/misto transakce", R::kMessage, 1},
    {"popis pro prijemce", R::kMessage, 1},
    {"message for payee", R::kMessage, 1},
    {"informacia pre prijemcu", R::kMessage, 1},
    {"verwendungszweck", R::kMessage, 1},
    {"mededelingen", R::kMessage, 1},
    {"kozlemeny", R::kMessage, 1},
    {"tytul", R::kMessage, 1},
    {"causale", R::kMessage, 1},
    {"zprava", R::kMessage, 2},
    {"poznamka k uhrade", R::kMessage, 2},
    {"detaily transakce", R::kMessage, 2},
    {"detaily transakce 1", R::kMessage, 2},
    {"reference de paiement", R::kMessage, 2},
    {"omschrijving", R::kMessage, 2},
    {"omschrijving-1", R::kMessage, 2},
    {"concepto", R::kMessage, 2},
    {"opis transakcji", R::kMessage, 2},
    {"opis operacji", R::kMessage, 2},
    {"poznamka", R::kMessage, 3},
    {"popis prikazce", R::kMessage, 3},
    {"reference", R::kMessage, 3},
    {"payment reference", R::kMessage, 3},
    {"referenz", R::kMessage, 3},
    {"referencia platitela", R::kMessage, 3},
    {"betalingskenmerk", R::kMessage, 3},
    {"observaciones", R::kMessage, 3},
    {"szczegoly", R::kMessage, 3},
    {"reszletek", R::kMessage, 3},
    {"description", R::kMessage, 4},
    {"beschreibung", R::kMessage, 4},
    {"descrizione", R::kMessage, 4},
    {"descripcion", R::kMessage, 4},
    {"libelle", R::kMessage, 4},

    {"description", R::kItemType, 1},
    {"beschreibung", R::kItemType, 1},
    {"descrizione", R::kItemType, 1},
    {"descripcion", R::kItemType, 1},
    {"popis transakce", R::kItemType, 1},
    {"systemovy popis", R::kItemType, 1},
    {"popis platby", R::kItemType, 1},
    {"typ", R::kItemType, 2},
    {"popis", R::kItemType, 3},
    {"typ transakce", R::kItemType, 2},
    {"typ uhrady", R::kItemType, 2},
    {"oznaceni operace", R::kItemType, 2},
    {"type", R::kItemType, 2},
    {"art", R::kItemType, 2},
    {"tipo", R::kItemType, 2},
    {"rodzaj", R::kItemType, 2},
    {"transaction details type", R::kItemType, 2},
    {"transaktionstyp", R::kItemType, 2},
    {"transaktionsart", R::kItemType, 2},
    {"art der transaktion", R::kItemType, 2},
    {"type de transaction", R::kItemType, 2},
    {"mutatiesoort", R::kItemType, 2},
    {"betaalwijze", R::kItemType, 2},
    {"type betaling", R::kItemType, 2},
    {"typ transakcji", R::kItemType, 2},
    {"tipus", R::kItemType, 2},
    {"tranzakcio tipusa", R::kItemType, 2},
    {"forgalom tipusa", R::kItemType, 2},
    {"reporting category", R::kItemType, 2},
    {"movimiento", R::kItemType, 2},
    // Business 24 names the kind of item, the only text of the rows the bank
    // books itself, its fees among them.
    {"item", R::kItemType, 2},

    {"id pohybu", R::kTransactionId, 1},
    {"id operace", R::kTransactionId, 1},
    {"id transakce", R::kTransactionId, 1},
    {"id transakcie", R::kTransactionId, 1},
    {"identifikace transakce", R::kTransactionId, 1},
    {"referencni cislo", R::kTransactionId, 1},
    {"bankovni reference", R::kTransactionId, 1},
    {"bank reference", R::kTransactionId, 1},
    {"id", R::kTransactionId, 1},
    {"transferwise id", R::kTransactionId, 1},
    {"transaction id", R::kTransactionId, 1},
    {"balance transaction id", R::kTransactionId, 1},
    {"transaction code", R::kTransactionId, 1},
    {"transaktions-id", R::kTransactionId, 1},
    {"numero de transaction", R::kTransactionId, 1},
    {"n° de transaction", R::kTransactionId, 1},
    {"codice transazione", R::kTransactionId, 1},
    {"id de transaccion", R::kTransactionId, 1},
    {"transactiereferentie", R::kTransactionId, 1},
    {"volgnr", R::kTransactionId, 1},
    {"nr transakcji", R::kTransactionId, 1},
    {"tranzakcio azonosito", R::kTransactionId, 1},
    {"banki tranzakcio azonosito", R::kTransactionId, 1},
    {"megbizas azonosito", R::kTransactionId, 1},

    // PayPal's link of a hold, its release or a refund to the payment.
    {"reference txn id", R::kRelatedId, 1},
    {"numero de la transaction de reference", R::kRelatedId, 1},
    {"codice transazione di riferimento", R::kRelatedId, 1},
    {"id de referencia de trans", R::kRelatedId, 1},

    {"state", R::kState, 1},
    {"status", R::kState, 1},
    {"stav", R::kState, 1},
    {"etat", R::kState, 1},
    {"stato", R::kState, 1},
    {"estado", R::kState, 1},
    {"allapot", R::kState, 1},

    {"product", R::kProduct, 1},
    {"produkt", R::kProduct, 1},
    {"prodotto", R::kProduct, 1},

    // Business 24 marks rows the bank did not account and names why an
    // order was not carried out; KB Business numbers each row's statement.
    {"accounting/non-accounting item", R::kAccountingMark, 1},
    {"reason for non-execution", R::kNonExecution, 1},
    {"cislo vypisu", R::kStatementNumber, 1},

    {"balance impact", R::kBalanceImpact, 1},
    {"impact sur le solde", R::kBalanceImpact, 1},
    {"auswirkung auf guthaben", R::kBalanceImpact, 1},
    {"dopad na zustatek", R::kBalanceImpact, 1},
    {"impatto sul saldo", R::kBalanceImpact, 1},
    {"impacto en el saldo", R::kBalanceImpact, 1},
    {"effect op saldo", R::kBalanceImpact, 1},

    {"reference", R::kReference, 1},
    {"payment reference", R::kReference, 1},
    {"referenz", R::kReference, 1},
    {"reference id", R::kReference, 1},
    {"referentie", R::kReference, 1},

    // Revolut's Amount leaves its Fee out (its Total amount and Balance take
    // both), and so does PayPal's Gross. Wise's Amount already holds its
    // "Total fees", which are therefore no column of their own here.
    {"fee", R::kFee, 1},
    {"poplatek", R::kFee, 1},
    {"poplatky", R::kFee, 1},
    {"poplatok", R::kFee, 1},
    {"poplatek v mene uctu", R::kFee, 1},
    {"commission", R::kFee, 1},
    {"frais", R::kFee, 1},
    {"gebuhr", R::kFee, 1},
    {"tariffa", R::kFee, 1},
    {"costo", R::kFee, 1},
    {"commissione", R::kFee, 1},
    {"comision", R::kFee, 1},
    {"kosten", R::kFee, 1},
    {"oplata", R::kFee, 1},
    {"dij", R::kFee, 1},
    {"source fee amount", R::kFee, 1},
    {"betrag der ausgangsgebuhr", R::kFee, 1},
    {"fee currency", R::kFeeCurrency, 1},
    {"source fee currency", R::kFeeCurrency, 1},
    {"wahrung der ausgangsgebuhr", R::kFeeCurrency, 1},

    {"balance", R::kBalance, 1},
    {"running balance", R::kBalance, 1},
    {"zustatek", R::kBalance, 1},
    {"ucetni zustatek po transakci", R::kBalance, 1},
    {"zostatok", R::kBalance, 1},
    {"solde", R::kBalance, 1},
    {"guthaben", R::kBalance, 1},
    {"verfugbares guthaben", R::kBalance, 1},
    {"kontostand", R::kBalance, 1},
    {"saldo", R::kBalance, 1},
    {"saldo contabile", R::kBalance, 1},
    {"saldo na mutatie", R::kBalance, 1},
    {"saldo na trn", R::kBalance, 1},
    {"saldo po transakcji", R::kBalance, 1},
    {"saldo po operacji", R::kBalance, 1},
    {"egyenleg", R::kBalance, 1},
    {"disponible", R::kBalance, 2},
    {"saldo disponibile", R::kBalance, 2},

    // KB Business repeats the statement's balances on every row.
    {"pocatecni zustatek", R::kOpeningBalance, 1},
    {"konecny zustatek", R::kClosingBalance, 1},
};

// The time zones a header cell names after a date's name, which are no
// currency though three letters.
bool IsUtc(std::string_view unit) { return unit == "utc" || unit == "gmt"; }

// A currency a unit names: a code of three letters, the euro's sign or the
// koruna's "Kč"; `code` gets it in capitals.
bool UnitCurrency(std::string_view unit, char* code) {
  if (unit == "\x80") {
    std::copy_n("EUR", 4, code);
    return true;
  }
  if (unit == "kc") {
    std::copy_n("CZK", 4, code);
    return true;
  }
  if (unit.size() != 3 || unit == "cet") return false;
  for (size_t i = 0; i < 3; ++i) {
    if (unit[i] < 'a' || unit[i] > 'z') return false;
    code[i] = static_cast<char>(unit[i] - 'a' + 'A');
  }
  code[3] = '\0';
  return true;
}

// Codes that end a name as a unit without brackets ("IMPORTE EUR"); only
// those of the accounts statements are kept in, as other three letters may
// be a word.
bool IsTrailingCode(std::string_view word) {
  for (const char* code : {"eur", "czk", "usd", "gbp", "pln", "huf", "chf"}) {
    if (word == code) return true;
  }
  return false;
}

}  // namespace

const ColumnName* ColumnVocabulary::begin() const { return std::begin(kColumnNames); }
const ColumnName* ColumnVocabulary::end() const { return std::end(kColumnNames); }

HeaderWords ReadHeaderWords(std::string_view cell) {
  HeaderWords read;
  const std::string name = NormaliseColumnName(cell);
  std::string& words = read.words;
  words.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    // "created_utc", "F.Valor", "Id. de transacción"
    if (c == '_' || (c == '.' && i + 1 < name.size() && name[i + 1] != '.')) c = ' ';
    if (c == ' ' && (words.empty() || words.back() == ' ')) continue;
    words += c;
  }
  while (!words.empty() && (words.back() == ' ' || words.back() == '.' || words.back() == ':')) {
    words.pop_back();
  }
  const size_t open = words.rfind(" (");
  if (!words.empty() && words.back() == ')' && open != std::string::npos) {
    const std::string_view unit = std::string_view(words).substr(open + 2, words.size() - open - 3);
    if (IsUtc(unit)) {
      read.utc = true;
      words.erase(open);
    } else if (UnitCurrency(unit, read.currency)) {
      words.erase(open);
    }
    return read;
  }
  const size_t blank = words.rfind(' ');
  if (blank == std::string::npos) return read;
  const std::string_view last = std::string_view(words).substr(blank + 1);
  if (IsUtc(last)) {
    read.utc = true;
    words.erase(blank);
  } else if (IsTrailingCode(last) && UnitCurrency(last, read.currency)) {
    words.erase(blank);
  }
  return read;
}

}  // namespace tarvolo
