// Broken, hostile and huge inputs and faults of the machine: the export run
// never crashes, says in the log what happened, and never damages an earlier
// export.gpc or the settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "conversion/export/output_files.h"
#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/values/dates.h"
#include "memory_files.h"
#include "platform/file.h"
#include "platform/file_system.h"
#include "settings/account_settings.h"
#include "settings/settings_file.h"
#include "temp_folder.h"
#include "test_support.h"
#include "ui/selection_paths.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarvolo {
namespace {

constexpr char kEarlierExport[] = "earlier export.gpc\r\n";
constexpr char kHeader[] = "Číslo;Datum;Částka;Protiúčet;Název;VS;Měna;Poznámka;KS;SS;Zpráva\r\n";
constexpr char kLine[] =
    "1;2014/09/24;-1234,50;000019-0123456789/0800;Nájemce;12345;CZK;;0308;;Nájem\r\n";

struct RunResult {
  ExportOutcome outcome;
  std::vector<std::string> log;
  int32_t items = 0;  // of the statement written
};

// The file of a run read from a folder in memory or on the disk.
std::string Content(const MemoryFiles& folder, const std::string& path) {
  return folder.Read(path);
}
std::string Content(const TempFolder&, const std::string& path) { return ReadTestFile(path); }
FileSystem* FilesOf(MemoryFiles& folder) { return &folder; }
FileSystem* FilesOf(TempFolder&) { return &DiskFiles(); }

// Runs the export over files in a `Folder`: MemoryFiles, or TempFolder for
// the tests whose point is what the disk does.
template <typename Folder>
class RunFixture : public testing::Test {
 protected:
  void SetUp() override {
    UseExampleProfile("2000145399");
    output_ = folder_.Write("export.gpc", kEarlierExport);
  }

  // Converts the files into the folder's export.gpc.
  RunResult Export(const std::vector<std::string>& files) {
    ExportRequest request;
    request.fileSystem = FilesOf(folder_);
    request.files = files;
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = 1411560000;  // 24 September 2014, noon
    request.outputs = {{output_, &gpc_}};
    if (!settings_.empty()) request.settingsPath = settings_.c_str();
    RunResult run;
    const ExportResult result = RunStatementExport(request, [&run](LogKind kind, const char* line) {
      run.log.push_back(ShownLogLine(kind, line));
    });
    run.outcome = result.outcome;
    if (!result.statements.empty()) run.items = result.statements[0].totals.itemCount;
    return run;
  }
  RunResult ExportFile(const std::string& path) { return Export({path}); }

  std::string Converting(const std::string& path) const { return "Převádím soubor " + path + "\n"; }
  std::string Unreadable(const std::string& path) const {
    return "Soubor " + path + " nelze přečíst!!!\n";
  }
  std::string Written() const { return "Zapsán soubor " + output_ + "\n"; }
  std::string Checked() const { return "Kontrola souboru " + output_ + ": v pořádku\n"; }
  std::string NotWritten() const { return "Soubor " + output_ + " se nepodařilo zapsat!!!\n"; }
  static std::string NothingLoaded() { return "Nebyly načteny žádné položky nebo soubory!!!\n"; }
  std::string Output() const { return Content(folder_, output_); }
  bool EarlierExportKept() const { return Output() == kEarlierExport; }

