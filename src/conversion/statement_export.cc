#include "conversion/statement_export.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "conversion/account_field.h"
#include "conversion/dates.h"
#include "conversion/decimal_rounding.h"
#include "conversion/export_totals.h"
#include "conversion/fixed_width.h"
#include "conversion/gpc_check.h"
#include "conversion/layout_records.h"
#include "conversion/number_reading.h"
#include "conversion/profile_values.h"
#include "conversion/run_log.h"
#include "conversion/statement_encoding.h"
#include "conversion/transaction_records.h"
#include "platform/file.h"
#include "platform/text_encoding.h"
#include "settings/account_settings.h"
#include "settings/whole_file.h"

namespace tarvolo {
namespace {

constexpr size_t kHeaderLength = 130;

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

// memchr finds the line feeds of a large statement far faster than a loop.
size_t CountLineFeeds(const std::string& text) {
  size_t count = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (const void* found = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
    ++count;
    p = static_cast<const char*>(found) + 1;
  }
  return count;
}

struct FileOutcome {
  bool read = false;
  bool amountsFit = true;
};

// Converts one statement file into the export text and logs what happened;
// a file that cannot be read gets its line and is skipped.
FileOutcome ConvertFile(const std::string& path, std::string& exportText, const LogLine& log) {
  FileOutcome outcome;
  std::string content;
  const bool read = ReadWholeFile(path.c_str(), &content);
  const std::string shown = PathToText(path);
  LogFormatted(log, "Převádím soubor %s\n", {shown});
  if (!read) {
    // An empty path is the pass of a selection that names no file.
    if (!path.empty()) LogFormatted(log, "Soubor %s nelze přečíst!!!\n", {shown});
    return outcome;
  }
  outcome.read = true;
  const TextEncoding encoding = DetectEncoding(content);
  if (encoding != TextEncoding::kWindows1250) {
    content = ToWindows1250(std::move(content), encoding);
    LogFormatted(log, "Soubor je v kódování %s, převeden do Windows-1250\n",
                 {EncodingName(encoding)});
  }
  // Room for every record at once, so the export text never has to move.
  exportText.reserve(exportText.size() + (CountLineFeeds(content) + 1) * kRecordLength);
  std::vector<FieldCut> cuts;
  if (!AppendLayoutRecords(shown, content, exportText, &cuts, log)) {
    AppendTransactionRecords(content.c_str(), exportText, &cuts);
  }
  outcome.amountsFit = LogRecordReports(shown, cuts, log);
  // The text ends at a NUL byte; whatever follows it must not vanish unseen.
  const size_t textLength = std::strlen(content.c_str());
  if (textLength < content.size()) {
    const int32_t line =
        1 + static_cast<int32_t>(std::count(content.begin(), content.begin() + textLength, '\n'));
    LogFormatted(log, "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden!!!\n",
                 {shown, line});
  }
  return outcome;
}

// The sign of a balance: its heller count decides, and a count of zero
// keeps the sign of the amount itself (-0.004 is "-" with zeros).
const char* BalanceSign(int64_t hellers, double amount) {
  if (hellers != 0) return hellers < 0 ? "-" : "+";
  return amount < 0 ? "-" : "+";
}
// Turnovers are written with "0" for zero or more, as the banks' ABO files do.
const char* TurnoverSign(int64_t hellers) { return hellers < 0 ? "-" : "0"; }

int64_t Magnitude(int64_t hellers) { return hellers < 0 ? -hellers : hellers; }

// The log shows amounts as the header holds them, in whole hellers.
double InCrowns(int64_t hellers) { return static_cast<double>(hellers) / 100.0; }

}  // namespace

ExportOutcome RunStatementExport(const ExportRequest& request, const LogLine& log) {
  g_exportTotals = ExportTotals();

  // The selection is one file when its first string opens as a file;
  // otherwise that string is a folder and the names follow it.
  const SelectionWalk selection(request.selection, request.selectionSize);
  size_t offset = 0;
  const std::string first = selection.At(0, &offset);
  std::string folder;
  size_t nameOffset = 0;
  bool singleFile = false;
  const FileHandle probe = OpenFileForReading(first.c_str());
  if (probe != kNoFile) {
    CloseFile(probe);
    singleFile = true;
  } else {
    folder = first;
    nameOffset = offset;
  }

  std::string exportText(kHeaderLength, ' ');
  // Every entry is converted before the end of the list is looked for, so an
  // empty list still makes one pass with an empty name.
  bool everyFileRead = true;
  bool amountsFit = true;
  for (;;) {
    size_t next = 0;
    const std::string name = selection.At(nameOffset, &next);
    std::string path = name;
    if (!folder.empty()) path = folder + kPathSeparator + name;
    const FileOutcome file = ConvertFile(path, exportText, log);
    everyFileRead = everyFileRead && (file.read || path.empty());
    amountsFit = amountsFit && file.amountsFit;
    if (singleFile) break;
    nameOffset = next;
    size_t afterNext = 0;
    if (selection.At(nameOffset, &afterNext).empty()) break;
  }

  // Each amount too long for its record has had its line in the log.
  if (!amountsFit) return ExportOutcome::kRefused;
  if (g_exportTotals.creditSum + g_exportTotals.debitSum == 0.0) {
    log("Nebyly načteny žádné položky nebo soubory!!!\n");
    return ExportOutcome::kNothingLoaded;
  }
  if (!everyFileRead && request.everyFileRequired) {
    log("Výpis nebyl zapsán, protože některý soubor nelze přečíst!!!\n");
    return ExportOutcome::kRefused;
  }

  ProfileValues profile;
  if (const char* refusal = ReadProfileValues(&profile)) {
    log(refusal);
    return ExportOutcome::kRefused;
  }
  std::string statementDate;
  if (!AppendDdMmYy(statementDate, request.statementDate)) {
    log("Neplatné datum výpisu!!!\n");
    return ExportOutcome::kRefused;
  }

  // The header is worked out in whole hellers: the turnovers are the sums of
  // the records' amounts and the new balance is old + credits - debits to
  // the heller, so that the file adds up for every reader.
  const ExportTotals& totals = g_exportTotals;
  const double openingBalance = profile.openingBalance;
  const double newBalance = (totals.creditSum + openingBalance) - totals.debitSum;
  const int64_t oldHellers = profile.openingHellers;
  const bool fits =
      !totals.hellersOverflow && FitsHeader(totals.debitHellers) && FitsHeader(totals.creditHellers);
  const int64_t newHellers =
      fits ? oldHellers + totals.creditHellers - totals.debitHellers : 0;
  if (!fits || !FitsHeader(newHellers)) {
    log("Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!\n");
    return ExportOutcome::kRefused;
  }

  char accountField[kAccountFieldBuffer] = {};
  std::memcpy(accountField, g_accountSettings.accountNumber,
              strnlen(g_accountSettings.accountNumber, sizeof g_accountSettings.accountNumber));
  FormatAccountField(accountField);

  std::string header;
  Render(header, "074%016s%-20.20s%s%014d%s%014d%s%014d%s%014d%s%03d%s%14s\r\n",
         {accountField, g_accountSettings.accountName, profile.oldBalanceDate, Magnitude(oldHellers),
          BalanceSign(oldHellers, openingBalance), Magnitude(newHellers),
          BalanceSign(newHellers, newBalance), Magnitude(totals.debitHellers),
          TurnoverSign(totals.debitHellers), Magnitude(totals.creditHellers),
          TurnoverSign(totals.creditHellers), g_accountSettings.statementNumber, statementDate,
          ""});
  exportText.replace(0, kHeaderLength, header);

  // The log shows the amounts of the header.
  LogFormatted(log, "Načteno %d položek, starý zůstatek %.2f Kč, nový %.2f Kč\n",
               {totals.itemCount, InCrowns(oldHellers), InCrowns(newHellers)});
  LogFormatted(log, "Celkem příchozí platby %.2f Kč, odchozí platby %.2f Kč\n",
               {InCrowns(totals.creditHellers), InCrowns(totals.debitHellers)});

  const std::string output = PathToText(request.outputPath);
  if (!WriteWholeFile(request.outputPath, exportText.data(), exportText.size())) {
    LogFormatted(log, "Soubor %s se nepodařilo zapsat!!!\n", {output});
    return ExportOutcome::kWriteFailed;
  }
  LogFormatted(log, "Zapsán soubor %s\n", {output});
  // What was written is read back as any GPC reader would, so that a fault
  // shows here and not in the accounting program.
  const std::vector<std::string> problems = CheckGpcStatement(exportText);
  LogFormatted(log, "Kontrola souboru %s: %s\n",
               {output, problems.empty() ? "v pořádku" : problems.front().c_str()});
  return problems.empty() ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
}

}  // namespace tarvolo
