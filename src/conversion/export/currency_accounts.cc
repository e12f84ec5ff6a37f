#include "conversion/export/currency_accounts.h"

#include <algorithm>

#include "conversion/values/account_number.h"
#include "conversion/values/iban.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads the account half: an IBAN where it starts with two letters.
bool ReadAccountHalf(const std::string& text, CurrencyAccount* read, std::string* error) {
  const std::string compact = CompactIban(text);
  const bool iban = compact.size() >= 2 && IsLetter(compact[0]) && IsLetter(compact[1]);
  if (iban && (!IsIbanForm(compact) || !IsSoundIban(compact))) {
    *error = "neplatný IBAN \"" + text + "\"";
    return false;
  }
  if (iban && compact.compare(0, 2, "CZ") != 0) {
    *error = "IBAN \"" + text +
             "\" je účtu v zahraničí, jehož číslo hlavička výpisu neuvede; zadejte číslo účtu";
    return false;
  }
  AccountNumber account;
  if (!ReadAccountNumber(text, iban, &account) || account.number == 0) {
    *error = "nečitelné číslo účtu \"" + text + "\"";
    return false;
  }
  read->bankCode = BankCodeOf(account);
  read->iban = iban ? compact : std::string();
  read->given = iban ? compact : ShownAccount(account);
  account.bank.clear();
  read->account = ShownAccount(account);
  return true;
}

}  // namespace

bool ReadCurrencyAccount(const std::string& text, CurrencyAccount* read, std::string* error) {
  const size_t equals = text.find('=');
  const std::string code = text.substr(0, std::min(equals, text.size()));
  if (equals == std::string::npos || code.size() != 3 ||
      !std::all_of(code.begin(), code.end(), IsLetter)) {
    *error = "\"" + text + "\" není MĚNA=ÚČET s třípísmenným kódem měny (EUR=123-2000145399/0800)";
    return false;
  }
  CurrencyAccount account;
  for (char c : code) account.currency += Capital(c);
  if (!ReadAccountHalf(text.substr(equals + 1), &account, error)) {
    *error = account.currency + ": " + *error;
    return false;
  }
  *read = account;
  return true;
}

bool AddCurrencyAccount(const CurrencyAccount& account, bool replace,
                        std::vector<CurrencyAccount>* accounts, std::string* error) {
  for (CurrencyAccount& known : *accounts) {
    if (known.currency != account.currency) continue;
    if (!replace && !(known == account)) {
      *error = "měna " + account.currency + " má zadány dva účty, " + known.given + " a " +
               account.given;
      return false;
    }
    known = account;
    return true;
  }
  accounts->push_back(account);
  return true;
}

const CurrencyAccount* AccountOfCurrency(const std::vector<CurrencyAccount>& accounts,
                                         const std::string& currency) {
  for (const CurrencyAccount& account : accounts) {
    if (account.currency == currency) return &account;
  }
  return nullptr;
}

std::string CurrencyAccountsPath(const std::string& profilePath) { return profilePath + ".ucty"; }

std::string KeptCurrencyAccounts(const std::vector<CurrencyAccount>& accounts) {
  std::string text;
  for (const CurrencyAccount& account : accounts) {
    text += account.currency + "=" + account.given + "\r\n";
  }
  return text;
}

std::vector<CurrencyAccount> ReadKeptCurrencyAccounts(const std::string& text,
                                                      std::vector<std::string>* unread) {
  std::vector<CurrencyAccount> accounts;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    CurrencyAccount account;
    std::string error;
    if (!ReadCurrencyAccount(line, &account, &error)) {
      unread->push_back(line);
      continue;
    }
    // A file edited by hand may name a currency twice: its last line holds.
    AddCurrencyAccount(account, true, &accounts, &error);
  }
  return accounts;
}

std::vector<CurrencyAccount> LoadCurrencyAccounts(const std::string& profilePath,
                                                  std::vector<std::string>* unread) {
  std::string text;
  if (!ReadWholeFile(CurrencyAccountsPath(profilePath).c_str(), &text)) return {};
  return ReadKeptCurrencyAccounts(text, unread);
}

std::string UnreadAccountLine(const std::string& profilePath, const std::string& line) {
  return "Řádek \"" + line + "\" souboru " + PathToText(CurrencyAccountsPath(profilePath)) +
         " není MĚNA=ÚČET, účet této měny nebyl použit\n";
}

bool SaveCurrencyAccounts(const std::string& profilePath,
                          const std::vector<CurrencyAccount>& accounts) {
  const std::string text = KeptCurrencyAccounts(accounts);
  return WriteWholeFile(CurrencyAccountsPath(profilePath).c_str(), text.data(), text.size());
}

}  // namespace tarvolo
