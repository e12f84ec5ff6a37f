#include "conversion/export/kept_mappings.h"

#include <string_view>

#include "conversion/values/fixed_width.h"
#include "platform/file.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {
namespace {

constexpr char kKeptMappingsFile[] = "tarvolo-columns.txt";

// The fields of one kept line, split at its tabs.
std::vector<std::string> TabFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.emplace_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

// The lines of a kept file that are not empty, without their line ends.
std::vector<std::string_view> KeptLines(std::string_view content) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

bool HoldsLineBreak(const std::string& text) {
  return text.find_first_of("\t\r\n") != std::string::npos;
}

std::string KeptLine(const ColumnMapping& mapping, const std::vector<std::string>& header) {
  std::string line = mapping.text;
  for (const std::string& cell : header) line += '\t' + cell;
  return line + "\r\n";
}

}  // namespace

std::string KeptMappingsPath(const std::string& settingsPath) {
  const size_t slash = settingsPath.find_last_of("/\\");
  return slash == std::string::npos ? std::string(kKeptMappingsFile)
                                    : settingsPath.substr(0, slash + 1) + kKeptMappingsFile;
}

std::vector<ColumnMapping> LoadKeptMappings(const std::string& path, std::string* note) {
  std::vector<ColumnMapping> mappings;
  int32_t unread = 0;
  std::string content;
  if (!ReadWholeFile(path.c_str(), &content)) return mappings;
  for (const std::string_view line : KeptLines(content)) {
    std::vector<std::string> fields = TabFields(line);
    ColumnMapping mapping;
    std::string error;
    if (fields.size() < 3 || !ParseColumnMapping(fields.front(), &mapping, &error)) {
      ++unread;
      continue;
    }
    mapping.header.assign(fields.begin() + 1, fields.end());
    mappings.push_back(std::move(mapping));
  }
  if (note != nullptr && unread > 0) {
    Render(*note,
           "Soubor %s: řádků, které nelze přečíst jako převod sloupců, je %d, nebyly použity\n",
           {PathToText(path), unread});
  }
  return mappings;
}

std::string KeepMapping(const std::string& path, const ColumnMapping& mapping,
                        const std::vector<std::vector<std::string>>& headers) {
  if (HoldsLineBreak(mapping.text)) {
    return "Převod sloupců nelze uložit: obsahuje tabulátor nebo konec řádku\n";
  }
  for (const std::vector<std::string>& header : headers) {
    for (const std::string& cell : header) {
      if (HoldsLineBreak(cell)) {
        return "Převod sloupců nelze uložit: název sloupce obsahuje tabulátor nebo konec řádku\n";
      }
    }
  }
  // Every line kept before stays as it stands, one the program cannot read
  // too, but for those of the headers given anew.
  std::string content, kept;
  if (!ReadWholeFile(path.c_str(), &content) && KindOfPath(path.c_str()) != PathKind::kMissing) {
    return "Převod sloupců nelze uložit: soubor " + PathToText(path) + " nelze přečíst\n";
  }
  for (const std::string_view line : KeptLines(content)) {
    const std::vector<std::string> fields = TabFields(line);
    const std::vector<std::string> header(fields.begin() + 1, fields.end());
    bool replaced = false;
    for (const std::vector<std::string>& given : headers) replaced |= given == header;
    if (!replaced) kept.append(line).append("\r\n");
  }
  std::vector<std::vector<std::string>> written;
  for (const std::vector<std::string>& header : headers) {
    bool twice = false;
    for (const std::vector<std::string>& before : written) twice |= before == header;
    if (twice) continue;
    kept += KeptLine(mapping, header);
    written.push_back(header);
  }
  if (!WriteWholeFile(path.c_str(), kept.data(), kept.size())) {
    return "Převod sloupců se nepodařilo uložit do souboru " + path + "\n";
  }
  return std::string();
}

}  // namespace tarvolo
