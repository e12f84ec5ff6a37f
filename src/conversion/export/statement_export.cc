#include "conversion/export/statement_export.h"

#include <cstdint>
#include <new>

#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"

namespace tarvolo {
namespace {

// The statement a run has written, as its result tells it.
WrittenStatement WrittenOf(const ExportRequest& request, const ConvertedFiles& converted,
                           const HeaderValues& values) {
  WrittenStatement written;
  written.paths.push_back(request.outputPath);
  if (request.camtPath != nullptr) written.paths.push_back(request.camtPath);
  written.currency = converted.run.currency.empty() ? "CZK" : converted.run.currency;
  const ExportTotals& sums = converted.run.totals;
  StatementTotals& totals = written.totals;
  totals.itemCount = sums.itemCount;
  totals.creditCount = sums.creditCount;
  totals.debitCount = sums.debitCount;
  totals.creditHellers = sums.creditHellers;
  totals.debitHellers = sums.debitHellers;
  totals.openingHellers = values.oldHellers;
  totals.closingHellers = values.newHellers;
  return written;
}

ExportOutcome ExportStatement(const ExportRequest& request, const LogLine& log,
                              ExportResult* result) {
  ConvertedFiles converted;
  converted.run.checks.SetProfileAccount(request.profile.accountNumber);
  converted.run.ownAccountField = ProfileAccountField(request.profile.accountNumber);
  if (request.camtPath != nullptr) converted.run.camt = &converted.camt;
  converted.run.bankCode = request.bankCode;
  ConvertFiles(request.files, log, &converted);
  const FileFacts* earliest =
      converted.run.checks.CheckSequence(CurrencyUnit(converted.run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  if (!ValidateRun(request, converted, earliest, log, &values, &stopped)) return stopped;
  ComposeHeader(values, request.profile, converted.run.totals, converted.exportText);
  LogTotals(values, converted.run.currency, converted.run.totals, log);
  WrittenChecks checks;
  if (!WriteStatement(request, converted, values, log, &checks, &stopped)) return stopped;
  result->statements.push_back(WrittenOf(request, converted, values));
  bool sound = LogCheck(request.outputPath, checks.gpc, log);
  if (request.camtPath != nullptr) sound = LogCheck(request.camtPath, checks.camt, log) && sound;
  const ExportOutcome outcome =
      sound ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
  const int32_t warnings = result->Warnings();
  if (warnings == 0) return outcome;
  LogFormatted(log, LogKind::kNote, "Pozor: %d upozornění, zkontrolujte je před importem\n",
               {warnings});
  return ExportOutcome::kWrittenWithProblems;
}

}  // namespace

int32_t ExportResult::Warnings() const {
  int32_t count = 0;
  for (size_t kind = 0; kind < kLogKindCount; ++kind) {
    if (IsWarning(static_cast<LogKind>(kind))) count += lines[kind];
  }
  return count;
}

ExportResult RunStatementExport(const ExportRequest& request, const LogLine& log) {
  ExportResult result;
  const LogLine counted = [&result, &log](LogKind kind, const char* text) {
    ++result.lines[static_cast<size_t>(kind)];
    log(kind, text);
  };
  // Nothing is written before the whole statement is in memory, so a run
  // that runs out of memory leaves the old file as it was.
  try {
    result.outcome = ExportStatement(request, counted, &result);
  } catch (const std::bad_alloc&) {
    result.statements.clear();
    counted(LogKind::kFailure, "Nedostatek paměti, soubor nelze zapsat\n");
    result.outcome = ExportOutcome::kRefused;
  }
  return result;
}

}  // namespace tarvolo
