#include "conversion/export/currency_accounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// A currency's account is read as --account and an IBAN are, its code in
// either case; anything else is refused with the value named.
TEST(CurrencyAccountsTest, ValuesAreReadWholeOrRefused) {
  const struct {
    const char* text;
    CurrencyAccount read;  // currency "" where refused
    const char* error = "";
  } cases[] = {
      {"EUR=19-2000145399/0800",
       {.currency = "EUR",
        .account = "19-2000145399",
        .given = "19-2000145399/0800",
        .bankCode = 800}},
      {"usd=2000145399", {.currency = "USD", .account = "2000145399", .given = "2000145399"}},
      {"EUR=CZ65 0800 0000 1920 0014 5399",
       {.currency = "EUR",
        .account = "19-2000145399",
        .given = "CZ6508000000192000145399",
        .bankCode = 800,
        .iban = "CZ6508000000192000145399"}},
      {"EUR 2000145399", {}, "\"EUR 2000145399\" není MĚNA=ÚČET"},
      {"EURO=2000145399", {}, "\"EURO=2000145399\" není MĚNA=ÚČET"},
      {"E1R=2000145399", {}, "\"E1R=2000145399\" není MĚNA=ÚČET"},
      {"EUR=20001x5399", {}, "EUR: nečitelné číslo účtu \"20001x5399\""},
      {"EUR=", {}, "EUR: nečitelné číslo účtu \"\""},
      {"EUR=0/0800", {}, "EUR: nečitelné číslo účtu \"0/0800\""},
      {"EUR=CZ66 0800 0000 1920 0014 5399", {}, "EUR: neplatný IBAN"},
      {"EUR=DE89 3704 0044 0532 0130 00",
       {},
       "EUR: IBAN \"DE89 3704 0044 0532 0130 00\" je účtu v zahraničí"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CurrencyAccount read;
    std::string error;
    const bool taken = ReadCurrencyAccount(c.text, &read, &error);
    EXPECT_EQ(taken, !c.read.currency.empty()) << error;
    if (taken) {
      EXPECT_EQ(read, c.read);
      EXPECT_EQ(read.given, c.read.given);
    } else {
      EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
  }
}

// A currency given twice with another account is refused where both were
// given at once, and replaced where a later one holds; the kept file keeps
// what it can read and names the rest.
TEST(CurrencyAccountsTest, EachCurrencyHasOneAccountAndIsKeptAsGiven) {
  const auto read = [](const char* text) {
    CurrencyAccount account;
    std::string error;
    EXPECT_TRUE(ReadCurrencyAccount(text, &account, &error)) << text;
    return account;
  };
  std::vector<CurrencyAccount> accounts;
  std::string error;
  EXPECT_TRUE(AddCurrencyAccount(read("EUR=2000145399/0800"), false, &accounts, &error));
  EXPECT_TRUE(AddCurrencyAccount(read("eur=2000145399/0800"), false, &accounts, &error));
  EXPECT_FALSE(AddCurrencyAccount(read("EUR=51-2000145399"), false, &accounts, &error));
  EXPECT_EQ(error, "měna EUR má zadány dva účty, 2000145399/0800 a 51-2000145399");
  EXPECT_TRUE(AddCurrencyAccount(read("USD=CZ6508000000192000145399"), false, &accounts, &error));
  EXPECT_TRUE(AddCurrencyAccount(read("EUR=51-2000145399"), true, &accounts, &error));
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(AccountOfCurrency(accounts, "EUR")->account, "51-2000145399");
  EXPECT_EQ(AccountOfCurrency(accounts, "CZK"), nullptr);

  const std::string kept = KeptCurrencyAccounts(accounts);
  EXPECT_EQ(kept, "EUR=51-2000145399\r\nUSD=CZ6508000000192000145399\r\n");
  std::vector<std::string> unread;
  EXPECT_EQ(ReadKeptCurrencyAccounts(kept, &unread), accounts);
  EXPECT_TRUE(unread.empty());
  const std::vector<CurrencyAccount> edited =
      ReadKeptCurrencyAccounts("GBP=12x\nEUR=2000145399\n\nEUR=51-2000145399\nzbytek", &unread);
  EXPECT_EQ(edited, std::vector<CurrencyAccount>{read("EUR=51-2000145399")});
  EXPECT_EQ(unread, (std::vector<std::string>{"GBP=12x", "zbytek"}));
}

}  // namespace
}  // namespace tarvolo