  Folder folder_;
  std::string output_;
  GpcOutput gpc_;
  std::string settings_;
};

class BadInputTest : public RunFixture<MemoryFiles> {};
// Permissions, long paths, a full disk, a file's other names and the
// settings file the settings library reads: what only the disk can show.
class BadInputOnDiskTest : public RunFixture<TempFolder> {};

// Files that hold no item: nothing is written, and the log says so.
TEST_F(BadInputTest, FilesWithoutItems) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<std::string> extraLog;  // between the conversion and the final line
  } cases[] = {
      {"empty",
       "",
       {"refused: hlavička nenalezena, Servis24 nelze použít, soubor nemá žádný řádek s daty"}},
      {"header with line end", kHeader, {"header"}},
      {"header without line end", std::string(kHeader, sizeof kHeader - 3), {"header"}},
      // A CR alone ends a line too: its rows are no Servis24 rows.
      {"CR-only line ends",
       std::string("h\r") + "1;2014/09/24;100\r2;2014/09/25;200\r",
       {"refused: hlavička nenalezena, Servis24 nelze použít, nečitelných řádků 2 z 2, první "
        "řádek 2: řádek má 3 polí, Servis24 jich píše nejméně 11"}},
      // Read as UTF-16, its one data line has no amount and no date: no
      // reading of it is confirmed.
      {"UTF-16",
       std::string("\xFF\xFEh\0;\0\r\0\n\0001\0;\0", 14),
       {"Soubor je v kódování UTF-16, převeden do Windows-1250\n",
        "refused: hlavička nenalezena, Servis24 nelze použít, nečitelných řádků 1 z 1, první "
        "řádek 2: řádek má 2 polí, Servis24 jich píše nejméně 11"}},
  };
  for (Case& c : cases) {
    const std::string path = folder_.Write("vypis.csv", c.content);
    for (std::string& line : c.extraLog) {
      if (line.compare(0, 9, "refused: ") == 0) {
        line = "Soubor " + path + ": formát nerozpoznán (" + line.substr(9) +
               "), soubor nebyl převeden!!!\n";
      } else if (line == "header") {
        line = "Soubor " + path +
               ": čten jako Servis24, převedeno 0 položek, řádků souboru 1: hlavička a úvod 1\n";
      }
    }
    const RunResult run = ExportFile(path);
    EXPECT_EQ(run.outcome, ExportOutcome::kNothingLoaded) << c.name;
    std::vector<std::string> expected = {Converting(path)};
    expected.insert(expected.end(), c.extraLog.begin(), c.extraLog.end());
    expected.push_back(NothingLoaded());
    EXPECT_EQ(run.log, expected) << c.name;
    EXPECT_TRUE(EarlierExportKept()) << c.name;
  }
}

// Items after a NUL byte are not read, and the log says where the text ended.
TEST_F(BadInputTest, NulByteEndsTheTextWithAWarning) {
  const std::string content =
      std::string(kHeader) + kLine + kLine + kLine + kLine + std::string("3;\0;", 4) + kLine;
  const std::string path = folder_.Write("vypis.csv", content);
  const RunResult run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kWrittenWithProblems);
  ASSERT_EQ(run.log.size(), 9u);
  EXPECT_EQ(run.log[8], "Pozor: 2 upozornění, zkontrolujte je před importem!!!\n");
  EXPECT_EQ(run.log[1], "Soubor " + path +
                            ", řádek 6: řádek má 2 polí, Servis24 jich píše nejméně 11, řádek "
                            "vynechán!!!\n");
  EXPECT_EQ(run.log[3], "Soubor " + path +
                            " obsahuje na řádku 6 nulový bajt, zbytek souboru nebyl převeden!!!\n");
  EXPECT_EQ(run.log[4], "Načteno 4 položek, starý zůstatek 1000.50 Kč, nový -3937.50 Kč\n");
  EXPECT_EQ(Output().size(), 5 * 130u);
}

