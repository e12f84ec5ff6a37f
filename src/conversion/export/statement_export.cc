#include "conversion/export/statement_export.h"

#include <cstdint>
#include <new>
#include <set>
#include <string>

#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"
#include "conversion/export/statement_iban.h"
#include "conversion/export/statement_path.h"
#include "conversion/export/written_apart.h"
#include "conversion/values/account_number.h"
#include "conversion/values/koruna_default.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// One statement of the run: its own account and currency, and what its
// files are named with.
struct StatementPlan {
  bool mainAccount = true;
  AccountNumber account;  // where it is not the main one
  std::string currency;   // "": the first file's
  std::string suffix;     // "" for the main statement

  // The other account as its header and its files' names carry it: the
  // prefix and the number, the bank in a field of its own.
  std::string Account() const {
    AccountNumber number = account;
    number.bank.clear();
    return ShownAccount(number);
  }
};

// What the run's statements so far found and said.
struct RunStatements {
  std::vector<StatementPlan> plans;
  // Why no IBAN is known, once the log has said it for a statement.
  bool ibanNoted = false;
  std::string ibanUnknown;

  // Plans the statement of `account` in `currency`, unless it has one.
  void Add(const StatementPlan& from, const AccountNumber* account, const std::string& currency) {
    StatementPlan plan = from;
    if (account != nullptr) plan = {false, *account, "", ""};
    if (!currency.empty()) plan.currency = currency;
    for (const StatementPlan& known : plans) {
      const bool sameAccount = known.mainAccount == plan.mainAccount &&
                               (plan.mainAccount || SameAccount(known.account, plan.account));
      if (sameAccount && (plan.currency.empty() || known.currency == plan.currency)) return;
    }
    plan.suffix = plan.mainAccount ? "" : "-" + plan.Account();
    if (account == nullptr) plan.suffix += "-" + currency;
    plans.push_back(plan);
  }
};

