#ifndef TARVOLO_CLI_OUTPUT_PATHS_H_
#define TARVOLO_CLI_OUTPUT_PATHS_H_

#include <string>

namespace tarvolo {

// Whether two paths name one file, however each is spelled: through
// another folder name, "." and "..", a link to a folder, a hard link, or,
// on Windows, letters of another case. Where neither file is there yet,
// their folders and names are compared.
bool SameOutputFile(const std::string& a, const std::string& b);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_OUTPUT_PATHS_H_
