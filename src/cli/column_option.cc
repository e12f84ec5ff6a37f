#include "cli/column_option.h"

#include "conversion/export/kept_mappings.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/log_line.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {

bool ReadColumnOption(const CliOptions& options, ColumnOption* option, std::string* error) {
  if (!options.hasColumns) return true;
  if (!ParseColumnMapping(options.columns, &option->mapping, error)) {
    *error = "volba --columns: " + *error;
    return false;
  }
  for (const std::string& path : options.files) {
    FileBytes bytes;
    if (!ReadWholeFile(path.c_str(), &bytes)) continue;
    const MappedHeader header = FindMappedHeader(bytes.data(), bytes.size(), option->mapping);
    if (header.fits) {
      option->headers.push_back(header.cells);
      continue;
    }
    std::string names;
    for (const std::string& name : header.missing) {
      Render(names, "%s\"%s\"", {names.empty() ? "" : ", ", name});
    }
    error->clear();
    Render(*error, "volba --columns: soubor %s nemá v hlavičce sloupec %s",
           {PathToText(path), names});
    return false;
  }
  return true;
}

std::vector<ColumnMapping> RunMappings(const CliOptions& options, const ColumnOption& given,
                                       const std::string& configPath, const CliConsole& console) {
  if (options.hasColumns) return {given.mapping};
  std::string note;
  std::vector<ColumnMapping> kept = LoadKeptMappings(KeptMappingsPath(configPath), &note);
  if (!note.empty()) console.out(ShownLogLine(LogKind::kNote, note.c_str()));
  return kept;
}

}  // namespace tarvolo
