#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "conversion/camt/czech_iban.h"
#include "settings/account_settings.h"
#include "tarvolo_version.h"
#include "temp_folder.h"
#include "test_support.h"

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

// A run's arguments and how it answers them.
struct Answer {
  std::vector<std::string> arguments;
  int status;
  std::string error;     // how the error stream starts, "" for nothing on it
  std::string out = {};  // a line the output must hold
};

void ExpectAnswers(const std::vector<Answer>& answers) {
  for (const Answer& c : answers) {
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

// A value the run could only take by rounding, by an exponent, by reading
// part of it or by choosing one of two bank codes refuses the run before
// anything is read or written, naming the value.
TEST(OptionValuesTest, ValuesAreTakenWholeOrTheRunIsRefused) {
  const std::string missing = ::testing::TempDir() + "no-such-profile.cfg";
  const std::string kept = ProfileFile("ov-rounded.cfg", "2000145399/0800", "1000,005");
  const std::vector<Answer> cases = {
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
  ExpectAnswers(cases);
}

// A currency's account is given whole, once: anything else refuses the run
// before a file is read, naming the value.
TEST(CurrencyAccountOptionTest, AccountsAreGivenWholeAndOnce) {
  const std::vector<Answer> cases = {
      {{"--account-for", "EURO=2000145399", "a.csv"},
       2,
       "tarvolo-cli: volba --account-for: \"EURO=2000145399\" není MĚNA=ÚČET s třípísmenným "
       "kódem měny (EUR=123-2000145399/0800)\n"},
      {{"--account-for=EUR", "a.csv"}, 2, "tarvolo-cli: volba --account-for: \"EUR\" není"},
      {{"--account-for", "EUR=2000l45399", "a.csv"},
       2,
       "tarvolo-cli: volba --account-for: EUR: nečitelné číslo účtu \"2000l45399\"\n"},
      {{"--account-for", "EUR=CZ65 0800 0000 1920 0014 5390", "a.csv"},
       2,
       "tarvolo-cli: volba --account-for: EUR: neplatný IBAN"},
      {{"--account-for", "EUR=2000145399", "--account-for", "eur=51-2000145399", "a.csv"},
       2,
       "tarvolo-cli: volba --account-for: měna EUR má zadány dva účty, 2000145399 a "
       "51-2000145399\n"},
      {{"--config", ::testing::TempDir() + "no-such.cfg", "--account-for", "EUR=2000145399",
        "--account-for", "EUR=2000145399/", "no-such.csv"},
       2,
       "tarvolo-cli: volba --account-for: EUR: nečitelné číslo účtu"},
      // The same account twice is one: the run goes on to its file.
      {{"--config", ::testing::TempDir() + "no-such.cfg", "--account-for", "EUR=2000145399",
        "--account-for", "EUR=2000145399", "no-such.csv"},
       1,
       "",
       "no-such.csv"},
  };
  ExpectAnswers(cases);
}

// A Wise export in `folder` of crowns and euros, with running balances.
std::string TwoCurrencies(const TempFolder& folder) {
  return folder.Write("wise.csv",
                      "\"TransferWise ID\",Date,Amount,Currency,Description,\"Running Balance\","
                      "\"Transaction Type\"\n"
                      "T-1,02-09-2014,100.00,CZK,a,1100.50,CREDIT\n"
                      "T-2,03-09-2014,-5.00,EUR,b,15.00,DEBIT\n"
                      "T-3,04-09-2014,-50.00,CZK,d,1050.50,DEBIT\n");
}

// What each written file of a run binds its statement to.
struct Bound {
  std::string account;   // the GPC header's 16 digits
  std::string currency;  // the items' currency fields, each once, in order
  std::string camt;      // the camt document's account and currency
};

Bound BoundIn(const std::string& gpc, const std::string& camt) {
  Bound bound;
  const std::string lines = ReadTestFile(gpc);
  bound.account = lines.substr(3, 16);
  std::set<std::string> currencies;
  for (size_t at = 130; at + 130 <= lines.size(); at += 130) {
    currencies.insert(lines.substr(at + 117, 5));
  }
  for (const std::string& currency : currencies) {
    bound.currency += (bound.currency.empty() ? "" : " ") + currency;
  }
  const std::string xml = ReadTestFile(camt);
  const size_t iban = xml.find("<IBAN>"), currency = xml.find("<Ccy>");
  if (iban != std::string::npos && currency != std::string::npos) {
    bound.camt = xml.substr(iban + 6, 24) + " " + xml.substr(currency + 5, 3);
  }
  return bound;
}

// A run of two currencies writes each statement under its own account,
// which --save keeps for later runs; a statement in another currency
// under the profile's account is warned of, with how to give its own.
TEST(CurrencyAccountOptionTest, EachStatementIsBoundToItsAccountAndCurrency) {
  TempFolder folder;
  const std::string wise = TwoCurrencies(folder);
  const std::string koruna = CzechIban(800, {.number = 2000145399, .bank = ""});
  const std::string euro = CzechIban(800, {.prefix = 19, .number = 2000145399, .bank = ""});
  const struct {
    const char* what;
    const char* config;
    std::vector<std::string> options;
    int status;
    Bound korunaBound, euroBound;
    std::string logged;
  } cases[] = {
      {"given and saved",
       "kept.cfg",
       {"--account-for", "EUR=CZ65 0800 0000 1920 0014 5399", "--save"},
       0,
       {"0000002000145399", "01101 01102", koruna + " CZK"},
       {"0000192000145399", "00978", euro + " EUR"},
       "Výpis účtu 19-2000145399 v EUR, 1 položek: "},
      {"kept by the save before",
       "kept.cfg",
       {},
       0,
       {"0000002000145399", "01101 01102", koruna + " CZK"},
       {"0000192000145399", "00978", euro + " EUR"},
       "Výpis účtu 19-2000145399 v měně EUR\n"},
      {"none given",
       "fresh.cfg",
       {"--account", "2000145399/0800"},
       3,
       {"0000002000145399", "01101 01102", koruna + " CZK"},
       {"0000002000145399", "00978", koruna + " EUR"},
       "Výpis v EUR je zapsán pod účtem profilu 2000145399/0800, týmž jako výpis v jiné měně; "
       "účet výpisu v EUR zadejte volbou --account-for EUR=ÚČET (--save jej uloží)!!!\n"},
  };
  ProfileFile("kept.cfg", "2000145399/0800", "1000,50");
  ProfileFile("fresh.cfg", "2000145399/0800", "1000,50");
  std::remove((::testing::TempDir() + "kept.cfg.ucty").c_str());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string output = folder.File(std::string(c.what).substr(0, 4) + ".gpc");
    const std::string camt = folder.File(std::string(c.what).substr(0, 4) + ".xml");
    std::vector<std::string> arguments = {"--config", ::testing::TempDir() + c.config,
                                          "--today",  "2014-10-01",
                                          "--output", output,
                                          "--camt",   camt};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.push_back(wise);
    Shown shown;
    EXPECT_EQ(RunWith(arguments, &shown), c.status) << shown.out << shown.error;
    EXPECT_NE(shown.out.find(c.logged), std::string::npos) << shown.out;
    const std::string stem = output.substr(0, output.size() - 4);
    const Bound korunaBound = BoundIn(output, camt);
    const Bound euroBound = BoundIn(stem + "-EUR.gpc", stem + "-EUR.xml");
    EXPECT_EQ(korunaBound.account, c.korunaBound.account);
    EXPECT_EQ(korunaBound.currency, c.korunaBound.currency);
    EXPECT_EQ(korunaBound.camt, c.korunaBound.camt);
    EXPECT_EQ(euroBound.account, c.euroBound.account);
    EXPECT_EQ(euroBound.currency, c.euroBound.currency);
    EXPECT_EQ(euroBound.camt, c.euroBound.camt);
  }
  EXPECT_EQ(ReadTestFile(::testing::TempDir() + "kept.cfg.ucty"),
            "EUR=CZ6508000000192000145399\r\n");
}

// Every file a run will write is known before the first is written: two
// that are one, or one that is a settings file, refuse the run with
// nothing written and both named; a save that cannot succeed is found
// before, and one that fails after a sound write leaves the run warned.
TEST(PlannedPathsTest, EveryPathIsPlannedBeforeTheFirstWrite) {
  TempFolder folder;
  const std::string wise = TwoCurrencies(folder);
  const std::string config = ProfileFile("planned.cfg", "2000145399/0800", "1000,50");
  const std::string v = folder.File("v.gpc"), vEur = folder.File("v-EUR.gpc");
  TempFolder settings;
  std::filesystem::create_directory(settings.File("sub.ucty"));
  const std::string locked = settings.Write("locked.cfg", ReadTestFile(config));
  const auto write = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                     std::filesystem::perms::others_write;
  std::filesystem::permissions(locked, write, std::filesystem::perm_options::remove);
  const struct {
    const char* what;
    std::vector<std::string> options;
    int status;
    std::string error;    // how the error stream starts, "" for nothing on it
    std::string named;    // what it names besides
    std::string written;  // the folder's files after the run
  } cases[] = {
      {"the euro GPC is the crown camt",
       {"--output", v, "--camt", vEur},
       2,
       "tarvolo-cli: Soubory " + vEur + " (výpis účtu 2000145399/0800 v CZK) a " + vEur +
           " (výpis účtu 2000145399/0800 v EUR) jsou týž soubor",
       "",
       "wise.csv"},
      {"the euro GPC is the report",
       {"--output", v, "--report", folder.path() + "/./v-EUR.gpc"},
       2,
       "tarvolo-cli: Soubory ",
       " jsou týž soubor",
       "wise.csv"},
      {"the report is the settings file",
       {"--output", v, "--report", config},
       2,
       "tarvolo-cli: Zapisovaný soubor " + config + " je soubor nastavení " + config,
       "",
       "wise.csv"},
      {"the euro camt is the kept accounts",
       {"--output", v, "--camt", config + ".ucty"},
       2,
       "tarvolo-cli: Zapisovaný soubor " + config + ".ucty je soubor nastavení",
       "",
       "wise.csv"},
      {"the settings file is a folder",
       {"--output", v, "--save", "--config", folder.path()},
       2,
       "tarvolo-cli: soubor nastavení " + folder.path() + " není obyčejný soubor",
       "",
       "wise.csv"},
      {"the kept accounts' file is a folder",
       {"--output", v, "--save", "--config", settings.File("sub"), "--account-for",
        "EUR=2000145399"},
       2,
       "tarvolo-cli: soubor nastavení " + settings.File("sub.ucty") + " není obyčejný soubor",
       "",
       "wise.csv"},
      {"the settings file is read-only",
       {"--output", v, "--save", "--config", locked},
       2,
       "tarvolo-cli: soubor nastavení " + locked + " je jen pro čtení",
       "",
       "wise.csv"},
      {"the save fails after a sound write",
       {"--output", v, "--save", "--config", folder.File("missing/p.cfg"), "--account",
        "2000145399/0800", "--account-for", "EUR=2000145399"},
       3,
       "Nastavení se nepodařilo uložit!!!",
       "",
       "v-EUR.gpc v.gpc wise.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> arguments = {"--config", config, "--today", "2014-10-01"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.push_back(wise);
    Shown shown;
    EXPECT_EQ(RunWith(arguments, &shown), c.status) << shown.out;
    EXPECT_EQ(shown.error.rfind(c.error, 0), 0u) << shown.error;
    EXPECT_NE(shown.error.find(c.named), std::string::npos) << shown.error;
    EXPECT_EQ(FileNamesIn(folder.path()), c.written);
    std::remove(v.c_str());
    std::remove(vEur.c_str());
  }
  EXPECT_EQ(ReadTestFile(config).size(), sizeof(AccountSettings));
  std::filesystem::permissions(locked, write, std::filesystem::perm_options::add);
}

}  // namespace
}  // namespace tarvolo
