#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/export/output_formats.h"

namespace tarvolo {
namespace {

bool Parse(const std::vector<std::string>& arguments, CliOptions* options, std::string* error) {
  std::vector<std::string> all = {"tarvolo-cli"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return ParseCliOptions(all, all, options, error);
}

// The path of the output format of `option` ("--output").
std::string PathOf(const CliOptions& options, const std::string& option) {
  const std::vector<OutputFormat>& formats = OutputFormats();
  for (size_t i = 0; i < formats.size(); ++i) {
    if (option == formats[i].option) return options.outputPaths.at(i);
  }
  ADD_FAILURE() << "no format has the option " << option;
  return std::string();
}

TEST(CliOptionsTest, AcceptsOptionsInBothForms) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--account", "19-2000145399", "--name=Novák", "--balance", "1 234,56",
                     "--number", "12a", "--from", "2014-09-01", "--today=2016-02-29", "--output",
                     "out.gpc", "--config", "my.cfg", "--save", "a.csv", "--", "--b.csv"},
                    &options, &error))
      << error;
  EXPECT_EQ(options.account, "19-2000145399");
  EXPECT_EQ(options.name, "Novák");
  EXPECT_EQ(options.balance, "1 234,56");
  EXPECT_EQ(options.number, "12a");
  EXPECT_TRUE(options.hasFrom);
  EXPECT_EQ(options.from.year * 10000 + options.from.month * 100 + options.from.day, 20140901);
  EXPECT_EQ(options.today.year * 10000 + options.today.month * 100 + options.today.day, 20160229);
  EXPECT_EQ(PathOf(options, "--output"), "out.gpc");
  EXPECT_EQ(options.configPath, "my.cfg");
  EXPECT_TRUE(options.save);
  EXPECT_EQ(options.files, (std::vector<std::string>{"a.csv", "--b.csv"}));
  CliOptions fromFile;
  ASSERT_TRUE(Parse({"--balance-from-file", "a.csv"}, &fromFile, &error)) << error;
  EXPECT_TRUE(fromFile.balanceFromFile);
  EXPECT_FALSE(options.balanceFromFile);
  EXPECT_TRUE(PathOf(options, "--camt").empty());
  EXPECT_FALSE(options.hasBankCode);
  CliOptions camt;
  ASSERT_TRUE(Parse({"--camt", "out.xml", "--bank-code=800", "a.csv"}, &camt, &error)) << error;
  EXPECT_EQ(PathOf(camt, "--camt"), "out.xml");
  EXPECT_TRUE(camt.hasBankCode);
  EXPECT_EQ(camt.bankCode, 800);
  EXPECT_EQ(camt.iban, "");
  // An IBAN as people copy it, in groups and either case.
  CliOptions abroad;
  ASSERT_TRUE(Parse({"--iban", "lt12 1000 0111 0100 1000", "a.csv"}, &abroad, &error)) << error;
  EXPECT_EQ(abroad.iban, "LT121000011101001000");
  EXPECT_FALSE(abroad.vsFromMessage);
  CliOptions symbols;
  ASSERT_TRUE(Parse({"--vs-from-message", "a.csv"}, &symbols, &error)) << error;
  EXPECT_TRUE(symbols.vsFromMessage);
}

