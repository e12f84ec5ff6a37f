#include "cli/settings_save.h"

#include "platform/file.h"
#include "platform/text_encoding.h"
#include "settings/settings_file.h"

namespace tarvolo {

std::string SaveRefusal(const std::vector<std::string>& saved,
                        const std::vector<std::string>& inputs) {
  for (const std::string& path : saved) {
    FileIdentity config;
    if (IdentityOfPath(path.c_str(), true, &config)) {
      for (const std::string& input : inputs) {
        FileIdentity identity;
        if (IdentityOfPath(input.c_str(), true, &identity) && identity == config) {
          return "soubor nastavení " + PathToText(path) + " je převáděný soubor " +
                 PathToText(input) + ", nastavení do něj nelze uložit\n";
        }
      }
    }
    // A link is replaced itself, wherever it leads.
    if (KindOfPath(path.c_str()) == PathKind::kOther) {
      return "soubor nastavení " + PathToText(path) +
             " není obyčejný soubor (např. složka), nastavení do něj nelze uložit\n";
    }
    if (IsReadOnlyFile(path.c_str())) {
      return "soubor nastavení " + PathToText(path) +
             " je jen pro čtení, nastavení do něj nelze uložit\n";
    }
  }
  return std::string();
}

std::string SaveSettingsOfRun(const std::string& configPath, const AccountSettings& profile,
                              const std::vector<std::string>& inputs,
                              const std::vector<std::string>& outputPaths) {
  // The save replaces what stands at its path, a link itself: that must be
  // none of the files the run read or wrote.
  FileIdentity config;
  if (IdentityOfPath(configPath.c_str(), false, &config)) {
    for (const std::string& input : inputs) {
      FileIdentity identity;
      if (IdentityOfPath(input.c_str(), true, &identity) && identity == config) {
        return "Nastavení nelze uložit: soubor nastavení je jeden z převáděných výpisů\n";
      }
    }
    for (const std::string& outputPath : outputPaths) {
      FileIdentity output;
      if (IdentityOfPath(outputPath.c_str(), false, &output) && output == config) {
        return "Nastavení nelze uložit: soubor nastavení je zapsaný výpis\n";
      }
    }
  }
  if (KindOfPath(configPath.c_str()) == PathKind::kOther) {
    return "Nastavení nelze uložit: soubor nastavení není obyčejný soubor\n";
  }
  if (!SaveSettingsTo(configPath.c_str(), profile)) return "Nastavení se nepodařilo uložit\n";
  return std::string();
}

}  // namespace tarvolo
