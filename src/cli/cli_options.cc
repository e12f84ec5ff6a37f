#include "cli/cli_options.h"

#include <cstring>

#include "conversion/fixed_width.h"

namespace tarvolo {

const char kCliUsage[] =
    "Použití: tarvolo-cli [volby] SOUBOR.csv...\n"
    "        tarvolo-cli --check SOUBOR.gpc...\n"
    "Převede výpisy Servis24 (CSV) do jednoho souboru ve formátu ABO (GPC),\n"
    "nebo zkontroluje soubory ABO (délky řádků, pole, data, zůstatky a obraty).\n"
    "  --config CESTA       soubor nastavení (jinak tarvolo.cfg vedle programu)\n"
    "  --account TEXT       číslo účtu bez kódu banky (prvních 15 znaků)\n"
    "  --name TEXT          název účtu (prvních 19 znaků)\n"
    "  --balance TEXT       počáteční zůstatek v Kč (prvních 15 znaků)\n"
    "  --balance-from-file  počáteční zůstatek, který uvádí první soubor, místo\n"
    "                       zůstatku z nastavení (bez něj se nic nezapíše)\n"
    "  --number TEXT        číslo výpisu (prvních 5 znaků)\n"
    "  --from RRRR-MM-DD    den zvolený v kalendáři Datum zůstatku\n"
    "  --today RRRR-MM-DD   datum výpisu (jinak dnešní den)\n"
    "  --output CESTA       zapsaný soubor (jinak export.gpc v aktuální složce)\n"
    "  --save               uložit nastavení s použitými volbami\n"
    "  --check              zkontrolovat zadané soubory ABO místo převodu\n"
    "  --help, --version\n"
    "Návratový kód: 0 soubor zapsán (nebo je v pořádku), 1 nic nezapsáno\n"
    "(nebo soubor obsahuje chyby), 2 chybné volby, 3 soubor zapsán, ale jeho\n"
    "kontrola našla chyby.\n";

namespace {

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool ParseCalendarDay(const std::string& text, CalendarDay* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int values[3] = {0, 0, 0};
  const int starts[3] = {0, 5, 8};
  const int lengths[3] = {4, 2, 2};
  for (int part = 0; part < 3; ++part) {
    for (int i = 0; i < lengths[part]; ++i) {
      const char c = text[starts[part] + i];
      if (c < '0' || c > '9') return false;
      values[part] = values[part] * 10 + (c - '0');
    }
  }
  if (values[0] < 1 || values[1] < 1 || values[1] > 12 || values[2] < 1 ||
      values[2] > DaysInMonth(values[0], values[1])) {
    return false;
  }
  *day = {values[0], values[1], values[2]};
  return true;
}

bool ParseCliOptions(const std::vector<std::string>& texts,
                     const std::vector<std::string>& paths, CliOptions* options,
                     std::string* error) {
  struct TextOption {
    const char* name;
    bool* given;
    std::string* value;
  } const textOptions[] = {
      {"--account", &options->hasAccount, &options->account},
      {"--name", &options->hasName, &options->name},
      {"--balance", &options->hasBalance, &options->balance},
      {"--number", &options->hasNumber, &options->number},
  };
  struct DayOption {
    const char* name;
    bool* given;
    CalendarDay* value;
  } const dayOptions[] = {
      {"--from", &options->hasFrom, &options->from},
      {"--today", &options->hasToday, &options->today},
  };

  bool onlyFiles = false;
  for (size_t i = 1; i < texts.size(); ++i) {
    const std::string& argument = texts[i];
    if (onlyFiles || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
      // An empty name would end the list of files that the run is given.
      if (paths[i].empty()) {
        error->clear();
        Render(*error, "argument č. %d je prázdný, očekávám název souboru",
               {static_cast<int64_t>(i)});
        return false;
      }
      options->files.push_back(paths[i]);
      continue;
    }
    if (argument == "--") {
      onlyFiles = true;
      continue;
    }
    // "--name value" or "--name=value".
    std::string name = argument;
    bool inlineValue = false;
    size_t valueIndex = i + 1;
    std::string textValue, pathValue;
    const size_t equals = argument.find('=');
    if (equals != std::string::npos) {
      name = argument.substr(0, equals);
      textValue = argument.substr(equals + 1);
      pathValue = paths[i].substr(paths[i].find('=') + 1);
      inlineValue = true;
    }
    auto takeValue = [&]() -> bool {
      if (inlineValue) return true;
      if (valueIndex >= texts.size()) {
        *error = "volba " + name + " potřebuje hodnotu";
        return false;
      }
      textValue = texts[valueIndex];
      pathValue = paths[valueIndex];
      ++i;
      return true;
    };

    struct Flag {
      const char* name;
      bool* value;
    } const flags[] = {{"--help", &options->help},
                       {"--version", &options->version},
                       {"--save", &options->save},
                       {"--balance-from-file", &options->balanceFromFile},
                       {"--check", &options->check}};
    bool isFlag = false;
    for (const Flag& flag : flags) {
      if (name != flag.name) continue;
      if (inlineValue) {
        *error = "volba " + name + " nemá hodnotu";
        return false;
      }
      *flag.value = isFlag = true;
    }
    if (isFlag) continue;
    if (name == "--config" || name == "--output") {
      if (!takeValue()) return false;
      if (pathValue.empty()) {
        *error = "volba " + name + " potřebuje neprázdnou cestu";
        return false;
      }
      (name == "--config" ? options->configPath : options->outputPath) = pathValue;
      continue;
    }
    bool known = false;
    for (const TextOption& option : textOptions) {
      if (name != option.name) continue;
      if (!takeValue()) return false;
      *option.given = true;
      *option.value = textValue;
      known = true;
    }
    for (const DayOption& option : dayOptions) {
      if (name != option.name) continue;
      if (!takeValue()) return false;
      if (!ParseCalendarDay(textValue, option.value)) {
        *error = "volba " + name + ": neplatné datum \"" + textValue + "\" (očekávám RRRR-MM-DD)";
        return false;
      }
      *option.given = true;
      known = true;
    }
    if (!known) {
      *error = "neznámá volba " + name;
      return false;
    }
  }
  if (options->help || options->version) return true;
  if (options->balanceFromFile && options->hasBalance) {
    *error = "volby --balance a --balance-from-file se vylučují";
    return false;
  }
  if (options->files.empty()) {
    *error = options->check ? "chybí soubor ABO ke kontrole" : "chybí soubor s výpisem (.csv)";
    return false;
  }
  return true;
}

}  // namespace tarvolo
