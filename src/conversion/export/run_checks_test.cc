#include "conversion/export/run_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "conversion/export/statement_export.h"
#include "conversion/gpc/gpc_output.h"
#include "memory_files.h"
#include "platform/file.h"
#include "settings/account_settings.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A Fio-like export: its own account, the balances and the period it
// states (empty for none), then rows "id;date;amount".
std::string Fio(const std::string& account, const std::string& opening, const std::string& closing,
                const std::string& start, const std::string& end,
                const std::vector<std::string>& rows) {
  std::string text = "accountId;" + account + "\nbankId;2010\ncurrency;CZK\n";
  if (!opening.empty()) text += "openingBalance;" + opening + "\nclosingBalance;" + closing + "\n";
  if (!start.empty()) text += "dateStart;" + start + "\ndateEnd;" + end + "\n";
  text += "\nID operace;Datum;Objem;Měna\n";
  for (const std::string& row : rows) text += row + ";CZK\n";
  return text;
}

// A Servis24 statement of the given rows "date;amount;symbol".
std::string Servis(const std::string& first, const std::vector<std::string>& rows) {
  std::string text = first + "\r\n";
  for (const std::string& row : rows) {
    const size_t a = row.find(';'), b = row.find(';', a + 1);
    text += "1;" + row.substr(0, b) + ";;;" + row.substr(b + 1) + ";;;;;Položka\r\n";
  }
  return text;
}

// A ČSOB-like export with the own account on every row: "account;date;amount;id".
std::string Csob(const std::vector<std::string>& rows) {
  std::string text = "číslo účtu;datum zaúčtování;částka;měna;číslo účtu protiúčtu;ID transakce\n";
  for (const std::string& row : rows) {
    const size_t last = row.rfind(';');
    text += row.substr(0, last) + ";CZK;;" + row.substr(last + 1) + "\n";
  }
  return text;
}

class RunChecksTest : public testing::Test {
 protected:
  void SetUp() override {
    UseExampleProfile("2000145399");
    output_ = folder_.File("export.gpc");
  }

  ExportOutcome Convert(const std::vector<std::pair<std::string, std::string>>& files,
                        bool balanceFromFile = false) {
    std::vector<std::string> paths;
    for (const auto& [name, content] : files) paths.push_back(folder_.Write(name, content));
    log_.clear();
    ExportRequest request;
    request.fileSystem = &folder_;
    request.files = paths;
    request.profile = ProfileOf(g_accountSettings);
    request.statementDate = 1412157600;  // 1 October 2014
    request.outputs = {{output_, &gpc_}};
    request.balanceFromFile = balanceFromFile;
    folder_.Remove(output_);
    return RunStatementExport(
               request,
               [this](LogKind kind, const char* line) { log_ += ShownLogLine(kind, line); })
        .outcome;
  }

  // Old and new balance of the header, then the document number of each
  // record (the item's id or symbol), leading zeros left out.
  std::string Written() const {
    const std::string written = folder_.Read(output_);
    if (written.size() < 130) return "";
    std::string shown = written.substr(45, 15) + " " + written.substr(60, 15);
    for (size_t at = 130; at + 130 <= written.size(); at += 130) {
      const std::string number = written.substr(at + 35, 13);
      shown += " " + number.substr(std::min(number.find_first_not_of('0'), number.size() - 1));
    }
    return shown;
  }

  std::string Path(const char* name) const { return folder_.File(name); }

  MemoryFiles folder_;
  std::string output_;
  GpcOutput gpc_;
  std::string log_;
};

