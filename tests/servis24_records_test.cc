// Servis24 statements into "075" records as the run makes them: the
// Servis24 reader's items handed to the GPC output.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "conversion/gpc/gpc_output.h"
#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/statement/statement.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// What the reader and the output made of a statement text.
struct Converted {
  std::string records;  // the "075" lines, without the header's room
  ExportTotals totals;
  Servis24Lines lines;
  std::vector<FieldCut> cuts;
};

// The records of `text` for the own account `account`.
Converted Convert(std::string_view text, const char* account = "123456789") {
  Converted converted;
  AccountProfile profile;
  profile.accountNumber = account;
  GpcOutput gpc;
  gpc.Begin(profile, &converted.cuts);
  ReadServis24Lines(
      text,
      [&](const StatementItem& item) {
        gpc.Add(item, "");
        AddItemToTotals(item, &converted.totals);
      },
      &converted.lines);
  gpc.Confirm();
  std::string written;
  gpc.Write([&](std::string_view bytes) {
    written.append(bytes);
    return true;
  });
  converted.records = written.substr(kGpcLineLength);
  return converted;
}

class Servis24RecordsTest : public testing::Test {
 protected:
  // The records of a statement whose header line is "h\r\n".
  std::string Records(const std::string& dataLines, std::vector<FieldCut>* cuts = nullptr) {
    Converted converted = Convert("h\r\n" + dataLines);
    totals_ = converted.totals;
    leftOut_ = converted.lines.leftOut.size();
    if (cuts) *cuts = converted.cuts;
    return converted.records;
  }

  // One line with the given fields 2, 3, 4, 6, 9, 10 and 11.
  std::string Line(const std::string& date, const std::string& amount,
                   const std::string& account = "", const std::string& symbol = "",
                   const std::string& constant = "", const std::string& specific = "",
                   const std::string& text = "") {
    return "1;" + date + ";" + amount + ";" + account + ";;" + symbol + ";;;" + constant + ";" +
           specific + ";" + text + "\r\n";
  }

  ExportTotals totals_;
  size_t leftOut_ = 0;
};

TEST_F(Servis24RecordsTest, WorkedExample) {
  const std::string record =
      Records("1;2014/09/24;-1234,50;000019-0123456789/0800;;12345;;;0308;;Nájem září\r\n");
  const std::string expected = std::string("075") + "0000000123456789" + "0000190123456789" +
                               "0000000012345" + "000000123450" + "1" + "0000012345" + "000800" +
                               "0308" + "0000000000" + "240914" + "Nájem září          " + "011" +
                               "01" + "240914" + "\r\n";
  EXPECT_EQ(record, expected);
  EXPECT_EQ(record.size(), kRecordLength);
  EXPECT_EQ(totals_.debitHellers, 123450);
  EXPECT_EQ(totals_.creditHellers, 0);
  EXPECT_EQ(totals_.itemCount, 1);

  const std::string credit = Records(Line("2014/09/24", "2500", "000019-0123456789/0800", "12345"));
  EXPECT_EQ(credit.substr(48, 13), "0000002500002");
  EXPECT_EQ(credit.substr(120, 2), "02");
  EXPECT_EQ(totals_.creditHellers, 250000);
}

TEST_F(Servis24RecordsTest, CounterAccounts) {
  struct Case {
    const char* field;
    const char* account;
    const char* bank;
  } cases[] = {
      {"000019-0123456789/0800", "0000190123456789", "000800"},
      {"123456789/0800", "0000000123456789", "000800"},
      {"2600123456/2010", "0000002600123456", "002010"},
      {"670100-2201234567/6210", "6701002201234567", "006210"},  // six-digit prefix kept
      {"1000000-2201234567/6210", "0000002201234567", "006210"},
      {"123 456/0800", "0000000000000123", "000000"},
      {"19--123/0800", "0000190000000123", "000800"},
      {"-5-123/0800", "0000000000000123", "000800"},  // negative prefix becomes 0
      {"CZ6508000000192000145399", "0000000000000000", "000000"},
      {"19-123/08\xE1"
       "0",
       "0000000000000000", "000000"},
      {"", "0000000000000000", "000000"},
  };
  for (const Case& c : cases) {
    const std::string record = Records(Line("2014/09/24", "1", c.field));
    ASSERT_EQ(record.size(), kRecordLength) << c.field;
    EXPECT_EQ(record.substr(19, 16), c.account) << c.field;
    EXPECT_EQ(record.substr(71, 6), c.bank) << c.field;
  }
}

