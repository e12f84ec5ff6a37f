#include "conversion/export/statement_export.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "conversion/export/header_values.h"
#include "conversion/export/output_files.h"
#include "conversion/export/run_files.h"
#include "conversion/export/run_report.h"
#include "conversion/export/statement_iban.h"
#include "conversion/export/statement_path.h"
#include "conversion/export/statement_plans.h"
#include "conversion/export/written_apart.h"
#include "conversion/values/account_number.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/koruna_default.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

// The run's files read for one statement.
struct StatementReading {
  ExportRequest statement;  // the request as this statement's
  ConvertedFiles converted;
};

// Puts the account given for `currency` into the request of a statement of
// the profile's account; whether one was given.
bool TakeCurrencyAccount(const std::string& currency, ExportRequest* statement) {
  const CurrencyAccount* given = AccountOfCurrency(statement->currencyAccounts, currency);
  if (given == nullptr) return false;
  statement->profile.accountNumber = given->account;
  statement->iban = given->iban;
  statement->bankCode = given->bankCode;
  return true;
}

// Reads the run's files for the statement of `plan`, one of `several` or
// the run's only one; its items reach the outputs where `toOutputs`. Where
// the statements are in `severalCurrencies`, the log names the rows that
// are the koruna's for want of any currency.
void ReadStatement(const ExportRequest& request, const StatementPlan& plan, bool several,
                   bool toOutputs, const LogLine& log, StatementReading* reading,
                   bool severalCurrencies = false) {
  RunState& run = reading->converted.run;
  run.currency = plan.currency;
  run.pairing.Configure(request.vsFromMessage, !request.reportPath.empty());
  ExportRequest& statement = reading->statement;
  statement = request;
  if (!plan.mainAccount) {
    statement.profile.accountNumber = plan.Account();
    statement.iban.clear();
    // An account read without its bank leaves the bank to its files.
    statement.bankCode = BankCodeOf(plan.account);
  } else if (!plan.currency.empty()) {
    TakeCurrencyAccount(plan.currency, &statement);
  }
  run.checks.SetProfileAccount(statement.profile.accountNumber);
  if (statement.checkPeriod) run.period.Set(statement.profile.balanceDate, statement.statementDate);
  run.split.account = statement.profile.accountNumber;
  if (several) run.checks.SetOneOfSeveral(plan.mainAccount ? nullptr : &plan.account);
  run.checks.SetPocket(plan.pocket, plan.ownPocket);
  run.split.severalCurrencies = severalCurrencies;
  for (OutputFile& output : statement.outputs) {
    output.path = StatementPath(output.path, plan.suffix);
    if (!toOutputs) continue;
    output.format->Begin(statement.profile, &run.reports);
    run.outputs.push_back(output.format);
  }
  run.mappings = request.columnMappings;
  ConvertFiles(request.files, request.fileSystem, log, &reading->converted);
}

// Takes what reading the statement `index` of `plans` found: its currency,
// whether its files hold it, and the statements beside it they hold.
void Discover(const StatementReading& reading, size_t index, StatementPlans* plans) {
  const RunState& run = reading.converted.run;
  StatementPlan& found = plans->plans()[index];
  if (found.currency.empty()) found.currency = run.currency;
  found.held = run.totals.anyAmount || run.checks.AnyStated();
  // The account's own statement decides which pocket is its own in every
  // file, and finds the others; a pocket's statement reads the same files.
  if (found.pocket.empty()) found.ownPocket = run.checks.Pockets().Own();
  const StatementPlan plan = found;
  for (const std::string& currency : run.split.found) {
    plans->Add(plan.mainAccount ? nullptr : &plan.account, currency);
  }
  for (const AccountNumber& account : run.checks.OtherAccounts()) {
    if (plan.mainAccount || !SameAccount(account, plan.account)) plans->Add(&account, "");
  }
  for (const std::string& pocket : run.checks.Pockets().All()) {
    if (!plan.pocket.empty() || pocket == plan.ownPocket) continue;
    if (plans->Add(plan.mainAccount ? nullptr : &plan.account, plan.currency, pocket)) {
      plans->plans().back().ownPocket = plan.ownPocket;
    }
  }
}

// The account a statement is written under as the log names it, with its
// pocket's name where it is a pocket's.
std::string ShownStatementAccount(const std::string& account, const StatementPlan& plan) {
  return plan.pocket.empty() ? account : account + " (" + plan.ShownPocket() + ")";
}