TEST_F(RunChecksTest, StatementsThatBelongTogether) {
  const ExportOutcome kWritten = ExportOutcome::kWritten;
  const ExportOutcome kWarned = ExportOutcome::kWrittenWithProblems;
  const std::string september =
      Fio("2000145399", "1000,00", "1200,00", "01.09.2014", "30.09.2014", {"11;05.09.2014;200"});
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    bool balanceFromFile;
    ExportOutcome outcome;
    std::string written;  // see Written()
    std::string logged;   // a part of the log, "%s/" for the folder
  } cases[] = {
      {"out of order: the earliest file's opening, the items as given",
       {{"fio-10.csv", Fio("2000145399", "1200,00", "1500,00", "01.10.2014", "31.10.2014",
                           {"12;05.10.2014;300"})},
        {"fio-9.csv", september}},
       true,
       kWritten,
       "00000000100000+ 00000000150000+ 12 11",
       "nejsou zadány v pořadí svých dat: zůstatky navazují podle dat od souboru %s/fio-9.csv"},
      {"a month missing between two statements",
       {{"fio-9.csv", september},
        {"fio-11.csv", Fio("2000145399", "1700,00", "1750,00", "01.11.2014", "30.11.2014",
                           {"13;05.11.2014;50"})}},
       true,
       kWarned,
       "00000000100000+ 00000000125000+ 11 13",
       "mezi soubory %s/fio-9.csv a %s/fio-11.csv chybí pohyby: konečný zůstatek 1200.00 Kč, "
       "počáteční 1700.00 Kč!!!\n"},
      {"overlapping exports: the shared item once",
       {{"a.csv", Fio("2000145399", "", "", "01.09.2014", "20.09.2014",
                      {"5501;02.09.2014;10", "5502;16.09.2014;20"})},
        {"b.csv", Fio("2000145399", "", "", "15.09.2014", "30.09.2014",
                      {"5502;16.09.2014;20", "5503;25.09.2014;30"})}},
       false,
       kWarned,
       "00000000100050+ 00000000106050+ 5501 5502 5503",
       "%s/b.csv, řádek 8: položka s id 5502 je už v souboru %s/a.csv, vynechána!!!\n"},
      {"overlapping periods are named",
       {{"a.csv", Fio("2000145399", "", "", "01.09.2014", "20.09.2014", {"1;02.09.2014;10"})},
        {"b.csv", Fio("2000145399", "", "", "15.09.2014", "30.09.2014", {"3;25.09.2014;30"})}},
       false,
       kWarned,
       "00000000100050+ 00000000104050+ 1 3",
       "Soubory %s/a.csv (1.9.2014 až 20.9.2014) a %s/b.csv (15.9.2014 až 30.9.2014) se časově "
       "překrývají!!!\n"},
      {"the same file under two names, converted once",
       {{"fio-9.csv", september}, {"kopie.csv", september}},
       false,
       kWarned,
       "00000000100050+ 00000000120050+ 11",
       "Soubor %s/kopie.csv je stejný jako soubor %s/fio-9.csv, podruhé nebyl převeden!!!\n"},
      {"a statement of another account",
       {{"fio.csv", Fio("1111111111", "", "", "", "", {"1;02.09.2014;10"})}},
       false,
       kWarned,
       "00000000100050+ 00000000101050+ 1",
       "Soubor %s/fio.csv je z účtu 1111111111/2010, v nastavení je účet 2000145399!!!\n"},
      {"the account a file is from is named",
       {{"fio.csv", Fio("000000-2000145399", "", "", "", "", {"1;02.09.2014;10"})}},
       false,
       kWritten,
       "00000000100050+ 00000000101050+ 1",
       "Soubor %s/fio.csv je z účtu 2000145399/2010\n"},
      {"rows of a second own account are a statement of their own, opening at 0",
       {{"csob.csv", Csob({"2000145399/0300;02.09.2014;10;1", "999/0300;03.09.2014;20;2",
                           "2000145399/0300;04.09.2014;30;3"})}},
       false,
       kWarned,
       "00000000100050+ 00000000104050+ 1 3",
       "Výpis účtu 999 v CZK, 1 položek: %s/export-999.gpc\n"},
      {"the profile's account is kept where it is not the first",
       {{"csob.csv", Csob({"999/0300;02.09.2014;10;1", "2000145399/0300;03.09.2014;20;2"})}},
       false,
       kWarned,
       "00000000100050+ 00000000102050+ 2",
       "Soubor %s/csob.csv je z účtu 2000145399/0300\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Convert(c.files, c.balanceFromFile), c.outcome) << c.what << "\n" << log_;
    EXPECT_EQ(Written(), c.written) << c.what;
    std::string logged = c.logged;
    for (size_t at; (at = logged.find("%s/")) != std::string::npos;) {
      logged.replace(at, 3, folder_.path() + kPathSeparator);
    }
    EXPECT_NE(log_.find(logged), std::string::npos) << c.what << "\n" << log_;
  }
}