// Files that do hold items, however odd: one record per data line.
TEST_F(BadInputTest, OddFilesWithItems) {
  const std::string hundredThousand(100000, '7');
  struct Case {
    const char* name;
    std::string content;
    int items;
    std::vector<std::string> warnings;  // lines after the conversion line
    size_t pairingLines = 0;            // the credits' pairing summary and those unpaired
  } cases[] = {
      {"UTF-8 with byte-order mark",
       "\xEF\xBB\xBFh\r\n1;2014/09/24;-1234,50;000019-0123456789/0800;Najemce;12345;CZK;;0308;;"
       "Najem\r\n",
       1,
       {"Soubor je v kódování UTF-8, převeden do Windows-1250\n", "summary"}},
      {"field of 100,000 characters",
       "h\r\n1;2014/09/24;5;;;" + hundredThousand + ";;;" + hundredThousand + ";" +
           hundredThousand + ";" + hundredThousand + "\r\n",
       1,
       {"summary", "číslo dokladu", "variabilní symbol", "konstantní symbol", "specifický symbol"},
       2},
  };
  for (const Case& c : cases) {
    const std::string path = folder_.Write("vypis.csv", c.content);
    RunResult run = ExportFile(path);
    EXPECT_EQ(run.outcome, ExportOutcome::kWritten) << c.name;
    std::vector<std::string> expected = {Converting(path)};
    for (const std::string& line : c.warnings) {
      if (line == "summary") {
        expected.push_back("Soubor " + path +
                           ": čten jako Servis24, převedeno 1 položek, řádků souboru 2: hlavička "
                           "a úvod 1, s položkou 1\n");
        continue;
      }
      const bool isFieldName = line.back() != '\n';
      expected.push_back(isFieldName ? "Soubor " + path + ", řádek 2: " + line +
                                           " je delší než pole v ABO, zapsán jen jeho konec!!!\n"
                                     : line);
    }
    // Then the two totals lines, the pairing of the credits, the written
    // file and its check.
    ASSERT_EQ(run.log.size(), expected.size() + 4 + c.pairingLines) << c.name;
    run.log.resize(expected.size());
    EXPECT_EQ(run.log, expected) << c.name;
    EXPECT_EQ(run.items, c.items) << c.name;
    EXPECT_EQ(Output().size(), 130u * (c.items + 1)) << c.name;
  }
}

// Lines of 50 MB: alone it is no statement; as a data line it gives one
// record whose text is cut to its field.
TEST_F(BadInputTest, HugeLines) {
  std::string path = folder_.Write("vypis.csv", std::string(50 << 20, 'x'));
  RunResult run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kNothingLoaded);
  EXPECT_EQ(run.log, (std::vector<std::string>{
                         Converting(path),
                         "Soubor " + path +
                             ": formát nerozpoznán (hlavička nenalezena, Servis24 nelze použít, "
                             "soubor nemá žádný řádek s daty), soubor nebyl převeden!!!\n",
                         NothingLoaded()}));
  EXPECT_TRUE(EarlierExportKept());

  path = folder_.Write("vypis.csv",
                       "h\r\n1;2014/09/24;5;;;;;;;;" + std::string(50 << 20, 'z') + "\r\n");
  run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kWritten);
  // The credit without a symbol is listed as one to pair by hand, its
  // message cut for the log.
  ASSERT_EQ(run.log.size(), 8u);
  EXPECT_LT(run.log[5].size(), 400u);
  EXPECT_EQ(Output().substr(130 + 97, 20), std::string(20, 'z'));
  EXPECT_EQ(Output().size(), 2 * 130u);
}

// An amount of more hellers than its record's twelve digits cannot be
// written in its record, and no file is written.
TEST_F(BadInputTest, AmountBeyondTheRangeOfHellers) {
  const std::string path =
      folder_.Write("vypis.csv", "h\r\n5;2014/09/24;-99999999999999;;;;;;;;x\r\n");
  const RunResult run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kRefused);
  EXPECT_EQ(
      run.log,
      (std::vector<std::string>{
          Converting(path),
          "Soubor " + path +
              ": čten jako Servis24, převedeno 1 položek, řádků souboru 2: hlavička a úvod 1, s "
              "položkou 1\n",
          "Soubor " + path +
              ", řádek 2: částka má víc než 12 číslic v haléřích, soubor nelze zapsat!!!\n"}));
  EXPECT_TRUE(EarlierExportKept());
}

// Random bytes: whatever lines they make become records of 128 characters
// and CR LF, or nothing is loaded.
TEST_F(BadInputTest, RandomBinaryData) {
  std::mt19937 random(20140924);
  for (bool withNul : {true, false}) {
    std::string content(1 << 20, '\0');
    for (char& c : content) {
      c = static_cast<char>(random());
      if (!withNul && c == '\0') c = '\n';
    }
    const std::string path = folder_.Write("vypis.csv", content);
    const RunResult run = ExportFile(path);
    ASSERT_FALSE(run.log.empty());
    EXPECT_EQ(run.log.front(), Converting(path));
    if (run.outcome != ExportOutcome::kWritten &&
        run.outcome != ExportOutcome::kWrittenWithProblems) {
      EXPECT_TRUE(EarlierExportKept());
      continue;
    }
    const std::string written = Output();
    ASSERT_EQ(written.size(), 130u * (run.items + 1));
    for (size_t at = 0; at < written.size(); at += 130) {
      EXPECT_EQ(written.substr(at, 3), at == 0 ? "074" : "075") << at;
      EXPECT_EQ(written.substr(at + 128, 2), "\r\n") << at;
      EXPECT_EQ(written.substr(at, 128).find_first_of("\r\n"), std::string::npos) << at;
    }
  }
}

