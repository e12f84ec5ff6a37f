#include "conversion/export/statement_export.h"

#include <cstdint>
#include <new>

#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"
#include "conversion/export/statement_iban.h"

namespace tarvolo {
namespace {

ExportOutcome ExportStatement(const ExportRequest& request, const LogLine& log,
                              ExportResult* result) {
  ConvertedFiles converted;
  RunState& run = converted.run;
  run.checks.SetProfileAccount(request.profile.accountNumber);
  for (const OutputFile& output : request.outputs) {
    output.format->Begin(request.profile, &run.reports);
    run.outputs.push_back(output.format);
  }
  ConvertFiles(request.files, log, &converted);
  const FileFacts* earliest = run.checks.CheckSequence(CurrencyUnit(run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  if (!ValidateRun(request, converted, earliest, log, &values, &stopped)) return stopped;
  const StatementIban iban =
      StatementIbanOf({request.profile.accountNumber, request.iban, request.bankCode}, run.banks);
  if (!iban.refusal.empty()) {
    log(LogKind::kFailure, iban.refusal.c_str());
    return ExportOutcome::kRefused;
  }
  LogTotals(values, run.currency, run.totals, log);
  StatementSummary summary = SummaryOf(request, converted, values);
  summary.iban = iban.iban;
  summary.bankCode = iban.bankCode;
  summary.ibanUnknown = iban.unknownWhy;
  std::vector<std::vector<std::string>> problems;
  if (!WriteOutputs(request, converted, summary, log, &problems, &stopped)) return stopped;
  WrittenStatement written;
  for (const OutputFile& output : request.outputs) written.paths.push_back(output.path);
  written.currency = run.currency.empty() ? "CZK" : run.currency;
  written.totals = summary.totals;
  result->statements.push_back(written);
  bool sound = true;
  for (size_t i = 0; i < request.outputs.size(); ++i) {
    sound = LogCheck(request.outputs[i].path, problems[i], log) && sound;
  }
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
