// The export run on arbitrary statement files. An input whose first byte is
// 0x01 carries the 64 bytes of a profile after it; otherwise a fixed profile
// is used. The run must never damage an earlier statement file, must log one
// "Převádím soubor" line per file, and a written file must be a sound header
// followed by one record per item.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/export/statement_export.h"
#include "fuzz_checks.h"
#include "settings/account_settings.h"

namespace {

constexpr char kEarlierExport[] = "earlier export, must survive every run that writes nothing";

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Whether the counts of "řádků souboru N: kind a, kind b (state c), …" add
// up to N; the counts in brackets break a kind down.
bool LinesAddUp(const std::string& counts) {
  std::vector<int64_t> numbers;
  int depth = 0;
  for (size_t i = 0; i < counts.size(); ++i) {
    const char c = counts[i];
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (depth > 0 || c < '0' || c > '9' || (i > 0 && counts[i - 1] >= '0' && counts[i - 1] <= '9'))
      continue;
    numbers.push_back(std::atoll(counts.c_str() + i));
  }
  int64_t sum = 0;
  for (size_t i = 1; i < numbers.size(); ++i) sum += numbers[i];
  return !numbers.empty() && sum == numbers[0];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  g_accountSettings = AccountSettings();
  std::strcpy(g_accountSettings.accountNumber, "2000145399");
  std::strcpy(g_accountSettings.accountName, "Hlavní účet");
  std::strcpy(g_accountSettings.openingBalance, "1000.50");
  g_accountSettings.balanceDate = 1409525940;  // the day before 1 September 2014
  g_accountSettings.statementNumber = 7;
  bool twice = false;
  if (size >= 1 + sizeof g_accountSettings && data[0] == 0x01) {
    std::memcpy(&g_accountSettings, data + 1, sizeof g_accountSettings);
    data += 1 + sizeof g_accountSettings;
    size -= 1 + sizeof g_accountSettings;
  } else if (size >= 1 && data[0] == 0x02) {
    twice = true;  // the same file twice
    ++data;
    --size;
  }

  const std::string folder = FuzzFolder();
  const std::string statement = folder + "/vypis.csv";
  FUZZ_CHECK(WriteBytes(statement, data, size), "cannot write the statement file");
  const std::string output = folder + "/export.gpc";
  FUZZ_CHECK(WriteBytes(output, kEarlierExport, sizeof kEarlierExport - 1), "cannot write");

  std::vector<std::string> files = {statement};
  if (twice) files.push_back(statement);
  std::vector<std::string> log;
  const ExportResult result = RunExport(files, output, &log);
  const ExportOutcome outcome = result.outcome;

  int converting = 0;
  for (const std::string& line : log) {
    FUZZ_CHECK(!line.empty() && line.back() == '\n', "log line without its line end");
    if (StartsWith(line, "Převádím soubor ")) {
      FUZZ_CHECK(line == "Převádím soubor " + statement + "\n", "wrong file logged: " + line);
      ++converting;
    }
  }
  FUZZ_CHECK(converting == (twice ? 2 : 1), "one conversion line per file");

  std::string written;
  FUZZ_CHECK(ReadBytes(output, &written), "statement file vanished");
  if (outcome != ExportOutcome::kWritten && outcome != ExportOutcome::kWrittenWithProblems) {
    FUZZ_CHECK(written == kEarlierExport, "earlier statement file damaged");
    FUZZ_CHECK(outcome != ExportOutcome::kWriteFailed, "write failed in a writable folder");
    return 0;
  }
  // A run writes a statement for each own account and currency its file
  // holds, the main one where it was asked: each adds up on its own. A file
  // of other accounts alone leaves the asked file as it was, and says so.
  FUZZ_CHECK(!result.statements.empty(), "a written run without a statement");
  if (result.statements[0].paths[0] != output) {
    FUZZ_CHECK(written == kEarlierExport, "earlier statement file damaged by another's run");
    bool said = false;
    for (const std::string& line : log)
      said |= StartsWith(line, "Soubory neobsahují žádné položky ani zůstatky účtu ");
    FUZZ_CHECK(said, "the main statement is neither written nor said to be missing");
  }
  RecordSummary records;
  for (const WrittenStatement& statement : result.statements) {
    std::string gpc;
    FUZZ_CHECK(ReadBytes(statement.paths[0], &gpc), "statement file missing");
    // A statement of several may state balances and hold no item.
    FUZZ_CHECK(gpc.size() >= 130, "written file shorter than its header");
    const HeaderSummary header = CheckHeaderLine(gpc.substr(0, 130));
    records = CheckRecordLines(gpc, 130);
    FUZZ_CHECK(records.count == statement.totals.itemCount, "item count differs from records");
    FUZZ_CHECK(header.debits == records.debitHellers && header.credits == records.creditHellers,
               "header turnovers are not the sums of the records: " + gpc.substr(0, 130));
  }
  const bool single = result.statements.size() == 1;
  // Every line of a file ends once among the kinds its summary counts, and
  // a file read by position gives a record for each line counted as an
  // item (a layout's rows may give a fee's record too).
  bool layoutRead = false;
  int64_t itemLines = 0;
  for (const std::string& line : log) {
    layoutRead |= line.find("rozpoznán formát") != std::string::npos;
    // The counts close a file's summary line; other lines may quote the
    // file's own text, which can hold anything.
    if (!StartsWith(line, ("Soubor " + statement + ": ").c_str())) continue;
    const size_t counted = line.rfind("řádků souboru ");
    if (counted == std::string::npos) continue;
    FUZZ_CHECK(LinesAddUp(line.substr(counted)), "line counts that do not add up: " + line);
    const size_t items = line.find(": čten jako Servis24, převedeno ");
    if (items != std::string::npos)
      itemLines += std::atoll(line.c_str() + line.find("no ", items) + 3);
  }
  FUZZ_CHECK(layoutRead || !single || records.count == itemLines, "one record per item line");
  // A run whose log warns about items ends with a line that counts them,
  // and has its own outcome.
  const bool warned = StartsWith(log.back(), "Pozor: ");
  if (warned) log.pop_back();
  // Each written line is followed by its check: "v pořádku" or up to five
  // problems and a count of the rest. Odd texts may put letters into
  // numeric fields, but the balances and the turnovers of what the program
  // writes always add up: an amount too long for its record refuses the run.
  bool sound = true;
  for (const WrittenStatement& statement : result.statements) {
    const std::string& path = statement.paths[0];
    size_t writtenLine = 0;
    while (writtenLine < log.size() && log[writtenLine] != "Zapsán soubor " + path + "\n") {
      ++writtenLine;
    }
    FUZZ_CHECK(writtenLine + 2 <= log.size(), "no written line or no check line");
    size_t end = writtenLine + 1;
    while (end < log.size() && StartsWith(log[end], ("Kontrola souboru " + path + ": ").c_str())) {
      ++end;
    }
    FUZZ_CHECK(end > writtenLine + 1 && end <= writtenLine + 7, "a wrong number of check lines");
    for (size_t i = writtenLine + 1; i < end; ++i) {
      const std::string& checked = log[i];
      FUZZ_CHECK(checked.find("zůstatek") == std::string::npos &&
                     checked.find("nesouhlasí") == std::string::npos,
                 "the written statement does not add up: " + checked);
      sound = sound && checked == "Kontrola souboru " + path + ": v pořádku\n";
    }
  }
  FUZZ_CHECK((outcome == ExportOutcome::kWritten) == (sound && !warned),
             "outcome does not tell what the check and the warnings found");
  return 0;
}
