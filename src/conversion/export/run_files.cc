#include "conversion/export/run_files.h"

#include <string_view>

#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

struct FileOutcome {
  bool read = false;
  bool converted = false;  // a reading of the file was confirmed by its data
  bool amountsFit = true;
};

// Converts one statement file into items for the outputs and logs what
// happened; a file that cannot be read, or that no reading confirms, gets
// its line and is skipped.
FileOutcome ConvertFile(const std::string& path, FileSystem* files,
                        std::vector<FileIdentity>& inputs, RunState* run, const LogLine& log) {
  FileOutcome outcome;
  FileBytes content;
  FileIdentity identity;
  const bool read = files->ReadFile(path, &content, &identity);
  const std::string shown = PathToText(path);
  LogFormatted(log, LogKind::kInformation, "Převádím soubor %s\n", {shown});
  if (!read) {
    // An empty path is the window's selection that names no file.
    if (!path.empty())
      LogFormatted(log, LogKind::kFileWarning, "Soubor %s nelze přečíst\n", {shown});
    return outcome;
  }
  outcome.read = true;
  inputs.push_back(identity);
  // The same statement chosen twice, under any name, would book its items
  // twice.
  const std::string earlier = run->checks.EarlierCopy(content.view(), shown);
  if (!earlier.empty()) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s je stejný jako soubor %s, podruhé nebyl převeden\n", {shown, earlier});
    outcome.converted = true;
    return outcome;
  }
  RunItems items(run);
  const FileReading reading =
      ReadStatementFile(shown, content.data(), content.size(), run, &items, log);
  outcome.converted = reading.converted;
  outcome.amountsFit = reading.amountsFit;
  return outcome;
}

}  // namespace

void ConvertFiles(const std::vector<std::string>& paths, FileSystem* files, const LogLine& log,
                  ConvertedFiles* converted) {
  converted->run.checks.SetFileCount(paths.size());
  for (const std::string& path : paths) {
    // The first file is the first with a name.
    if (converted->firstPath.empty()) converted->firstPath = path;
    const FileOutcome file = ConvertFile(path, files, converted->inputs, &converted->run, log);
    converted->everyFileRead = converted->everyFileRead && (file.read || path.empty());
    converted->everyFileConverted = converted->everyFileConverted && (file.converted || !file.read);
    converted->amountsFit = converted->amountsFit && file.amountsFit;
  }
}

}  // namespace tarvolo
