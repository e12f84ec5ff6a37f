#include "conversion/camt/czech_iban.h"

#include <charconv>

#include "conversion/values/iban.h"

namespace tarvolo {
namespace {

struct BankBic {
  int32_t bankCode;
  const char* bic;
};
// Only codes whose BIC is certain: a wrong BIC misleads an importer more
// than a missing one.
constexpr BankBic kBankBics[] = {
    {100, "KOMBCZPP"},  {300, "CEKOCZPP"},  {600, "AGBACZPP"},  {710, "CNBACZPP"},
    {800, "GIBACZPX"},  {2010, "FIOBCZPP"}, {2020, "BOTKCZPP"}, {2060, "CITFCZPP"},
    {2070, "MPUBCZPP"}, {2220, "ARTTCZPP"}, {2240, "POBNCZPP"}, {2250, "CTASCZ22"},
    {2600, "CITICZPX"}, {2700, "BACXCZPP"}, {3030, "AIRACZPP"}, {3060, "BPKOCZPP"},
    {4000, "EXPNCZPP"}, {5500, "RZBCCZPP"}, {5800, "JTBPCZPP"}, {6100, "EQBKCZPP"},
    {6210, "BREXCZPP"}, {6300, "GEBACZPP"}, {6700, "SUBACZPP"}, {6800, "VBOECZ2X"},
    {7910, "DEUTCZPX"}, {7960, "CMSSCZPP"}, {7970, "MPSSCZPP"}, {8030, "GENOCZ21"},
    {8040, "OBKLCZ2X"}, {8150, "MIDLCZPP"},
};

void AppendDigits(std::string* out, int64_t value, int width) {
  std::string digits(static_cast<size_t>(width), '0');
  for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10) {
    digits[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
  }
  out->append(digits);
}

}  // namespace

bool ReadCzechAccount(std::string_view text, AccountNumber* account) {
  AccountNumber read;
  if (!ReadAccountNumber(text, false, &read) || !read.bank.empty() || read.number == 0) {
    return false;
  }
  *account = read;
  return true;
}

std::string CzechIban(int32_t bankCode, const AccountNumber& account) {
  if (bankCode < 1 || bankCode > 9999 || account.prefix < 0 || account.prefix > 999999 ||
      account.number < 1 || account.number > 9999999999) {
    return std::string();
  }
  std::string bban;
  AppendDigits(&bban, bankCode, 4);
  AppendDigits(&bban, account.prefix, 6);
  AppendDigits(&bban, account.number, 10);
  // The check digits that make the whole leave 1: 98 less what the IBAN
  // with 00 in their place leaves.
  const int check = 98 - IbanRemainder("CZ00" + bban);
  std::string iban = "CZ";
  iban.push_back(static_cast<char>('0' + check / 10));
  iban.push_back(static_cast<char>('0' + check % 10));
  return iban + bban;
}

std::string BankCodeText(int32_t bankCode) {
  std::string text;
  AppendDigits(&text, bankCode, 4);
  return text;
}

const char* CzechBankBic(int32_t bankCode) {
  for (const BankBic& entry : kBankBics) {
    if (entry.bankCode == bankCode) return entry.bic;
  }
  return nullptr;
}

}  // namespace tarvolo
