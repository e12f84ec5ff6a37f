#include "conversion/export/statement_export.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/camt/camt_entries.h"
#include "conversion/export/camt_export.h"
#include "conversion/export/export_totals.h"
#include "conversion/export/run_checks.h"
#include "conversion/export/run_log.h"
#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/header_record.h"
#include "conversion/gpc/item_record_writer.h"
#include "conversion/reading/balance_check.h"
#include "conversion/reading/layout_records.h"
#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_encoding.h"
#include "conversion/reading/statement_layout.h"
#include "conversion/values/dates.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/number_reading.h"
#include "conversion/values/profile_values.h"
#include "platform/file.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"
#include "settings/account_settings.h"

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

constexpr int32_t kServis24BankCode = 800;

// The bank code after the slash of "number/bank", 0 for none.
int32_t BankCodeOf(const std::string& account) {
  const size_t slash = account.rfind('/');
  int32_t code = 0;
  if (slash == std::string::npos || account.size() - slash != 5 ||
      !ReadDigitsOnly(std::string_view(account).substr(slash + 1), 4, &code)) {
    return 0;
  }
  return code;
}

// What the run knows across its files.
struct RunState {
  std::string currency;  // the statement's, set by its first file
  RunChecks checks;
  CamtEntries* camt = nullptr;  // the camt.053 entries, when they are written
  int32_t bankCode = 0;         // the own account's, where a file tells it
};

// One reading tried on a file: its records go to the export text, its
// totals and log lines are held back until the reading is chosen.
class Attempt {
 public:
  Attempt(std::string& exportText, RunState* run, const std::string& shown,
          const LayoutReading* reading)
      : exportText_(exportText),
        mark_(exportText.size()),
        run_(run),
        items_(run->checks, shown, reading, Log()) {
    if (run_->camt) camtMark_ = run_->camt->Position();
  }

  ItemSink Sink() {
    return [this](const StatementItem& item) {
      if (!items_.Take(item)) return;
      int64_t hellers = -1;
      writer_.Append(item, exportText_, &hellers);
      AddItemToTotals(item.amount, &totals_, hellers);
      if (run_->camt) run_->camt->Add(item, run_->currency);
    };
  }
  LogLine Log() {
    return [this](const char* line) { lines_.emplace_back(line); };
  }
  std::vector<FieldCut>* Cuts() { return &cuts_; }

  // The reading is chosen: its totals count, its lines are logged, and
  // the checks across files learn of it.
  bool Accept(const std::string& path, RunChecks& checks, const StatedBalances& stated,
              const LogLine& log) {
    items_.Finish();
    AddTotals(totals_, &g_exportTotals);
    for (const std::string& line : lines_) log(line.c_str());
    const bool fit = LogRecordReports(path, cuts_, log);
    checks.AcceptFile(items_, path, stated, log);
    return fit;
  }
  // The reading is not chosen: nothing of it stays.
  void Discard() {
    exportText_.resize(mark_);
    if (run_->camt) run_->camt->TakeBack(camtMark_);
  }

 private:
  std::string& exportText_;
  size_t mark_;
  RunState* run_;
  CamtEntries::Mark camtMark_;
  std::vector<FieldCut> cuts_;
  ItemRecordWriter writer_{&cuts_};
  ExportTotals totals_;
  std::vector<std::string> lines_;
  RunChecks::FileItems items_;
};

