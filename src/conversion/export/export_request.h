#ifndef TARVOLO_CONVERSION_EXPORT_EXPORT_REQUEST_H_
#define TARVOLO_CONVERSION_EXPORT_EXPORT_REQUEST_H_

// What a front end asks of the run, and what the run tells of it: the
// helpers of the run use these without the run itself.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "conversion/export/currency_accounts.h"
#include "conversion/export/payment_pairing.h"
#include "conversion/reading/statement_reading.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"
#include "platform/file_system.h"

namespace tarvolo {

// One file a run writes, and the format it is written in.
struct OutputFile {
  std::string path;                   // relative paths land in the current folder
  StatementOutput* format = nullptr;  // the caller's, for the length of the run
};

struct ExportRequest {
  // The statement files, in the order their items are written.
  std::vector<std::string> files;
  // The profile's values, as the front end holds them.
  AccountProfile profile;
  // The statement date (the day of the run) as a timestamp.
  int32_t statementDate = 0;
  // The files the statement is written to, in this order: all of them, or
  // none.
  std::vector<OutputFile> outputs;
  // A file that cannot be read refuses the run (for scripts, which cannot
  // see the log); otherwise it is logged and the other files are converted.
  bool everyFileRequired = false;
  // The settings file of the run, never written over by the statement.
  const char* settingsPath = nullptr;
  // The header's opening balance is the one the first file states, not the
  // profile's.
  bool balanceFromFile = false;
  // Items booked outside the statement's period (the day after the balance
  // date to the statement date) are named as warnings.
  bool checkPeriod = false;
  // The own account's bank code, which some formats state (0: the run's
  // files tell it, or it stays unknown).
  int32_t bankCode = 0;
  // The own account's IBAN, sound, in capitals without blanks; it stands for
  // the bank code, and an account abroad has no other ("": none given).
  std::string iban;
  // Where the statement files are read and the outputs written: the disk,
  // unless a test keeps them in memory.
  FileSystem* fileSystem = &DiskFiles();
  // An empty variable symbol takes the one the item's message holds alone.
  bool vsFromMessage = false;
  // Where the report of the run is written, "" for none.
  std::string reportPath;
  // The column mappings the user taught: one given for the run's files
  // (its header empty), and those kept for the files of their headers.
  std::vector<ColumnMapping> columnMappings;
  // The accounts the profile's account's statements in other currencies
  // are written under, by currency; a currency without one takes the
  // profile's account, with a warning where another currency has it too.
  std::vector<CurrencyAccount> currencyAccounts;
  // How that warning tells to give a currency's account ("%s" its code).
  std::string currencyAccountAdvice =
      "programem tarvolo-cli (jeho volbou account-for pro %s a uložením), okno jej pak použije";
  // Sees every file the run is to write (each statement's files, then the
  // report) once its statements are known and before any is written; the
  // failure line it returns ("" for none) stops the run with nothing
  // written. Empty: the run writes what it plans.
  // `owners` says whose each file is ("výpis účtu 2000145399 v EUR").
  std::function<std::string(const std::vector<std::string>& paths,
                            const std::vector<std::string>& owners)>
      plannedPaths;
};

enum class ExportOutcome {
  kWritten,
  kWrittenWithProblems,  // written, but a check of the files found faults
  kNothingLoaded,
  kRefused,
  kWriteFailed,
};

// One statement a run wrote: one account in one currency.
struct WrittenStatement {
  std::vector<std::string> paths;  // its files, in the order they were asked for
  std::string account;             // its own account, as the header carries it
  std::string currency;            // its code, "CZK" where no file names one
  ExportTotals totals;
  // Its items, where the run writes a report.
  std::vector<PairedItem> items;
};

// What a run did.
struct ExportResult {
  ExportOutcome outcome = ExportOutcome::kNothingLoaded;
  std::vector<WrittenStatement> statements;  // none unless written
  // The front end refused the files the run planned (plannedPaths): no
  // file was written, the report neither.
  bool pathsRefused = false;
  // The lines the run logged, counted by their kind.
  std::array<int32_t, kLogKindCount> lines{};

  int32_t LinesOf(LogKind kind) const { return lines[static_cast<size_t>(kind)]; }
  // The lines that warn, which the run's last line counts for the user.
  int32_t Warnings() const;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_EXPORT_REQUEST_H_