// Paths that are not readable statement files: the file gets its conversion
// line and nothing else.
TEST_F(BadInputTest, UnreadableSelections) {
  const std::string folder = folder_.File("sub");
  folder_.AddFolder("sub");
  // A folder chosen in the window as the one file is taken as a folder
  // without names.
  const std::string selection = folder + std::string(2, '\0');
  RunResult run = Export(SelectFiles(selection.data(), selection.size()));
  EXPECT_EQ(run.outcome, ExportOutcome::kNothingLoaded);
  EXPECT_EQ(run.log,
            (std::vector<std::string>{Converting(folder + kPathSeparator),
                                      Unreadable(folder + kPathSeparator), NothingLoaded()}));
  // A folder named in a list of files (as the command line passes it).
  run = ExportFile(folder);
  EXPECT_EQ(run.log,
            (std::vector<std::string>{Converting(folder), Unreadable(folder), NothingLoaded()}));
  EXPECT_TRUE(EarlierExportKept());
}

#ifndef _WIN32
// Runs `run` in a child process as the unprivileged user "nobody" and gives
// back its outcome and log; false, with the reason in `failure`, when the
// child could not become that user or did not report.
bool RunAsNobody(const std::function<RunResult()>& run, RunResult* result, std::string* failure) {
  constexpr uid_t kNobody = 65534;
  int channel[2];
  if (pipe(channel) != 0) {
    *failure = "no pipe";
    return false;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    std::string report = "no user change";
    if (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 &&
        geteuid() == kNobody) {
      const RunResult childRun = run();
      report = std::to_string(static_cast<int>(childRun.outcome));
      for (const std::string& line : childRun.log) report += '\0' + line;
    }
    const bool sent =
        write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string report;
  char buffer[4096];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  close(channel[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0 || report.empty() || report[0] < '0' || report[0] > '9') {
    *failure = "the child as nobody failed: " + report;
    return false;
  }
  size_t end = report.find('\0');
  result->outcome = static_cast<ExportOutcome>(std::stoi(report.substr(0, end)));
  result->log.clear();
  while (end != std::string::npos) {
    const size_t start = end + 1;
    end = report.find('\0', start);
    result->log.push_back(report.substr(start, end == std::string::npos ? end : end - start));
  }
  return true;
}
#endif

// The superuser reads every file, so as the superuser the run goes to a
// child that has become an ordinary user.
TEST_F(BadInputOnDiskTest, FileWithoutReadPermission) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no read permission bits to take away";
#else
  const std::string path = folder_.Write("vypis.csv", std::string(kHeader) + kLine);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  RunResult run;
  if (geteuid() == 0) {
    std::string failure;
    ASSERT_TRUE(RunAsNobody(
        [&] {
          // The file is there for this user; only its permission keeps it out.
          const bool reached = access(path.c_str(), F_OK) == 0 && access(path.c_str(), R_OK) != 0;
          return reached ? ExportFile(path) : RunResult{ExportOutcome::kWritten, {"not reached"}};
        },
        &run, &failure))
        << failure;
  } else {
    run = ExportFile(path);
  }
  EXPECT_EQ(run.outcome, ExportOutcome::kNothingLoaded);
  EXPECT_EQ(run.log,
            (std::vector<std::string>{Converting(path), Unreadable(path), NothingLoaded()}));
  EXPECT_TRUE(EarlierExportKept());
#endif
}

// A statement file whose full path has 300 characters.
TEST_F(BadInputOnDiskTest, PathOf300Characters) {
  std::string folder = folder_.path();
  while (folder.size() < 290) {
    folder += kPathSeparator + std::string(std::min<size_t>(60, 290 - folder.size() - 1), 'd');
  }
  std::filesystem::create_directories(folder);
  const std::string path = folder + kPathSeparator + "vypis.csv";
  ASSERT_EQ(path.size(), 300u);
  std::filesystem::copy_file(folder_.Write("short.csv", std::string(kHeader) + kLine), path);
  const RunResult run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kWritten);
  EXPECT_EQ(run.log.front(), Converting(path));
  EXPECT_EQ(run.log.back(), Checked());
  EXPECT_EQ(Output().size(), 2 * 130u);
}

