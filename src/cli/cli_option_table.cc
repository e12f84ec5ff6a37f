#include "cli/cli_option_table.h"

#include <algorithm>

#include "conversion/export/output_formats.h"

namespace tarvolo {
namespace {

// The column where the options' descriptions start.
constexpr size_t kUsageColumn = 23;

const CliOption kOptions[] = {
    {.name = "--config",
     .valueName = "CESTA",
     .usage = "soubor nastavení (jinak tarvolo.cfg vedle programu)",
     .value = OptionValue::kPath,
     .text = &CliOptions::configPath},
    {.name = "--account",
     .valueName = "TEXT",
     .usage = "číslo účtu: předčíslí-číslo, i s mezerami; kód banky\n"
              "za lomítkem se vynechá",
     .value = OptionValue::kText,
     .given = &CliOptions::hasAccount,
     .text = &CliOptions::account},
    {.name = "--name",
     .valueName = "TEXT",
     .usage = "název účtu (prvních 19 znaků)",
     .value = OptionValue::kText,
     .given = &CliOptions::hasName,
     .text = &CliOptions::name},
    {.name = "--balance",
     .valueName = "TEXT",
     .usage = "počáteční zůstatek v Kč (prvních 15 znaků)",
     .value = OptionValue::kText,
     .given = &CliOptions::hasBalance,
     .text = &CliOptions::balance},
    {.name = "--balance-from-file",
     .usage = "počáteční zůstatek, který uvádí nejstarší soubor (podle\n"
              "dat, ne podle pořadí), místo zůstatku z nastavení\n"
              "(bez něj se nic nezapíše)",
     .given = &CliOptions::balanceFromFile},
    {.name = "--number",
     .valueName = "TEXT",
     .usage = "číslo výpisu (prvních 5 znaků)",
     .value = OptionValue::kText,
     .given = &CliOptions::hasNumber,
     .text = &CliOptions::number},
    {.name = "--from",
     .valueName = "RRRR-MM-DD",
     .usage = "den zvolený v kalendáři Datum zůstatku",
     .value = OptionValue::kDay,
     .given = &CliOptions::hasFrom,
     .day = &CliOptions::from},
    {.name = "--today",
     .valueName = "RRRR-MM-DD",
     .usage = "datum výpisu (jinak dnešní den)",
     .value = OptionValue::kDay,
     .given = &CliOptions::hasToday,
     .day = &CliOptions::today},
    {.value = OptionValue::kEveryFormat},
    {.name = "--bank-code",
     .valueName = "NNNN",
     .usage = "kód banky účtu (pro IBAN ve výpisu camt.053; jinak jej\n"
              "určí formát výpisu české banky)",
     .value = OptionValue::kBankCode,
     .given = &CliOptions::hasBankCode,
     .number = &CliOptions::bankCode},
    {.name = "--iban",
     .valueName = "IBAN",
     .usage = "IBAN účtu pro výpis camt.053, např. účtu v zahraničí\n"
              "(Revolut, Wise), i s mezerami",
     .value = OptionValue::kIban,
     .text = &CliOptions::iban},
    {.name = "--account-for",
     .valueName = "MĚNA=ÚČET",
     .usage = "účet, pod nímž se zapíše výpis v měně MĚNA (EUR=číslo/kód\n"
              "banky nebo IBAN); lze opakovat",
     .value = OptionValue::kCurrencyAccount},
    {.name = "--vs-from-message",
     .usage = "prázdný variabilní symbol příchozí platby doplnit číslem\n"
              "ze zprávy (VS 123, Faktura 123), je-li tam jediné",
     .given = &CliOptions::vsFromMessage},
    {.name = "--columns",
     .valueName = "PŘEVOD",
     .usage = "sloupce souboru, který program nezná: role=sloupec;...\n"
              "(datum, částka, příjem, výdaj, měna, zůstatek, protiúčet,\n"
              "banka, název, vs, ks, ss, zpráva, id, stav, typ, iban,\n"
              "valuta, poplatek; i anglicky); s --save se uloží pro\n"
              "soubory se stejnou hlavičkou",
     .value = OptionValue::kText,
     .given = &CliOptions::hasColumns,
     .text = &CliOptions::columns},
    {.name = "--save", .usage = "uložit nastavení s použitými volbami", .given = &CliOptions::save},
    {.name = "--check",
     .usage = "zkontrolovat zadané soubory ABO místo převodu",
     .given = &CliOptions::check},
    {.name = "--help", .given = &CliOptions::help},
    {.name = "--version", .given = &CliOptions::version, .sameLine = true},
};

std::vector<CliOption> ExpandFormats() {
  std::vector<CliOption> options;
  for (const CliOption& option : kOptions) {
    if (option.value != OptionValue::kEveryFormat) {
      options.push_back(option);
      continue;
    }
    const std::vector<OutputFormat>& formats = OutputFormats();
    for (size_t i = 0; i < formats.size(); ++i) {
      options.push_back({.name = formats[i].option,
                         .valueName = "CESTA",
                         .usage = formats[i].usage,
                         .value = OptionValue::kOutputPath,
                         .format = i});
    }
  }
  return options;
}

}  // namespace

const std::vector<CliOption>& CliOptionTable() {
  static const std::vector<CliOption> options = ExpandFormats();
  return options;
}

const CliOption* FindCliOption(const std::string& name) {
  for (const CliOption& option : CliOptionTable()) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

std::string UsageOfOptions(const std::vector<CliOption>& options) {
  std::string usage;
  for (const CliOption& option : options) {
    if (option.sameLine && !usage.empty()) {
      usage.pop_back();
      usage += std::string(", ") + option.name + "\n";
      continue;
    }
    std::string line = std::string("  ") + option.name;
    if (option.valueName != nullptr) line += std::string(" ") + option.valueName;
    const std::string text = option.usage;
    if (text.empty()) {
      usage += line + "\n";
      continue;
    }
    line.resize(std::max(kUsageColumn, line.size() + 2), ' ');
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
      usage += line + text.substr(start, end - start) + "\n";
      line.assign(kUsageColumn, ' ');
      start = end + 1;
    }
    usage += line + text.substr(start) + "\n";
  }
  return usage;
}

}  // namespace tarvolo
