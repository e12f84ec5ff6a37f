#include "conversion/camt/czech_iban.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

TEST(CzechIbanTest, AccountsGiveTheirIbanAndBankCode) {
  const struct {
    const char* account;
    int32_t bankCode;
    const char* iban;  // "" when there is none
    const char* national;
  } cases[] = {
      {"19-2000145399", 800, "CZ6508000000192000145399", "19-2000145399"},
      {"0000192000145399", 800, "CZ6508000000192000145399", "19-2000145399"},
      {"1265098001", 5500, "CZ5855000000001265098001", "1265098001"},
      {"123456789", 100, "CZ1801000000000123456789", "123456789"},
      {"2345678901", 0, "", "2345678901"},
      {"2345678901", 10000, "", "2345678901"},
  };
  for (const auto& c : cases) {
    AccountNumber account;
    ASSERT_TRUE(ReadCzechAccount(c.account, &account)) << c.account;
    EXPECT_EQ(c.iban, CzechIban(c.bankCode, account)) << c.account;
    EXPECT_EQ(c.national, ShownAccount(account)) << c.account;
  }
}

TEST(CzechIbanTest, TextsThatAreNoCzechAccountAreRefused) {
  for (const char* text : {"", "0", "1234567-12", "12345678901234567", "19-", "-2000145399",
                           "AB2000145399", "19-2000145399/0800"}) {
    AccountNumber account;
    EXPECT_FALSE(ReadCzechAccount(text, &account)) << text;
  }
}

TEST(CzechIbanTest, BanksOfTheReadLayoutsHaveTheirBic) {
  EXPECT_STREQ("GIBACZPX", CzechBankBic(800));
  EXPECT_STREQ("RZBCCZPP", CzechBankBic(5500));
  EXPECT_STREQ("BACXCZPP", CzechBankBic(2700));
  EXPECT_EQ(nullptr, CzechBankBic(1234));
  EXPECT_EQ("0800", BankCodeText(800));
}

// The common banks' codes name their BICs; a code of no known bank has
// none rather than a guessed one.
TEST(CzechIbanTest, CommonBanksHaveTheirBic) {
  const struct {
    int32_t bankCode;
    const char* bic;  // null for none
  } banks[] = {
      {100, "KOMBCZPP"},  {300, "CEKOCZPP"},  {600, "AGBACZPP"},  {710, "CNBACZPP"},
      {2010, "FIOBCZPP"}, {2250, "CTASCZ22"}, {3030, "AIRACZPP"}, {6210, "BREXCZPP"},
      {6800, "VBOECZ2X"}, {5800, "JTBPCZPP"}, {0, nullptr},       {1, nullptr},
      {9999, nullptr},    {-800, nullptr},
  };
  for (const auto& bank : banks) {
    SCOPED_TRACE(bank.bankCode);
    const char* bic = CzechBankBic(bank.bankCode);
    if (bank.bic == nullptr) {
      EXPECT_EQ(bic, nullptr);
    } else {
      EXPECT_STREQ(bic, bank.bic);
    }
  }
}

}  // namespace
}  // namespace tarvolo
