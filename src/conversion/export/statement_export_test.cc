#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "conversion/gpc/gpc_check.h"
#include "conversion/values/dates.h"
#include "memory_files.h"
#include "platform/file.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

const char kStatementHeader[] = "Číslo;Datum;Částka;Protiúčet;;VS;;;KS;SS;Zpráva\r\n";

// A data line with the given date, amount and document number.
std::string Item(const std::string& date, const std::string& amount,
                 const std::string& symbol = "1") {
  return "1;" + date + ";" + amount + ";;;" + symbol + ";;;;;Položka\r\n";
}

int32_t NoonOf(int year, int month, int day) {
  CivilTime noon;
  noon.year = year;
  noon.month = month;
  noon.day = day;
  noon.hour = 12;
  int64_t time = 0;
  EXPECT_TRUE(MakeLocalTime(noon, false, &time));
  return static_cast<int32_t>(time);
}

class StatementExportTest : public testing::Test {
 protected:
  void SetUp() override {
    UseExampleProfile("123456789");
    output_ = folder_.File("export.gpc");
  }

  // Runs the export over the files at `paths`.
  ExportOutcome Run(const std::vector<std::string>& paths, bool everyFileRequired = false) {
    log_.clear();
    ExportRequest request;
    request.fileSystem = &folder_;
    request.files = paths;
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = NoonOf(2014, 9, 24);
    request.outputs = {{output_, &gpc_}};
    request.everyFileRequired = everyFileRequired;
    result_ = RunStatementExport(request, [this](LogKind kind, const char* line) {
      log_.push_back(ShownLogLine(kind, line));
    });
    return result_.outcome;
  }

  // Converts one statement file holding `items` and returns the header line.
  // An amount of more places than hellers is named, which asks the user to
  // read the log.
  std::string HeaderFor(const std::string& items) {
    const std::string path = folder_.Write("s.csv", kStatementHeader + items);
    EXPECT_EQ(Run({path}), RoundsAnAmount(items) ? ExportOutcome::kWrittenWithProblems
                                                 : ExportOutcome::kWritten);
    return folder_.Read(output_).substr(0, 130);
  }

  // Whether an amount of the lines Item() writes has more than two places
  // (the tests' amounts of three places are not all zeros there).
  static bool RoundsAnAmount(const std::string& items) {
    for (size_t line = 0; line < items.size(); line = items.find('\n', line) + 1) {
      const size_t amount = items.find(';', items.find(';', line) + 1) + 1;
      const size_t end = items.find(';', amount);
      const size_t comma = items.find(',', amount);
      if (comma < end && end - comma > 3) return true;
      if (items.find('\n', line) == std::string::npos) break;
    }
    return false;
  }

  // The first line of the log that starts with `start`, "" for none.
  std::string LogLineStarting(const std::string& start) const {
    for (const std::string& line : log_) {
      if (line.compare(0, start.size(), start) == 0) return line;
    }
    return std::string();
  }

  MemoryFiles folder_;
  std::string output_;
  GpcOutput gpc_;
  std::vector<std::string> log_;
  ExportResult result_;
};

