#ifndef TARVOLO_CONVERSION_CAMT_CAMT_STATEMENT_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_STATEMENT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/statement/statement.h"
#include "conversion/values/koruna_default.h"
#include "platform/civil_date.h"
#include "platform/clock.h"

namespace tarvolo {

// The statement as an ISO 20022 camt.053.001.02 document (BkToCstmrStmt),
// the XML statement of the Czech banks: the same items and totals as the
// GPC file, in UTF-8. Texts given here are Windows-1250, as the run holds
// them.

// The own account.
struct CamtAccount {
  // As the profile holds it: "prefix-number" or up to 16 digits.
  std::string number;
  std::string iban;                                 // "": the national number stands for it
  int32_t bankCode = 0;                             // its Czech bank, 0 where unknown
  std::string currency = std::string(kKorunaCode);  // "XXX" (no currency) when it is no code
  std::string name;                                 // the account's name, may be empty
};

struct CamtStatementHeader {
  // Unique per run, up to 35 characters; without one the statement's id
  // stands in.
  std::string messageId;
  CivilTime created;  // local time of the run
  int32_t statementNumber = 0;
  CivilDate fromDate;  // the balance day
  CivilDate toDate;    // the statement date
  int64_t openingHellers = 0, closingHellers = 0;
  int64_t creditCount = 0, debitCount = 0;
  int64_t creditHellers = 0, debitHellers = 0;  // both magnitudes
};

// One item as its entry shows it. The texts are the item's own, rendered
// before the reader's storage they lie in moves on.
struct CamtEntry {
  int64_t amountHellers = 0;  // below zero for a debit
  std::string currency;       // a code, else written as "XXX" (no currency)
  // Full years; a value date that is no real day is the booking date.
  CivilDate booking, value;
  int32_t counterPrefix = 0;
  int64_t counterNumber = 0;
  int32_t bankCode = 0;
  std::string_view counterIban, counterName, documentNumber;
  std::string_view variableSymbol, constantSymbol, specificSymbol;
  std::string_view description, bankReference;
  bool fee = false;
};

// A currency code as the schema takes it ("eur" gives "EUR"), or "" for any
// other text.
std::string CamtCurrencyCode(std::string_view text);

// The entry of a statement item whose amount the run has rounded to
// `amountHellers`; its currency is the item's where it names one, else
// `accountCurrency`.
CamtEntry CamtEntryOf(const StatementItem& item, int64_t amountHellers,
                      std::string_view accountCurrency);

// Appends one <Ntry> element, indented for its place in the document.
void AppendCamtEntry(const CamtEntry& entry, std::string* xmlEntries);

// The document before its entries and after them, so that the entries,
// which make up nearly all of it, can be written from where they are.
void ComposeCamtFrame(const CamtStatementHeader& header, const CamtAccount& account,
                      std::string* head, std::string* tail);

// The whole document around `entries` (as AppendCamtEntry gave them).
std::string ComposeCamtStatement(const CamtStatementHeader& header, const CamtAccount& account,
                                 std::string_view entries);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_STATEMENT_H_
