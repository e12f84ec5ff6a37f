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

// Every statement with its records, in one order whatever the rows' order.
std::string Sorted(const std::map<std::string, std::vector<std::string>>& statements) {
  std::string joined;
  for (const auto& [name, records] : statements) {
    joined += "export" + name + ".gpc:\n" + Sorted(records);
  }
  return joined;
}

int64_t Digits(const std::string& text, size_t from, size_t count) {
  int64_t value = 0;
  for (size_t i = from; i < from + count && i < text.size(); ++i) {
    value = value * 10 + (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0);
  }
  return value;
}

// Whether a written statement adds up: its header's old balance, credits
// and debits give its new balance, and its records give its credits and
// debits. "" where it does.
std::string StatementSums(const std::string& name, const std::string& bytes) {
  if (bytes.size() < 130) return name + ": no header\n";
  const auto balance = [&bytes](size_t at) {
    return bytes[at + 14] == '-' ? -Digits(bytes, at, 14) : Digits(bytes, at, 14);
  };
  const int64_t old = balance(45), now = balance(60);
  const int64_t debits = Digits(bytes, 75, 14), credits = Digits(bytes, 90, 14);
  int64_t recordDebits = 0, recordCredits = 0;
  for (size_t at = 130; at + 128 <= bytes.size(); at += 130) {
    (bytes[at + 60] == '1' ? recordDebits : recordCredits) += Digits(bytes, at + 48, 12);
  }
  if (old + credits - debits == now && debits == recordDebits && credits == recordCredits) {
    return "";
  }
  return name + ": old " + std::to_string(old) + " + credits " + std::to_string(credits) +
         " - debits " + std::to_string(debits) + " != new " + std::to_string(now) +
         ", or the records' credits " + std::to_string(recordCredits) + " and debits " +
         std::to_string(recordDebits) + " differ\n";
}

}  // namespace

Conversion ConvertStatement(const std::string& bytes) { return ConvertStatements({bytes}); }

Conversion ConvertStatements(const std::vector<std::string>& contents) {
  MemoryFiles files;
  const std::string output = files.File("export.gpc");
  ExportRequest request;
  request.fileSystem = &files;
  for (size_t i = 0; i < contents.size(); ++i) {
    const std::string name = i == 0 ? "statement" : "statement-" + std::to_string(i + 1);
    request.files.push_back(files.Write(name + ".csv", contents[i]));
  }
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
  // Every statement the run wrote, named by what its file's name carries
  // beside the name asked for.
  const std::string stem = output.substr(0, output.size() - 4);
  for (const WrittenStatement& statement : result.statements) {
    const std::string& path = statement.paths.front();
    const std::string name = path.substr(stem.size(), path.size() - stem.size() - 4);
    const std::string written = files.Read(path);
    std::vector<std::string>& records = conversion.statements[name];
    for (size_t at = 130; at + 128 <= written.size(); at += 130) {
      records.push_back(RecordKey(written.substr(at, 128)));
    }
    conversion.sums += StatementSums(name, written);
  }
  const auto profile = conversion.statements.find("");
  if (profile != conversion.statements.end()) conversion.records = profile->second;
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
  problems += conversion.sums;
  // Every booked row is in exactly one statement: that of its own account
  // and currency, where no row leaves out.
  const std::map<std::string, std::vector<std::string>> model = StatementRecords(file);
  if (Sorted(conversion.statements) != Sorted(model)) {
    problems += "statements differ; model:\n" + Sorted(model) + "written:\n" +
                Sorted(conversion.statements);
  }
  // The only warnings: a statement in another currency whose opening balance
  // no line states, a second own account that the file names but does not
  // number, and the order of day and month or the fee's sign taken where the
  // file's dates or balances do not settle it and its bank does not document
  // it (the records above show that it was taken right).
  // So is a second own account's whose file states none.
  for (const std::string& line : conversion.warningLines) {
    bool unstated = false;
    for (const std::string& name : file.openingsUnstated) {
      unstated = unstated || line.find("export" + name + ".gpc: počáteční zůstatek neuvádí") !=
                                 std::string::npos;
    }
    if (unstated) continue;
    if (line.find("export-EUR.gpc: počáteční zůstatek neuvádí") == std::string::npos &&
        line.find("nemá v souborech vlastní číslo účtu") == std::string::npos &&
        line.find("data souboru nerozliší den a měsíc") == std::string::npos &&
        line.find("znaménko poplatků neověří žádný zůstatek") == std::string::npos) {
      problems += "warning: " + line;
    }
  }
  return problems.empty() ? "" : problems + "log:\n" + conversion.log;
}

