#include "conversion/export/statement_path.h"

namespace tarvolo {

std::string StatementPath(const std::string& path, const std::string& suffix) {
  // Windows takes either slash between folders; a dot in a folder's name
  // is no extension.
  const size_t name = path.find_last_of("/\\");
  const size_t start = name == std::string::npos ? 0 : name + 1;
  size_t dot = path.rfind('.');
  // A name that begins with its only dot (".gpc") has no extension.
  if (dot == std::string::npos || dot <= start) dot = path.size();
  return path.substr(0, dot) + suffix + path.substr(dot);
}

}  // namespace tarvolo