// Writes one statement of the run; `plans` gets the statements its files
// hold beside it, and its plan the currency its files gave it.
ExportOutcome ExportStatement(const ExportRequest& request, size_t index, const LogLine& log,
                              ExportResult* result, RunStatements* plans) {
  StatementPlan plan = plans->plans[index];
  const bool besideMain = !plan.suffix.empty();
  ConvertedFiles converted;
  RunState& run = converted.run;
  run.currency = plan.currency;
  // Another account's first statement takes the currency of its files.
  run.split.statedOnly = besideMain && !plan.currency.empty();
  ExportRequest statement = request;
  if (!plan.mainAccount) {
    statement.profile.accountNumber = plan.Account();
    statement.iban.clear();
    // An account read without its bank leaves the bank to its files.
    statement.bankCode = BankCodeOf(plan.account);
  }
  run.checks.SetProfileAccount(statement.profile.accountNumber);
  if (statement.checkPeriod) run.period.Set(statement.profile.balanceDate, statement.statementDate);
  run.split.account = statement.profile.accountNumber;
  if (besideMain) run.checks.SetBesideMain(plan.mainAccount ? nullptr : &plan.account);
  for (OutputFile& output : statement.outputs) {
    output.path = StatementPath(output.path, plan.suffix);
    output.format->Begin(statement.profile, &run.reports);
    run.outputs.push_back(output.format);
  }
  ConvertFiles(request.files, request.fileSystem, log, &converted);
  plans->plans[index].currency = run.currency;
  for (const std::string& currency : run.split.found) plans->Add(plan, nullptr, currency);
  for (const AccountNumber& account : run.checks.OtherAccounts()) {
    if (!plan.mainAccount || !SameAccount(account, plan.account)) {
      plans->Add(plan, &account, "");
    }
  }
  // A statement beside the main one that takes no item (an account whose
  // items are all in other currencies) is not written.
  if (besideMain && !run.totals.anyAmount) {
    LogFormatted(log, LogKind::kInformation, "Výpis účtu %s v %s nemá žádné položky, nezapsán\n",
                 {statement.profile.accountNumber, std::string(CurrencyOrKoruna(run.currency))});
    return ExportOutcome::kWritten;
  }
  const FileFacts* earliest = run.checks.CheckSequence(CurrencyUnit(run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  // A statement beside the main one has no balance in the profile.
  const std::string zeroOpening = besideMain ? PathToText(statement.outputs.front().path) : "";
  if (besideMain) statement.balanceFromFile = true;
  if (!ValidateRun(statement, converted, earliest, log, &values, &stopped, zeroOpening)) {
    return stopped;
  }
  // The IBAN given is the profile's account's, in each of its currencies.
  const StatementIban iban = StatementIbanOf(
      {statement.profile.accountNumber, statement.iban, statement.bankCode}, run.banks);
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
      iban.iban.empty() && plans->ibanNoted && plans->ibanUnknown == iban.unknownWhy;
  if (iban.iban.empty()) {
    plans->ibanNoted = true;
    plans->ibanUnknown = iban.unknownWhy;
  }
  const std::string currency(CurrencyOrKoruna(run.currency));
  if (!ApartFromWritten(statement, currency, *result, log))
    return ExportOutcome::kWrittenWithProblems;
  std::vector<std::vector<std::string>> problems;
  if (!WriteOutputs(statement, converted, summary, log, &problems, &stopped)) return stopped;
  WrittenStatement written;
  for (const OutputFile& output : statement.outputs) written.paths.push_back(output.path);
  written.account = statement.profile.accountNumber;
  written.currency = CurrencyOrKoruna(run.currency);
  written.totals = summary.totals;
  result->statements.push_back(written);
  bool sound = true;
  for (size_t i = 0; i < statement.outputs.size(); ++i) {
    sound = LogCheck(statement.outputs[i].path, problems[i], log) && sound;
  }
  return sound ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
}

// Names each statement a run of several wrote, so that none goes unseen.
void LogStatements(const ExportResult& result, const LogLine& log) {
  if (result.statements.size() < 2) return;
  for (const WrittenStatement& statement : result.statements) {
    std::string files;
    for (const std::string& path : statement.paths) {
      files += (files.empty() ? "" : ", ") + PathToText(path);
    }
    LogFormatted(log, LogKind::kInformation, "Výpis účtu %s v %s, %d položek: %s\n",
                 {statement.account, statement.currency, statement.totals.itemCount, files});
  }
}

// Writes the main statement and then one for each other own account and
// currency its files hold, until every item has its statement or one
// cannot be written.
ExportOutcome ExportStatements(const ExportRequest& request, const LogLine& log,
                               ExportResult* result) {
  // Each statement reads the run's files again: what the log already says
  // of a file, its warnings among it, is said once in the run, and a
  // statement beside the main one adds only what differs for it.
  std::set<std::string> said;
  bool besideMain = false;
  const LogLine once = [&said, &besideMain, &log](LogKind kind, const char* text) {
    if (!said.insert(text).second && besideMain) return;
    log(kind, text);
  };
  RunStatements plans;
  plans.plans.push_back(StatementPlan());
  ExportOutcome outcome = ExportStatement(request, 0, once, result, &plans);
  if (result->statements.empty()) return outcome;
  besideMain = true;
  for (size_t next = 1; next < plans.plans.size(); ++next) {
    const StatementPlan& plan = plans.plans[next];
    const std::string account = plan.mainAccount ? request.profile.accountNumber : plan.Account();
    LogFormatted(log, LogKind::kInformation, "Výpis účtu %s%s%s\n",
                 {account, std::string(plan.currency.empty() ? "" : " v měně "), plan.currency});
    const ExportOutcome written = ExportStatement(request, next, once, result, &plans);
    if (written == ExportOutcome::kWritten) continue;
    outcome = written;
    if (written != ExportOutcome::kWrittenWithProblems) break;
  }
  LogStatements(*result, log);
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
