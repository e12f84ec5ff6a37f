#ifndef TARVOLO_CONVERSION_GPC_CURRENCY_NUMBER_H_
#define TARVOLO_CONVERSION_GPC_CURRENCY_NUMBER_H_

#include <string_view>

namespace tarvolo {

// The ISO 4217 numeric code of the currency `code` ("EUR" gives "978"), as
// three digits; null for a code the program does not know. Czech banks'
// foreign-currency statements put it in the item's currency field, which is
// how an importer tells a euro statement from the koruna one of the same
// account.
const char* CurrencyNumber(std::string_view code);

// What a statement in `currency` writes in the last five characters of the
// item's currency field: "01101" and "01102" (a debit, a credit) for the
// koruna, as the records have always had them; "0" and the numeric code in
// four digits ("00978") for another currency; "00000" for a currency
// without a known numeric code, which the run names in the log.
struct CurrencyField {
  char debit[6] = "01101";
  char credit[6] = "01102";
  bool known = true;
};
CurrencyField CurrencyFieldOf(std::string_view currency);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_CURRENCY_NUMBER_H_
