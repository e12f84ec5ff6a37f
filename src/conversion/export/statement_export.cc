#include "conversion/export/statement_export.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"
#include "conversion/export/statement_iban.h"
#include "conversion/export/statement_path.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// One statement of the run: its currency ("" for the main statement, which
// takes the first file's) and what its files are named with.
struct StatementPlan {
  std::string currency;
  std::string suffix;  // "" for the main statement
  // Why no IBAN is known, once the log has said it for a statement.
  bool ibanNoted = false;
  std::string ibanUnknown;
};

// Writes one statement of the run; `found` gets the currencies its files
// hold beside its own, and `plan` the currency its files gave it.
ExportOutcome ExportStatement(const ExportRequest& request, StatementPlan* plan, const LogLine& log,
                              ExportResult* result, std::vector<std::string>* found) {
  ConvertedFiles converted;
  RunState& run = converted.run;
  run.currency = plan->currency;
  run.split.statedOnly = !plan->suffix.empty();
  run.checks.SetProfileAccount(request.profile.accountNumber);
  std::vector<OutputFile> outputs = request.outputs;
  for (OutputFile& output : outputs) {
    output.path = StatementPath(output.path, plan->suffix);
    output.format->Begin(request.profile, &run.reports);
    run.outputs.push_back(output.format);
  }
  ConvertFiles(request.files, log, &converted);
  *found = run.split.found;
  plan->currency = run.currency;
  const FileFacts* earliest = run.checks.CheckSequence(CurrencyUnit(run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  // A statement beside the main one has no balance in the profile.
  ExportRequest statement = request;
  statement.outputs = outputs;
  const std::string zeroOpening = plan->suffix.empty() ? "" : PathToText(outputs.front().path);
  if (!zeroOpening.empty()) statement.balanceFromFile = true;
  if (!ValidateRun(statement, converted, earliest, log, &values, &stopped, zeroOpening)) {
    return stopped;
  }
  // The IBAN given is the main statement's: another currency's account may
  // have its own.
  const std::string given = plan->suffix.empty() ? request.iban : std::string();
  const StatementIban iban =
      StatementIbanOf({request.profile.accountNumber, given, request.bankCode}, run.banks);
  if (!iban.refusal.empty()) {
    log(LogKind::kFailure, iban.refusal.c_str());
    return ExportOutcome::kRefused;
  }
  LogTotals(values, run.currency, run.totals, log);
  StatementSummary summary = SummaryOf(statement, converted, values);
  summary.iban = iban.iban;
  summary.bankCode = iban.bankCode;
  summary.ibanUnknown = iban.unknownWhy;
  summary.ibanUnknownNoted =
      iban.iban.empty() && plan->ibanNoted && plan->ibanUnknown == iban.unknownWhy;
  if (iban.iban.empty()) {
    plan->ibanNoted = true;
    plan->ibanUnknown = iban.unknownWhy;
  }
  std::vector<std::vector<std::string>> problems;
  if (!WriteOutputs(statement, converted, summary, log, &problems, &stopped)) return stopped;
  WrittenStatement written;
  for (const OutputFile& output : outputs) written.paths.push_back(output.path);
  written.currency = run.currency.empty() ? "CZK" : run.currency;
  written.totals = summary.totals;
  result->statements.push_back(written);
  bool sound = true;
  for (size_t i = 0; i < outputs.size(); ++i) {
    sound = LogCheck(outputs[i].path, problems[i], log) && sound;
  }
  return sound ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
}

// Names each statement a run of several wrote, so that none goes unseen.
void LogStatements(const ExportRequest& request, const ExportResult& result, const LogLine& log) {
  if (result.statements.size() < 2) return;
  for (const WrittenStatement& statement : result.statements) {
    std::string files;
    for (const std::string& path : statement.paths) {
      files += (files.empty() ? "" : ", ") + PathToText(path);
    }
    LogFormatted(
        log, LogKind::kInformation, "Výpis účtu %s v %s, %d položek: %s\n",
        {request.profile.accountNumber, statement.currency, statement.totals.itemCount, files});
  }
}

// Writes the main statement and then one for each other currency its files
// hold, until every item has its statement or one cannot be written.
ExportOutcome ExportStatements(const ExportRequest& request, const LogLine& log,
                               ExportResult* result) {
  std::vector<std::string> found;
  StatementPlan main;
  ExportOutcome outcome = ExportStatement(request, &main, log, result, &found);
  if (result->statements.empty()) return outcome;
  std::vector<std::string> currencies = {main.currency};
  for (size_t next = 0; next < found.size(); ++next) {
    if (std::find(currencies.begin(), currencies.end(), found[next]) != currencies.end()) continue;
    currencies.push_back(found[next]);
    LogFormatted(log, LogKind::kInformation, "Výpis v měně %s\n", {found[next]});
    std::vector<std::string> more;
    StatementPlan other{found[next], "-" + found[next], main.ibanNoted, main.ibanUnknown};
    const ExportOutcome written = ExportStatement(request, &other, log, result, &more);
    found.insert(found.end(), more.begin(), more.end());
    main.ibanNoted = other.ibanNoted;
    main.ibanUnknown = other.ibanUnknown;
    if (written == ExportOutcome::kWritten) continue;
    outcome = written;
    if (written != ExportOutcome::kWrittenWithProblems) break;
  }
  LogStatements(request, *result, log);
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
    result.outcome = ExportStatements(request, counted, &result);
  } catch (const std::bad_alloc&) {
    result.statements.clear();
    counted(LogKind::kFailure, "Nedostatek paměti, soubor nelze zapsat\n");
    result.outcome = ExportOutcome::kRefused;
  }
  return result;
}

}  // namespace tarvolo