// The statement file cannot be written: the earlier one stays whole and the
// log says that it was not written.
TEST_F(BadInputOnDiskTest, OutputThatCannotBeWritten) {
  const std::string statement = folder_.Write("vypis.csv", std::string(kHeader) + kLine);
  // An existing read-only export.gpc.
  std::filesystem::permissions(output_, std::filesystem::perms::owner_read);
  RunResult run = ExportFile(statement);
  EXPECT_EQ(run.outcome, ExportOutcome::kWriteFailed);
  EXPECT_EQ(run.log.back(), NotWritten());
  EXPECT_TRUE(EarlierExportKept());
  std::filesystem::permissions(output_, std::filesystem::perms::owner_all);

  // A folder that does not exist.
  output_ = folder_.File("missing") + kPathSeparator + "export.gpc";
  run = ExportFile(statement);
  EXPECT_EQ(run.outcome, ExportOutcome::kWriteFailed);
  EXPECT_EQ(run.log.back(), NotWritten());
  EXPECT_FALSE(std::filesystem::exists(folder_.File("missing")));
}

// Settings files of every length: the first 64 bytes (or fewer) replace the
// start of the profile, the file itself is never changed by a run, and the
// run writes a file or refuses with a reason.
TEST_F(BadInputOnDiskTest, SettingsFilesOfAnyLength) {
  std::string full(64, '\0');
  std::memcpy(&full[0], "123456789", 9);
  std::memcpy(&full[16], "Ucet z profilu", 14);
  std::memcpy(&full[36], "-500", 4);
  const int32_t balanceDate = CalendarDayToStoredTimestamp(2014, 9, 1), statementNumber = 12;
  std::memcpy(&full[56], &balanceDate, 4);
  std::memcpy(&full[60], &statementNumber, 4);
  const std::string statement = folder_.Write("vypis.csv", std::string(kHeader) + kLine);
  const std::string start(reinterpret_cast<const char*>(&g_accountSettings), 64);

  struct Case {
    size_t length;
    const char* header;  // characters 4 to 45 of the "074" line
  } cases[] = {
      {0, "0000002000145399Hlavni ucet         310814"},
      {20, "0000000123456789Ucetni ucet         310814"},
      {63, "0000000123456789Ucet z profilu      310814"},
      {64, "0000000123456789Ucet z profilu      310814"},
      {65, "0000000123456789Ucet z profilu      310814"},
      {10000, "0000000123456789Ucet z profilu      310814"},
  };
  for (const Case& c : cases) {
    std::string file = full;
    file.resize(c.length, '\x55');
    const std::string config = folder_.Write("tarvolo.cfg", file);
    std::memcpy(&g_accountSettings, start.data(), 64);
    ASSERT_TRUE(LoadSettingsFrom(config.c_str())) << c.length;
    const std::string profile(reinterpret_cast<const char*>(&g_accountSettings), 64);
    const size_t taken = std::min<size_t>(c.length, 64);
    EXPECT_EQ(profile.substr(0, taken), file.substr(0, taken)) << c.length;
    EXPECT_EQ(profile.substr(taken), start.substr(taken)) << c.length;

    const RunResult run = ExportFile(statement);
    EXPECT_EQ(ReadTestFile(config), file) << c.length;
    EXPECT_EQ(run.outcome, ExportOutcome::kWritten) << c.length;
    EXPECT_EQ(Output().substr(3, 42), c.header) << c.length;
  }
}

