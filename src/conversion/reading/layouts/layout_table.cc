#include "conversion/reading/layouts/layout_table.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "conversion/reading/layouts/column_vocabulary.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/own_account_rows.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"

namespace tarvolo {
namespace {

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
  // A currency column of an amount the layout does not book (SumUp's
  // payment currency beside the amount in the account's): no row's
  // currency.
  const char* otherCurrency = nullptr;
};

// Fees are charges written as positive numbers (Revolut, Wise) unless the
// layout writes their effect on the balance (PayPal's -3.20, Air Bank's
// -25,00); rows are listed oldest first unless the layout says otherwise.
constexpr LayoutRules kCharges = {};
constexpr LayoutRules kFio = {.ownAccountsByData = true};
constexpr LayoutRules kFeeEffects = {.feeIsEffect = true};
constexpr LayoutRules kRaiffeisen = {.feeIsEffect = true, .feeSignUnknown = true};
constexpr LayoutRules kPayPal = {.feeIsEffect = true, .monthFirstDates = true};
constexpr LayoutRules kRevolut = {.description = {"description", "reference", "payer"}};
constexpr LayoutRules kRevolutBusiness = {.description = {"description", "reference", "payer"},
                                          .feeEffectWithoutState = true};
constexpr LayoutRules kRevolutGerman = {.description = {"beschreibung"}};
constexpr LayoutRules kRevolutItalian = {.description = {"descrizione"}};
constexpr LayoutRules kRevolutCzech = {.description = {"popis"}};
constexpr LayoutRules kRevolutPolish = {.description = {"opis"}};
// Payoneer writes its dates MM/DD/YYYY.
constexpr LayoutRules kPayoneer = {.monthFirstDates = true};
constexpr LayoutRules kRevolut2018 = {.newestFirst = true};
// SumUp's business account: the counterparty in the reference, the
// payment's own reference beside it. No export seen shows the sign of the
// German statement's fee.
constexpr LayoutRules kSumUp = {
    .description = {"payment reference", "reference", "transaction type"}, .commaBeforeTime = true};
constexpr LayoutRules kSumUpGerman = {
    .description = {"zahlungsreferenz", "referenz", "art der transaktion"},
    .feeSignUnknown = true,
    .commaBeforeTime = true,
    .twoDigitYears = true};
// PayPal's Italian and older French exports: no export seen shows how they
// write a date.
constexpr LayoutRules kPayPalDayFirst = {.feeIsEffect = true, .dateOrderUnknown = true};
// PayPal's Dutch exports write DD-MM-YYYY.
constexpr LayoutRules kPayPalDutch = {.feeIsEffect = true};
constexpr LayoutRules kWise = {.newestFirst = true};
constexpr LayoutRules kWiseTransfers = {
    .newestFirst = true, .transfers = true, .description = {"reference", "target name"}};
constexpr LayoutRules kWiseTransfersGerman = {
    .newestFirst = true, .transfers = true, .description = {"referenz", "name des empfangers"}};
constexpr LayoutRules kCard = {.description = {"popis/misto transakce", "nazev obchodnika"}};

constexpr KnownLayout kKnownLayouts[] = {
    // Many programs name an amount "Objem"; Fio's header has its ids beside it.
    {.name = "Fio banka", .names = {"objem", "id operace"}, .rules = kFio, .bankCode = 2010},
    {.name = "Fio banka", .names = {"objem", "id pohybu"}, .rules = kFio, .bankCode = 2010},
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
    {.name = "Revolut",
     .names = {"datum zahajeni", "datum dokonceni", "produkt"},
     .rules = kRevolutCzech},
    {.name = "Revolut",
     .names = {"data rozpoczecia", "data zrealizowania", "produkt"},
     .rules = kRevolutPolish},
    {.name = "Revolut", .names = {"completed date", "paid out", "paid in"}, .rules = kRevolut2018},
    {.name = "Wise", .names = {"transferwise id", "running balance"}, .rules = kWise},
    {.name = "Wise (převody)",
     .names = {"source fee amount", "target amount (after fees)"},
     .rules = kWiseTransfers},
    {.name = "Wise (převody)",
     .names = {"betrag der ausgangsgebuhr", "zielbetrag (nach gebuhren)"},
     .rules = kWiseTransfersGerman},
    // Stripe's fee is a charge written as a positive number, the net amount
    // the gross less it; its reports share PayPal's names.
    {.name = "Stripe", .names = {"balance transaction id", "gross", "net"}, .rules = kCharges},
    {.name = "Stripe", .names = {"available on", "fee", "net"}, .rules = kCharges},
    {.name = "Payoneer",
     .names = {"credit amount", "debit amount", "running balance"},
     .rules = kPayoneer},
    {.name = "SumUp",
     .names = {"transaction code", "transaction amount in", "transaction amount out"},
     .rules = kSumUp},
    {.name = "SumUp",
     .names = {"art der transaktion", "rechnungsbetrag eingehend", "verfugbares guthaben"},
     .rules = kSumUpGerman,
     .otherCurrency = "zahlungswahrung"},
    {.name = "N26", .names = {"partner name", "partner iban"}, .rules = kCharges},
    {.name = "N26", .names = {"payee", "payment reference", "account number"}, .rules = kCharges},
    {.name = "N26", .names = {"empfanger", "verwendungszweck", "kontonummer"}, .rules = kCharges},
    {.name = "N26",
     .names = {"beneficiaire", "reference de paiement", "numero de compte"},
     .rules = kCharges},
    {.name = "bunq", .names = {"interest date", "counterparty"}, .rules = kCharges},
    {.name = "bunq", .names = {"tegenrekening", "naam", "omschrijving"}, .rules = kCharges},
    {.name = "PayPal", .names = {"gross", "fee", "net"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"avant commission", "commission", "net"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"avant commission", "frais", "net"}, .rules = kPayPalDayFirst},
    {.name = "PayPal", .names = {"brut", "frais", "net"}, .rules = kPayPal},
    {.name = "PayPal",
     .names = {"lordo", "tariffa", "netto"},
     .rules = kPayPalDayFirst,
     .currency = "valuta"},
    {.name = "PayPal", .names = {"brutto", "gebuhr", "netto"}, .rules = kPayPal},
    {.name = "PayPal", .names = {"bruto", "comision", "neto"}, .rules = kPayPalDayFirst},
    {.name = "PayPal",
     .names = {"bruto", "fee", "net"},
     .rules = kPayPalDutch,
     .currency = "valuta"},
    {.name = "PayPal",
     .names = {"bruto", "kosten", "net"},
     .rules = kPayPalDutch,
     .currency = "valuta"},
    {.name = "PayPal", .names = {"hruba castka", "poplatek", "cista castka"}, .rules = kPayPal},
};

constexpr char kGenericName[] = "obecný CSV";

// The header candidates of one line with one separator.
struct HeaderMatch {
  StatementLayout layout;
  int recognised = 0;  // columns with a known name
  // Columns named "Valuta" and "Transaction type", whose rows tell their role.
  int valuta = -1;
  int typeDirection = -1;
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
  std::vector<std::string> names(fields.size());
  for (size_t i = 0; i < fields.size(); ++i) {
    const HeaderWords cell = ReadHeaderWords(fields[i]);
    names[i] = cell.words;
    bool known = false;
    for (const ColumnName& entry : ColumnVocabulary()) {
      if (cell.words != entry.name) continue;
      known = true;
      const int column = static_cast<int>(i);
      // "Paid Out (EUR)": each currency's credits, debits and balance.
      if (cell.currency[0] != '\0' && IsCurrencyRole(entry.role)) {
        AddCurrencyColumn(&layout, cell.currency, entry.role, column);
        continue;
      }
      if (cell.currency[0] != '\0' && entry.role == ColumnRole::kAmount &&
          layout.amountUnit[0] == '\0') {
        std::memcpy(layout.amountUnit, cell.currency, sizeof layout.amountUnit);
      }
      if (entry.name == std::string_view("valuta")) match->valuta = column;
      if (entry.name == std::string_view("transaction type")) match->typeDirection = column;
      const int role = static_cast<int>(entry.role);
      if (layout.column[role] < 0 || entry.rank < rank[role]) {
        layout.column[role] = column;
        rank[role] = entry.rank;
      }
      if (entry.role == ColumnRole::kBookingDate) {
        AddCandidate(column, entry.rank, layout.dateCandidates, layout.dateRanks);
      } else if (entry.role == ColumnRole::kAmount) {
        AddCandidate(column, entry.rank, layout.amountCandidates, layout.amountRanks);
      }
    }
    if (known) ++match->recognised;
  }
  if (!layout.currencies.empty()) {
    const CurrencyColumns& first = layout.currencies.front();
    for (const auto& [role, column] : {std::pair{ColumnRole::kCreditAmount, first.credit},
                                       std::pair{ColumnRole::kDebitAmount, first.debit},
                                       std::pair{ColumnRole::kBalance, first.balance}}) {
      if (column >= 0) layout.column[static_cast<int>(role)] = column;
    }
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
    const int other = known.otherCurrency != nullptr ? find(known.otherCurrency) : count;
    int& currencyColumn = layout.column[static_cast<int>(ColumnRole::kCurrency)];
    if (other < count && currencyColumn == other) currencyColumn = -1;
    break;
  }
}

constexpr int kHeaderSearchLines = 40;

// Names that mean one role in one export and another elsewhere, settled by
// the values of the first rows below the header: "Valuta" is a value date
// in Czech and German and a currency in Italian and Dutch; "Transaction
// type" is Wise's DEBIT or CREDIT and N26's "Income" or "MasterCard Payment".
// A column takes its other role only where every value in it shows it.
class RowsOfColumn {
 public:
  RowsOfColumn(std::string_view text, const StatementLayout& layout, int column)
      : text_(text), layout_(layout), column_(column) {}

