#include "conversion/export/statement_export.h"

#include <cstdint>
#include <new>

#include "conversion/export/export_totals.h"
#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"

namespace tarvolo {
namespace {

// Counts the lines of a run that warn; a value cut to its field is only a
// note, as the accounting program books it as it is.
class WarningCount {
 public:
  explicit WarningCount(const LogLine& log) : log_(log) {}
  LogLine Log() {
    return [this](LogKind kind, const char* line) {
      if (IsWarning(kind)) ++count_;
      log_(kind, line);
    };
  }
  int32_t count() const { return count_; }

 private:
  const LogLine& log_;
  int32_t count_ = 0;
};

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
  LogFormatted(plainLog, LogKind::kNote, "Pozor: %d upozornění, zkontrolujte je před importem\n",
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
    log(LogKind::kFailure, "Nedostatek paměti, soubor nelze zapsat\n");
    return ExportOutcome::kRefused;
  }
}

}  // namespace tarvolo
