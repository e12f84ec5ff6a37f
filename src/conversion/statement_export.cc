#include "conversion/statement_export.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "conversion/account_field.h"
#include "conversion/balance_check.h"
#include "conversion/dates.h"
#include "conversion/decimal_rounding.h"
#include "conversion/export_totals.h"
#include "conversion/fixed_width.h"
#include "conversion/gpc_check.h"
#include "conversion/header_record.h"
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

struct FileOutcome {
  bool read = false;
  bool amountsFit = true;
};

// Converts one statement file into the export text and logs what happened;
// a file that cannot be read gets its line and is skipped.
FileOutcome ConvertFile(const std::string& path, std::string& exportText,
                        std::vector<FileIdentity>& inputs, const LogLine& log,
                        StatedBalances* stated) {
  FileOutcome outcome;
  std::string content;
  FileIdentity identity;
  const bool read = ReadWholeFile(path.c_str(), &content, &identity);
  const std::string shown = PathToText(path);
  LogFormatted(log, "Převádím soubor %s\n", {shown});
  if (!read) {
    // An empty path is the pass of a selection that names no file.
    if (!path.empty()) LogFormatted(log, "Soubor %s nelze přečíst!!!\n", {shown});
    return outcome;
  }
  outcome.read = true;
  inputs.push_back(identity);
  const TextEncoding encoding = DetectEncoding(content);
  if (encoding != TextEncoding::kWindows1250) {
    content = ToWindows1250(std::move(content), encoding);
    LogFormatted(log, "Soubor je v kódování %s, převeden do Windows-1250\n",
                 {EncodingName(encoding)});
  }
  // Room for every record at once, so the export text never has to move.
  exportText.reserve(exportText.size() + CountItemLines(content.c_str()) * kRecordLength);
  std::vector<FieldCut> cuts;
  if (!AppendLayoutRecords(shown, content, exportText, &cuts, log, stated)) {
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

// The log shows amounts as the header holds them, in whole hellers.
double InCrowns(int64_t hellers) { return static_cast<double>(hellers) / 100.0; }

// Why the output may not be replaced, or nullptr when it may: only a
// regular file (or a link, replaced itself) gives way, and never one of the
// run's own statements or the settings file.
const char* OutputRefusal(const ExportRequest& request, const std::vector<FileIdentity>& inputs) {
  if (KindOfPath(request.outputPath) == PathKind::kOther) {
    return "Soubor %s není obyčejný soubor, nelze jej nahradit!!!\n";
  }
  FileIdentity output;
  if (!IdentityOfPath(request.outputPath, false, &output)) return nullptr;
  if (std::find(inputs.begin(), inputs.end(), output) != inputs.end()) {
    return "Soubor %s je jedním z převáděných výpisů, nelze jej přepsat!!!\n";
  }
  FileIdentity settings;
  if (request.settingsPath != nullptr && IdentityOfPath(request.settingsPath, true, &settings) &&
      settings == output) {
    return "Soubor %s je soubor nastavení, nelze jej přepsat!!!\n";
  }
  return nullptr;
}

// Problems of the written file shown in the log; the rest are counted.
constexpr size_t kLoggedProblems = 5;

ExportOutcome ExportStatement(const ExportRequest& request, const LogLine& log) {
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
  std::vector<FileIdentity> inputs;
  std::string firstPath;
  StatedBalances firstStated;
  // Every entry is converted before the end of the list is looked for, so an
  // empty list still makes one pass with an empty name.
  bool everyFileRead = true;
  bool amountsFit = true;
  for (;;) {
    size_t next = 0;
    const std::string name = selection.At(nameOffset, &next);
    std::string path = name;
    if (!folder.empty()) path = folder + kPathSeparator + name;
    const bool first = firstPath.empty();
    if (first) firstPath = path;
    const FileOutcome file =
        ConvertFile(path, exportText, inputs, log, first ? &firstStated : nullptr);
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
  if (!TakeStatedOpening(PathToText(firstPath), firstStated, request.balanceFromFile, &profile,
                         log)) {
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

  HeaderRecord header;
  header.account = accountField;
  header.accountName = g_accountSettings.accountName;
  header.oldBalanceDate = profile.oldBalanceDate.c_str();
  header.oldBalance = oldHellers;
  header.oldBalanceSign = *BalanceSign(oldHellers, openingBalance);
  header.newBalance = newHellers;
  header.newBalanceSign = *BalanceSign(newHellers, newBalance);
  header.debits = totals.debitHellers;
  header.debitsSign = *TurnoverSign(totals.debitHellers);
  header.credits = totals.creditHellers;
  header.creditsSign = *TurnoverSign(totals.creditHellers);
  header.statementNumber = g_accountSettings.statementNumber;
  header.statementDate = statementDate.c_str();
  ComposeHeaderRecord(header, &exportText[0]);

  // The log shows the amounts of the header.
  LogFormatted(log, "Načteno %d položek, starý zůstatek %.2f Kč, nový %.2f Kč\n",
               {totals.itemCount, InCrowns(oldHellers), InCrowns(newHellers)});
  LogFormatted(log, "Celkem příchozí platby %.2f Kč, odchozí platby %.2f Kč\n",
               {InCrowns(totals.creditHellers), InCrowns(totals.debitHellers)});

  const std::string output = PathToText(request.outputPath);
  if (const char* refusal = OutputRefusal(request, inputs)) {
    LogFormatted(log, refusal, {output});
    return ExportOutcome::kRefused;
  }
  // What was written is read back from the file as any GPC reader would,
  // before it takes the old file's place, so that a fault shows here and not
  // in the accounting program.
  std::vector<std::string> problems;
  if (!WriteWholeFile(request.outputPath, exportText.data(), exportText.size(),
                      [&problems](const std::string& bytes) { problems = CheckGpcStatement(bytes); })) {
    LogFormatted(log, "Soubor %s se nepodařilo zapsat!!!\n", {output});
    return ExportOutcome::kWriteFailed;
  }
  LogFormatted(log, "Zapsán soubor %s\n", {output});
  if (problems.empty()) {
    LogFormatted(log, "Kontrola souboru %s: v pořádku\n", {output});
  }
  for (size_t i = 0; i < problems.size() && i < kLoggedProblems; ++i) {
    LogFormatted(log, "Kontrola souboru %s: %s\n", {output, problems[i]});
  }
  if (problems.size() > kLoggedProblems) {
    LogFormatted(log, "Kontrola souboru %s: a %d dalších problémů\n",
                 {output, static_cast<int32_t>(problems.size() - kLoggedProblems)});
  }
  return problems.empty() ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
}

}  // namespace

ExportOutcome RunStatementExport(const ExportRequest& request, const LogLine& log) {
  // Nothing is written before the whole statement is in memory, so a run
  // that runs out of memory leaves the old file as it was.
  try {
    return ExportStatement(request, log);
  } catch (const std::bad_alloc&) {
    log("Nedostatek paměti, soubor nelze zapsat!!!\n");
    return ExportOutcome::kRefused;
  }
}

}  // namespace tarvolo
