#include "cli/cli_profile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/account_settings.h"

namespace tarvolo {
namespace {

template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// Whether an option's value is given; puts it into *value when it is.
bool Give(const char* given, std::string* value) {
  if (given != nullptr) *value = given;
  return given != nullptr;
}

// The options go into the record the command line holds, cut as the
// dialogs cut them, and never into the program-wide profile.
TEST(CliProfileTest, OptionsGoIntoTheCommandLinesOwnRecord) {
  const struct {
    const char* what;
    const char *account, *name, *balance, *number;  // as given; null: not given
    bool applied;
    std::string keptAccount, keptName, keptBalance;
    int32_t keptNumber;
    std::string out;
  } cases[] = {
      {"nothing given", nullptr, nullptr, nullptr, nullptr, true, "123", "Stary", "1,00", 4, ""},
      {"texts cut to their fields", nullptr, "Novák a syn s.r.o., Praha", "1 234 567 890,123",
       "123456", true, "123", "Novák a syn s.r.o.,", "1 234 567 890,1", 12345, ""},
      {"an account with its bank code", "19 - 2000145399/0800", nullptr, nullptr, nullptr, true,
       "19-2000145399", "Stary", "1,00", 4,
       "Kód banky 0800 za číslem účtu v nastavení vynechán, soubor ABO jej nemá\n"},
      {"no account", "abcdefghijklmnopq", nullptr, nullptr, nullptr, false, "123", "Stary", "1,00",
       4,
       "Číslo účtu musí být ve tvaru předčíslí-číslo (nejvýš 6 a 10 číslic), případně s kódem "
       "banky za lomítkem!!!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g_accountSettings = AccountSettings();
    AccountSettings profile = AccountSettings();
    std::strcpy(profile.accountNumber, "123");
    std::strcpy(profile.accountName, "Stary");
    std::strcpy(profile.openingBalance, "1,00");
    profile.statementNumber = 4;
    std::string out;
    CliConsole console;
    console.out = [&out](const std::string& text) { out += text; };
    console.error = [&out](const std::string& text) { out += "error: " + text; };
    CliOptions options;
    options.hasAccount = Give(c.account, &options.account);
    options.hasName = Give(c.name, &options.name);
    options.hasBalance = Give(c.balance, &options.balance);
    options.hasNumber = Give(c.number, &options.number);
    EXPECT_EQ(ApplyOptions(options, console, &profile), c.applied);
    EXPECT_EQ(FieldText(profile.accountNumber), c.keptAccount);
    EXPECT_EQ(FieldText(profile.accountName), c.keptName);
    EXPECT_EQ(FieldText(profile.openingBalance), c.keptBalance);
    EXPECT_EQ(profile.statementNumber, c.keptNumber);
    EXPECT_EQ(out, c.out);
    EXPECT_EQ(FieldText(g_accountSettings.accountName), "");
  }
}

}  // namespace
}  // namespace tarvolo
