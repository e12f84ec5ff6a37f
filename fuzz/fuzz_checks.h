#ifndef TARVOLO_FUZZ_FUZZ_CHECKS_H_
#define TARVOLO_FUZZ_FUZZ_CHECKS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/export/statement_export.h"

namespace tarvolo {

// Stops the run with a message when an invariant does not hold, so that the
// fuzzer keeps the input that broke it.
[[noreturn]] void FuzzFailure(const char* file, int line, const std::string& what);
#define FUZZ_CHECK(condition, what)                                       \
  do {                                                                    \
    if (!(condition)) ::tarvolo::FuzzFailure(__FILE__, __LINE__, (what)); \
  } while (0)

// What the "075" lines of a text say about themselves.
struct RecordSummary {
  int count = 0;
  int64_t creditHellers = 0;
  int64_t debitHellers = 0;
};

// Checks that `text` from `offset` on is nothing but "075" lines of 128
// characters and CR LF (no line break or NUL inside a line), each with a
// debit/credit code that matches its posting code, and sums their amounts.
RecordSummary CheckRecordLines(const std::string& text, size_t offset);

// The amounts of a "074" line, in hellers.
struct HeaderSummary {
  int64_t oldBalance = 0;
  int64_t newBalance = 0;
  int64_t debits = 0;
  int64_t credits = 0;
};

// Checks one "074" line of 128 characters and CR LF: digits where numbers
// stand, the sign characters, and old + credits - debits = new to the
// heller.
HeaderSummary CheckHeaderLine(const std::string& line);

// Number of data lines of a statement text: lines after the first one, up to
// the text's first NUL, counting a last line without its line end, but not
// lines whose fields are all empty.
int CountDataLines(const std::string& text);

// Runs the export of `files` into `output` on 24 September 2014 with the
// profile of g_accountSettings, collecting the log lines.
ExportResult RunExport(const std::vector<std::string>& files, const std::string& output,
                       std::vector<std::string>* log);

// A private folder for the files of one fuzzing process, removed at exit.
const std::string& FuzzFolder();

// Writes `size` bytes as the file `path`; false when it could not.
bool WriteBytes(const std::string& path, const void* data, size_t size);
// The whole file, or false when it cannot be read.
bool ReadBytes(const std::string& path, std::string* content);

}  // namespace tarvolo

#endif  // TARVOLO_FUZZ_FUZZ_CHECKS_H_
