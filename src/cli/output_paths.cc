#include "cli/output_paths.h"

#include <cstddef>

#include "conversion/export/output_formats.h"
#include "platform/file.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// Windows takes either slash between a folder and a name.
constexpr const char* kSeparators = kPathSeparator == '\\' ? "/\\" : "/";

struct FolderAndName {
  std::string folder, name;
};

FolderAndName Split(const std::string& path) {
  const size_t at = path.find_last_of(kSeparators);
  if (at == std::string::npos) return {".", path};
  return {path.substr(0, at == 0 ? 1 : at), path.substr(at + 1)};
}

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Windows file names ignore the case of their letters.
bool NamesEqual(const std::string& a, const std::string& b) {
  if (kPathSeparator != '\\') return a == b;
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

}  // namespace

bool SameOutputFile(const std::string& a, const std::string& b) {
  FileIdentity first, second;
  const bool firstThere = IdentityOfPath(a.c_str(), true, &first);
  const bool secondThere = IdentityOfPath(b.c_str(), true, &second);
  if (firstThere || secondThere) return firstThere && secondThere && first == second;
  const FolderAndName x = Split(a), y = Split(b);
  if (!NamesEqual(x.name, y.name)) return false;
  const bool xThere = IdentityOfPath(x.folder.c_str(), true, &first);
  const bool yThere = IdentityOfPath(y.folder.c_str(), true, &second);
  if (xThere || yThere) return xThere && yThere && first == second;
  return NamesEqual(x.folder, y.folder);
}

bool OutputFilesApart(const std::vector<std::string>& paths, std::string* error) {
  const std::vector<OutputFormat>& formats = OutputFormats();
  for (size_t i = 0; i < paths.size() && i < formats.size(); ++i) {
    for (size_t j = i + 1; j < paths.size() && j < formats.size(); ++j) {
      if (paths[i].empty() || paths[j].empty() || !SameOutputFile(paths[i], paths[j])) continue;
      *error = std::string("volby ") + formats[i].option + " a " + formats[j].option +
               " jmenují týž soubor";
      return false;
    }
  }
  return true;
}

bool OutputsApartFromInputs(const std::vector<std::string>& paths,
                            const std::vector<std::string>& inputs, std::string* error) {
  const std::vector<OutputFormat>& formats = OutputFormats();
  for (size_t i = 0; i < paths.size() && i < formats.size(); ++i) {
    for (const std::string& input : inputs) {
      if (paths[i].empty() || !SameOutputFile(paths[i], input)) continue;
      *error = std::string("volba ") + formats[i].option + " jmenuje převáděný soubor " + input;
      return false;
    }
  }
  return true;
}

std::string PlannedPathsRefusal(const std::vector<std::string>& planned,
                                const std::vector<std::string>& owners,
                                const std::vector<std::string>& inputs,
                                const std::vector<std::string>& kept) {
  const auto shown = [&planned, &owners](size_t i) {
    const std::string path = PathToText(planned[i]);
    return i < owners.size() ? path + " (" + owners[i] + ")" : path;
  };
  for (size_t i = 0; i < planned.size(); ++i) {
    for (size_t j = i + 1; j < planned.size(); ++j) {
      if (!SameOutputFile(planned[i], planned[j])) continue;
      return "Soubory " + shown(i) + " a " + shown(j) +
             " jsou týž soubor, jeden by nahradil druhý; zvolte jiné názvy výstupů\n";
    }
    for (const std::string& input : inputs) {
      if (!SameOutputFile(planned[i], input)) continue;
      return "Zapisovaný soubor " + shown(i) + " je převáděný soubor " + PathToText(input) +
             "; zvolte jiné názvy výstupů\n";
    }
    for (const std::string& settings : kept) {
      if (!SameOutputFile(planned[i], settings)) continue;
      return "Zapisovaný soubor " + shown(i) + " je soubor nastavení " + PathToText(settings) +
             "; zvolte jiné názvy výstupů\n";
    }
  }
  return std::string();
}

}  // namespace tarvolo