TEST_F(StatementExportTest, HeaderExample) {
  const std::string path =
      folder_.Write("s.csv", kStatementHeader + Item("2014/09/24", "200") +
                                 Item("2014/09/24", "50,29") + Item("2014/09/24", "-100"));
  ASSERT_EQ(Run({path}), ExportOutcome::kWritten);
  const std::string written = folder_.Read(output_);
  ASSERT_EQ(written.size(), 130 + 3 * 130u);
  const std::string expected = std::string("074") + "0000000123456789" + "Hlavni ucet         " +
                               "310814" + "00000000100050+" + "00000000115079+" +
                               "000000000100000" + "000000000250290" + "007" + "240914" +
                               std::string(14, ' ') + "\r\n";
  EXPECT_EQ(written.substr(0, 130), expected);
  EXPECT_EQ(written.substr(130, 3), "075");
  const std::vector<std::string> expectedLog = {
      "Převádím soubor " + path + "\n",
      "Soubor " + path +
          ": čten jako Servis24, převedeno 3 položek, řádků souboru 4: hlavička a úvod 1, s "
          "položkou 3\n",
      "Načteno 3 položek, starý zůstatek 1000.50 Kč, nový 1150.79 Kč\n",
      "Celkem příchozí platby 250.29 Kč, odchozí platby 100.00 Kč\n",
      "Párování příchozích plateb výpisu účtu 123456789 v CZK: 2 plateb, 2 s VS, 0 s VS jen ve "
      "zprávě, 0 bez použitelného VS\n",
      "Zapsán soubor " + output_ + "\n",
      "Kontrola souboru " + output_ + ": v pořádku\n",
  };
  EXPECT_EQ(log_, expectedLog);
  ASSERT_EQ(result_.statements.size(), 1u);
  const WrittenStatement& statement = result_.statements[0];
  EXPECT_EQ(statement.paths, std::vector<std::string>{output_});
  EXPECT_EQ(statement.currency, "CZK");
  const ExportTotals& totals = statement.totals;
  EXPECT_EQ(totals.itemCount, 3);
  EXPECT_EQ(totals.creditCount, 2);
  EXPECT_EQ(totals.debitCount, 1);
  EXPECT_EQ(totals.creditHellers, 25029);
  EXPECT_EQ(totals.debitHellers, 10000);
  EXPECT_EQ(totals.openingHellers, 100050);
  EXPECT_EQ(totals.closingHellers, 115079);
  EXPECT_EQ(result_.Warnings(), 0);
}

TEST_F(StatementExportTest, HeaderFields) {
  struct Case {
    const char* balance;
    int32_t number;
    std::string items;
    size_t offset;
    const char* expected;
  } cases[] = {
      {"1234,56", 7, Item("2014/09/24", "1"), 45, "00000000123456+"},  // decimal comma
      {"1 234,56", 7, Item("2014/09/24", "1"), 45, "00000000123456+"},
      {"", 7, Item("2014/09/24", "1"), 45, "00000000000000+"},
      {"1.234,56", 7, Item("2014/09/24", "1"), 45, "00000000123456+"},
      {"-500", 7, Item("2014/09/24", "100") + Item("2014/09/24", "-50"), 45,
       "00000000050000-00000000045000-"},
      {"-0", 7, Item("2014/09/24", "1"), 45, "00000000000000+"},
      // A balance of no whole hellers is zero, and zero is "+", whatever
      // part of a heller below zero it was rounded from.
      {"-0,004", 7, Item("2014/09/24", "1"), 45, "00000000000000+"},
      {"-0,004", 7, Item("2014/09/24", "1") + Item("2014/09/24", "-1"), 60, "00000000000000+"},
      {"0", 7, Item("2014/09/24", "-0,004"), 60, "00000000000000+"},
      {"0,003", 7, Item("2014/09/24", "-0,004"), 60, "00000000000000+"},
      {"0,005", 7, Item("2014/09/24", "-0,004"), 60, "00000000000001+"},
      {"0,004", 7, Item("2014/09/24", "-0,003"), 60, "00000000000000+"},
      {"0", 7, Item("2014/09/24", "0,3") + Item("2014/09/24", "-0,1") + Item("2014/09/24", "-0,2"),
       60, "00000000000000+"},
      {"0", 7, Item("2014/09/24", "0,29"), 90, "000000000000290"},
      {"0", 7, Item("2014/09/24", "1,15"), 90, "000000000001150"},
      {"0", 7, Item("2014/09/24", "-1,15"), 75, "000000000001150"},
      {"0", 7, Item("2014/09/24", "9999999999,99"), 90, "009999999999990"},
      {"0", 7, Item("2014/09/24", "1"), 105, "007"},
      {"0", 0, Item("2014/09/24", "1"), 105, "000"},
      {"0", 999, Item("2014/09/24", "1"), 105, "999"},
  };
  for (const Case& c : cases) {
    std::memset(g_accountSettings.openingBalance, 0, sizeof g_accountSettings.openingBalance);
    std::strcpy(g_accountSettings.openingBalance, c.balance);
    g_accountSettings.statementNumber = c.number;
    const std::string header = HeaderFor(c.items);
    EXPECT_EQ(header.size(), 130u);
    EXPECT_EQ(header.substr(c.offset, std::strlen(c.expected)), c.expected)
        << c.balance << " " << c.items;
  }
}