// Writes one statement of the run from its reading. What is said of the
// statement alone goes to `own`, never left out as said before: two
// statements may have the same totals.
ExportOutcome WriteStatement(StatementReading* reading, const StatementPlan& plan, bool several,
                             const LogLine& log, const LogLine& own, ExportResult* result) {
  ExportRequest& statement = reading->statement;
  ConvertedFiles& converted = reading->converted;
  RunState& run = converted.run;
  const FileFacts* earliest = run.checks.CheckSequence(CurrencyUnit(run.currency), log);
  HeaderValues values;
  ExportOutcome stopped = ExportOutcome::kRefused;
  // Only the statement that takes the profile's values has its balance.
  const bool besideProfile = !plan.suffix.empty();
  const std::string zeroOpening = besideProfile ? PathToText(statement.outputs.front().path) : "";
  if (besideProfile) statement.balanceFromFile = true;
  const std::string currency(CurrencyOrKoruna(run.currency));
  const bool ownAccount = plan.mainAccount && TakeCurrencyAccount(currency, &statement);
  if (!ValidateRun(statement, converted, earliest, log, &values, &stopped, zeroOpening, several)) {
    return stopped;
  }
  // A pocket has no number a bank knows: an accounting program that books
  // its statement under the account's number must be told.
  if (!plan.pocket.empty()) {
    LogFormatted(own, LogKind::kFileWarning,
                 "Účet %s nemá v souborech vlastní číslo účtu, jeho výpis %s je zapsán pod "
                 "účtem %s z nastavení\n",
                 {plan.ShownPocket(), zeroOpening, statement.profile.accountNumber});
  }
  // The IBAN given is the profile's account's, in each of its currencies.
  const StatementIban iban = StatementIbanOf(
      {statement.profile.accountNumber, statement.iban, statement.bankCode}, run.banks);
  if (!iban.refusal.empty()) {
    log(LogKind::kFailure, iban.refusal.c_str());
    return ExportOutcome::kRefused;
  }
  LogTotals(values, run.currency, run.totals, own);
  run.pairing.Log(ShownStatementAccount(statement.profile.accountNumber, plan),
                  std::string(CurrencyOrKoruna(run.currency)), own);
  StatementSummary summary = SummaryOf(statement, converted, values);
  summary.iban = iban.iban;
  summary.bankCode = iban.bankCode;
  summary.ibanUnknown = iban.unknownWhy;
  // A pocket's statement is named as such above; this one is another
  // currency's.
  if (plan.mainAccount && plan.pocket.empty() && besideProfile && !ownAccount) {
    std::string advice;
    Render(advice, statement.currencyAccountAdvice.c_str(), {currency});
    LogFormatted(log, LogKind::kFileWarning,
                 "Výpis v %s je zapsán pod účtem profilu %s, týmž jako výpis v jiné měně; "
                 "účet výpisu v %s zadejte %s\n",
                 {currency, statement.profile.accountNumber, currency, advice});
  }
  if (!ApartFromWritten(statement, currency, *result, log))
    return ExportOutcome::kWrittenWithProblems;
  std::vector<std::vector<std::string>> problems;
  if (!WriteOutputs(statement, converted, summary, log, &problems, &stopped)) return stopped;
  WrittenStatement written;
  for (const OutputFile& output : statement.outputs) written.paths.push_back(output.path);
  written.account = statement.profile.accountNumber;
  written.currency = CurrencyOrKoruna(run.currency);
  written.totals = summary.totals;
  written.items = run.pairing.Items();
  result->statements.push_back(written);
  bool sound = true;
  for (size_t i = 0; i < statement.outputs.size(); ++i) {
    sound = LogCheck(statement.outputs[i].path, problems[i], log) && sound;
  }
  return sound ? ExportOutcome::kWritten : ExportOutcome::kWrittenWithProblems;
}

// The account the statement of `plan` is written under.
std::string PlanAccount(const ExportRequest& request, const StatementPlan& plan) {
  if (!plan.mainAccount) return plan.Account();
  const CurrencyAccount* given = AccountOfCurrency(request.currencyAccounts, plan.currency);
  return given != nullptr ? given->account : request.profile.accountNumber;
}

