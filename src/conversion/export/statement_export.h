#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "conversion/values/statement_totals.h"

namespace tarvolo {

struct ExportRequest {
  // The statement files, in the order their items are written.
  std::vector<std::string> files;
  // The profile's values, as the front end holds them.
  AccountProfile profile;
  // The statement date (the day of the run) as a timestamp.
  int32_t statementDate = 0;
  // Where the statement is written; relative paths land in the current folder.
  const char* outputPath = "export.gpc";
  // A file that cannot be read refuses the run (for scripts, which cannot
  // see the log); otherwise it is logged and the other files are converted.
  bool everyFileRequired = false;
  // The settings file of the run, never written over by the statement.
  const char* settingsPath = nullptr;
  // The header's opening balance is the one the first file states, not the
  // profile's.
  bool balanceFromFile = false;
  // Where the same statement is written as a camt.053 document too; null
  // for none. Both files are written, or neither.
  const char* camtPath = nullptr;
  // The own account's bank code for that document (0: the run's files tell
  // it, or it stays unknown).
  int32_t bankCode = 0;
};

enum class ExportOutcome {
  kWritten,
  kWrittenWithProblems,  // written, but the check of the file found faults
  kNothingLoaded,
  kRefused,
  kWriteFailed,
};

// One statement a run wrote: one account in one currency.
struct WrittenStatement {
  std::vector<std::string> paths;  // its files, in the order they were asked for
  std::string currency;            // its code, "CZK" where no file names one
  StatementTotals totals;
};

// What a run did.
struct ExportResult {
  ExportOutcome outcome = ExportOutcome::kNothingLoaded;
  std::vector<WrittenStatement> statements;  // none unless written
  // The lines the run logged, counted by their kind.
  std::array<int32_t, kLogKindCount> lines{};

  int32_t LinesOf(LogKind kind) const { return lines[static_cast<size_t>(kind)]; }
  // The lines that warn, which the run's last line counts for the user.
  int32_t Warnings() const;
};

// The conversion run: reads every selected statement file, builds the "075"
// records and the "074" header from the request's profile and the items'
// sums, writes the statement file and reports each step through `log`.
ExportResult RunStatementExport(const ExportRequest& request, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_EXPORT_H_
