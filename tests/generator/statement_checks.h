// What the run makes of generated statements and of damaged copies of them.
#ifndef TARVOLO_TESTS_GENERATOR_STATEMENT_CHECKS_H_
#define TARVOLO_TESTS_GENERATOR_STATEMENT_CHECKS_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "generator/statement_generator.h"

namespace tarvolo {

// What one conversion of a statement file gave.
struct Conversion {
  bool written = false;              // a statement file was written
  bool success = false;              // written, with nothing to warn about: exit 0
  int warnings = 0;                  // the run's warning lines
  std::vector<std::string> records;  // RecordKey of each record of the profile's statement
  // Each statement written, by the name of its file beside "export" ("" for
  // the profile's, "-EUR"), with the RecordKey of each record.
  std::map<std::string, std::vector<std::string>> statements;
  // Statements whose header does not add up (old balance + credits - debits
  // = new balance, its credits and debits those of its records): a line each.
  std::string sums;
  std::string log;  // every line, as the user reads it
  std::vector<std::string> warningLines;
  // The credits of each statement written that has any, and the numbers of
  // its pairing summary in the log: all credits, then those of each kind.
  std::vector<int32_t> credits;
  std::vector<std::vector<int64_t>> pairingSummaries;
};

// Converts `bytes` as the only file of a run, its files in memory, with the
// profile of account 2000145399, opening balance 1000.50 on 1 September 2014.
Conversion ConvertStatement(const std::string& bytes);
// Converts each of `contents` as a file of one run, in their order.
Conversion ConvertStatements(const std::vector<std::string>& contents);

// Whether a warning line names line `line` of the file.
bool NamesLine(const Conversion& conversion, int line);

// "" when the conversion of a generated file is what the model says, else
// what differs.
std::string CheckGenerated(const GeneratedFile& file, const Conversion& conversion);

// "" when one run of several generated files put every booked row in the
// statement of its own account and currency, exactly once, and each
// statement adds up; else what differs. Files of one account and currency
// may overlap in time: the warnings that says are no fault.
std::string CheckGeneratedRun(const std::vector<GeneratedFile>& files,
                              const Conversion& conversion);

enum class Mutation {
  kDuplicate,
  kDrop,
  kCut,
  kShiftField,
  kInsertSeparator,
  kSwapMarks,
  kNoHeader,  // the header line left out
};
constexpr Mutation kMutations[] = {
    Mutation::kDuplicate,       Mutation::kDrop,      Mutation::kCut,     Mutation::kShiftField,
    Mutation::kInsertSeparator, Mutation::kSwapMarks, Mutation::kNoHeader};
const char* MutationName(Mutation mutation);

struct MutatedFile {
  std::string bytes;
  int line = 0;  // the damaged line of the new file (for a dropped line: where it was)
  // The records of each statement of the new file where it is still a sound
  // file of the layout (a row dropped or repeated where no balance shows
  // it); empty otherwise.
  std::map<std::string, std::vector<std::string>> ownStatements;
  bool changed = false;
  // Whether the file's own data can tell which line is wrong.
  bool lineShown = true;
};

MutatedFile MutateStatement(const GeneratedFile& file, const BankLayout& layout, Mutation mutation,
                            uint32_t seed);

// "" when the run kept its promise on a damaged file: success only with
// exactly the model's statements and records, otherwise a warning that
// names the damaged line, or nothing written; and always each statement
// adding up.
std::string CheckMutated(const GeneratedFile& file, const MutatedFile& mutated, Mutation mutation,
                         const Conversion& conversion);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_GENERATOR_STATEMENT_CHECKS_H_