// Whether the front end lets the run write every file its statements
// plan; a refusal is logged, and nothing is written.
bool PlannedPathsAllowed(const ExportRequest& request, const StatementPlans& plans,
                         const LogLine& log, ExportResult* result) {
  if (!request.plannedPaths) return true;
  std::vector<std::string> paths, owners;
  for (const StatementPlan& plan : plans.plans()) {
    const std::string owner = "výpis účtu " + PlanAccount(request, plan) + " v " +
                              (plan.currency.empty() ? "CZK" : plan.currency);
    for (const OutputFile& output : request.outputs) {
      paths.push_back(StatementPath(output.path, plan.suffix));
      owners.push_back(owner);
    }
  }
  if (!request.reportPath.empty()) {
    paths.push_back(request.reportPath);
    owners.push_back("přehled běhu");
  }
  const std::string refusal = request.plannedPaths(paths, owners);
  if (refusal.empty()) return true;
  log(LogKind::kFailure, refusal.c_str());
  result->pathsRefused = true;
  return false;
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

// The files asked for, as the log names them.
std::string AskedFiles(const ExportRequest& request) {
  std::string files;
  for (const OutputFile& output : request.outputs) {
    files += (files.empty() ? "" : ", ") + PathToText(output.path);
  }
  return files;
}

// Finds every statement the files hold, reading them once for each, and
// writes each in turn: an account's statement in koruna first, the others
// by account and currency, whatever the order of the files. Where the
// files hold one statement, its first reading is the one written.
ExportOutcome ExportStatements(const ExportRequest& request, const LogLine& log,
                               ExportResult* result) {
  StatementPlans plans;
  plans.Add(nullptr, "");
  // The first reading's lines wait until it is known whether the files
  // hold one statement, of which they are then the log.
  std::vector<std::pair<LogKind, std::string>> held;
  const LogLine hold = [&held](LogKind kind, const char* text) { held.emplace_back(kind, text); };
  auto first = std::make_unique<StatementReading>();
  ReadStatement(request, plans.plans()[0], false, true, hold, first.get());
  Discover(*first, 0, &plans);
  ExportOutcome outcome = ExportOutcome::kWritten;
  if (plans.plans().size() == 1) {
    for (const auto& [kind, text] : held) log(kind, text.c_str());
    if (!PlannedPathsAllowed(request, plans, log, result)) return ExportOutcome::kRefused;
    outcome = WriteStatement(first.get(), plans.plans()[0], false, log, log, result);
    if (result->statements.empty()) return outcome;
  } else {
    first.reset();
    const LogLine silent = [](LogKind, const char*) {};
    // The first reading found the first statement's facts as one of several
    // would have: the others are read for theirs.
    for (size_t next = 1; next < plans.plans().size(); ++next) {
      StatementReading reading;
      ReadStatement(request, plans.plans()[next], true, false, silent, &reading);
      Discover(reading, next, &plans);
    }
    plans.Settle();
    if (plans.plans().empty()) {
      // No statement holds anything: the first reading's lines say why.
      for (const auto& [kind, text] : held) log(kind, text.c_str());
      log(LogKind::kFailure, "Nebyly načteny žádné položky nebo soubory\n");
      return ExportOutcome::kNothingLoaded;
    }
    held.clear();
    if (!PlannedPathsAllowed(request, plans, log, result)) return ExportOutcome::kRefused;
    if (!plans.HasProfileStatement()) {
      LogFormatted(log, LogKind::kFileWarning,
                   "Soubory neobsahují žádné položky ani zůstatky účtu %s, soubor %s nebyl "
                   "zapsán\n",
                   {request.profile.accountNumber, AskedFiles(request)});
    }
    const bool severalCurrencies = std::any_of(
        plans.plans().begin(), plans.plans().end(),
        [&plans](const StatementPlan& p) { return p.currency != plans.plans().front().currency; });
    // Each statement reads the run's files again: what the log already says
    // of a file, its warnings among it, is said once in the run, and a later
    // statement adds only what differs for it.
    std::set<std::string> said;
    const LogLine once = [&said, &log](LogKind kind, const char* text) {
      if (said.insert(text).second) log(kind, text);
    };
    for (const StatementPlan& plan : plans.plans()) {
      const std::string account = PlanAccount(request, plan);
      LogFormatted(log, LogKind::kInformation, "Výpis účtu %s v měně %s\n",
                   {ShownStatementAccount(account, plan), plan.currency});
      StatementReading reading;
      ReadStatement(request, plan, true, true, once, &reading, severalCurrencies);
      const ExportOutcome written = WriteStatement(&reading, plan, true, once, log, result);
      if (written == ExportOutcome::kWritten) continue;
      outcome = written;
      if (written != ExportOutcome::kWrittenWithProblems) break;
    }
    if (result->statements.empty()) return outcome;
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
  // The report of the run shows its log, kept as it is logged.
  std::vector<LoggedLine> lines;
  const bool report = !request.reportPath.empty();
  const LogLine counted = [&result, &log, &lines, report](LogKind kind, const char* text) {
    ++result.lines[static_cast<size_t>(kind)];
    if (report) lines.push_back({kind, text});
    log(kind, text);
  };
  // Nothing is written before the whole statement is in memory, so a run
  // that runs out of memory leaves the old file as it was.
  try {
    if (report && !ReportPathAllowed(request, counted)) {
      result.outcome = ExportOutcome::kRefused;
      return result;
    }
    result.outcome = ExportStatements(request, counted, &result);
    if (report && !result.pathsRefused && !WriteRunReport(request, result, lines, counted) &&
        result.outcome == ExportOutcome::kWritten) {
      result.outcome = ExportOutcome::kWrittenWithProblems;
    }
  } catch (const std::bad_alloc&) {
    result.statements.clear();
    counted(LogKind::kFailure, "Nedostatek paměti, soubor nelze zapsat\n");
    result.outcome = ExportOutcome::kRefused;
  }
  return result;
}

}  // namespace tarvolo
