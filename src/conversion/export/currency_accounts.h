#ifndef TARVOLO_CONVERSION_EXPORT_CURRENCY_ACCOUNTS_H_
#define TARVOLO_CONVERSION_EXPORT_CURRENCY_ACCOUNTS_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tarvolo {

// The account a statement in one currency is written under, where the
// profile's account is another currency's ("EUR=123-2000145399/0800").
struct CurrencyAccount {
  std::string currency = {};  // three capitals, "EUR"
  std::string account = {};   // as the header carries it: "123-2000145399"
  std::string given = {};     // as it is kept: the account with its bank, or the IBAN
  int32_t bankCode = 0;       // 0: its files tell it
  std::string iban = {};      // sound, compact; "" where an account was given

  bool operator==(const CurrencyAccount& other) const {
    return currency == other.currency && account == other.account && bankCode == other.bankCode &&
           iban == other.iban;
  }
};

// Reads "CUR=ACCOUNT": a currency's code and its account as an account
// number ("19-2000145399/0800", the bank optional) or a Czech IBAN. False
// with *error naming the value for anything else: a code that is not three
// letters, an account that cannot be read, an IBAN abroad (whose account
// no statement header can carry).
bool ReadCurrencyAccount(const std::string& text, CurrencyAccount* read, std::string* error);

// Adds `account` to `accounts`, replacing the one of its currency where
// `replace`; false with *error where its currency has another account and
// may not be replaced (given twice on one command line).
bool AddCurrencyAccount(const CurrencyAccount& account, bool replace,
                        std::vector<CurrencyAccount>* accounts, std::string* error);

// The account of `currency` among `accounts`, or null.
const CurrencyAccount* AccountOfCurrency(const std::vector<CurrencyAccount>& accounts,
                                         const std::string& currency);

// The file the accounts of a profile's currencies are kept in: beside the
// profile, its name and ".ucty" ("tarvolo.cfg.ucty"), so the profile keeps
// its 64 bytes that older versions read.
std::string CurrencyAccountsPath(const std::string& profilePath);

// The kept file's text: a line "CUR=ACCOUNT" per currency, CR LF after it.
std::string KeptCurrencyAccounts(const std::vector<CurrencyAccount>& accounts);

// Reads a kept file's text; the lines it cannot read go to *unread (each
// as it stands), the others are kept.
std::vector<CurrencyAccount> ReadKeptCurrencyAccounts(const std::string& text,
                                                      std::vector<std::string>* unread);

// The accounts kept beside the profile at `profilePath` (none where no file
// is kept); the lines that cannot be read go to *unread.
std::vector<CurrencyAccount> LoadCurrencyAccounts(const std::string& profilePath,
                                                  std::vector<std::string>* unread);

// The note on a kept line that cannot be read (Windows-1250, a line feed
// after it).
std::string UnreadAccountLine(const std::string& profilePath, const std::string& line);

// Keeps `accounts` beside the profile at `profilePath`, replacing what was
// kept; false where the file could not be written.
bool SaveCurrencyAccounts(const std::string& profilePath,
                          const std::vector<CurrencyAccount>& accounts);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_CURRENCY_ACCOUNTS_H_