// Amounts as Servis24 writes them give their hellers and codes; any other
// text leaves its line out, named, rather than make it an item of nothing.
TEST_F(Servis24RecordsTest, AmountsAndCodes) {
  struct Case {
    const char* amount;
    const char* hellers;  // nullptr: the line is left out
    char code;
  } cases[] = {
      {"1234,50", "000000123450", '2'},
      {"-1234,50", "000000123450", '1'},
      {"1 234,50", "000000123450", '2'},  // group blank removed
      {"-1\xA0"
       "234,50",
       "000000123450", '1'},  // group no-break space removed
      {"-0", "000000000000", '2'},
      {"-0,00", "000000000000", '2'},
      {"0,125", "000000000013", '2'},
      {"-0,125", "000000000013", '1'},
      {"0,29", "000000000029", '2'},
      {"1,234,50", nullptr, ' '},
      {"abc", nullptr, ' '},
      {"", nullptr, ' '},
      {"1e3", nullptr, ' '},
  };
  for (const Case& c : cases) {
    const std::string record = Records(Line("2014/09/24", c.amount));
    if (c.hellers == nullptr) {
      EXPECT_EQ(record, "") << c.amount;
      EXPECT_EQ(leftOut_, 1u) << c.amount;
      continue;
    }
    ASSERT_EQ(record.size(), kRecordLength) << c.amount;
    EXPECT_EQ(record.substr(48, 12), c.hellers) << c.amount;
    EXPECT_EQ(record[60], c.code) << c.amount;
    EXPECT_EQ(record.substr(120, 2), c.code == '1' ? "01" : "02") << c.amount;
  }
}

TEST_F(Servis24RecordsTest, LinesAndTotals) {
  // A header of Servis24's eleven columns, so that a short line is one
  // that lost its separators.
  const std::string h = "h;;;;;;;;;;";
  const std::string line = "1;2014/09/24;5;;;;;;;;a";
  const std::string next = "2;2014/09/25;6;;;;;;;;b";
  struct Case {
    std::string text;
    int records;
    size_t leftOut;
    size_t itemLines;  // what CountItemLines estimates: every line after the first with a value
  } cases[] = {
      {"header only", 0, 0, 0},
      {"header only\r\n", 0, 0, 0},
      {h + "\r\n" + line + "\r\n", 1, 0, 1},
      {h + "\r\n" + line, 1, 0, 1},  // no final line end
      // Lines whose fields are all empty are no items, wherever they stand.
      {h + "\r\n" + line + "\r\n\r\n" + next + "\r\n", 2, 0, 2},
      {h + "\r\n" + line + "\r\n\r\n", 1, 0, 1},
      {h + "\r\n\n\n" + line + "\n", 1, 0, 1},
      {h + "\r\n" + line + "\r\n;;;;;;;;;;\r\n", 1, 0, 1},
      {h + "\r\n" + line + "\r\n \t; ;\"\";\x1f\r\n", 1, 0, 1},
      {h + "\r\n" + line + "\r\n\r \r\n", 1, 0, 1},
      {h + "\r\n;;;\r\n\t\r\n", 0, 0, 0},
      // Any other content is a line that does not read whole: named, no item.
      {h + "\r\n" + line + "\r\n;;;;;;;;;;x\r\n", 1, 1, 2},
      {h + "\r\n" + line + "\r\n\xa0\r\n", 1, 1, 2},
      {h + "\r\n" + line + "\r\n0\r\n", 1, 1, 2},
      {h + "\r" + line + "\r" + next + "\r", 2, 0, 0},  // CR-only line ends
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    const Converted converted = Convert(c.text);
    EXPECT_EQ(converted.records.size(), c.records * kRecordLength) << c.text;
    EXPECT_EQ(converted.totals.itemCount, c.records) << c.text;
    EXPECT_EQ(converted.lines.items, c.records) << c.text;
    EXPECT_EQ(converted.lines.leftOut.size(), c.leftOut) << c.text;
    EXPECT_EQ(CountItemLines(c.text.c_str(), c.text.size()), c.itemLines) << c.text;
  }
}

TEST_F(Servis24RecordsTest, ALineWithOnlyADescriptionIsNoItem) {
  const std::string records = Records(Line("2014/09/24", "-5") + ";;;;;;;;;;x\r\n");
  ASSERT_EQ(records.size(), kRecordLength);
  EXPECT_EQ(leftOut_, 1u);
  EXPECT_EQ(totals_.itemCount, 1);
  EXPECT_EQ(totals_.creditHellers, 0);
  EXPECT_EQ(totals_.debitHellers, 500);
}

TEST_F(Servis24RecordsTest, FieldsAndDates) {
  const std::string record =
      Records(Line("2014/09/24", "1", "", "123", "8", "77", "Popis delší než dvacet znaků"));
  EXPECT_EQ(record.substr(35, 13), "0000000000123");
  EXPECT_EQ(record.substr(61, 10), "0000000123");  // the same symbol, 10 wide
  EXPECT_EQ(record.substr(77, 4), "0008");
  EXPECT_EQ(record.substr(81, 10), "0000000077");
  EXPECT_EQ(record.substr(91, 6), "240914");
  EXPECT_EQ(record.substr(97, 20), "Popis delší než dvac");
  EXPECT_EQ(Records(Line("2000/01/02", "1")).substr(91, 6), "020100");
  // A date not written YYYY/MM/DD leaves its line out.
  EXPECT_EQ(Records(Line("14/09/24", "1")), "");
  EXPECT_EQ(leftOut_, 1u);
}