std::string CheckGeneratedRun(const std::vector<GeneratedFile>& files,
                              const Conversion& conversion) {
  std::map<std::string, std::vector<std::string>> model;
  for (const GeneratedFile& file : files) {
    for (const auto& [name, records] : StatementRecords(file)) {
      model[name].insert(model[name].end(), records.begin(), records.end());
    }
  }
  std::string problems = conversion.sums;
  if (!conversion.written) {
    problems += "nothing written\n";
  } else if (Sorted(conversion.statements) != Sorted(model)) {
    problems += "statements differ; model:\n" + Sorted(model) + "written:\n" +
                Sorted(conversion.statements);
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
  // The last row in time of its statement, after which nothing shows that a
  // row is missing: rows not booked (of no records) state no balance, nor do
  // another statement's rows. Only the profile's statement has the balances
  // of the file's preamble and trailer, and the profile's opening balance;
  // the others have their rows' alone (a balance after each, or their
  // statement's balances on each), so that where no row states its opening
  // balance nothing shows that their first row in time is missing either.
  const std::string& statement = file.statementOfLine[static_cast<size_t>(target)];
  const bool profile = statement.empty();
  bool lastRow = layout.newestFirst || file.lastLineIsData || !profile;
  bool firstRow = !profile && !LayoutHasRole(layout, "open");
  // Another own account's only row: without it, the file names no such
  // account.
  bool alone = !profile;
  for (int number : file.dataLines) {
    if (number == target || file.recordsOfLine[static_cast<size_t>(number)].empty() ||
        file.statementOfLine[static_cast<size_t>(number)] != statement) {
      continue;
    }
    const bool later = layout.newestFirst ? number < target : number > target;
    (later ? lastRow : firstRow) = false;
    alone = false;
  }
  const bool balances = profile
                            ? LayoutStatesBalances(layout)
                            : LayoutHasRole(layout, "balance") || LayoutHasRole(layout, "close");
  const bool statesClosing = profile ? LayoutStatesClosing(layout) : LayoutHasRole(layout, "close");
  mutated.line = target;
  switch (mutation) {
    case Mutation::kDuplicate:
      lines.insert(lines.begin() + target, original);
      mutated.line = target + 1;
      // Only a balance after each row shows which of two equal rows is too many.
      mutated.lineShown = LayoutHasRole(layout, "balance");
      if (!balances) mutated.ownStatements = StatementRecords(file, 0, target);
      break;
    case Mutation::kNoHeader:
      lines.erase(lines.begin() + (file.headerLine - 1));
      mutated.line = file.headerLine;  // the first row moves up to it
      break;
    case Mutation::kDrop:
      mutated.lineShown = false;
      lines.erase(lines.begin() + (target - 1));
      if (!balances || (lastRow && !statesClosing) || firstRow || alone) {
        mutated.ownStatements = StatementRecords(file, target);
      }
      break;
    case Mutation::kCut:
      if (body > 1) line = line.substr(0, 1 + random() % (body - 1)) + line.substr(body);
      // A row cut to its first separators is an empty row, as files have
      // between their parts: only the balances can show it was more.
      if (line.find_first_not_of(std::string(1, separator) + "\" \t\r\n") == std::string::npos) {
        mutated.lineShown = false;
        if (!balances) mutated.ownStatements = StatementRecords(file, target);
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
  // However damaged its file, a statement written adds up.
  if (!conversion.sums.empty()) return conversion.sums + "log:\n" + conversion.log;
  const std::string records = Sorted(conversion.statements);
  if (records == Sorted(StatementRecords(file))) return "";
  if (!mutated.ownStatements.empty() && records == Sorted(mutated.ownStatements)) return "";
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
         Sorted(StatementRecords(file)) + "written:\n" + records + "log:\n" + conversion.log;
}

}  // namespace tarvolo
