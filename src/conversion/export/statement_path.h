#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_PATH_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_PATH_H_

#include <string>

namespace tarvolo {

// The path of a statement written beside the one at `path`: `suffix`
// ("-EUR") goes before the extension of the file's name, or after a name
// that has none.
std::string StatementPath(const std::string& path, const std::string& suffix);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_PATH_H_
