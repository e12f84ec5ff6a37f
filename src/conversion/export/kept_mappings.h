#ifndef TARVOLO_CONVERSION_EXPORT_KEPT_MAPPINGS_H_
#define TARVOLO_CONVERSION_EXPORT_KEPT_MAPPINGS_H_

#include <string>
#include <vector>

#include "conversion/reading/statement_reading.h"

namespace tarvolo {

// The column mappings kept for files of a known header live in
// "tarvolo-columns.txt" beside the settings file (whose 64-byte record has
// no room for them): a line per header, Windows-1250, the mapping as the
// user wrote it and then each header cell, a tab before each.
std::string KeptMappingsPath(const std::string& settingsPath);

// The mappings kept at `path`; none where the file is missing. Lines that
// do not read as a mapping and a header are named in `note` (a log line of
// the kind kNote, "" where every line reads).
std::vector<ColumnMapping> LoadKeptMappings(const std::string& path, std::string* note = nullptr);

// Keeps `mapping` for each of `headers` at `path`, in place of what was kept
// for the same header. Returns "" or why nothing was kept (Czech).
std::string KeepMapping(const std::string& path, const ColumnMapping& mapping,
                        const std::vector<std::vector<std::string>>& headers);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_KEPT_MAPPINGS_H_
