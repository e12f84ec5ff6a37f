#include "cli/cli_option_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace tarvolo {
namespace {

// The usage as users and scripts have read it: the table must keep it.
TEST(CliOptionTableTest, UsageIsMadeFromTheTable) {
  EXPECT_EQ(CliUsage(),
            "Použití: tarvolo-cli [volby] SOUBOR.csv...\n"
            "        tarvolo-cli --check SOUBOR.gpc...\n"
            "Převede výpisy v CSV (Servis24 a výpisy dalších bank a platebních služeb,\n"
            "rozpoznané podle hlavičky a ověřené podle dat) do souboru ABO (GPC), jednoho\n"
            "za každý vlastní účet a měnu,\n"
            "nebo zkontroluje soubory ABO (délky řádků, pole, data, zůstatky a obraty).\n"
            "  --config CESTA       soubor nastavení (jinak tarvolo.cfg vedle programu)\n"
            "  --account TEXT       číslo účtu: předčíslí-číslo, i s mezerami; kód banky\n"
            "                       za lomítkem se vynechá\n"
            "  --name TEXT          název účtu (prvních 19 znaků)\n"
            "  --balance TEXT       počáteční zůstatek v Kč (prvních 15 znaků)\n"
            "  --balance-from-file  počáteční zůstatek, který uvádí nejstarší soubor (podle\n"
            "                       dat, ne podle pořadí), místo zůstatku z nastavení\n"
            "                       (bez něj se nic nezapíše)\n"
            "  --number TEXT        číslo výpisu (prvních 5 znaků)\n"
            "  --from RRRR-MM-DD    den zvolený v kalendáři Datum zůstatku\n"
            "  --today RRRR-MM-DD   datum výpisu (jinak dnešní den)\n"
            "  --output CESTA       zapsaný soubor (jinak export.gpc v aktuální složce);\n"
            "                       výpis v jiné měně nebo jiného vlastního účtu vedle něj\n"
            "                       (export-EUR.gpc, export-51-1234567890.gpc)\n"
            "  --camt CESTA         zapsat týž výpis také ve formátu camt.053 (XML)\n"
            "  --report CESTA       zapsat také přehled běhu ke čtení a tisku (HTML): výpisy,\n"
            "                       položky, párování plateb, upozornění a vynechané řádky\n"
            "  --bank-code NNNN     kód banky účtu (pro IBAN ve výpisu camt.053; jinak jej\n"
            "                       určí formát výpisu české banky)\n"
            "  --iban IBAN          IBAN účtu pro výpis camt.053, např. účtu v zahraničí\n"
            "                       (Revolut, Wise), i s mezerami\n"
            "  --account-for MĚNA=ÚČET  účet, pod nímž se zapíše výpis v měně MĚNA (EUR=číslo/kód\n"
            "                       banky nebo IBAN); lze opakovat\n"
            "  --vs-from-message    prázdný variabilní symbol příchozí platby doplnit číslem\n"
            "                       ze zprávy (VS 123, Faktura 123), je-li tam jediné\n"
            "  --columns PŘEVOD     sloupce souboru, který program nezná: role=sloupec;...\n"
            "                       (datum, částka, příjem, výdaj, měna, zůstatek, protiúčet,\n"
            "                       banka, název, vs, ks, ss, zpráva, id, stav, typ, iban,\n"
            "                       valuta, poplatek; i anglicky); s --save se uloží pro\n"
            "                       soubory se stejnou hlavičkou\n"
            "  --save               uložit nastavení s použitými volbami\n"
            "  --check              zkontrolovat zadané soubory ABO místo převodu\n"
            "  --help, --version\n"
            "Návratový kód: 0 soubor zapsán (nebo je v pořádku), 1 nic nezapsáno\n"
            "(nebo soubor obsahuje chyby, nebo některý soubor nelze přečíst či jeho formát\n"
            "nebyl rozpoznán), 2 chybné volby, 3 soubor zapsán, ale protokol obsahuje\n"
            "upozornění (vynechané nebo nepřečtené řádky, výpis bez počátečního zůstatku,\n"
            "zůstatky, které nesouhlasí nebo nenavazují, soubor nebo položka dvakrát,\n"
            "výpis jiného účtu) nebo kontrola souboru našla chyby.\n");
  const std::string options = UsageOfOptions(CliOptionTable());
  for (const CliOption& option : CliOptionTable()) {
    EXPECT_NE(options.find(option.name), std::string::npos) << option.name;
  }
  const struct {
    std::vector<CliOption> options;
    const char* usage;
  } cases[] = {
      {{{.name = "--a", .valueName = "X", .usage = "one"}}, "  --a X                one\n"},
      {{{.name = "--a-very-long-option", .usage = "one\ntwo"}},
       "  --a-very-long-option  one\n                       two\n"},
      {{{.name = "--a"}, {.name = "--b", .sameLine = true}}, "  --a, --b\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(UsageOfOptions(c.options), c.usage);
}

TEST(CliOptionTableTest, EachOptionIsNamedOnceAndGoesSomewhere) {
  std::set<std::string> names;
  const std::vector<CliOption>& table = CliOptionTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const CliOption& option = table[i];
    ASSERT_NE(option.name, nullptr) << i;
    EXPECT_TRUE(names.insert(option.name).second) << option.name;
    EXPECT_EQ(std::string(option.name).rfind("--", 0), 0u) << option.name;
    // A value is named in the usage exactly where the option takes one.
    EXPECT_EQ(option.valueName != nullptr, option.value != OptionValue::kNone) << option.name;
    EXPECT_NE(option.value, OptionValue::kEveryFormat) << option.name;
    const bool goesSomewhere = option.given != nullptr || option.text != nullptr ||
                               option.day != nullptr || option.number != nullptr ||
                               option.value == OptionValue::kOutputPath ||
                               option.value == OptionValue::kCurrencyAccount;
    EXPECT_TRUE(goesSomewhere) << option.name;
    // Only an option without lines of its own can share its line.
    if (option.sameLine) {
      ASSERT_GT(i, 0u);
      EXPECT_STREQ(table[i - 1].usage, "") << option.name;
    }
  }
}

// Every option of the table is read as "--name value" and "--name=value";
// a value is refused to a flag and required of the others.
TEST(CliOptionTableTest, EveryOptionIsReadInBothForms) {
  const struct {
    OptionValue value;
    const char* sample;
  } samples[] = {
      {OptionValue::kPath, "x.cfg"},
      {OptionValue::kText, "Novák"},
      {OptionValue::kDay, "2014-09-01"},
      {OptionValue::kBankCode, "800"},
      {OptionValue::kIban, "CZ65 0800 0000 1920 0014 5399"},
      {OptionValue::kOutputPath, "x.out"},
      {OptionValue::kCurrencyAccount, "eur=19-2000145399/0800"},
  };
  for (const CliOption& option : CliOptionTable()) {
    SCOPED_TRACE(option.name);
    const std::string name = option.name;
    std::string sample;
    for (const auto& s : samples) {
      if (s.value == option.value) sample = s.sample;
    }
    std::vector<std::vector<std::string>> forms = {{name}};
    if (option.value != OptionValue::kNone) {
      ASSERT_FALSE(sample.empty());
      forms = {{name, sample}, {name + "=" + sample}};
    }
    for (std::vector<std::string> arguments : forms) {
      arguments.insert(arguments.begin(), "tarvolo-cli");
      arguments.push_back("a.csv");
      CliOptions options;
      std::string error;
      EXPECT_TRUE(ParseCliOptions(arguments, arguments, &options, &error)) << error;
      if (option.given != nullptr) {
        EXPECT_TRUE(options.*option.given);
      }
      if (option.value == OptionValue::kPath || option.value == OptionValue::kText) {
        EXPECT_EQ(options.*option.text, sample);
      }
      if (option.value == OptionValue::kOutputPath) {
        EXPECT_EQ(options.outputPaths.at(option.format), sample);
      }
      if (option.value == OptionValue::kCurrencyAccount) {
        ASSERT_EQ(options.currencyAccounts.size(), 1u);
        EXPECT_EQ(options.currencyAccounts[0].currency, "EUR");
        EXPECT_EQ(options.currencyAccounts[0].given, "19-2000145399/0800");
      }
    }
    const std::vector<std::string> wrong = {
        "tarvolo-cli", option.value == OptionValue::kNone ? name + "=x" : name};
    CliOptions options;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(wrong, wrong, &options, &error));
    EXPECT_EQ(error,
              "volba " + name +
                  (option.value == OptionValue::kNone ? " nemá hodnotu" : " potřebuje hodnotu"));
  }
}

}  // namespace
}  // namespace tarvolo
