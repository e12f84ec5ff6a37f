#include "generator/statement_checks.h"

#include <algorithm>
#include <random>

#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/values/dates.h"
#include "currency_accounts_for_tests.h"
#include "generator/bank_layouts.h"
#include "memory_files.h"

namespace tarvolo {
namespace {

// The numbers of a log line, in order.
std::vector<int64_t> NumbersOf(const std::string& text) {
  std::vector<int64_t> numbers;
  for (size_t at = 0; at < text.size();) {
    if (text[at] < '0' || text[at] > '9') {
      ++at;
      continue;
    }
    int64_t number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && number < 1000000000) {
      number = number * 10 + (text[at++] - '0');
    }
    numbers.push_back(number);
  }
  return numbers;
}

// Whether the pairing summaries of the log count the credits of the
// statements written, each split into kinds that add up to it.
std::string PairingProblems(const Conversion& conversion) {
  if (conversion.pairingSummaries.size() != conversion.credits.size()) {
    return "pairing summaries: " + std::to_string(conversion.pairingSummaries.size()) +
           " for statements with credits: " + std::to_string(conversion.credits.size()) + "\n";
  }
  for (size_t i = 0; i < conversion.credits.size(); ++i) {
    const std::vector<int64_t>& numbers = conversion.pairingSummaries[i];
    if (numbers.size() != 4 || numbers[0] != conversion.credits[i] ||
        numbers[1] + numbers[2] + numbers[3] != numbers[0]) {
      return "pairing summary " + std::to_string(i) + " does not count the credits " +
             std::to_string(conversion.credits[i]) + "\n";
    }
  }
  return "";
}

std::string Sorted(std::vector<std::string> records) {
  std::sort(records.begin(), records.end());
  std::string joined;
  for (const std::string& record : records) joined += "  " + record + "\n";
  return joined;
}

}  // namespace

Conversion ConvertStatement(const std::string& bytes) {
  MemoryFiles files;
  const std::string input = files.Write("statement.csv", bytes);
  const std::string output = files.File("export.gpc");
  const std::string foreign = files.File("export-EUR.gpc");
  ExportRequest request;
  request.fileSystem = &files;
  request.files = {input};
  request.profile = {"2000145399", "Hlavni ucet", "1000.50",
                     CalendarDayToStoredTimestamp(2014, 9, 1), 7};
  request.statementDate = 1412157600;  // 1 October 2014
  // A foreign currency's statement is the account's own, as a user gives it.
  request.currencyAccounts = CurrencyAccountsForTests("2000145399");
  GpcOutput gpc;
  request.outputs = {{output, &gpc}};
  Conversion conversion;
  const ExportResult result = RunStatementExport(request, [&](LogKind kind, const char* text) {
    conversion.log += ShownLogLine(kind, text);
    if (IsWarning(kind)) conversion.warningLines.push_back(text);
    // The numbers after the account: credits, with a VS, only in the
    // message, without.
    const std::string pairing = "Párování příchozích plateb výpisu účtu ";
    const std::string line = text;
    if (line.compare(0, pairing.size(), pairing) == 0) {
      conversion.pairingSummaries.push_back(NumbersOf(line.substr(line.find(": "))));
    }
  });
  for (const WrittenStatement& statement : result.statements) {
    if (statement.totals.creditCount > 0)
      conversion.credits.push_back(statement.totals.creditCount);
  }
  conversion.warnings = result.Warnings();
  conversion.written = result.outcome == ExportOutcome::kWritten ||
                       result.outcome == ExportOutcome::kWrittenWithProblems;
  conversion.success = result.outcome == ExportOutcome::kWritten;
  for (const auto& [path, records] :
       {std::pair(&output, &conversion.records), std::pair(&foreign, &conversion.foreignRecords)}) {
    const std::string written = files.Read(*path);
    for (size_t at = 130; conversion.written && at + 128 <= written.size(); at += 130) {
      records->push_back(RecordKey(written.substr(at, 128)));
    }
  }
  return conversion;
}

bool NamesLine(const Conversion& conversion, int line) {
  const std::string named = "řádek " + std::to_string(line);
  for (const std::string& text : conversion.warningLines) {
    for (size_t at = text.find(named); at != std::string::npos; at = text.find(named, at + 1)) {
      const size_t after = at + named.size();
      if (after == text.size() || text[after] < '0' || text[after] > '9') return true;
    }
  }
  return false;
}

std::string CheckGenerated(const GeneratedFile& file, const Conversion& conversion) {
  std::string problems;
  // A file of no booked item gives no statement.
  if (file.records.empty() && !conversion.written) return problems;
  if (!conversion.written) problems += "nothing written\n";
  problems += PairingProblems(conversion);
  if (Sorted(conversion.records) != Sorted(file.records)) {
    problems += "records differ; model:\n" + Sorted(file.records) + "written:\n" +
                Sorted(conversion.records);
  }
  // Rows of another currency are their own statement, which no row leaves out.
  if (Sorted(conversion.foreignRecords) != Sorted(file.foreignRecords)) {
    problems += "records of the EUR statement differ; model:\n" + Sorted(file.foreignRecords) +
                "written:\n" + Sorted(conversion.foreignRecords);
  }
  // The only warnings: a statement in another currency whose opening balance
  // no line states, and the order of day and month taken where the file's
  // dates do not settle it and its bank does not document it (the records
  // above show that it was taken right).
  for (const std::string& line : conversion.warningLines) {
    if (line.find("export-EUR.gpc: počáteční zůstatek neuvádí") == std::string::npos &&
        line.find("data souboru nerozliší den a měsíc") == std::string::npos) {
      problems += "warning: " + line;
    }
  }
  return problems.empty() ? "" : problems + "log:\n" + conversion.log;
}

