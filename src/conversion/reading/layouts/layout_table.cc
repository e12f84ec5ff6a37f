#include "conversion/reading/layouts/layout_table.h"

#include <algorithm>
#include <cstring>

#include "conversion/reading/text/csv_record.h"

namespace tarvolo {
namespace {

struct ColumnName {
  const char* name;  // as NormaliseColumnName gives it
  ColumnRole role;
  int rank;  // where two columns could serve, the lower rank wins
};

// The banks' names for the columns. Booked values come first: the booking
// date before value or entry dates, the amount in the account's currency
// before an original amount, the message for the payee before own notes.
constexpr ColumnName kColumnNames[] = {
    {"datum zauctovani", ColumnRole::kBookingDate, 1},
    {"datum zauctovani transakce", ColumnRole::kBookingDate, 1},
    {"processing date", ColumnRole::kBookingDate, 1},
    {"date completed (utc)", ColumnRole::kBookingDate, 1},
    {"completed date", ColumnRole::kBookingDate, 1},
    {"datum zuctovani", ColumnRole::kBookingDate, 1},
    {"finished on", ColumnRole::kBookingDate, 1},
    {"abgeschlossen am", ColumnRole::kBookingDate, 1},
    {"datum des abschlusses", ColumnRole::kBookingDate, 1},
    {"data di completamento", ColumnRole::kBookingDate, 1},
    {"datum", ColumnRole::kBookingDate, 2},
    {"date", ColumnRole::kBookingDate, 2},
    {"data", ColumnRole::kBookingDate, 2},
    {"datum splatnosti", ColumnRole::kBookingDate, 3},
    {"splatnost", ColumnRole::kBookingDate, 3},
    {"datum provedeni", ColumnRole::kBookingDate, 4},
    {"created on", ColumnRole::kBookingDate, 4},
    {"erstellt am", ColumnRole::kBookingDate, 4},

    {"valuta", ColumnRole::kValueDate, 1},
    {"value date", ColumnRole::kValueDate, 1},
    {"datum valuty", ColumnRole::kValueDate, 1},

    {"zauctovana castka", ColumnRole::kAmount, 1},
    {"avant commission", ColumnRole::kAmount, 1},
    {"brutto", ColumnRole::kAmount, 1},
    {"brut", ColumnRole::kAmount, 1},
    {"lordo", ColumnRole::kAmount, 1},
    {"hruba castka", ColumnRole::kAmount, 1},
    {"source amount (after fees)", ColumnRole::kAmount, 2},
    {"ausgangsbetrag (nach gebuhren)", ColumnRole::kAmount, 2},
    {"netto", ColumnRole::kAmount, StatementLayout::kNetAmountRank},
    {"cista castka", ColumnRole::kAmount, StatementLayout::kNetAmountRank},
    {"target amount (after fees)", ColumnRole::kIncomingAmount, 1},
    {"zielbetrag (nach gebuhren)", ColumnRole::kIncomingAmount, 1},
    {"castka v mene uctu", ColumnRole::kAmount, 1},
    {"castka", ColumnRole::kAmount, 2},
    {"objem", ColumnRole::kAmount, 2},
    {"castka transakce", ColumnRole::kAmount, 2},
    {"amount (transaction)", ColumnRole::kAmount, 2},
    {"amount", ColumnRole::kAmount, 2},
    {"betrag", ColumnRole::kAmount, 2},
    {"importo", ColumnRole::kAmount, 2},
    // PayPal's Gross is the payment, its Fee a record of its own; Net is both.
    {"gross", ColumnRole::kAmount, 1},
    {"net", ColumnRole::kAmount, StatementLayout::kNetAmountRank},

    {"smer uhrady", ColumnRole::kDirection, 1},
    {"smer", ColumnRole::kDirection, 1},
    {"direction", ColumnRole::kDirection, 1},
    {"richtung", ColumnRole::kDirection, 1},
    {"debet/kredit", ColumnRole::kDirection, 1},
    {"kredit/debet", ColumnRole::kDirection, 1},
    {"debit/credit", ColumnRole::kDirection, 1},
    {"credit/debit", ColumnRole::kDirection, 1},
    {"typ pohybu", ColumnRole::kDirection, 2},
    {"incoming/outgoing (credit-debit item)", ColumnRole::kDirection, 1},
    {"transaction type", ColumnRole::kDirection, 1},

    {"mena uctu", ColumnRole::kAccountCurrency, 1},
    {"mena", ColumnRole::kCurrency, 1},
    {"currency", ColumnRole::kCurrency, 1},
    {"payment currency", ColumnRole::kCurrency, 1},
    {"source currency", ColumnRole::kCurrency, 1},
    {"ausgangswahrung", ColumnRole::kCurrency, 1},
    {"devise", ColumnRole::kCurrency, 1},
    {"wahrung", ColumnRole::kCurrency, 1},
    {"mena zuctovani", ColumnRole::kCurrency, 1},
    {"target currency", ColumnRole::kIncomingCurrency, 1},
    {"zielwahrung", ColumnRole::kIncomingCurrency, 1},

    {"protiucet", ColumnRole::kCounterAccount, 1},
    {"cislo protiuctu", ColumnRole::kCounterAccount, 1},
    {"cislo uctu protiuctu", ColumnRole::kCounterAccount, 1},
    {"cislo uctu protistrany", ColumnRole::kCounterAccount, 1},
    {"protiucet a kod banky", ColumnRole::kCounterAccount, 1},
    {"cislo uctu platce/prijemce", ColumnRole::kCounterAccount, 1},
    {"payer's/payee's account number", ColumnRole::kCounterAccount, 1},
    {"payee account number", ColumnRole::kCounterAccount, 1},
    // Most banks name their own account so; UniCredit the counter account.
    {"cislo uctu", ColumnRole::kCounterAccount, 2},

    {"kod banky", ColumnRole::kCounterBank, 1},
    {"kod banky protiuctu", ColumnRole::kCounterBank, 1},
    {"banka protiuctu", ColumnRole::kCounterBank, 1},
    {"kod banky protistrany", ColumnRole::kCounterBank, 1},
    {"payer's/payee's bank code", ColumnRole::kCounterBank, 1},
    {"banka", ColumnRole::kCounterBank, 2},

    {"payer's/payee's account prefix", ColumnRole::kCounterPrefix, 1},

    {"beneficiary iban", ColumnRole::kCounterIban, 1},
    {"iban partnera", ColumnRole::kCounterIban, 1},

    {"nazev protiuctu", ColumnRole::kCounterName, 1},
    {"nazev uctu protiuctu", ColumnRole::kCounterName, 1},
    {"nazev protistrany", ColumnRole::kCounterName, 1},
    {"prijemce", ColumnRole::kCounterName, 1},
    {"platce/prijemce", ColumnRole::kCounterName, 1},
    {"nazev uctu prijemce", ColumnRole::kCounterName, 1},
    {"counteraccount name", ColumnRole::kCounterName, 1},
    {"payer", ColumnRole::kCounterName, 1},
    {"name", ColumnRole::kCounterName, 1},
    {"payee name", ColumnRole::kCounterName, 1},
    {"nom", ColumnRole::kCounterName, 1},
    {"nome", ColumnRole::kCounterName, 1},
    {"jmeno", ColumnRole::kCounterName, 1},
    {"nazev obchodnika", ColumnRole::kCounterName, 2},
    {"target name", ColumnRole::kCounterName, 2},
    {"name des empfangers", ColumnRole::kCounterName, 2},
    {"nazev uctu", ColumnRole::kCounterName, 2},  // as "cislo uctu"

    {"vs", ColumnRole::kVariableSymbol, 1},
    {"variabilni symbol", ColumnRole::kVariableSymbol, 1},
    {"variabilni kod", ColumnRole::kVariableSymbol, 1},
    {"variable symbol 1", ColumnRole::kVariableSymbol, 1},

    {"ks", ColumnRole::kConstantSymbol, 1},
    {"konstantni symbol", ColumnRole::kConstantSymbol, 1},
    {"konstatni kod", ColumnRole::kConstantSymbol, 1},  // UniCredit's spelling
    {"konstantni kod", ColumnRole::kConstantSymbol, 1},
    {"constant symbol", ColumnRole::kConstantSymbol, 1},

    {"ss", ColumnRole::kSpecificSymbol, 1},
    {"specificky symbol", ColumnRole::kSpecificSymbol, 1},
    {"specificky kod", ColumnRole::kSpecificSymbol, 1},
    {"specific symbol", ColumnRole::kSpecificSymbol, 1},

    {"zprava pro prijemce", ColumnRole::kMessage, 1},
    {"popis/misto transakce", ColumnRole::kMessage, 1},
    {"popis pro prijemce", ColumnRole::kMessage, 1},
    {"message for payee", ColumnRole::kMessage, 1},
    {"zprava", ColumnRole::kMessage, 2},
    {"poznamka k uhrade", ColumnRole::kMessage, 2},
    {"detaily transakce", ColumnRole::kMessage, 2},
    {"detaily transakce 1", ColumnRole::kMessage, 2},
    {"poznamka", ColumnRole::kMessage, 3},
    {"popis prikazce", ColumnRole::kMessage, 3},
    {"reference", ColumnRole::kMessage, 3},
    {"payment reference", ColumnRole::kMessage, 3},
    {"referenz", ColumnRole::kMessage, 3},
    {"description", ColumnRole::kMessage, 4},
    {"beschreibung", ColumnRole::kMessage, 4},
    {"descrizione", ColumnRole::kMessage, 4},

    {"description", ColumnRole::kItemType, 1},
    {"beschreibung", ColumnRole::kItemType, 1},
    {"descrizione", ColumnRole::kItemType, 1},
    {"popis transakce", ColumnRole::kItemType, 1},
    {"systemovy popis", ColumnRole::kItemType, 1},
    {"popis platby", ColumnRole::kItemType, 1},
    {"typ", ColumnRole::kItemType, 2},
    {"popis", ColumnRole::kItemType, 3},
    {"typ transakce", ColumnRole::kItemType, 2},
    {"typ uhrady", ColumnRole::kItemType, 2},
    {"oznaceni operace", ColumnRole::kItemType, 2},
    {"type", ColumnRole::kItemType, 2},
    {"art", ColumnRole::kItemType, 2},
    {"tipo", ColumnRole::kItemType, 2},
    {"transaction details type", ColumnRole::kItemType, 2},
    // Business 24 names the kind of item, the only text of the rows the bank
    // books itself, its fees among them.
    {"item", ColumnRole::kItemType, 2},

    {"id pohybu", ColumnRole::kTransactionId, 1},
    {"id operace", ColumnRole::kTransactionId, 1},
    {"id transakce", ColumnRole::kTransactionId, 1},
    {"identifikace transakce", ColumnRole::kTransactionId, 1},
    {"referencni cislo", ColumnRole::kTransactionId, 1},
    {"bankovni reference", ColumnRole::kTransactionId, 1},
    {"bank reference", ColumnRole::kTransactionId, 1},
    {"id", ColumnRole::kTransactionId, 1},
    {"transferwise id", ColumnRole::kTransactionId, 1},
    {"transaction id", ColumnRole::kTransactionId, 1},
    {"numero de transaction", ColumnRole::kTransactionId, 1},
    {"n° de transaction", ColumnRole::kTransactionId, 1},
    {"codice transazione", ColumnRole::kTransactionId, 1},

    {"state", ColumnRole::kState, 1},
    {"status", ColumnRole::kState, 1},
    {"stav", ColumnRole::kState, 1},
    {"etat", ColumnRole::kState, 1},
    {"stato", ColumnRole::kState, 1},

    {"product", ColumnRole::kProduct, 1},
    {"produkt", ColumnRole::kProduct, 1},
    {"prodotto", ColumnRole::kProduct, 1},

    {"accounting/non-accounting item", ColumnRole::kAccountingMark, 1},
    {"reason for non-execution", ColumnRole::kNonExecution, 1},
    {"cislo vypisu", ColumnRole::kStatementNumber, 1},

    {"balance impact", ColumnRole::kBalanceImpact, 1},
    {"impact sur le solde", ColumnRole::kBalanceImpact, 1},
    {"auswirkung auf guthaben", ColumnRole::kBalanceImpact, 1},
    {"dopad na zustatek", ColumnRole::kBalanceImpact, 1},
    {"impatto sul saldo", ColumnRole::kBalanceImpact, 1},

    {"reference", ColumnRole::kReference, 1},
    {"payment reference", ColumnRole::kReference, 1},
    {"referenz", ColumnRole::kReference, 1},

    // Revolut's Amount leaves its Fee out (its Total amount and Balance take
    // both), and so does PayPal's Gross. Wise's Amount already holds its
    // "Total fees", which are therefore no column of their own here.
    {"fee", ColumnRole::kFee, 1},
    {"poplatek", ColumnRole::kFee, 1},
    {"poplatky", ColumnRole::kFee, 1},
    {"poplatek v mene uctu", ColumnRole::kFee, 1},
    {"commission", ColumnRole::kFee, 1},
    {"frais", ColumnRole::kFee, 1},
    {"gebuhr", ColumnRole::kFee, 1},
    {"tariffa", ColumnRole::kFee, 1},
    {"costo", ColumnRole::kFee, 1},
    {"source fee amount", ColumnRole::kFee, 1},
    {"betrag der ausgangsgebuhr", ColumnRole::kFee, 1},
    {"fee currency", ColumnRole::kFeeCurrency, 1},
    {"source fee currency", ColumnRole::kFeeCurrency, 1},
    {"wahrung der ausgangsgebuhr", ColumnRole::kFeeCurrency, 1},

    {"prijem", ColumnRole::kCreditAmount, 1},
    {"kredit", ColumnRole::kCreditAmount, 1},
    {"credit", ColumnRole::kCreditAmount, 1},
    {"pripsano", ColumnRole::kCreditAmount, 1},
    {"paid in", ColumnRole::kCreditAmount, 1},
    {"money in", ColumnRole::kCreditAmount, 1},
    {"vydaj", ColumnRole::kDebitAmount, 1},
    {"debet", ColumnRole::kDebitAmount, 1},
    {"debit", ColumnRole::kDebitAmount, 1},
    {"odepsano", ColumnRole::kDebitAmount, 1},
    {"paid out", ColumnRole::kDebitAmount, 1},
    {"money out", ColumnRole::kDebitAmount, 1},

    {"balance", ColumnRole::kBalance, 1},
    {"running balance", ColumnRole::kBalance, 1},
    {"zustatek", ColumnRole::kBalance, 1},
    {"ucetni zustatek po transakci", ColumnRole::kBalance, 1},
    {"solde", ColumnRole::kBalance, 1},
    {"guthaben", ColumnRole::kBalance, 1},
    {"kontostand", ColumnRole::kBalance, 1},
    {"saldo", ColumnRole::kBalance, 1},

    // KB Business repeats the statement's balances on every row.
    {"pocatecni zustatek", ColumnRole::kOpeningBalance, 1},
    {"konecny zustatek", ColumnRole::kClosingBalance, 1},
};

// A bank's header: every one of its names must be present.
struct KnownLayout {
  const char* name;  // for the log
  const char* names[3];
  LayoutRules rules;
  // A Czech bank's header must give its code: a known header without one
  // is a service abroad.
  int32_t bankCode = 0;
  // The layout's currency column where other banks give its name another
  // role (the Italian "Valuta" is no value date).
  const char* currency = nullptr;
};

// Fees are charges written as positive numbers (Revolut, Wise) unless the
// layout writes their effect on the balance (PayPal's -3.20, Air Bank's
// -25,00); rows are listed oldest first unless the layout says otherwise.
constexpr LayoutRules kCharges = {};
constexpr LayoutRules kFeeEffects = {.feeIsEffect = true};
constexpr LayoutRules kRaiffeisen = {.feeIsEffect = true, .feeSignUnknown = true};
constexpr LayoutRules kPayPal = {.feeIsEffect = true, .monthFirstDates = true};
constexpr LayoutRules kRevolut = {.description = {"description", "reference", "payer"}};
constexpr LayoutRules kRevolutBusiness = {.description = {"description", "reference", "payer"},
                                          .feeEffectWithoutState = true};
constexpr LayoutRules kRevolutGerman = {.description = {"beschreibung"}};
constexpr LayoutRules kRevolutItalian = {.description = {"descrizione"}};
constexpr LayoutRules kRevolut2018 = {.newestFirst = true};
// PayPal's Italian and older French exports: no export seen shows how they
// write a date.
constexpr LayoutRules kPayPalDayFirst = {.feeIsEffect = true, .dateOrderUnknown = true};
constexpr LayoutRules kWise = {.newestFirst = true};
constexpr LayoutRules kWiseTransfers = {
    .newestFirst = true, .transfers = true, .description = {"reference", "target name"}};
constexpr LayoutRules kWiseTransfersGerman = {
    .newestFirst = true, .transfers = true, .description = {"referenz", "name des empfangers"}};
constexpr LayoutRules kCard = {.description = {"popis/misto transakce", "nazev obchodnika"}};

constexpr KnownLayout kKnownLayouts[] = {
    // Many programs name an amount "Objem"; Fio's header has its ids beside it.
    {.name = "Fio banka", .names = {"objem", "id operace"}, .rules = kCharges, .bankCode = 2010},
    {.name = "Fio banka", .names = {"objem", "id pohybu"}, .rules = kCharges, .bankCode = 2010},
    {.name = "Komerční banka",
     .names = {"systemovy popis", "identifikace transakce"},
     .rules = kCharges,
     .bankCode = 100},
    {.name = "ČSOB",
     .names = {"cislo uctu protiuctu", "oznaceni operace"},
     .rules = kCharges,
     .bankCode = 300},
    {.name = "Raiffeisenbank (kreditní karta)",
     .names = {"cislo kreditni karty", "zauctovana castka"},
     .rules = kCard,
     .bankCode = 5500},
    {.name = "Raiffeisenbank",
     .names = {"zauctovana castka"},
     .rules = kRaiffeisen,
     .bankCode = 5500},
    {.name = "Air Bank", .names = {"smer uhrady"}, .rules = kFeeEffects, .bankCode = 3030},
    {.name = "mBank",
     .names = {"datum zauctovani transakce", "castka transakce"},
     .rules = kCharges,
     .bankCode = 6210},
    {.name = "Moneta Money Bank",
     .names = {"banka protiuctu", "bankovni reference"},
     .rules = kCharges,
     .bankCode = 600},
    {.name = "UniCredit Bank", .names = {"detaily transakce"}, .rules = kCharges, .bankCode = 2700},
    {.name = "UniCredit Bank",
     .names = {"detaily transakce 1"},
     .rules = kCharges,
     .bankCode = 2700},
    {.name = "Česká spořitelna Business 24",
     .names = {"incoming/outgoing (credit-debit item)"},
     .rules = kCharges,
     .bankCode = 800},
    {.name = "Revolut Business",
     .names = {"payment currency", "orig currency"},
     .rules = kRevolutBusiness},
    {.name = "Revolut", .names = {"started date", "completed date", "product"}, .rules = kRevolut},
    {.name = "Revolut",
     .names = {"datum des beginns", "datum des abschlusses", "produkt"},
     .rules = kRevolutGerman},
    {.name = "Revolut",
     .names = {"data di inizio", "data di completamento", "prodotto"},
     .rules = kRevolutItalian,
     .currency = "valuta"},
    {.name = "Revolut", .names = {"completed date", "paid out", "paid in"}, .rules = kRevolut2018},
    {.name = "Wise", .names = {"transferwise id", "running balance"}, .rules = kWise},
    {.name = "Wise (převody)",
     .names = {"source fee amount", "target amount (after fees)"},
     .rules = kWiseTransfers},
    {.name = "Wise (převody)",
     .names = {"betrag der ausgangsgebuhr", "zielbetrag (nach gebuhren)"},
     .rules = kWiseTransfersGerman},
    {.name = "PayPal", .names = {"gross", "fee", "net"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"avant commission", "commission", "net"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"avant commission", "frais", "net"}, .rules = kPayPalDayFirst},
    {.name = "PayPal", .names = {"brut", "frais", "net"}, .rules = kPayPal},
    {.name = "PayPal",
     .names = {"lordo", "tariffa", "netto"},
     .rules = kPayPalDayFirst,
     .currency = "valuta"},
    {.name = "PayPal", .names = {"brutto", "gebuhr", "netto"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"hruba castka", "poplatek", "cista castka"}, .rules = kPayPal},
};

constexpr char kGenericName[] = "obecný CSV";

// The header candidates of one line with one separator.
struct HeaderMatch {
  StatementLayout layout;
  int recognised = 0;  // columns with a known name
};

// Puts `column` among `candidates` by its rank, the lower first.
void AddCandidate(int column, int rank, int* candidates, int* ranks) {
  for (int i = 0; i < StatementLayout::kCandidates; ++i) {
    if (candidates[i] < 0 || rank < ranks[i]) {
      for (int j = StatementLayout::kCandidates - 1; j > i; --j) {
        candidates[j] = candidates[j - 1];
        ranks[j] = ranks[j - 1];
      }
      candidates[i] = column;
      ranks[i] = rank;
      return;
    }
  }
}

// A name with its currency in brackets after it ("paid out (eur)"): `base`
// gets the name before it and `code` the code in capitals.
bool SplitCurrency(const std::string& name, std::string* base, char* code) {
  const size_t n = name.size();
  if (n < 7 || name[n - 1] != ')' || name[n - 5] != '(' || name[n - 6] != ' ') return false;
  for (size_t i = n - 4; i < n - 1; ++i) {
    if (name[i] < 'a' || name[i] > 'z') return false;
    code[i - (n - 4)] = static_cast<char>(name[i] - 'a' + 'A');
  }
  code[3] = '\0';
  base->assign(name, 0, n - 6);
  return true;
}

// Puts `column` of `role` among the layout's currency sets under `code`.
void AddCurrencyColumn(StatementLayout* layout, const char* code, ColumnRole role, int column) {
  std::vector<CurrencyColumns>& sets = layout->currencies;
  auto set = std::find_if(sets.begin(), sets.end(), [code](const CurrencyColumns& columns) {
    return std::strcmp(columns.code, code) == 0;
  });
  if (set == sets.end()) {
    set = sets.emplace(sets.end());
    std::memcpy(set->code, code, sizeof set->code);
  }
  int& slot = role == ColumnRole::kCreditAmount  ? set->credit
              : role == ColumnRole::kDebitAmount ? set->debit
                                                 : set->balance;
  if (slot < 0) slot = column;
}

bool IsCurrencyRole(ColumnRole role) {
  return role == ColumnRole::kCreditAmount || role == ColumnRole::kDebitAmount ||
         role == ColumnRole::kBalance;
}

void MatchHeader(const std::vector<std::string_view>& fields, HeaderMatch* match) {
  StatementLayout& layout = match->layout;
  int rank[kColumnRoleCount] = {};
  int dateRanks[StatementLayout::kCandidates] = {};
  std::vector<std::string> names(fields.size());
  for (size_t i = 0; i < fields.size(); ++i) {
    std::string& name = names[i];
    name = NormaliseColumnName(fields[i]);
    bool known = false;
    for (const ColumnName& entry : kColumnNames) {
      if (name != entry.name) continue;
      known = true;
      const int role = static_cast<int>(entry.role);
      if (layout.column[role] < 0 || entry.rank < rank[role]) {
        layout.column[role] = static_cast<int>(i);
        rank[role] = entry.rank;
      }
      if (entry.role == ColumnRole::kBookingDate) {
        AddCandidate(static_cast<int>(i), entry.rank, layout.dateCandidates, dateRanks);
      } else if (entry.role == ColumnRole::kAmount) {
        AddCandidate(static_cast<int>(i), entry.rank, layout.amountCandidates, layout.amountRanks);
      }
    }
    std::string base;
    char code[4];
    if (!known && SplitCurrency(name, &base, code)) {
      for (const ColumnName& entry : kColumnNames) {
        if (base != entry.name || !IsCurrencyRole(entry.role)) continue;
        known = true;
        name = base;
        AddCurrencyColumn(&layout, code, entry.role, static_cast<int>(i));
      }
    }
    if (known) ++match->recognised;
  }
  if (!layout.currencies.empty()) {
    const CurrencyColumns& first = layout.currencies.front();
    layout.column[static_cast<int>(ColumnRole::kCreditAmount)] = first.credit;
    layout.column[static_cast<int>(ColumnRole::kDebitAmount)] = first.debit;
    layout.column[static_cast<int>(ColumnRole::kBalance)] = first.balance;
  }
  layout.recognised =
      layout.Column(ColumnRole::kBookingDate) >= 0 &&
      (layout.Column(ColumnRole::kAmount) >= 0 || layout.Column(ColumnRole::kCreditAmount) >= 0 ||
       layout.Column(ColumnRole::kDebitAmount) >= 0);
  if (!layout.recognised) return;

  layout.name = kGenericName;
  const auto find = [&names](const char* wanted) {
    return static_cast<int>(std::find(names.begin(), names.end(), wanted) - names.begin());
  };
  const int count = static_cast<int>(names.size());
  for (const KnownLayout& known : kKnownLayouts) {
    bool all = true;
    for (const char* wanted : known.names) {
      if (wanted == nullptr) break;
      all = all && find(wanted) < count;
    }
    if (!all) continue;
    layout.known = true;
    layout.name = known.name;
    layout.rules = known.rules;
    if (known.rules.feeEffectWithoutState && layout.Column(ColumnRole::kState) < 0) {
      layout.rules.feeIsEffect = true;
    }
    layout.bankCode = known.bankCode;
    const int currency = known.currency != nullptr ? find(known.currency) : count;
    if (currency < count) {
      for (int& column : layout.column) {
        if (column == currency) column = -1;
      }
      layout.column[static_cast<int>(ColumnRole::kCurrency)] = currency;
    }
    break;
  }
}

constexpr int kHeaderSearchLines = 40;

}  // namespace

std::vector<const char*> KnownLayoutNames() {
  std::vector<const char*> names;
  for (const KnownLayout& known : kKnownLayouts) {
    bool seen = false;
    for (const char* name : names) seen = seen || std::strcmp(name, known.name) == 0;
    if (!seen) names.push_back(known.name);
  }
  return names;
}

StatementLayout RecogniseLayout(std::string_view text) {
  HeaderMatch best;
  for (const char separator : {';', ',', '\t'}) {
    CsvRecordReader reader(text, separator);
    while (reader.Next() && reader.lineNumber() <= kHeaderSearchLines) {
      if (best.layout.recognised && reader.lineNumber() > best.layout.headerLine) break;
      HeaderMatch match;
      MatchHeader(reader.fields(), &match);
      if (!match.layout.recognised) continue;
      // The earliest header wins, and on the same line the separator that
      // gives more known names.
      if (!best.layout.recognised || reader.lineNumber() < best.layout.headerLine ||
          match.recognised > best.recognised) {
        match.layout.separator = separator;
        match.layout.headerLine = reader.lineNumber();
        match.layout.headerColumns = static_cast<int>(reader.fields().size());
        match.layout.dataOffset = reader.offset();
        best = match;
      }
      break;
    }
  }
  return best.layout;
}

}  // namespace tarvolo