// The reader hands over whole years; a year of two digits is of this
// century, as its records have always shown it.
TEST_F(Servis24RecordsTest, ItemsCarryWholeYears) {
  struct Case {
    const char* date;
    int32_t year;
  } cases[] = {
      {"2014/09/24", 2014},
      {"0014/09/24", 2014},
      {"1999/09/24", 1999},
      {"2150/09/24", 2150},
  };
  for (const Case& c : cases) {
    std::vector<int32_t> years;
    Servis24Lines lines;
    ReadServis24Lines(
        "h\r\n" + Line(c.date, "1"),
        [&](const StatementItem& item) {
          years.push_back(item.year);
          years.push_back(item.valueYear);
        },
        &lines);
    EXPECT_EQ(years, std::vector<int32_t>({c.year, c.year})) << c.date;
  }
}

TEST_F(Servis24RecordsTest, TooWideValuesKeepTheirLastCharactersAndAreReported) {
  struct Case {
    std::string line;
    size_t offset, width;
    const char* kept;
    const char* field;
  } cases[] = {
      {Line("1999/09/24", "1"), 95, 2, "99", "rok"},
      {Line("2150/09/24", "1"), 95, 2, "50", "rok"},
      {Line("2014/09/24", "1", "", "12345678901"), 61, 10, "2345678901", "variabilní symbol"},
      {Line("2014/09/24", "1", "", "12345678901234"), 35, 13, "2345678901234", "číslo dokladu"},
      {Line("2014/09/24", "1", "1/1234567"), 71, 6, "234567", "kód banky"},
      {Line("2014/09/24", "1", "", "", "12345"), 77, 4, "2345", "konstantní symbol"},
      {Line("2014/09/24", "1", "", "", "", "12345678901"), 81, 10, "2345678901",
       "specifický symbol"},
      {Line("2014/09/24", "12345678901,23"), 48, 12, "234567890123", "částka"},
      {Line("2014/09/24", "1", "12345678901/0800"), 19, 16, "0000002345678901", "číslo protiúčtu"},
      // The last characters of the whole field, however long it is.
      {Line("2014/09/24", "1", "", std::string(512, '7') + "1234567890123"), 35, 13,
       "1234567890123", "číslo dokladu"},
      {Line("2014/09/24", "1", "", std::string(512, '7') + "1234567890123"), 61, 10, "4567890123",
       "číslo dokladu"},
      {Line("2014/09/24", "1", "", std::string(3000, '7') + "12\"34\"567890123 \t"), 35, 13,
       "1234567890123", "číslo dokladu"},
      {Line("2014/09/24", "1", "", "", std::string(600, '5') + "0308"), 77, 4, "0308",
       "konstantní symbol"},
      {Line("2014/09/24", "1", "", "", "", std::string(1100, '5') + "0123456789"), 81, 10,
       "0123456789", "specifický symbol"},
  };
  for (const Case& c : cases) {
    std::vector<FieldCut> cuts;
    const std::string record = Records(c.line, &cuts);
    ASSERT_EQ(record.size(), kRecordLength) << c.line;
    EXPECT_EQ(record.substr(c.offset, c.width), c.kept) << c.line;
    // Field 6 is written twice, so a long one is cut in both places.
    ASSERT_FALSE(cuts.empty()) << c.line;
    EXPECT_EQ(cuts[0].lineNumber, 2);
    EXPECT_STREQ(cuts[0].field, c.field) << c.line;
  }
}

// The golden statement's lines that read whole give its first four
// records; the whole file, under Servis24's header, is read with its two
// unreadable data lines named and left out.
TEST_F(Servis24RecordsTest, GoldenStatement) {
  const std::string statement = ReadTestFile(TestDataPath("records.csv"));
  const std::string records = ReadTestFile(TestDataPath("records.txt"));
  ASSERT_FALSE(statement.empty());
  std::vector<std::string> lines;
  for (size_t start = 0; start < statement.size();) {
    const size_t end = statement.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(statement.substr(start, end - start + 2));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 8u);
  // The items in koruna together, the one in euro (a statement of its own
  // in a run) alone.
  EXPECT_EQ(Convert(lines[0] + lines[1] + lines[2] + lines[3], "2000145399").records,
            records.substr(0, 3 * kRecordLength));
  EXPECT_EQ(Convert(lines[0] + lines[4], "2000145399").records,
            records.substr(3 * kRecordLength, kRecordLength));
  const Converted whole = Convert(statement);
  EXPECT_TRUE(whole.lines.Confirmed());
  EXPECT_EQ(whole.lines.leftOut.size(), 2u);
}

}  // namespace
}  // namespace tarvolo