// Amounts with parts of a heller: every record is rounded on its own, and
// the header's turnovers and new balance are worked out from those records,
// so that the written statement adds up to the heller.
TEST_F(StatementExportTest, HeaderAddsUpToItsRecords) {
  EXPECT_EQ(HeaderFor(Item("2014/09/24", "0,125") + Item("2014/09/24", "0,125")).substr(45, 60),
            "00000000100050+00000000100076+000000000000000000000000000260");
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::string items;
    for (int i = 0; i < 20; ++i) {
      const long thousandths = static_cast<long>(random() % 2000001) - 1000000;
      items += Item("2014/09/24",
                    (thousandths < 0 ? "-" : "") + std::to_string(std::labs(thousandths) / 1000) +
                        "," + std::to_string(1000 + std::labs(thousandths) % 1000).substr(1));
    }
    HeaderFor(items);
    EXPECT_TRUE(CheckGpcStatement(folder_.Read(output_)).empty()) << items;
    EXPECT_EQ(LogLineStarting("Kontrola souboru "),
              "Kontrola souboru " + output_ + ": v pořádku\n");
  }
}

TEST_F(StatementExportTest, OldBalanceDateIsTheDayBeforeTheCalendarDay) {
  struct Case {
    int year, month, day;
    const char* expected;
  } cases[] = {
      {2016, 3, 1, "290216"},
      {2014, 9, 1, "310814"},
      {2015, 1, 1, "311214"},
      {2014, 7, 15, "140714"},
  };
  for (const Case& c : cases) {
    g_accountSettings.balanceDate = CalendarDayToStoredTimestamp(c.year, c.month, c.day);
    EXPECT_EQ(HeaderFor(Item("2014/09/24", "1")).substr(39, 6), c.expected);
  }
}

TEST_F(StatementExportTest, RefusesHeadersThatCannotBeWritten) {
  struct Case {
    int32_t number;
    int32_t balanceDate;
    const char* balance;
    const char* message;
  } cases[] = {
      {1000, 0, "0", "Číslo výpisu musí být od 0 do 999!!!\n"},
      {-100, 0, "0", "Číslo výpisu musí být od 0 do 999!!!\n"},
      {-7, 0, "0", "Číslo výpisu musí být od 0 do 999!!!\n"},
      {-1, 0, "0", "Číslo výpisu musí být od 0 do 999!!!\n"},
      {7, -3601, "0", "Neplatné datum zůstatku!!!\n"},
      {7, 0, "1e15",
       "Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!\n"},
      // Beyond the range of numbers it would read as 0.
      {7, 0, "1e400",
       "Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!\n"},
      {7, 0, "abc",
       "Počáteční zůstatek „abc“ nelze přečíst celý (žádné číslice), zadejte jej např. jako "
       "1234,50!!!\n"},
  };
  const std::string path = folder_.Write("s.csv", kStatementHeader + Item("2014/09/24", "5"));
  for (const Case& c : cases) {
    g_accountSettings.statementNumber = c.number;
    g_accountSettings.balanceDate = c.balanceDate;
    std::strcpy(g_accountSettings.openingBalance, c.balance);
    EXPECT_EQ(Run({path}), ExportOutcome::kRefused);
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), c.message);
    EXPECT_TRUE(folder_.Read(output_).empty());
  }
}

