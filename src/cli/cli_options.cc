#include "cli/cli_options.h"

#include <cstdint>

#include "cli/cli_option_table.h"
#include "conversion/export/output_formats.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/iban.h"

namespace tarvolo {

namespace {

const char kUsageHead[] =
    "Použití: tarvolo-cli [volby] SOUBOR.csv...\n"
    "        tarvolo-cli --check SOUBOR.gpc...\n"
    "Převede výpisy v CSV (Servis24 a výpisy dalších bank a platebních služeb,\n"
    "rozpoznané podle hlavičky a ověřené podle dat) do souboru ABO (GPC), jednoho\n"
    "za každý vlastní účet a měnu,\n"
    "nebo zkontroluje soubory ABO (délky řádků, pole, data, zůstatky a obraty).\n";
const char kUsageTail[] =
    "Návratový kód: 0 soubor zapsán (nebo je v pořádku), 1 nic nezapsáno\n"
    "(nebo soubor obsahuje chyby, nebo některý soubor nelze přečíst či jeho formát\n"
    "nebyl rozpoznán), 2 chybné volby, 3 soubor zapsán, ale protokol obsahuje\n"
    "upozornění (vynechané nebo nepřečtené řádky, výpis bez počátečního zůstatku,\n"
    "zůstatky, které nesouhlasí nebo nenavazují, soubor nebo položka dvakrát,\n"
    "výpis jiného účtu) nebo kontrola souboru našla chyby.\n";

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
std::string ParseIban(const std::string& name, const std::string& text, std::string* error) {
  const std::string iban = CompactIban(text);
  if (!IsIbanForm(iban)) {
    *error = "volba " + name + ": neplatný IBAN \"" + text +
             "\" (očekávám kód země, 2 kontrolní číslice a nejvýš 30 písmen a číslic)";
    return std::string();
  }
  // A mistyped digit or two digits swapped: the check digits tell.
  if (!IsSoundIban(iban)) {
    *error = "volba " + name + ": IBAN \"" + text + "\" má chybné kontrolní číslice";
    return std::string();
  }
  return iban;
}

// Puts the value `given` of `option` into `options`.
bool PutValue(const CliOption& option, const GivenOption& given, CliOptions* options,
              std::string* error) {
  switch (option.value) {
    case OptionValue::kPath:
    case OptionValue::kOutputPath: {
      if (given.path.empty()) {
        *error = "volba " + given.name + " potřebuje neprázdnou cestu";
        return false;
      }
      if (option.value == OptionValue::kPath) {
        options->*option.text = given.path;
        return true;
      }
      if (options->outputPaths.size() <= option.format) {
        options->outputPaths.resize(option.format + 1);
      }
      options->outputPaths[option.format] = given.path;
      return true;
    }
    case OptionValue::kText:
      options->*option.text = given.text;
      break;
    case OptionValue::kDay:
      if (!ParseCalendarDay(given.text, &(options->*option.day))) {
        *error =
            "volba " + given.name + ": neplatné datum \"" + given.text + "\" (očekávám RRRR-MM-DD)";
        return false;
      }
      break;
    case OptionValue::kBankCode:
      if (!ParseBankCode(given.text, &(options->*option.number))) {
        *error = "volba " + given.name + ": neplatný kód banky \"" + given.text +
                 "\" (očekávám 1 až 4 číslice)";
        return false;
      }
      break;
    case OptionValue::kIban:
      options->*option.text = ParseIban(given.name, given.text, error);
      return !(options->*option.text).empty();
    case OptionValue::kCurrencyAccount: {
      CurrencyAccount account;
      if (!ReadCurrencyAccount(given.text, &account, error) ||
          !AddCurrencyAccount(account, false, &options->currencyAccounts, error)) {
        *error = "volba " + given.name + ": " + *error;
        return false;
      }
      break;
    }
    case OptionValue::kNone:
    case OptionValue::kEveryFormat:
      break;
  }
  if (option.given != nullptr) options->*option.given = true;
  return true;
}

// Reads the option at *index (and its value) into `options`.
bool ReadOption(const Arguments& arguments, size_t* index, CliOptions* options,
                std::string* error) {
  GivenOption given = SplitOption(arguments.texts[*index], arguments.paths[*index]);
  const CliOption* option = FindCliOption(given.name);
  if (option == nullptr) {
    *error = "neznámá volba " + given.name;
    return false;
  }
  if (option->value == OptionValue::kNone) {
    if (given.inlineValue) {
      *error = "volba " + given.name + " nemá hodnotu";
      return false;
    }
  } else if (!TakeValue(arguments, index, &given, error)) {
    return false;
  }
  return PutValue(*option, given, options, error);
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
  if (options.check && options.vsFromMessage) {
    *error = "volby --vs-from-message a --check se vylučují";
    return false;
  }
  if (options.check && options.hasColumns) {
    *error = "volby --columns a --check se vylučují";
    return false;
  }
  const std::vector<OutputFormat>& formats = OutputFormats();
  for (size_t i = 0; i < formats.size() && i < options.outputPaths.size() && options.check; ++i) {
    if (!formats[i].alwaysWritten && !options.outputPaths[i].empty()) {
      *error = std::string("volby ") + formats[i].option + " a --check se vylučují";
      return false;
    }
  }
  if (options.hasFrom && options.hasToday && DayAfter(options.from, options.today)) {
    *error = "den zůstatku (volba --from) je až po datu výpisu (volba --today)";
    return false;
  }
  if (options.files.empty()) {
    *error = options.check ? std::string("chybí soubor ") + CheckedFormat().name + " ke kontrole"
                           : "chybí soubor s výpisem (.csv)";
    return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> DefaultOutputPaths() {
  std::vector<std::string> paths;
  for (const OutputFormat& format : OutputFormats()) {
    paths.push_back(format.alwaysWritten ? format.defaultFile : "");
  }
  return paths;
}

std::string CliUsage() { return kUsageHead + UsageOfOptions(CliOptionTable()) + kUsageTail; }

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