  // Whether every value that is not empty passes `test`, and one at least.
  template <typename Test>
  bool All(Test test) const {
    constexpr int kRowsLooked = 200;
    CsvRecordReader reader(text_, layout_.separator, layout_.dataOffset, layout_.headerLine + 1);
    int values = 0;
    for (int rows = 0; rows < kRowsLooked && reader.Next(); ++rows) {
      const std::string_view value = reader.Field(column_);
      if (value.empty()) continue;
      if (!test(value)) return false;
      ++values;
    }
    return values > 0;
  }

 private:
  std::string_view text_;
  const StatementLayout& layout_;
  int column_;
};

// Gives `column` the role `to` in place of `from`, where `to` has no column yet.
void MoveRole(StatementLayout* layout, int column, ColumnRole from, ColumnRole to) {
  int& was = layout->column[static_cast<int>(from)];
  int& becomes = layout->column[static_cast<int>(to)];
  if (was != column || becomes >= 0) return;
  was = -1;
  becomes = column;
}

void SettleByRows(std::string_view text, const HeaderMatch& match, StatementLayout* layout) {
  if (match.valuta >= 0 && RowsOfColumn(text, *layout, match.valuta).All([](std::string_view v) {
        return IsPlainCurrencyCode(CurrencyCode(v));
      })) {
    MoveRole(layout, match.valuta, ColumnRole::kValueDate, ColumnRole::kCurrency);
  }
  if (match.typeDirection >= 0 &&
      RowsOfColumn(text, *layout, match.typeDirection).All([](std::string_view v) {
        return ReadDirection(v) == Direction::kUnknown;
      })) {
    MoveRole(layout, match.typeDirection, ColumnRole::kDirection, ColumnRole::kItemType);
  }
}

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
  if (best.layout.recognised) {
    SettleByRows(text, best, &best.layout);
    ProveOwnAccountColumn(text, &best.layout);
  }
  return best.layout;
}

}  // namespace tarvolo
