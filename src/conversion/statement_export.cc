#include "conversion/statement_export.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/account_field.h"
#include "conversion/balance_check.h"
#include "conversion/dates.h"
#include "conversion/decimal_rounding.h"
#include "conversion/export_totals.h"
#include "conversion/fixed_width.h"
#include "conversion/gpc_check.h"
#include "conversion/layout_records.h"
#include "conversion/number_reading.h"
#include "conversion/statement_encoding.h"
#include "conversion/transaction_records.h"
#include "platform/file.h"
#include "settings/account_settings.h"
#include "settings/whole_file.h"

namespace tarvolo {
namespace {

constexpr size_t kHeaderLength = 130;

// Header amounts have 14 digits of hellers.
constexpr int64_t kLargestHeaderHellers = 99999999999999;

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

void LogFormatted(const LogLine& log, const char* format, std::initializer_list<FormatArg> args) {
  std::string line;
  Render(line, format, args);
  log(line.c_str());
}

// Converts one statement file into the export text and logs what happened;
// a file that cannot be read gets its line and is skipped.
void ConvertFile(const std::string& path, std::string& exportText, const LogLine& log,
                 StatedBalances* stated) {
  std::string content;
  const bool read = ReadWholeFile(path.c_str(), &content);
  LogFormatted(log, "Převádím soubor %s\n", {path});
  if (!read) return;
  const TextEncoding encoding = DetectEncoding(content);
  if (encoding != TextEncoding::kWindows1250) {
    content = ToWindows1250(content, encoding);
    LogFormatted(log, "Soubor je v kódování %s, převeden do Windows-1250\n",
                 {EncodingName(encoding)});
  }
  // Room for every record at once, so the export text never has to move.
  exportText.reserve(exportText.size() +
                     (std::count(content.begin(), content.end(), '\n') + 1) * kRecordLength);
  std::vector<FieldCut> cuts;
  if (!AppendLayoutRecords(path, content, exportText, &cuts, log, stated)) {
    AppendTransactionRecords(content.c_str(), exportText, &cuts);
  }
  for (const FieldCut& cut : cuts) {
    LogFormatted(log, "Soubor %s, řádek %d: %s je delší než pole v ABO, zapsán jen jeho konec!!!\n",
                 {path, int32_t{cut.lineNumber}, cut.field});
  }
  // The text ends at a NUL byte; whatever follows it must not vanish unseen.
  const size_t textLength = std::strlen(content.c_str());
  if (textLength < content.size()) {
    const int32_t line =
        1 + static_cast<int32_t>(std::count(content.begin(), content.begin() + textLength, '\n'));
    LogFormatted(log, "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden!!!\n",
                 {path, line});
  }
}

// A line break in the own account number or the account name would split
// the fixed-width lines of the statement file.
bool HasLineBreak(const char* field, size_t size) {
  for (size_t i = 0; i < size && field[i] != '\0'; ++i) {
    if (field[i] == '\r' || field[i] == '\n') return true;
  }
  return false;
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

bool FitsHeader(int64_t hellers) { return Magnitude(hellers) <= kLargestHeaderHellers; }

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

  double openingBalance = ReadAmountText(
      std::string(g_accountSettings.openingBalance,
                  strnlen(g_accountSettings.openingBalance, sizeof g_accountSettings.openingBalance))
          .c_str());

  std::string exportText(kHeaderLength, ' ');
  std::string firstPath;
  StatedBalances firstStated;
  // Every entry is converted before the end of the list is looked for, so an
  // empty list still makes one pass with an empty name.
  for (;;) {
    size_t next = 0;
    const std::string name = selection.At(nameOffset, &next);
    std::string path = name;
    if (!folder.empty()) path = folder + kPathSeparator + name;
    const bool first = firstPath.empty();
    if (first) firstPath = path;
    ConvertFile(path, exportText, log, first ? &firstStated : nullptr);
    if (singleFile) break;
    nameOffset = next;
    size_t afterNext = 0;
    if (selection.At(nameOffset, &afterNext).empty()) break;
  }

  if (g_exportTotals.creditSum + g_exportTotals.debitSum == 0.0) {
    log("Nebyly načteny žádné položky nebo soubory!!!\n");
    return ExportOutcome::kNothingLoaded;
  }
  if (!TakeStatedOpening(firstPath, firstStated, request.balanceFromFile, &openingBalance, log)) {
    return ExportOutcome::kRefused;
  }

  std::string statementDate;
  std::string oldBalanceDate;
  const bool statementDateOk = AppendDdMmYy(statementDate, request.statementDate);
  if (!AppendDdMmYy(oldBalanceDate, g_accountSettings.balanceDate)) {
    log("Neplatné datum zůstatku!!!\n");
    return ExportOutcome::kRefused;
  }
  if (!statementDateOk) {
    log("Neplatné datum výpisu!!!\n");
    return ExportOutcome::kRefused;
  }
  if (g_accountSettings.statementNumber < -99 || g_accountSettings.statementNumber > 999) {
    log("Číslo výpisu musí být od 0 do 999!!!\n");
    return ExportOutcome::kRefused;
  }

  if (HasLineBreak(g_accountSettings.accountNumber, sizeof g_accountSettings.accountNumber) ||
      HasLineBreak(g_accountSettings.accountName, sizeof g_accountSettings.accountName)) {
    log("Číslo nebo název účtu obsahuje konec řádku, soubor nelze zapsat!!!\n");
    return ExportOutcome::kRefused;
  }

  // The header is worked out in whole hellers: the turnovers are the sums of
  // the records' amounts and the new balance is old + credits - debits to
  // the heller, so that the file adds up for every reader.
  const ExportTotals& totals = g_exportTotals;
  const double newBalance = (totals.creditSum + openingBalance) - totals.debitSum;
  int64_t oldHellers = 0;
  bool fits = WholeHellers(openingBalance, &oldHellers) && FitsHeader(oldHellers) &&
              !totals.hellersOverflow && FitsHeader(totals.debitHellers) &&
              FitsHeader(totals.creditHellers);
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
         {accountField, g_accountSettings.accountName, oldBalanceDate, Magnitude(oldHellers),
          BalanceSign(oldHellers, openingBalance), Magnitude(newHellers),
          BalanceSign(newHellers, newBalance), Magnitude(totals.debitHellers),
          TurnoverSign(totals.debitHellers), Magnitude(totals.creditHellers),
          TurnoverSign(totals.creditHellers), g_accountSettings.statementNumber, statementDate,
          ""});
  exportText.replace(0, kHeaderLength, header);

  // The log shows the amounts of the header.
  LogFormatted(log, "Načteno %d položek, starý zůstatek %.2f Kč, nový %.2f Kč\n",
               {totals.itemCount, openingBalance, static_cast<double>(newHellers) / 100.0});
  LogFormatted(log, "Celkem příchozí platby %.2f Kč, odchozí platby %.2f Kč\n",
               {static_cast<double>(totals.creditHellers) / 100.0,
                static_cast<double>(totals.debitHellers) / 100.0});

  if (!WriteWholeFile(request.outputPath, exportText.data(), exportText.size())) {
    LogFormatted(log, "Soubor %s se nepodařilo zapsat!!!\n", {request.outputPath});
    return ExportOutcome::kWriteFailed;
  }
  LogFormatted(log, "Zapsán soubor %s\n", {request.outputPath});
  // What was written is read back as any GPC reader would, so that a fault
  // shows here and not in the accounting program.
  const std::vector<std::string> problems = CheckGpcStatement(exportText);
  LogFormatted(log, "Kontrola souboru %s: %s\n",
               {request.outputPath, problems.empty() ? "v pořádku" : problems.front().c_str()});
  return ExportOutcome::kWritten;
}

}  // namespace tarvolo