const char* MutationName(Mutation mutation) {
  static const char* kNames[] = {"duplicate", "drop",  "cut",      "shift",
                                 "separator", "marks", "no-header"};
  return kNames[static_cast<int>(mutation)];
}

MutatedFile MutateStatement(const GeneratedFile& file, const BankLayout& layout, Mutation mutation,
                            uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::string> lines;
  for (size_t at = 0; at < file.bytes.size();) {
    // A line ends at LF, or at a CR that no LF follows.
    size_t end = file.bytes.find_first_of("\r\n", at);
    if (end != std::string::npos && file.bytes[end] == '\r' && end + 1 < file.bytes.size() &&
        file.bytes[end + 1] == '\n') {
      ++end;
    }
    end = end == std::string::npos ? file.bytes.size() : end + 1;
    lines.push_back(file.bytes.substr(at, end - at));
    at = end;
  }
  MutatedFile mutated;
  const int target = file.dataLines[random() % file.dataLines.size()];
  std::string& line = lines[static_cast<size_t>(target - 1)];
  const size_t body = line.find_last_not_of("\r\n") + 1;
  const std::string original = line;
  const char separator = file.separator;
  // The last row in time, after which nothing shows that a row is missing:
  // rows not booked (of no records) state no balance.
  bool lastRow = layout.newestFirst || file.lastLineIsData;
  for (int number : file.dataLines) {
    const bool later = layout.newestFirst ? number < target : number > target;
    if (later && !file.recordsOfLine[static_cast<size_t>(number)].empty()) lastRow = false;
  }
  const bool balances = LayoutStatesBalances(layout);
  mutated.line = target;
  const auto recordsWithout = [&file](int skipped, int repeated) {
    std::vector<std::string> records;
    for (int number : file.dataLines) {
      if (number == skipped) continue;
      const std::vector<std::string>& of = file.recordsOfLine[static_cast<size_t>(number)];
      for (int times = number == repeated ? 2 : 1; times > 0; --times) {
        records.insert(records.end(), of.begin(), of.end());
      }
    }
    return records;
  };
  switch (mutation) {
    case Mutation::kDuplicate:
      lines.insert(lines.begin() + target, original);
      mutated.line = target + 1;
      // Only a balance after each row shows which of two equal rows is too many.
      mutated.lineShown = LayoutHasRole(layout, "balance");
      if (!balances) mutated.ownRecords = recordsWithout(0, target);
      break;
    case Mutation::kNoHeader:
      lines.erase(lines.begin() + (file.headerLine - 1));
      mutated.line = file.headerLine;  // the first row moves up to it
      break;
    case Mutation::kDrop:
      mutated.lineShown = false;
      lines.erase(lines.begin() + (target - 1));
      if (!balances || (lastRow && !LayoutStatesClosing(layout))) {
        mutated.ownRecords = recordsWithout(target, 0);
      }
      break;
    case Mutation::kCut:
      if (body > 1) line = line.substr(0, 1 + random() % (body - 1)) + line.substr(body);
      // A row cut to its first separators is an empty row, as files have
      // between their parts: only the balances can show it was more.
      if (line.find_first_not_of(std::string(1, separator) + "\" \t\r\n") == std::string::npos) {
        mutated.lineShown = false;
        if (!balances) mutated.ownRecords = recordsWithout(target, 0);
      }
      break;
    case Mutation::kShiftField: {
      // The separators between fields: a decimal comma within quotes is
      // none, and without it the amount is merely another amount.
      std::vector<size_t> at;
      bool quoted = false;
      for (size_t i = 0; i < body; ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == separator && !quoted) at.push_back(i);
      }
      if (at.empty()) break;
      const size_t chosen = at[random() % at.size()];
      if (random() % 2) {
        line.erase(chosen, 1);
      } else {
        line.insert(chosen, 1, separator);
      }
      break;
    }
    case Mutation::kInsertSeparator:
      line.insert(random() % (body + 1), 1, separator);
      break;
    case Mutation::kSwapMarks: {
      bool quoted = false;
      for (size_t i = 0; i < body; ++i) {
        char& c = line[i];
        if (c == '"') quoted = !quoted;
        if ((c == ',' || c == '.') && (separator != ',' || quoted)) c = c == ',' ? '.' : ',';
      }
      break;
    }
  }
  for (const std::string& kept : lines) mutated.bytes += kept;
  mutated.changed = mutated.bytes != file.bytes;
  return mutated;
}

std::string CheckMutated(const GeneratedFile& file, const MutatedFile& mutated, Mutation mutation,
                         const Conversion& conversion) {
  if (!conversion.written) return "";
  const std::string records = Sorted(conversion.records);
  if (records == Sorted(file.records)) return "";
  if (!mutated.ownRecords.empty() && records == Sorted(mutated.ownRecords)) return "";
  std::string problem;
  if (conversion.success || conversion.warnings == 0) {
    problem = "written without a warning, records differ from the model";
  } else if (mutated.lineShown && !NamesLine(conversion, mutated.line) &&
             !(mutation == Mutation::kDuplicate && NamesLine(conversion, mutated.line - 1))) {
    problem = "records differ and line " + std::to_string(mutated.line) + " is not named";
  } else {
    return "";
  }
  return problem + " (damaged line " + std::to_string(mutated.line) + ")" + "; model:\n" +
         Sorted(file.records) + "written:\n" + records + "log:\n" + conversion.log;
}

}  // namespace tarvolo
