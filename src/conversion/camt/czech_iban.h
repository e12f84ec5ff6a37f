#ifndef TARVOLO_CONVERSION_CAMT_CZECH_IBAN_H_
#define TARVOLO_CONVERSION_CAMT_CZECH_IBAN_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/values/account_number.h"

namespace tarvolo {

// Reads an account as a profile or a GPC file holds it: "prefix-number",
// or digits only, the last ten the number and up to six before them the
// prefix (the 16-digit field), blanks anywhere. A bank after a slash, a
// number of zero, or anything else gives false.
bool ReadCzechAccount(std::string_view text, AccountNumber* account);

// The IBAN of a Czech account, "CZkkBBBBPPPPPPNNNNNNNNNN" without blanks (as
// XML statements write it), the check digits worked out by the rule of
// ISO 13616 (mod 97). "" when the bank code is not 1 to 9999 or a part is
// out of range.
std::string CzechIban(int32_t bankCode, const AccountNumber& account);

// A bank code in its four digits, "0800".
std::string BankCodeText(int32_t bankCode);

// The BIC of a Czech bank code for the common Czech banks; nullptr for any
// other.
const char* CzechBankBic(int32_t bankCode);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CZECH_IBAN_H_