TEST_F(StatementExportTest, FilesInTheOrderGiven) {
  const std::string a = folder_.Write("a.csv", kStatementHeader + Item("2014/09/01", "1", "111"));
  const std::string b = folder_.Write("b.csv", kStatementHeader + Item("2014/09/02", "2", "222"));
  ASSERT_EQ(Run({b, a}), ExportOutcome::kWritten);
  const std::string written = folder_.Read(output_);
  ASSERT_EQ(written.size(), 3 * 130u);
  EXPECT_EQ(written.substr(130 + 35, 13), "0000000000222");
  EXPECT_EQ(written.substr(260 + 35, 13), "0000000000111");
  EXPECT_EQ(log_[0], "Převádím soubor " + b + "\n");
  EXPECT_EQ(log_[2], "Převádím soubor " + a + "\n");

  // Two separators in a row, as a folder that ends in one gives, still open.
  const std::string doubled = folder_.path() + kPathSeparator + kPathSeparator + "a.csv";
  ASSERT_EQ(Run({doubled}), ExportOutcome::kWritten);
  EXPECT_EQ(log_[0], "Převádím soubor " + doubled + "\n");
}

TEST_F(StatementExportTest, NothingLoaded) {
  const std::string headerOnly = folder_.Write("h.csv", kStatementHeader);
  const std::string zeros =
      folder_.Write("z.csv", kStatementHeader + Item("2014/09/24", "0") + Item("2014/09/24", "-0"));
  const std::string missing = folder_.File("missing.csv");
  const std::string kNothing = "Nebyly načteny žádné položky nebo soubory!!!\n";
  struct Case {
    std::vector<std::string> paths;
    std::vector<std::string> log;
  } cases[] = {
      // The window's selection before any file was chosen.
      {{""}, {"Převádím soubor \n", kNothing}},
      {{}, {kNothing}},
      {{headerOnly},
       {"Převádím soubor " + headerOnly + "\n",
        "Soubor " + headerOnly +
            ": čten jako Servis24, převedeno 0 položek, řádků souboru 1: hlavička a úvod 1\n",
        kNothing}},
      {{zeros},
       {"Převádím soubor " + zeros + "\n",
        "Soubor " + zeros +
            ": čten jako Servis24, převedeno 2 položek, řádků souboru 3: hlavička a úvod 1, s "
            "položkou 2\n",
        kNothing}},
      {{missing},
       {"Převádím soubor " + missing + "\n", "Soubor " + missing + " nelze přečíst!!!\n",
        kNothing}},
      {{folder_.path()},
       {"Převádím soubor " + folder_.path() + "\n",
        "Soubor " + folder_.path() + " nelze přečíst!!!\n", kNothing}},
  };
  const std::string previous = "earlier statement";
  folder_.Write("export.gpc", previous);
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.paths), ExportOutcome::kNothingLoaded);
    EXPECT_EQ(log_, c.log);
    EXPECT_EQ(folder_.Read(output_), previous);
  }
}

