#include "conversion/export/run_files.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "conversion/gpc/item_record_writer.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_encoding.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"

namespace tarvolo {
namespace {

// The selection's strings, never read past the end of its buffer.
class SelectionWalk {
 public:
  SelectionWalk(const char* data, size_t size) : data_(data), size_(data ? size : 0) {}

  // The string at `offset` ("" past the end); `next` gets the offset after it.
  std::string At(size_t offset, size_t* next) const {
    if (offset >= size_) {
      *next = size_;
      return std::string();
    }
    const char* start = data_ + offset;
    const size_t length = strnlen(start, size_ - offset);
    *next = offset + length + 1;
    return std::string(start, length);
  }

 private:
  const char* data_;
  size_t size_;
};

struct FileOutcome {
  bool read = false;
  bool converted = false;  // a reading of the file was confirmed by its data
  bool amountsFit = true;
};

// Converts one statement file into the export text and logs what happened;
// a file that cannot be read, or that no reading confirms, gets its line
// and is skipped.
FileOutcome ConvertFile(const std::string& path, std::string& exportText,
                        std::vector<FileIdentity>& inputs, RunState* run, const LogLine& log) {
  FileOutcome outcome;
  FileBytes content;
  FileIdentity identity;
  const bool read = ReadWholeFile(path.c_str(), &content, &identity);
  const std::string shown = PathToText(path);
  LogFormatted(log, LogKind::kInformation, "Převádím soubor %s\n", {shown});
  if (!read) {
    // An empty path is the pass of a selection that names no file.
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
    content.Shorten(ToWindows1250InPlace(content.data(), content.size(), encoding));
    LogFormatted(log, LogKind::kInformation, "Soubor je v kódování %s, převeden do Windows-1250\n",
                 {EncodingName(encoding)});
  }
  // Room for every record at once, so the export text never has to move.
  const size_t itemLines = CountItemLines(content.data());
  exportText.reserve(exportText.size() + itemLines * kRecordLength);
  PreferLargePages(&exportText[0], exportText.capacity());
  // The text ends at a NUL byte; whatever follows it must not vanish unseen.
  const size_t textLength = std::strlen(content.data());
  std::vector<std::string> reasons;
  outcome.converted = ChooseReading(shown, std::string_view(content.data(), textLength), itemLines,
                                    exportText, run, log, &outcome.amountsFit, &reasons);
  if (!outcome.converted) {
    std::string why;
    for (const std::string& reason : reasons) why += (why.empty() ? "" : ", ") + reason;
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s: formát nerozpoznán (%s), soubor nebyl převeden\n", {shown, why});
  }
  if (textLength < content.size()) {
    const int32_t line =
        1 + static_cast<int32_t>(std::count(content.data(), content.data() + textLength, '\n'));
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden\n",
                 {shown, line});
  }
  return outcome;
}

}  // namespace

// The paths of the selection in their order. The selection is one file when
// its first string opens as a file; otherwise that string is a folder and
// the names follow it. The first name is taken before the end of the list
// is looked for, so an empty list still gives one path, an empty name.
std::vector<std::string> SelectFiles(const ExportRequest& request) {
  const SelectionWalk selection(request.selection, request.selectionSize);
  size_t offset = 0;
  const std::string first = selection.At(0, &offset);
  const FileHandle probe = OpenFileForReading(first.c_str());
  if (probe != kNoFile) {
    CloseFile(probe);
    return {first};
  }
  std::vector<std::string> paths;
  size_t nameOffset = offset;
  for (;;) {
    size_t next = 0;
    const std::string name = selection.At(nameOffset, &next);
    paths.push_back(first.empty() ? name : first + kPathSeparator + name);
    nameOffset = next;
    size_t afterNext = 0;
    if (selection.At(nameOffset, &afterNext).empty()) return paths;
  }
}

void ConvertFiles(const std::vector<std::string>& paths, const LogLine& log,
                  ConvertedFiles* converted) {
  converted->run.checks.SetFileCount(paths.size());
  for (const std::string& path : paths) {
    // The first file is the first with a name.
    if (converted->firstPath.empty()) converted->firstPath = path;
    const FileOutcome file =
        ConvertFile(path, converted->exportText, converted->inputs, &converted->run, log);
    converted->everyFileRead = converted->everyFileRead && (file.read || path.empty());
    converted->everyFileConverted = converted->everyFileConverted && (file.converted || !file.read);
    converted->amountsFit = converted->amountsFit && file.amountsFit;
  }
}

}  // namespace tarvolo
