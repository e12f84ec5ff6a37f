#include "cli/file_check.h"

#include "conversion/export/output_formats.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {

int CheckFiles(const std::vector<std::string>& files, const CliConsole& console) {
  const OutputFormat& format = CheckedFormat();
  int status = 0;
  for (const std::string& path : files) {
    const std::string file = PathToText(path);
    std::string content;
    if (!ReadWholeFile(path.c_str(), &content)) {
      console.out(file + ": soubor nelze přečíst\n");
      status = 1;
      continue;
    }
    const std::vector<std::string> problems = format.checkFile(content);
    if (problems.empty()) console.out(file + ": v pořádku\n");
    for (const std::string& problem : problems) console.out(file + ": " + problem + "\n");
    if (!problems.empty()) status = 1;
  }
  return status;
}

}  // namespace tarvolo
