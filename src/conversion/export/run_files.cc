#include "conversion/export/run_files.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_encoding.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

struct FileOutcome {
  bool read = false;
  bool converted = false;  // a reading of the file was confirmed by its data
  bool amountsFit = true;
};

// The number of the line that byte `offset` of `text` is on, lines ending as
// the readers end them: at LF, CR LF or a CR alone. `text` is readable one
// byte past `offset`.
int32_t LineAt(const char* text, size_t offset) {
  int32_t line = 1;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n')) ++line;
  }
  return line;
}

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
  const TextEncoding encoding = DetectEncoding(content.view());
  if (encoding != TextEncoding::kWindows1250) {
    Utf8Damage damage;
    content.Shorten(ToWindows1250InPlace(content.data(), content.size(), encoding, &damage));
    LogFormatted(log, LogKind::kInformation, "Soubor je v kódování %s, převeden do Windows-1250\n",
                 {EncodingName(encoding)});
    if (damage.bytes > 0) {
      LogFormatted(
          log, LogKind::kItemWarning,
          "Soubor %s, řádek %d: bajtů, které nejsou znaky UTF-8, je v souboru %d, "
          "přečteny jako znak ?\n",
          {shown, LineAt(content.data(), damage.first), static_cast<int32_t>(damage.bytes)});
    }
  }
  const size_t itemLines = CountItemLines(content.data());
  for (StatementOutput* output : run->outputs) output->Expect(itemLines);
  // The text ends at a NUL byte; whatever follows it must not vanish unseen.
  const size_t textLength = std::strlen(content.data());
  std::vector<std::string> reasons;
  outcome.converted = ChooseReading(shown, std::string_view(content.data(), textLength), run, log,
                                    &outcome.amountsFit, &reasons);
  if (!outcome.converted) {
    std::string why;
    for (const std::string& reason : reasons) why += (why.empty() ? "" : ", ") + reason;
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s: formát nerozpoznán (%s), soubor nebyl převeden\n", {shown, why});
  }
  if (textLength < content.size()) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden\n",
                 {shown, LineAt(content.data(), textLength)});
  }
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