// A file that cannot be read gets a line that names it. The window program
// converts the other files; a run that needs every file (the command line's)
// writes nothing.
TEST_F(StatementExportTest, UnreadableFilesAreLogged) {
  const std::string good = folder_.Write("good.csv", kStatementHeader + Item("2014/09/24", "5"));
  folder_.AddFolder("folder.csv");
  for (const char* unreadable : {"missing.csv", "folder.csv"}) {
    for (bool everyFileRequired : {false, true}) {
      SCOPED_TRACE(std::string(unreadable) + (everyFileRequired ? ", every file required" : ""));
      folder_.Write("export.gpc", "earlier statement");
      const std::string path = folder_.File(unreadable);
      const ExportOutcome outcome = Run({path, good}, everyFileRequired);
      ASSERT_GE(log_.size(), 4u);
      EXPECT_EQ(log_[0], "Převádím soubor " + path + "\n");
      EXPECT_EQ(log_[1], "Soubor " + path + " nelze přečíst!!!\n");
      EXPECT_EQ(log_[2], "Převádím soubor " + good + "\n");
      if (everyFileRequired) {
        EXPECT_EQ(outcome, ExportOutcome::kRefused);
        EXPECT_EQ(log_[4], "Výpis nebyl zapsán, protože některý soubor nelze přečíst!!!\n");
        EXPECT_EQ(folder_.Read(output_), "earlier statement");
        EXPECT_TRUE(result_.statements.empty());
        EXPECT_EQ(result_.LinesOf(LogKind::kFailure), 1);
      } else {
        // Written, but the run says that a file is missing from it.
        EXPECT_EQ(outcome, ExportOutcome::kWrittenWithProblems);
        EXPECT_EQ(folder_.Read(output_).size(), 260u);
        EXPECT_EQ(log_.back(), "Pozor: 1 upozornění, zkontrolujte je před importem!!!\n");
        EXPECT_EQ(result_.statements.size(), 1u);
        EXPECT_EQ(result_.LinesOf(LogKind::kFailure), 0);
      }
      // The lines the result counts by kind are those of the log.
      EXPECT_EQ(result_.LinesOf(LogKind::kFileWarning), 1);
      EXPECT_EQ(result_.Warnings(), everyFileRequired ? 2 : 1);
      int32_t lines = 0;
      for (const int32_t count : result_.lines) lines += count;
      EXPECT_EQ(lines, static_cast<int32_t>(log_.size()));
    }
  }
}

TEST_F(StatementExportTest, FailedWriteKeepsThePreviousFile) {
  const std::string path = folder_.Write("s.csv", kStatementHeader + Item("2014/09/24", "5"));
  folder_.Write("export.gpc", "earlier statement");
  // A read-only file is never replaced (that the disk's is not, the file
  // system's own test shows).
  folder_.SetReadOnly(output_);
  EXPECT_EQ(Run({path}), ExportOutcome::kWriteFailed);
  EXPECT_EQ(log_.back(), "Soubor " + output_ + " se nepodařilo zapsat!!!\n");
  EXPECT_EQ(folder_.Read(output_), "earlier statement");
}

TEST_F(StatementExportTest, CutValuesAreReported) {
  const std::string path = folder_.Write(
      "s.csv", kStatementHeader + Item("2014/09/24", "5") + Item("1999/09/24", "5", "12"));
  ASSERT_EQ(Run({path}), ExportOutcome::kWritten);
  EXPECT_EQ(log_[2], "Soubor " + path +
                         ", řádek 3: rok je delší než pole v ABO, zapsán jen jeho konec!!!\n");
}

// The log's balances and turnovers are those of the header, in whole hellers.
TEST_F(StatementExportTest, LogShowsTheHeaderAmounts) {
  struct Case {
    const char* balance;
    std::string items;
    const char* header;  // old and new balance, characters 46 to 75
    const char* log;
  } cases[] = {
      {"0,015", Item("2014/09/24", "-5"), "00000000000002+00000000000498-",
       "Načteno 1 položek, starý zůstatek 0.02 Kč, nový -4.98 Kč\n"},
      {"-0,004", Item("2014/09/24", "1"), "00000000000000+00000000000100+",
       "Načteno 1 položek, starý zůstatek 0.00 Kč, nový 1.00 Kč\n"},
      {"1000,005", Item("2014/09/24", "0,125"), "00000000100001+00000000100014+",
       "Načteno 1 položek, starý zůstatek 1000.01 Kč, nový 1000.14 Kč\n"},
  };
  for (const Case& c : cases) {
    std::strcpy(g_accountSettings.openingBalance, c.balance);
    EXPECT_EQ(HeaderFor(c.items).substr(45, 30), c.header) << c.balance;
    EXPECT_EQ(LogLineStarting("Načteno "), c.log) << c.balance;
  }
}