// Tries the readings a file may have, a bank's layout its header names
// first, then Servis24 by position, then columns known by their names: the
// first one its data confirm gives the file's items. Returns whether one
// did; `reasons` gets why each other one did not.
bool ChooseReading(const std::string& shown, std::string_view statement, size_t itemLines,
                   std::string& exportText, RunState* run, const LogLine& log, FileOutcome* outcome,
                   std::vector<std::string>* reasons) {
  const StatementLayout layout = RecogniseLayout(statement);
  if (!layout.recognised) reasons->push_back("hlavička nenalezena");
  const auto tryLayout = [&]() {
    LayoutReading reading;
    Attempt attempt(exportText, run, shown, &reading);
    std::string currency = run->currency;
    // A reading that gave up part of the way is not confirmed, whatever
    // the lines it read so far.
    ReadLayoutItems(shown, statement, layout, &currency, attempt.Sink(), attempt.Log(), &reading);
    if (!reading.confirmation.Confirmed()) {
      attempt.Discard();
      reasons->push_back(reading.refusal);
      return false;
    }
    run->currency = currency;
    if (run->bankCode == 0 && !reading.ownAccounts.empty()) {
      run->bankCode = BankCodeOf(reading.ownAccounts.front());
    }
    outcome->amountsFit = attempt.Accept(shown, run->checks, reading.stated, log);
    return true;
  };
  if (layout.recognised && layout.known && tryLayout()) return true;
  {
    Attempt attempt(exportText, run, shown, nullptr);
    ReadingConfirmation confirmation;
    const bool whole = ReadServis24Items(statement.data(), attempt.Sink(), attempt.Cuts(),
                                         &confirmation, itemLines);
    if (whole && confirmation.Confirmed()) {
      if (run->currency.empty()) run->currency = "CZK";
      // Servis24 is Česká spořitelna's.
      if (run->bankCode == 0) run->bankCode = kServis24BankCode;
      outcome->amountsFit = attempt.Accept(shown, run->checks, StatedBalances(), log);
      return true;
    }
    attempt.Discard();
    reasons->push_back("sloupec 2 neobsahuje data RRRR/MM/DD");
  }
  return layout.recognised && !layout.known && tryLayout();
}

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
  LogFormatted(log, "Převádím soubor %s\n", {shown});
  if (!read) {
    // An empty path is the pass of a selection that names no file.
    if (!path.empty()) LogFormatted(log, "Soubor %s nelze přečíst!!!\n", {shown});
    return outcome;
  }
  outcome.read = true;
  inputs.push_back(identity);
  // The same statement chosen twice, under any name, would book its items
  // twice.
  const std::string earlier = run->checks.EarlierCopy(content.view(), shown);
  if (!earlier.empty()) {
    LogFormatted(log, "Soubor %s je stejný jako soubor %s, podruhé nebyl převeden!!!\n",
                 {shown, earlier});
    outcome.converted = true;
    return outcome;
  }
  const TextEncoding encoding = DetectEncoding(content.view());
  if (encoding != TextEncoding::kWindows1250) {
    content.Shorten(ToWindows1250InPlace(content.data(), content.size(), encoding));
    LogFormatted(log, "Soubor je v kódování %s, převeden do Windows-1250\n",
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
                                    exportText, run, log, &outcome, &reasons);
  if (!outcome.converted) {
    std::string why;
    for (const std::string& reason : reasons) why += (why.empty() ? "" : ", ") + reason;
    LogFormatted(log, "Soubor %s: formát nerozpoznán (%s), soubor nebyl převeden!!!\n",
                 {shown, why});
  }
  if (textLength < content.size()) {
    const int32_t line =
        1 + static_cast<int32_t>(std::count(content.data(), content.data() + textLength, '\n'));
    LogFormatted(log,
                 "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden!!!\n",
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

// Why the output may not be replaced, or nullptr when it may: only a
// regular file (or a link, replaced itself) gives way, and never one of the
// run's own statements or the settings file.
const char* OutputRefusal(const ExportRequest& request, const char* path,
                          const std::vector<FileIdentity>& inputs) {
  if (KindOfPath(path) == PathKind::kOther) {
    return "Soubor %s není obyčejný soubor, nelze jej nahradit!!!\n";
  }
  FileIdentity output;
  if (!IdentityOfPath(path, false, &output)) return nullptr;
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

// What the conversion of the selected files gave: the records behind room
// for the header, and what the later steps need to know of the files.
struct ConvertedFiles {
  std::string exportText = std::string(kGpcLineLength, ' ');
  std::vector<FileIdentity> inputs;
  std::string firstPath;
  RunState run;
  CamtEntries camt;
  bool everyFileRead = true;
  bool everyFileConverted = true;
  bool amountsFit = true;
};

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

// The values of the header, worked out in whole hellers: the turnovers are
// the sums of the records' amounts and the new balance is old + credits -
// debits to the heller, so that the file adds up for every reader.
struct HeaderValues {
  ProfileValues profile;
  std::string statementDate;
  int64_t oldHellers = 0;
  int64_t newHellers = 0;
  double newBalance = 0;
};

// Whether the run may go on to write; otherwise its outcome is in `refused`
// and the reason in the log.
bool ValidateRun(const ExportRequest& request, const ConvertedFiles& converted,
                 const FileFacts* earliest, const LogLine& log, HeaderValues* values,
                 ExportOutcome* refused) {
  *refused = ExportOutcome::kRefused;
  // Each amount too long for its record has had its line in the log.
  if (!converted.amountsFit) return false;
  const ExportTotals& totals = g_exportTotals;
  if (totals.creditSum + totals.debitSum == 0.0) {
    log("Nebyly načteny žádné položky nebo soubory!!!\n");
    *refused = ExportOutcome::kNothingLoaded;
    return false;
  }
  if (!converted.everyFileRead && request.everyFileRequired) {
    log("Výpis nebyl zapsán, protože některý soubor nelze přečíst!!!\n");
    return false;
  }
  if (!converted.everyFileConverted && request.everyFileRequired) {
    log("Výpis nebyl zapsán, protože formát některého souboru nebyl rozpoznán!!!\n");
    return false;
  }
  ProfileValues& profile = values->profile;
  if (const char* refusal = ReadProfileValues(&profile)) {
    log(refusal);
    return false;
  }
  if (!profile.droppedBank.empty()) {
    LogFormatted(log, kDroppedBankLine, {profile.droppedBank});
  }
  // The opening balance is the earliest file's, whatever the order given.
  const std::string openingPath = earliest ? earliest->shown : PathToText(converted.firstPath);
  const StatedBalances openingStated = earliest ? earliest->stated : StatedBalances();
  if (!TakeStatedOpening(openingPath, openingStated, request.balanceFromFile, &profile, log)) {
    return false;
  }
  if (!AppendDdMmYy(values->statementDate, request.statementDate)) {
    log("Neplatné datum výpisu!!!\n");
    return false;
  }
  values->newBalance = (totals.creditSum + profile.openingBalance) - totals.debitSum;
  values->oldHellers = profile.openingHellers;
  const bool fits = !totals.hellersOverflow && FitsHeader(totals.debitHellers) &&
                    FitsHeader(totals.creditHellers);
  values->newHellers = fits ? values->oldHellers + totals.creditHellers - totals.debitHellers : 0;
  if (!fits || !FitsHeader(values->newHellers)) {
    log(kHeaderDigitsRefusal);
    return false;
  }
  return true;
}

// Puts the "074" header into the room left for it before the records.
void ComposeHeader(const HeaderValues& values, std::string& exportText) {
  const ExportTotals& totals = g_exportTotals;
  const int64_t oldHellers = values.oldHellers;
  const int64_t newHellers = values.newHellers;
  HeaderRecord header;
  header.account = values.profile.accountField.c_str();
  header.accountName = g_accountSettings.accountName;
  header.oldBalanceDate = values.profile.oldBalanceDate.c_str();
  header.oldBalance = oldHellers;
  header.oldBalanceSign = *BalanceSign(oldHellers, values.profile.openingBalance);
  header.newBalance = newHellers;
  header.newBalanceSign = *BalanceSign(newHellers, values.newBalance);
  header.debits = totals.debitHellers;
  header.debitsSign = *TurnoverSign(totals.debitHellers);
  header.credits = totals.creditHellers;
  header.creditsSign = *TurnoverSign(totals.creditHellers);
  header.statementNumber = g_accountSettings.statementNumber;
  header.statementDate = values.statementDate.c_str();
  ComposeHeaderRecord(header, &exportText[0]);
}

// The statement's currency as the log shows it after an amount.
std::string CurrencyUnit(const std::string& currency) {
  return currency.empty() || currency == "CZK" ? "Kč" : currency;
}

// The amounts of the header, as the log shows them, in the statement's
// currency.
void LogTotals(const HeaderValues& values, const std::string& currency, const LogLine& log) {
  const ExportTotals& totals = g_exportTotals;
  const std::string unit = CurrencyUnit(currency);
  LogFormatted(
      log, "Načteno %d položek, starý zůstatek %.2f %s, nový %.2f %s\n",
      {totals.itemCount, Crowns(values.oldHellers), unit, Crowns(values.newHellers), unit});
  LogFormatted(log, "Celkem příchozí platby %.2f %s, odchozí platby %.2f %s\n",
               {Crowns(totals.creditHellers), unit, Crowns(totals.debitHellers), unit});
}

// Counts the lines of a run that warn about its items: those that end with
// "!!!", but a value cut to its field, which the accounting program books as
// it is.
class WarningCount {
 public:
  explicit WarningCount(const LogLine& log) : log_(log) {}
  LogLine Log() {
    return [this](const char* line) {
      const std::string_view text(line);
      if (text.size() >= 4 && text.compare(text.size() - 4, 4, "!!!\n") == 0 &&
          text.find(" je delší než pole v ABO") == std::string_view::npos) {
        ++count_;
      }
      log_(line);
    };
  }
  int32_t count() const { return count_; }

 private:
  const LogLine& log_;
  int32_t count_ = 0;
};

// What the checks of the written files found.
struct WrittenChecks {
  std::vector<std::string> gpc, camt;
};

CamtRunValues CamtValuesOf(const ExportRequest& request, const ConvertedFiles& converted,
                           const HeaderValues& values) {
  CamtRunValues run;
  run.balanceDate = g_accountSettings.balanceDate;
  run.statementDate = request.statementDate;
  run.openingHellers = values.oldHellers;
  run.closingHellers = values.newHellers;
  run.creditHellers = g_exportTotals.creditHellers;
  run.debitHellers = g_exportTotals.debitHellers;
  run.currency = converted.run.currency;
  run.bankCode = converted.run.bankCode;
  return run;
}

// Writes the statement file, and its camt.053 twin when asked, unless one
// may not be replaced: both or neither. What was written is read back from
// each file as any reader would, before it takes the old file's place, so
// that a fault shows here and not in the accounting program; the problems
// go to `checks`.
bool WriteStatement(const ExportRequest& request, const ConvertedFiles& converted,
                    const HeaderValues& values, const LogLine& log, WrittenChecks* checks,
                    ExportOutcome* failed) {
  const std::string output = PathToText(request.outputPath);
  if (const char* refusal = OutputRefusal(request, request.outputPath, converted.inputs)) {
    LogFormatted(log, refusal, {output});
    *failed = ExportOutcome::kRefused;
    return false;
  }
  const std::string& text = converted.exportText;
  std::vector<FileToWrite> files = {{request.outputPath, text, [checks](std::string_view bytes) {
                                       checks->gpc = CheckGpcStatement(bytes);
                                     }}};
  std::string camt;
  if (request.camtPath != nullptr) {
    const std::string shown = PathToText(request.camtPath);
    if (const char* refusal = OutputRefusal(request, request.camtPath, converted.inputs)) {
      LogFormatted(log, refusal, {shown});
      *failed = ExportOutcome::kRefused;
      return false;
    }
    const CamtRunValues run = CamtValuesOf(request, converted, values);
    bool hasIban = false;
    camt = ComposeRunCamt(run, converted.camt, &hasIban);
    if (!hasIban) {
      LogFormatted(log,
                   "Soubor %s uvádí účet bez IBAN (kód banky není znám, zadejte jej volbou "
                   "--bank-code); účetní program může IBAN vyžadovat\n",
                   {shown});
    }
    const CamtExpectation expected = ExpectationOf(run, converted.camt);
    files.push_back({request.camtPath, camt, [checks, expected](std::string_view bytes) {
                       checks->camt = CheckCamtStatement(bytes, expected);
                     }});
  }
  if (!WriteWholeFiles(files)) {
    LogFormatted(log, "Soubor %s se nepodařilo zapsat!!!\n", {output});
    if (request.camtPath != nullptr) {
      LogFormatted(log, "Soubor %s se nepodařilo zapsat!!!\n", {PathToText(request.camtPath)});
    }
    *failed = ExportOutcome::kWriteFailed;
    return false;
  }
  for (const FileToWrite& file : files) {
    LogFormatted(log, "Zapsán soubor %s\n", {PathToText(file.path)});
  }
  return true;
}

// Logs what the check of one written file found; whether it found nothing.
bool LogCheck(const char* path, const std::vector<std::string>& problems, const LogLine& log) {
  const std::string output = PathToText(path);
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
  return problems.empty();
}

ExportOutcome ExportStatement(const ExportRequest& request, const LogLine& plainLog) {
  g_exportTotals = ExportTotals();
  WarningCount warnings(plainLog);
  const LogLine log = warnings.Log();
  ConvertedFiles converted;
  if (request.camtPath != nullptr) converted.run.camt = &converted.camt;
  converted.run.bankCode = request.bankCode;
  ConvertFiles(SelectFiles(request), log, &converted);
  const FileFacts* earliest =
      converted.run.checks.CheckSequence(CurrencyUnit(converted.run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  if (!ValidateRun(request, converted, earliest, log, &values, &stopped)) return stopped;
  ComposeHeader(values, converted.exportText);
  LogTotals(values, converted.run.currency, log);
  WrittenChecks checks;
  if (!WriteStatement(request, converted, values, log, &checks, &stopped)) return stopped;
  bool sound = LogCheck(request.outputPath, checks.gpc, log);
  if (request.camtPath != nullptr) sound = LogCheck(request.camtPath, checks.camt, log) && sound;
  const ExportOutcome outcome =
      sound ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
  if (warnings.count() == 0) return outcome;
  LogFormatted(plainLog, "Pozor: %d upozornění, zkontrolujte je před importem!!!\n",
               {warnings.count()});
  return ExportOutcome::kWrittenWithProblems;
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
