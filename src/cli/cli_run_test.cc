#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "settings/account_settings.h"
#include "tarvolo_version.h"

namespace tarvolo {
namespace {

// What a run put out and what it said was wrong.
struct Shown {
  std::string out, error;
};

int RunWith(const std::vector<std::string>& arguments, Shown* shown) {
  CliConsole console;
  console.out = [shown](const std::string& text) { shown->out += text; };
  console.error = [shown](const std::string& text) { shown->error += text; };
  std::vector<std::string> all = {"tarvolo-cli"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return RunCli(all, all, console);
}

// The answers that need no statement: each on its stream, with its status.
TEST(CliRunTest, UsageVersionAndRefusalsGoWhereScriptsLookForThem) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string out, error;
  } cases[] = {
      {{"--help"}, 0, CliUsage(), ""},
      {{"--version", "a.csv"}, 0, "tarvolo-cli " TARVOLO_VERSION "\n", ""},
      {{"--bogus", "a.csv"}, 2, "", "tarvolo-cli: neznámá volba --bogus\n" + CliUsage()},
      {{"--output", "x.gpc", "--camt", "x.gpc", "a.csv"},
       2,
       "",
       "tarvolo-cli: volby --output a --camt jmenují týž soubor\n" + CliUsage()},
      // The statement would replace a file it is read from.
      {{"--camt", "./a.csv", "a.csv"},
       2,
       "",
       "tarvolo-cli: volba --camt jmenuje převáděný soubor a.csv\n" + CliUsage()},
      {{"--output", "././b.csv", "a.csv", "b.csv"},
       2,
       "",
       "tarvolo-cli: volba --output jmenuje převáděný soubor b.csv\n" + CliUsage()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    Shown shown;
    EXPECT_EQ(RunWith(c.arguments, &shown), c.status);
    EXPECT_EQ(shown.out, c.out);
    EXPECT_EQ(shown.error, c.error);
  }
}

// A profile file holding `account` and `balance`, as a save leaves it.
std::string ProfileFile(const char* name, const char* account, const char* balance) {
  AccountSettings settings = AccountSettings();
  std::strcpy(settings.accountNumber, account);
  std::strcpy(settings.openingBalance, balance);
  settings.balanceDate = 1409529600;
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(&settings), sizeof settings);
  return path;
}

// A value the run could only take by rounding, by an exponent, by reading
// part of it or by choosing one of two bank codes refuses the run before
// anything is read or written, naming the value.
TEST(OptionValuesTest, ValuesAreTakenWholeOrTheRunIsRefused) {
  const std::string missing = ::testing::TempDir() + "no-such-profile.cfg";
  const std::string kept = ProfileFile("ov-rounded.cfg", "2000145399/0800", "1000,005");
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string error;     // how the error stream starts, "" for nothing on it
    std::string out = {};  // a line the output must hold
  } cases[] = {
      {{"--balance", "1000,005", "a.csv"},
       2,
       "tarvolo-cli: volba --balance: zůstatek \"1000,005\" nelze přečíst celý bez zaokrouhlení "
       "(víc než dvě desetinná místa), zadejte jej např. jako 1234,50\n"},
      {{"--balance=0,125", "a.csv"}, 2, "tarvolo-cli: volba --balance: zůstatek \"0,125\""},
      {{"--balance", "1.5e3", "a.csv"}, 2, "tarvolo-cli: volba --balance: zůstatek \"1.5e3\""},
      {{"--balance", "1e3", "a.csv"}, 2, "tarvolo-cli: volba --balance: zůstatek \"1e3\""},
      {{"--number", "12a", "a.csv"},
       2,
       "tarvolo-cli: volba --number: neplatné číslo výpisu \"12a\" (očekávám jen číslice)\n"},
      {{"--number", "1O", "a.csv"}, 2, "tarvolo-cli: volba --number: neplatné číslo výpisu \"1O\""},
      {{"--number", "7\r", "a.csv"},
       2,
       "tarvolo-cli: volba --number: neplatné číslo výpisu \"7 \""},
      {{"--number", "123456", "a.csv"}, 2, "tarvolo-cli: volba --number: neplatné číslo výpisu"},
      {{"--number", "", "a.csv"}, 2, "tarvolo-cli: volba --number: neplatné číslo výpisu \"\""},
      {{"--config", missing, "--account", "2000145399/0800", "--bank-code", "0100", "a.csv"},
       2,
       "tarvolo-cli: číslo účtu 2000145399/0800 má kód banky 0800, volba --bank-code 0100 jiný; "
       "zadejte jen jeden\n"},
      // The bank code a profile keeps after its account counts as given.
      {{"--config", kept, "--balance", "5", "--bank-code", "100", "a.csv"},
       2,
       "tarvolo-cli: číslo účtu 2000145399/0800 má kód banky 0800, volba --bank-code 0100 jiný"},
      // A balance kept in the profile file is read as strictly.
      {{"--config", kept, "a.csv"},
       1,
       "",
       "Počáteční zůstatek „1000,005“ v nastavení nelze přečíst celý bez zaokrouhlení (víc než "
       "dvě desetinná místa), zadejte jej volbou --balance např. jako 1234,50!!!\n"},
      {{"--config", kept, "--save", "a.csv"}, 1, "Nastavení nebylo uloženo", "v nastavení"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.at(1));
    Shown shown;
    EXPECT_EQ(RunWith(c.arguments, &shown), c.status);
    if (c.error.empty()) {
      EXPECT_EQ(shown.error, "");
    } else {
      EXPECT_EQ(shown.error.rfind(c.error, 0), 0u) << shown.error;
    }
    EXPECT_NE(shown.out.find(c.out), std::string::npos) << shown.out;
  }
}

}  // namespace
}  // namespace tarvolo