// Amounts that the record cannot hold or the reader cannot read: each is
// named with its file and line. One too long for the record's 12 digits of
// hellers refuses the run (the file would not add up); one Servis24 does
// not write leaves its line out, named, and the files are written.
TEST_F(StatementExportTest, AmountsThatDoNotFitAreNamed) {
  const std::string kTooLong =
      ", řádek 3: částka má víc než 12 číslic v haléřích, soubor nelze zapsat!!!\n";
  struct Case {
    const char* amount;
    ExportOutcome outcome;
    std::string line;  // after "Soubor <path>"
  } cases[] = {
      {"10000000000", ExportOutcome::kRefused, kTooLong},
      {"-12345678901,23", ExportOutcome::kRefused, kTooLong},
      {"9999999999,995", ExportOutcome::kRefused, kTooLong},
      {"1e400", ExportOutcome::kWrittenWithProblems,
       ", řádek 3: částku \"1e400\" nelze přečíst celou, řádek vynechán!!!\n"},
      {"9999999999,99", ExportOutcome::kWritten, ""},
  };
  const std::string second =
      folder_.Write("second.csv", kStatementHeader + Item("2014/09/24", "3"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    folder_.Write("export.gpc", "earlier statement");
    const std::string first = folder_.Write(
        "first.csv", kStatementHeader + Item("2014/09/24", "5") + Item("2014/09/24", c.amount));
    EXPECT_EQ(Run({first, second}), c.outcome);
    if (!c.line.empty()) {
      EXPECT_EQ(std::count(log_.begin(), log_.end(), "Soubor " + first + c.line), 1);
    }
    const bool checked =
        std::count(log_.begin(), log_.end(), "Kontrola souboru " + output_ + ": v pořádku\n") == 1;
    EXPECT_EQ(checked, c.outcome != ExportOutcome::kRefused);
    if (c.outcome == ExportOutcome::kRefused) {
      EXPECT_EQ(folder_.Read(output_), "earlier statement");
    }
  }
}

// A date written whole that no calendar has would reach the accounting
// program as a day it cannot book: its line is named, and the run warns.
TEST_F(StatementExportTest, ImpossibleDatesAreNamedOnTheirLine) {
  const struct {
    const char* date;
    bool real;
  } cases[] = {
      {"2024/02/29", true},
      {"2023/02/29", false},
      {"2014/13/01", false},
      {"2014/09/00", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    const std::string usual = Item("2014/09/20", "5");
    const std::string path =
        folder_.Write("s.csv", kStatementHeader + usual + usual + usual + Item(c.date, "7"));
    const ExportOutcome outcome = Run({path});
    const std::string named =
        "Soubor " + path + ", řádek 5: datum " + c.date + " není skutečný den, řádek vynechán!!!\n";
    ASSERT_GE(log_.size(), 2u);
    if (c.real) {
      EXPECT_EQ(outcome, ExportOutcome::kWritten);
      EXPECT_EQ(std::count(log_.begin(), log_.end(), named), 0);
    } else {
      EXPECT_EQ(outcome, ExportOutcome::kWrittenWithProblems);
      EXPECT_EQ(log_[1], named);
      EXPECT_EQ(result_.LinesOf(LogKind::kItemWarning), 1);
      EXPECT_EQ(log_.back(), "Pozor: 1 upozornění, zkontrolujte je před importem!!!\n");
    }
  }
}

// Dates Servis24 does not write are named on their lines and left out; a
// file without Servis24's header whose lines are more than a quarter of
// them is not read, and says where the first one is. Under the header they
// are named and left out whatever their number.
TEST_F(StatementExportTest, UnreadableDatesAreNamedAndLeftOut) {
  const std::string a = folder_.Write(
      "a.csv", kStatementHeader + Item("2014/09/15", "1") + Item("2014-09-16", "2") +
                   Item("2014/09/17", "3") + Item("2014/09/18", "4") + Item("2014/09/19", "5"));
  const std::string b =
      folder_.Write("b.csv", Item("2014/09/21", "8") + Item("2.9.2014", "9") + Item("", "10"));
  const std::string c = folder_.Write("c.csv", kStatementHeader + Item("2014/09/18", "7"));
  EXPECT_EQ(Run({a, b, c}), ExportOutcome::kWrittenWithProblems);
  const std::vector<std::string> expected = {
      "Převádím soubor " + a + "\n",
      "Soubor " + a +
          ", řádek 3: datum \"2014-09-16\" není ve tvaru RRRR/MM/DD, řádek vynechán!!!\n",
      "Soubor " + a +
          ": čten jako Servis24, převedeno 4 položek, řádků souboru 6: hlavička a úvod 1, s "
          "položkou 4, vynechané 1\n",
      "Převádím soubor " + b + "\n",
      "Soubor " + b +
          ": formát nerozpoznán (hlavička nenalezena, Servis24 nelze použít, nečitelných řádků 2 "
          "z 3, první řádek 2: "
          "datum \"2.9.2014\" není ve tvaru RRRR/MM/DD), soubor nebyl "
          "převeden!!!\n",
      "Převádím soubor " + c + "\n",
  };
  ASSERT_GE(log_.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(log_.begin(), log_.begin() + expected.size()), expected);
  EXPECT_EQ(folder_.Read(output_).size(), 6 * 130u);

  const std::string headed = folder_.Write(
      "d.csv", kStatementHeader + Item("2014/09/21", "8") + Item("2.9.2014", "9") + Item("", "10"));
  EXPECT_EQ(Run({headed}), ExportOutcome::kWrittenWithProblems);
  const std::vector<std::string> named = {
      "Převádím soubor " + headed + "\n",
      "Soubor " + headed +
          ", řádek 3: datum \"2.9.2014\" není ve tvaru RRRR/MM/DD, řádek vynechán!!!\n",
      "Soubor " + headed + ", řádek 4: datum \"\" není ve tvaru RRRR/MM/DD, řádek vynechán!!!\n",
      "Soubor " + headed +
          ": čten jako Servis24, převedeno 1 položek, řádků souboru 4: hlavička a úvod 1, s "
          "položkou 1, vynechané 2\n",
  };
  ASSERT_GE(log_.size(), named.size());
  EXPECT_EQ(std::vector<std::string>(log_.begin(), log_.begin() + named.size()), named);
  EXPECT_EQ(folder_.Read(output_).size(), 2 * 130u);
}

// A file written whole whose own check finds faults says so in its outcome,
// so that the command line's exit status can.
TEST_F(StatementExportTest, WrittenFileWithFaultsHasItsOwnOutcome) {
  struct Case {
    const char* account;
    std::string items;
    ExportOutcome outcome;
  } cases[] = {
      {"123456789", Item("2014/09/24", "5"), ExportOutcome::kWritten},
      {"123456789",
       Item("2014/09/24", "5") + Item("2014/09/24", "5") + Item("2014/09/24", "5") +
           Item("2014/13/24", "5"),
       ExportOutcome::kWrittenWithProblems},
  };
  for (const Case& c : cases) {
    std::memset(g_accountSettings.accountNumber, 0, sizeof g_accountSettings.accountNumber);
    std::strcpy(g_accountSettings.accountNumber, c.account);
    const std::string path = folder_.Write("s.csv", kStatementHeader + c.items);
    EXPECT_EQ(Run({path}), c.outcome) << c.account << " " << c.items;
    EXPECT_EQ(folder_.Read(output_).size() % 130, 0u);
    EXPECT_EQ(log_.back() == "Kontrola souboru " + output_ + ": v pořádku\n",
              c.outcome == ExportOutcome::kWritten);
  }
}

}  // namespace
}  // namespace tarvolo