// Text fields that fill their whole field without a NUL are read to the
// field's end and no further; a line break in them is refused, because it
// would split the lines of the statement file.
TEST_F(BadInputOnDiskTest, SettingsTextsWithoutNulOrWithLineBreaks) {
  const std::string statement = folder_.Write("vypis.csv", std::string(kHeader) + kLine);
  std::string file =
      "1234567890123456"
      "Jmeno bez konce xxxx"
      "00000000000000001000";
  const int32_t balanceDate = CalendarDayToStoredTimestamp(2014, 9, 1), statementNumber = 3;
  file.append(reinterpret_cast<const char*>(&balanceDate), 4);
  file.append(reinterpret_cast<const char*>(&statementNumber), 4);
  const std::string config = folder_.Write("tarvolo.cfg", file);
  ASSERT_TRUE(LoadSettingsFrom(config.c_str()));
  RunResult run = ExportFile(statement);
  EXPECT_EQ(run.outcome, ExportOutcome::kWritten);
  EXPECT_EQ(Output().substr(0, 130), std::string("074") + "1234567890123456" +
                                         "Jmeno bez konce xxxx" + "310814" + "00000000100000+" +
                                         "00000000023450-" + "000000001234500" + "000000000000000" +
                                         "003" + "240914" + std::string(14, ' ') + "\r\n");

  for (size_t at : {3, 16 + 5}) {
    for (char lineBreak : {'\r', '\n'}) {
      std::string broken = file;
      broken[at] = lineBreak;
      SCOPED_TRACE(at);
      folder_.Write("tarvolo.cfg", broken);
      ASSERT_TRUE(LoadSettingsFrom(config.c_str()));
      output_ = folder_.Write("export.gpc", kEarlierExport);
      run = ExportFile(statement);
      EXPECT_EQ(run.outcome, ExportOutcome::kRefused);
      EXPECT_EQ(run.log.back(),
                "Číslo nebo název účtu obsahuje konec řádku, soubor nelze zapsat!!!\n");
      EXPECT_TRUE(EarlierExportKept());
    }
  }
}

// A statement of 1,000,000 items converts whole.
TEST_F(BadInputTest, MillionLines) {
  std::string content = kHeader;
  content.reserve(content.size() + 1000000 * (sizeof kLine - 1));
  for (int i = 0; i < 1000000; ++i) content += kLine;
  const std::string path = folder_.Write("vypis.csv", content);
  content.clear();
  content.shrink_to_fit();
  const RunResult run = ExportFile(path);
  EXPECT_EQ(run.outcome, ExportOutcome::kWritten);
  EXPECT_EQ(run.log,
            (std::vector<std::string>{
                Converting(path),
                "Soubor " + path +
                    ": čten jako Servis24, převedeno 1000000 položek, řádků souboru 1000001: "
                    "hlavička a úvod 1, s položkou 1000000\n",
                "Načteno 1000000 položek, starý zůstatek 1000.50 Kč, nový -1234498999.50 Kč\n",
                "Celkem příchozí platby 0.00 Kč, odchozí platby 1234500000.00 Kč\n", Written(),
                Checked()}));
  EXPECT_EQ(Output().size(), 130u * 1000001);
}