// An item found in two files of one run is written once, paired copy for
// copy; items that only look alike, or ids that are row numbers, keep every
// item, each under a number of its own.
TEST_F(RunChecksTest, CopiesOfAnItemInTwoFiles) {
  const ExportOutcome kWritten = ExportOutcome::kWritten;
  const ExportOutcome kWarned = ExportOutcome::kWrittenWithProblems;
  const std::string kSame =
      ": stejná položka (datum, částka, protiúčet, symboly, zpráva) je už v souboru %s/a.csv, "
      "vynechána!!!\n";
  struct Case {
    const char* what;
    std::string a, b;
    ExportOutcome outcome;
    std::string written;  // see Written()
    std::string logged;   // a part of the log, "%s/" for the folder
    std::string c = "";   // a third file, "" for none
  } cases[] = {
      {"files sharing their edge day", Servis("a", {"2014/09/02;10;1", "2014/09/05;20;2"}),
       Servis("b", {"2014/09/05;20;2", "2014/09/08;30;3"}), kWarned,
       "00000000100050+ 00000000106050+ 1 2 3", "%s/b.csv, řádek 2" + kSame},
      {"files within one day", Servis("a", {"2014/09/02;10;1"}),
       Servis("b", {"2014/09/02;20;2", "2014/09/02;10;1"}), kWarned,
       "00000000100050+ 00000000103050+ 1 2", "%s/b.csv, řádek 3" + kSame},
      {"a third file's copy of an item left out of the second", Servis("a", {"2014/09/02;10;7"}),
       Servis("b", {"2014/09/02;10;7"}), kWarned, "00000000100050+ 00000000101050+ 7",
       "%s/c.csv, řádek 2" + kSame, Servis("c", {"2014/09/02;10;7"})},
      {"two equal items against one: one copy", Servis("a", {"2014/09/02;10;7", "2014/09/02;10;7"}),
       Servis("b", {"2014/09/02;10;7"}), kWarned, "00000000100050+ 00000000102050+ 7 7",
       "%s/b.csv, řádek 2" + kSame},
      {"one item against two equal: one copy", Servis("a", {"2014/09/02;10;7"}),
       Servis("b", {"2014/09/02;10;7", "2014/09/02;10;7"}), kWarned,
       "00000000100050+ 00000000102050+ 7 7", "%s/b.csv, řádek 2" + kSame},
      {"another symbol on the same day and amount", Servis("a", {"2014/09/02;10;7"}),
       Servis("b", {"2014/09/02;10;8"}), kWritten, "00000000100050+ 00000000102050+ 7 8", ""},
      {"row numbers restarting in the next month",
       Fio("2000145399", "", "", "", "", {"1;02.09.2014;10", "2;16.09.2014;20"}),
       Fio("2000145399", "", "", "", "", {"1;02.10.2014;30", "2;16.10.2014;40"}), kWritten,
       "00000000100050+ 00000000110050+ 1 2 5122979997277 3257017077990", ""},
      {"row numbers: the shared item by its content",
       Fio("2000145399", "", "", "", "", {"1;16.09.2014;20"}),
       Fio("2000145399", "", "", "", "", {"1;10.09.2014;5", "2;16.09.2014;20"}), kWarned,
       "00000000100050+ 00000000102550+ 1 2678209236054", "%s/b.csv, řádek 7" + kSame},
      {"an id given to another day's item tells nothing",
       Fio("2000145399", "", "", "", "", {"5501;02.09.2014;10"}),
       Fio("2000145399", "", "", "", "", {"5501;20.09.2014;10"}), kWritten,
       "00000000100050+ 00000000102050+ 5501 9604152259959", ""},
      {"equal items with ids of their own",
       Fio("2000145399", "", "", "", "", {"5501;02.09.2014;10"}),
       Fio("2000145399", "", "", "", "", {"5502;02.09.2014;10"}), kWritten,
       "00000000100050+ 00000000102050+ 5501 5502", ""},
      {"an item outside its file's stated period",
       Fio("2000145399", "", "", "01.09.2014", "30.09.2014", {";30.09.2014;10"}),
       Fio("2000145399", "", "", "01.10.2014", "31.10.2014", {";30.09.2014;10"}), kWritten,
       "00000000100050+ 00000000102050+ 1880029079928 9708641215804", ""},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, std::string>> files = {{"a.csv", c.a}, {"b.csv", c.b}};
    if (!c.c.empty()) files.emplace_back("c.csv", c.c);
    EXPECT_EQ(Convert(files), c.outcome) << c.what << "\n" << log_;
    EXPECT_EQ(Written(), c.written) << c.what;
    std::string logged = c.logged;
    for (size_t at; (at = logged.find("%s/")) != std::string::npos;) {
      logged.replace(at, 3, folder_.path() + kPathSeparator);
    }
    EXPECT_NE(log_.find(logged), std::string::npos) << c.what << "\n" << log_;
  }
}

