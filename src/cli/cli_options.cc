#include "cli/cli_options.h"

#include <cstdint>

#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/iban.h"

namespace tarvolo {

const char kCliUsage[] =
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
    "  --bank-code NNNN     kód banky účtu (pro IBAN ve výpisu camt.053; jinak jej\n"
    "                       určí formát výpisu české banky)\n"
    "  --iban IBAN          IBAN účtu pro výpis camt.053, např. účtu v zahraničí\n"
    "                       (Revolut, Wise), i s mezerami\n"
    "  --save               uložit nastavení s použitými volbami\n"
    "  --check              zkontrolovat zadané soubory ABO místo převodu\n"
    "  --help, --version\n"
    "Návratový kód: 0 soubor zapsán (nebo je v pořádku), 1 nic nezapsáno\n"
    "(nebo soubor obsahuje chyby, nebo některý soubor nelze přečíst či jeho formát\n"
    "nebyl rozpoznán), 2 chybné volby, 3 soubor zapsán, ale protokol obsahuje\n"
    "upozornění (vynechané nebo nepřečtené řádky, výpis bez počátečního zůstatku,\n"
    "zůstatky, které nesouhlasí nebo nenavazují, soubor nebo položka dvakrát,\n"
    "výpis jiného účtu) nebo kontrola souboru našla chyby.\n";

namespace {

// The command line: Windows-1250 texts and the same arguments as paths.
struct Arguments {
  const std::vector<std::string>& texts;
  const std::vector<std::string>& paths;
};

// An option as given, "--name value" or "--name=value": its name and, once
// taken, its value in both forms.
struct GivenOption {
  std::string name;
  bool inlineValue = false;
  std::string text, path;
};

struct Flag {
  const char* name;
  bool CliOptions::*value;
};
const Flag kFlags[] = {{"--help", &CliOptions::help},
                       {"--version", &CliOptions::version},
                       {"--save", &CliOptions::save},
                       {"--balance-from-file", &CliOptions::balanceFromFile},
                       {"--check", &CliOptions::check}};

struct PathOption {
  const char* name;
  std::string CliOptions::*value;
};
const PathOption kPathOptions[] = {{"--config", &CliOptions::configPath},
                                   {"--output", &CliOptions::outputPath},
                                   {"--camt", &CliOptions::camtPath}};

struct TextOption {
  const char* name;
  bool CliOptions::*given;
  std::string CliOptions::*value;
};
const TextOption kTextOptions[] = {
    {"--account", &CliOptions::hasAccount, &CliOptions::account},
    {"--name", &CliOptions::hasName, &CliOptions::name},
    {"--balance", &CliOptions::hasBalance, &CliOptions::balance},
    {"--number", &CliOptions::hasNumber, &CliOptions::number},
};

struct DayOption {
  const char* name;
  bool CliOptions::*given;
  CivilDate CliOptions::*value;
};
const DayOption kDayOptions[] = {
    {"--from", &CliOptions::hasFrom, &CliOptions::from},
    {"--today", &CliOptions::hasToday, &CliOptions::today},
};

// The entry of `table` for the option `name`, or null.
template <typename Entry, size_t N>
const Entry* Find(const Entry (&table)[N], const std::string& name) {
  for (const Entry& entry : table) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

GivenOption SplitOption(const std::string& text, const std::string& path) {
  GivenOption option;
  option.name = text;
  const size_t equals = text.find('=');
  if (equals != std::string::npos) {
    option.name = text.substr(0, equals);
    option.text = text.substr(equals + 1);
    option.path = path.substr(path.find('=') + 1);
    option.inlineValue = true;
  }
  return option;
}

// The value given after "=", or else the next argument, which *index then
// passes.
bool TakeValue(const Arguments& arguments, size_t* index, GivenOption* option, std::string* error) {
  if (option->inlineValue) return true;
  if (*index + 1 >= arguments.texts.size()) {
    *error = "volba " + option->name + " potřebuje hodnotu";
    return false;
  }
  ++*index;
  option->text = arguments.texts[*index];
  option->path = arguments.paths[*index];
  return true;
}

// A bank code of one to four digits, not zero.
bool ParseBankCode(const std::string& text, int32_t* bankCode) {
  int32_t value = 0;
  if (!ReadDigitsOnly(text, 4, &value) || value == 0) return false;
  *bankCode = value;
  return true;
}

// An IBAN as people write it, blanks anywhere and in either case, kept as
// statements write it; "" with *error set for any other text.
std::string ParseIban(const std::string& text, std::string* error) {
  const std::string iban = CompactIban(text);
  if (!IsIbanForm(iban)) {
    *error = "volba --iban: neplatný IBAN \"" + text +
             "\" (očekávám kód země, 2 kontrolní číslice a nejvýš 30 písmen a číslic)";
    return std::string();
  }
  // A mistyped digit or two digits swapped: the check digits tell.
  if (!IsSoundIban(iban)) {
    *error = "volba --iban: IBAN \"" + text + "\" má chybné kontrolní číslice";
    return std::string();
  }
  return iban;
}

// Reads the option at *index (and its value) into `options`.
bool ReadOption(const Arguments& arguments, size_t* index, CliOptions* options,
                std::string* error) {
  GivenOption given = SplitOption(arguments.texts[*index], arguments.paths[*index]);
  if (const Flag* flag = Find(kFlags, given.name)) {
    if (given.inlineValue) {
      *error = "volba " + given.name + " nemá hodnotu";
      return false;
    }
    options->*flag->value = true;
    return true;
  }
  if (const PathOption* option = Find(kPathOptions, given.name)) {
    if (!TakeValue(arguments, index, &given, error)) return false;
    if (given.path.empty()) {
      *error = "volba " + given.name + " potřebuje neprázdnou cestu";
      return false;
    }
    options->*option->value = given.path;
    return true;
  }
  if (const TextOption* option = Find(kTextOptions, given.name)) {
    if (!TakeValue(arguments, index, &given, error)) return false;
    options->*option->given = true;
    options->*option->value = given.text;
    return true;
  }
  if (const DayOption* option = Find(kDayOptions, given.name)) {
    if (!TakeValue(arguments, index, &given, error)) return false;
    if (!ParseCalendarDay(given.text, &(options->*option->value))) {
      *error =
          "volba " + given.name + ": neplatné datum \"" + given.text + "\" (očekávám RRRR-MM-DD)";
      return false;
    }
    options->*option->given = true;
    return true;
  }
  if (given.name == "--bank-code") {
    if (!TakeValue(arguments, index, &given, error)) return false;
    if (!ParseBankCode(given.text, &options->bankCode)) {
      *error = "volba " + given.name + ": neplatný kód banky \"" + given.text +
               "\" (očekávám 1 až 4 číslice)";
      return false;
    }
    options->hasBankCode = true;
    return true;
  }
  if (given.name == "--iban") {
    if (!TakeValue(arguments, index, &given, error)) return false;
    options->iban = ParseIban(given.text, error);
    return !options->iban.empty();
  }
  *error = "neznámá volba " + given.name;
  return false;
}

// Adds the file at `index`. An empty name is no file, which the run would
// pass over without a word.
bool ReadFile(const Arguments& arguments, size_t index, CliOptions* options, std::string* error) {
  if (arguments.paths[index].empty()) {
    error->clear();
    Render(*error, "argument č. %d je prázdný, očekávám název souboru",
           {static_cast<int64_t>(index)});
    return false;
  }
  options->files.push_back(arguments.paths[index]);
  return true;
}

// Options that exclude each other, and a run without files.
bool CheckCombination(const CliOptions& options, std::string* error) {
  if (options.help || options.version) return true;
  if (options.balanceFromFile && options.hasBalance) {
    *error = "volby --balance a --balance-from-file se vylučují";
    return false;
  }
  if (options.hasBankCode && !options.iban.empty()) {
    *error = "volby --bank-code a --iban se vylučují";
    return false;
  }
  if (options.check && !options.camtPath.empty()) {
    *error = "volby --camt a --check se vylučují";
    return false;
  }
  if (options.hasFrom && options.hasToday && DayAfter(options.from, options.today)) {
    *error = "den zůstatku (volba --from) je až po datu výpisu (volba --today)";
    return false;
  }
  if (options.files.empty()) {
    *error = options.check ? "chybí soubor ABO ke kontrole" : "chybí soubor s výpisem (.csv)";
    return false;
  }
  return true;
}

}  // namespace

bool DayAfter(const CivilDate& a, const CivilDate& b) {
  if (a.year != b.year) return a.year > b.year;
  if (a.month != b.month) return a.month > b.month;
  return a.day > b.day;
}

bool ParseCalendarDay(const std::string& text, CivilDate* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  CivilDate date;
  const std::string_view parts(text);
  if (!ReadDigitsOnly(parts.substr(0, 4), 4, &date.year) ||
      !ReadDigitsOnly(parts.substr(5, 2), 2, &date.month) ||
      !ReadDigitsOnly(parts.substr(8, 2), 2, &date.day) || !IsRealDate(date)) {
    return false;
  }
  *day = date;
  return true;
}

bool ParseCliOptions(const std::vector<std::string>& texts, const std::vector<std::string>& paths,
                     CliOptions* options, std::string* error) {
  const Arguments arguments{texts, paths};
  bool onlyFiles = false;
  for (size_t i = 1; i < texts.size(); ++i) {
    const std::string& argument = texts[i];
    if (onlyFiles || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
      if (!ReadFile(arguments, i, options, error)) return false;
    } else if (argument == "--") {
      onlyFiles = true;
    } else if (!ReadOption(arguments, &i, options, error)) {
      return false;
    }
  }
  return CheckCombination(*options, error);
}

}  // namespace tarvolo