// The disk fills up while the statement file is written: the earlier file
// stays whole, no temporary file is left, and the log says it was not written.
TEST_F(BadInputOnDiskTest, DiskFullDuringTheWrite) {
#ifdef _WIN32
  GTEST_SKIP() << "a full disk is simulated natively only";
#else
  if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs the superuser";
  const std::string disk = folder_.File("disk");
  std::filesystem::create_directory(disk);
  if (mount("tarvolo-test", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "tmpfs could not be mounted here: " << std::strerror(errno);
  }
  std::string content = kHeader;
  for (int i = 0; i < 1000; ++i) content += kLine;  // 130,130 bytes to write
  const std::string statement = folder_.Write("vypis.csv", content);
  output_ = disk + "/export.gpc";
  ASSERT_EQ(ReadTestFile(folder_.Write("disk/export.gpc", kEarlierExport)), kEarlierExport);
  const RunResult run = ExportFile(statement);
  EXPECT_EQ(run.outcome, ExportOutcome::kWriteFailed);
  EXPECT_EQ(run.log.back(), NotWritten());
  EXPECT_TRUE(EarlierExportKept());
  EXPECT_EQ(FileNamesIn(disk), "export.gpc");
  umount(disk.c_str());
#endif
}

// The statement is never written over one of the run's own statements or
// the settings file, whatever name leads there; what stands there stays as
// it was. What else the write never replaces, WholeFileTest shows; here
// only the line the run gives for it.
TEST_F(BadInputOnDiskTest, OutputsThatAreNeverReplaced) {
  const std::string notRegular = " není obyčejný soubor, nelze jej nahradit!!!\n";
  const std::string ownStatement = " je jedním z převáděných výpisů, nelze jej přepsat!!!\n";
  const std::string settingsFile = " je soubor nastavení, nelze jej přepsat!!!\n";
  const struct {
    const char* name;
    const char* output;    // in the folder
    const char* settings;  // in the folder, or nullptr
    const std::string* line;
  } cases[] = {
      {"the statement itself", "a.csv", nullptr, &ownStatement},
      {"the second statement", "b.csv", nullptr, &ownStatement},
      {"a hard link to a statement", "link.gpc", nullptr, &ownStatement},
      {"the settings file", "tarvolo.cfg", "tarvolo.cfg", &settingsFile},
      {"a hard link to the settings file", "link.gpc", "tarvolo.cfg", &settingsFile},
      {"a folder", "folder.gpc", nullptr, &notRegular},
  };
  std::string notRun;
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string a = folder.Write("a.csv", std::string(kHeader) + kLine);
    const std::string b = folder.Write("b.csv", std::string(kHeader) + kLine + kLine);
    const std::string profile = folder.Write("tarvolo.cfg", std::string(64, '\0'));
    const bool toSettings = c.settings != nullptr;
    std::error_code error;
    std::filesystem::create_hard_link(toSettings ? profile : b, folder.File("link.gpc"), error);
    if (error && std::string(c.output) == "link.gpc") {
      notRun += std::string(" ") + c.name + ": " + error.message() + ";";
      continue;
    }
    std::filesystem::create_directory(folder.File("folder.gpc"));
    const std::string names = FileNamesIn(folder.path());
    output_ = folder.File(c.output);
    settings_ = toSettings ? folder.File(c.settings) : std::string();

    const RunResult run = Export({folder.File("a.csv"), folder.File("b.csv")});
    EXPECT_EQ(run.outcome, ExportOutcome::kRefused) << c.name;
    EXPECT_EQ(run.log.back(), "Soubor " + output_ + *c.line) << c.name;
    EXPECT_EQ(ReadTestFile(a), std::string(kHeader) + kLine) << c.name;
    EXPECT_EQ(ReadTestFile(b), std::string(kHeader) + kLine + kLine) << c.name;
    EXPECT_EQ(ReadTestFile(profile), std::string(64, '\0')) << c.name;
    EXPECT_EQ(FileNamesIn(folder.path()), names) << c.name;
  }
  if (!notRun.empty()) GTEST_SKIP() << "cannot be set up here:" << notRun;
}

// The check of a written file names its first five problems, then says
// how many more there are. (No input reaches it now that a row must read
// whole; the check's own tests spoil files by hand.)
TEST_F(BadInputTest, CheckOfTheWrittenFileListsFiveProblemsAndCountsTheRest) {
  const struct {
    int problems;
    std::vector<std::string> extra;  // after the five listed problems
  } cases[] = {
      {4, {}},
      {6, {"a 1 dalších problémů"}},
      {8, {"a 3 dalších problémů"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> problems;
    for (int i = 0; i < c.problems; ++i) problems.push_back("řádek " + std::to_string(i + 2));
    std::vector<std::string> log;
    EXPECT_FALSE(LogCheck(output_, problems, [&log](LogKind kind, const char* line) {
      log.push_back(ShownLogLine(kind, line));
    }));
    const std::string prefix = "Kontrola souboru " + output_ + ": ";
    const size_t listed = std::min(c.problems, 5);
    ASSERT_EQ(log.size(), listed + c.extra.size()) << c.problems;
    for (size_t i = 0; i < listed; ++i) EXPECT_EQ(log[i], prefix + problems[i] + "!!!\n");
    for (size_t i = 0; i < c.extra.size(); ++i) {
      EXPECT_EQ(log[listed + i], prefix + c.extra[i] + "!!!\n");
    }
  }
}

}  // namespace
}  // namespace tarvolo
