#include "cli/option_values.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cli/cli_profile.h"
#include "settings/account_settings.h"

namespace tarvolo {
namespace {

// Values that are read whole go on as typed: blanks around a number, zeros
// beyond the hellers, the same bank code written twice alike.
TEST(OptionValuesTest, WholeValuesPass) {
  const struct {
    const char *balance, *number, *account;
    int32_t bankCode;
  } cases[] = {
      {"1 234,50", " 7 ", "2000145399/0800", 800},
      {"1000,500", "007", "2000145399", 100},
      {"-1.234,56 Kč", "999", "19-2000145399/0800", 0},
      {"0,50", "0", "", 0},
      {"", "12", "2000145399/0800", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.balance);
    CliOptions options;
    options.hasBalance = true;
    options.balance = c.balance;
    options.hasNumber = true;
    options.number = c.number;
    options.hasAccount = *c.account != '\0';
    options.account = c.account;
    options.hasBankCode = c.bankCode != 0;
    options.bankCode = c.bankCode;
    std::string error;
    EXPECT_TRUE(CheckOptionValues(options, &error)) << error;
    EXPECT_EQ(BankCodeConflict(options, "2000145399/0100"), "");
  }
}

// A balance longer than the dialog keeps is kept as its plain number, never
// cut to another value.
TEST(OptionValuesTest, LongBalanceIsKeptWhole) {
  const struct {
    const char *typed, *kept;
  } cases[] = {
      {"1 234 567 890,12", "1234567890.12"},
      {"-12 345 678 901,50", "-12345678901.50"},
      {"1 234 567,50", "1 234 567,50"},
  };
  for (const auto& c : cases) {
    CliOptions options;
    options.hasBalance = true;
    options.balance = c.typed;
    CliConsole console;
    console.out = [](const std::string&) {};
    console.error = console.out;
    AccountSettings profile = AccountSettings();
    ASSERT_TRUE(ApplyOptions(options, console, &profile));
    EXPECT_STREQ(profile.openingBalance, c.kept) << c.typed;
  }
}

}  // namespace
}  // namespace tarvolo