// The profile's own account as people write it is the format's 16 digits
// in the header and in every record; anything else refuses the run.
TEST_F(RunChecksTest, ProfileAccountForms) {
  const char* kRefusal =
      "Číslo účtu musí být ve tvaru předčíslí-číslo (nejvýš 6 a 10 číslic), případně s kódem "
      "banky za lomítkem!!!\n";
  struct Case {
    const char* typed;
    const char* field;   // nullptr: refused
    const char* logged;  // a part of the log
  } cases[] = {
      // The profile's field holds 15 characters and a NUL, or 16 digits.
      {"19-2000145399", "0000192000145399", ""},
      {"19 - 2000145399", "0000192000145399", ""},
      {"2000 145 399", "0000002000145399", ""},
      {"2000145399/0800", "0000002000145399",
       "Kód banky 0800 za číslem účtu v nastavení vynechán, soubor ABO jej nemá\n"},
      {"0000192000145399", "0000192000145399", ""},
      {"123456789", "0000000123456789", ""},
      {"1234561234567890", "1234561234567890", ""},
      {"", "0000000000000000", ""},
      {"abc", nullptr, kRefusal},
      {"19-2000145399/08", nullptr, kRefusal},
      {"1234567-1", nullptr, kRefusal},
      {"19-20001453991", nullptr, kRefusal},
      {"19--2000145399", nullptr, kRefusal},
      {"CZ6508000000192000145399", nullptr, kRefusal},
  };
  const std::vector<std::pair<std::string, std::string>> files = {
      {"s.csv", Servis("h", {"2014/09/02;10;7", "2014/09/03;-5;8"})}};
  for (const Case& c : cases) {
    std::memset(g_accountSettings.accountNumber, 0, sizeof g_accountSettings.accountNumber);
    std::memcpy(g_accountSettings.accountNumber, c.typed,
                std::min(std::strlen(c.typed), sizeof g_accountSettings.accountNumber));
    const ExportOutcome outcome = Convert(files);
    EXPECT_NE(log_.find(c.logged), std::string::npos) << c.typed << "\n" << log_;
    if (c.field == nullptr) {
      EXPECT_EQ(outcome, ExportOutcome::kRefused) << c.typed;
      EXPECT_EQ(folder_.Read(output_), "") << c.typed;
      continue;
    }
    EXPECT_EQ(outcome, ExportOutcome::kWritten) << c.typed << "\n" << log_;
    const std::string written = folder_.Read(output_);
    ASSERT_EQ(written.size(), 3 * 130u) << c.typed;
    for (size_t at = 0; at < written.size(); at += 130) {
      EXPECT_EQ(written.substr(at + 3, 16), c.field) << c.typed << " line " << at / 130 + 1;
    }
  }
}

}  // namespace
}  // namespace tarvolo