TEST(CliOptionsTest, RejectsBadCommandLinesNamingTheOption) {
  struct Case {
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {{}, "chybí soubor s výpisem (.csv)"},
      {{"--bogus", "a.csv"}, "neznámá volba --bogus"},
      {{"a.csv", "--account"}, "volba --account potřebuje hodnotu"},
      {{"--from", "2014-02-30", "a.csv"},
       "volba --from: neplatné datum \"2014-02-30\" (očekávám RRRR-MM-DD)"},
      {{"--today", "24.9.2014", "a.csv"},
       "volba --today: neplatné datum \"24.9.2014\" (očekávám RRRR-MM-DD)"},
      {{"--save=yes", "a.csv"}, "volba --save nemá hodnotu"},
      {{"--output=", "a.csv"}, "volba --output potřebuje neprázdnou cestu"},
      {{"--balance-from-file", "--balance", "5", "a.csv"},
       "volby --balance a --balance-from-file se vylučují"},
      {{"--camt", "", "a.csv"}, "volba --camt potřebuje neprázdnou cestu"},
      {{"--check", "--camt", "x.xml", "a.gpc"}, "volby --camt a --check se vylučují"},
      {{"--check"}, "chybí soubor ABO ke kontrole"},
      {{"--from", "2024-10-02", "--today", "2024-10-01", "a.csv"},
       "den zůstatku (volba --from) je až po datu výpisu (volba --today)"},
      {{"--bank-code", "0", "a.csv"},
       "volba --bank-code: neplatný kód banky \"0\" (očekávám 1 až 4 číslice)"},
      {{"--bank-code=08000", "a.csv"},
       "volba --bank-code: neplatný kód banky \"08000\" (očekávám 1 až 4 číslice)"},
      {{"--bank-code", "KB", "a.csv"},
       "volba --bank-code: neplatný kód banky \"KB\" (očekávám 1 až 4 číslice)"},
      {{"--iban", "LT12 1000 0111 0100 1001", "a.csv"},
       "volba --iban: IBAN \"LT12 1000 0111 0100 1001\" má chybné kontrolní číslice"},
      {{"--iban", "CZ93-2010", "a.csv"},
       "volba --iban: neplatný IBAN \"CZ93-2010\" (očekávám kód země, 2 kontrolní číslice a "
       "nejvýš 30 písmen a číslic)"},
      {{"--bank-code", "2010", "--iban", "CZ9320100000002000145399", "a.csv"},
       "volby --bank-code a --iban se vylučují"},
      {{"--check", "--vs-from-message", "a.gpc"}, "volby --vs-from-message a --check se vylučují"},
      {{"--vs-from-message=1", "a.csv"}, "volba --vs-from-message nemá hodnotu"},
      {{"--check", "--columns", "datum=D;částka=C", "a.gpc"},
       "volby --columns a --check se vylučují"},
      {{"--columns"}, "volba --columns potřebuje hodnotu"},
  };
  for (const Case& c : cases) {
    CliOptions options;
    std::string error;
    EXPECT_FALSE(Parse(c.arguments, &options, &error)) << c.error;
    EXPECT_EQ(error, c.error);
  }
  CliOptions options;
  std::string error;
  EXPECT_TRUE(Parse({"--help"}, &options, &error));
  EXPECT_TRUE(options.help);
}

// An empty file name would end the list of files that the run is given, so
// it is refused, naming its place on the command line.
TEST(CliOptionsTest, EmptyFileArgumentIsRefusedByItsPosition) {
  struct Case {
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {{"a.csv", "", "b.csv"}, "argument č. 2 je prázdný, očekávám název souboru"},
      {{""}, "argument č. 1 je prázdný, očekávám název souboru"},
      {{"--number", "5", "a.csv", ""}, "argument č. 4 je prázdný, očekávám název souboru"},
      {{"--", ""}, "argument č. 2 je prázdný, očekávám název souboru"},
      {{"--check", "a.gpc", ""}, "argument č. 3 je prázdný, očekávám název souboru"},
  };
  for (const Case& c : cases) {
    CliOptions options;
    std::string error;
    EXPECT_FALSE(Parse(c.arguments, &options, &error)) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

TEST(CliOptionsTest, CalendarDays) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {
      {"2016-02-29", true},  {"2015-02-29", false}, {"2000-02-29", true},  {"1900-02-29", false},
      {"2014-12-31", true},  {"2014-13-01", false}, {"2014-00-10", false}, {"2014-1-01", false},
      {"2014-01-1x", false}, {"", false},
  };
  for (const Case& c : cases) {
    CivilDate day;
    EXPECT_EQ(ParseCalendarDay(c.text, &day), c.valid) << c.text;
  }
}

}  // namespace
}  // namespace tarvolo
