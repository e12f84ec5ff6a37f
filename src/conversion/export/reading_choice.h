#ifndef TARVOLO_CONVERSION_EXPORT_READING_CHOICE_H_
#define TARVOLO_CONVERSION_EXPORT_READING_CHOICE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/export/run_checks.h"
#include "conversion/export/statement_iban.h"
#include "conversion/reading/currency_split.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What the run knows across its files.
struct RunState {
  std::string currency;  // the statement's, set by its first file
  // The run's other statements, and the currencies met beside this one.
  CurrencySplit split;
  RunChecks checks;
  ExportTotals totals;  // of the readings chosen so far
  // What each file read tells of its own account's bank.
  std::vector<FileBank> banks;
  // Where the statement's items go, each as it is accepted.
  std::vector<StatementOutput*> outputs;
  // What the reading being tried and the outputs report about the lines of
  // its file.
  std::vector<FieldCut> reports;
};

// Lets a file be read the way its data confirm, leaving no trace of the readings they refuse.
bool ChooseReading(const std::string& shown, std::string_view statement, RunState* run,
                   const LogLine& log, bool* amountsFit, std::vector<std::string>* reasons);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_READING_CHOICE_H_
