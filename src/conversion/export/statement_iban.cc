#include "conversion/export/statement_iban.h"

#include <algorithm>

#include "conversion/camt/czech_iban.h"
#include "conversion/values/account_number.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/iban.h"

namespace tarvolo {
namespace {

constexpr char kNoCzechAccount[] = "z čísla účtu v nastavení nelze IBAN sestavit";

// The Czech account of an IBAN in capitals without blanks, with its bank.
bool CzechAccountOfIban(std::string_view iban, AccountNumber* account) {
  return iban.size() == 24 && iban.substr(0, 2) == "CZ" && ReadAccountNumber(iban, true, account);
}

void AddBank(int32_t bank, std::vector<int32_t>* banks) {
  if (std::find(banks->begin(), banks->end(), bank) == banks->end()) banks->push_back(bank);
}

// Adds the banks `file` gives `account` to `banks`: those it states with the
// account, else its layout's. False where the file states only other own
// accounts.
bool AddBanksOfFile(const AccountNumber& account, const FileBank& file,
                    std::vector<int32_t>* banks) {
  std::vector<AccountNumber> stated;
  for (const std::string& text : file.ownAccounts) {
    AccountNumber read;
    if (ReadAccountNumber(text, true, &read)) stated.push_back(read);
  }
  for (const std::string& iban : file.ownIbans) {
    AccountNumber read;
    if (IsSoundIban(iban) && CzechAccountOfIban(iban, &read)) stated.push_back(read);
  }
  bool own = stated.empty(), bankStated = false;
  for (const AccountNumber& read : stated) {
    if (!SameAccount(read, account)) continue;
    own = true;
    if (BankCodeOf(read) != 0) {
      AddBank(BankCodeOf(read), banks);
      bankStated = true;
    }
  }
  if (own && !bankStated && file.layoutBank != 0) AddBank(file.layoutBank, banks);
  return own;
}

}  // namespace

StatementIban StatementIbanOf(const GivenAccount& given, const std::vector<FileBank>& files) {
  StatementIban result;
  AccountNumber account;
  const bool czech = ReadAccountNumber(given.number, false, &account) && account.number != 0;
  if (!given.iban.empty()) {
    AccountNumber ofIban;
    if (CzechAccountOfIban(given.iban, &ofIban)) {
      if (czech && (!SameAccount(ofIban, account) ||
                    (!account.bank.empty() && account.bank != ofIban.bank))) {
        Render(result.refusal,
               "Výpis nebyl zapsán, protože IBAN %s patří k účtu %s, ne k účtu %s z nastavení\n",
               {std::string(given.iban), ShownAccount(ofIban), ShownAccount(account)});
        return result;
      }
      result.bankCode = BankCodeOf(ofIban);
    }
    result.iban = given.iban;
    return result;
  }
  if (!czech) {
    result.unknownWhy = kNoCzechAccount;
    return result;
  }
  int32_t bank = given.bankCode != 0 ? given.bankCode : BankCodeOf(account);
  if (bank == 0) {
    std::vector<int32_t> banks;
    bool ownFile = false;
    for (const FileBank& file : files) ownFile = AddBanksOfFile(account, file, &banks) || ownFile;
    if (banks.size() > 1) {
      result.unknownWhy = "soubory jsou z různých bank";
      return result;
    }
    if (banks.empty() || banks.front() == kBankAbroad) {
      result.unknownWhy = ownFile || files.empty()
                              ? "kód banky není znám"
                              : "soubory uvádějí jiný účet, než je v nastavení";
      return result;
    }
    bank = banks.front();
  }
  account.bank.clear();
  result.iban = CzechIban(bank, account);
  result.bankCode = result.iban.empty() ? 0 : bank;
  if (result.iban.empty()) result.unknownWhy = kNoCzechAccount;
  return result;
}

}  // namespace tarvolo
