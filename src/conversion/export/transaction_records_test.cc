#include "conversion/export/transaction_records.h"

#include <gtest/gtest.h>

#include <string>

#include "conversion/statement/statement.h"
#include "test_support.h"

namespace tarvolo {
namespace {

class TransactionRecordsTest : public testing::Test {
 protected:
  // The records of a statement whose header line is "h\r\n".
  std::string Records(const std::string& dataLines, std::vector<FieldCut>* cuts = nullptr) {
    std::string exportText;
    totals_ = ExportTotals();
    AppendTransactionRecords(("h\r\n" + dataLines).c_str(), "123456789", exportText, &totals_,
                             cuts);
    return exportText;
  }

  // One record of a line with the given fields 2, 3, 4, 6, 9, 10 and 11.
  std::string Line(const std::string& date, const std::string& amount,
                   const std::string& account = "", const std::string& symbol = "",
                   const std::string& constant = "", const std::string& specific = "",
                   const std::string& text = "") {
    return "1;" + date + ";" + amount + ";" + account + ";;" + symbol + ";;;" + constant + ";" +
           specific + ";" + text + "\r\n";
  }

  ExportTotals totals_;
};

TEST_F(TransactionRecordsTest, WorkedExample) {
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

TEST_F(TransactionRecordsTest, CounterAccounts) {
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
    EXPECT_EQ(record.substr(19, 16), c.account) << c.field;
    EXPECT_EQ(record.substr(71, 6), c.bank) << c.field;
  }
}

TEST_F(TransactionRecordsTest, AmountsAndCodes) {
  struct Case {
    const char* amount;
    const char* hellers;
    char code;
  } cases[] = {
      {"1234,50", "000000123450", '2'},
      {"-1234,50", "000000123450", '1'},
      {"1 234,50", "000000123450", '2'},  // group blank removed
      {"-1\xA0"
       "234,50",
       "000000123450", '1'},              // group no-break space removed
      {"1,234,50", "000000000123", '2'},  // reads 1.234
      {"-0", "000000000000", '2'},
      {"-0,00", "000000000000", '2'},
      {"0,125", "000000000013", '2'},
      {"-0,125", "000000000013", '1'},
      {"0,29", "000000000029", '2'},
      {"abc", "000000000000", '2'},
      {"", "000000000000", '2'},
      {"1e3", "000000100000", '2'},
  };
  for (const Case& c : cases) {
    const std::string record = Records(Line("2014/09/24", c.amount));
    EXPECT_EQ(record.substr(48, 12), c.hellers) << c.amount;
    EXPECT_EQ(record[60], c.code) << c.amount;
    EXPECT_EQ(record.substr(120, 2), c.code == '1' ? "01" : "02") << c.amount;
  }
}

TEST_F(TransactionRecordsTest, LinesAndTotals) {
  struct Case {
    const char* text;
    int records;
  } cases[] = {
      {"header only", 0},
      {"header only\r\n", 0},
      {"h\r\n1;2014/09/24;5\r\n", 1},
      {"h\r\n1;2014/09/24;5", 1},  // no final line end
      // Lines whose fields are all empty are no items, wherever they stand.
      {"h\r\n1;2014/09/24;5\r\n\r\n2;2014/09/25;6\r\n", 2},
      {"h\r\n1;2014/09/24;5\r\n\r\n", 1},
      {"h\r\n\n\n1;2014/09/24;5\n", 1},
      {"h\r\n1;2014/09/24;5\r\n;;;;;;;;;;\r\n", 1},
      {"h\r\n1;2014/09/24;5\r\n \t; ;\"\";\x1f\r\n", 1},
      {"h\r\n1;2014/09/24;5\r\n\r \r\n", 1},
      {"h\r\n;;;\r\n\t\r\n", 0},
      // Any content makes an item, as before.
      {"h\r\n1;2014/09/24;5\r\n;;;;;;;;;;x\r\n", 2},
      {"h\r\n1;2014/09/24;5\r\n\xa0\r\n", 2},
      {"h\r\n1;2014/09/24;5\r\n0\r\n", 2},
      {"h\r1;2014/09/24;5\r2;2014/09/25;6\r", 0},  // CR-only line ends
      {"", 0},
  };
  for (const Case& c : cases) {
    std::string exportText;
    ExportTotals totals;
    AppendTransactionRecords(c.text, "123456789", exportText, &totals);
    EXPECT_EQ(exportText.size(), c.records * kRecordLength) << c.text;
    EXPECT_EQ(totals.itemCount, c.records) << c.text;
    EXPECT_EQ(CountItemLines(c.text), static_cast<size_t>(c.records)) << c.text;
  }
}

TEST_F(TransactionRecordsTest, LineWithOnlyADescriptionKeepsPreviousDateAndIsZeroCredit) {
  const std::string records = Records(Line("2014/09/24", "-5") + ";;;;;;;;;;x\r\n");
  ASSERT_EQ(records.size(), 2 * kRecordLength);
  const std::string item = records.substr(kRecordLength);
  EXPECT_EQ(item.substr(19, 16), std::string(16, '0'));
  EXPECT_EQ(item.substr(35, 26), std::string(25, '0') + "2");
  EXPECT_EQ(item.substr(61, 30), std::string(30, '0'));
  EXPECT_EQ(item.substr(91, 6), "240914");
  EXPECT_EQ(item.substr(97, 20), "x" + std::string(19, ' '));
  EXPECT_EQ(item.substr(122, 6), "240914");
  EXPECT_EQ(totals_.itemCount, 2);
  EXPECT_EQ(totals_.creditHellers, 0);
  EXPECT_EQ(totals_.debitHellers, 500);
}

TEST_F(TransactionRecordsTest, FieldsAndDates) {
  const std::string record =
      Records(Line("14/09/24", "1", "", "123", "8", "77", "Popis delší než dvacet znaků"));
  EXPECT_EQ(record.substr(35, 13), "0000000000123");
  EXPECT_EQ(record.substr(61, 10), "0000000123");  // the same symbol, 10 wide
  EXPECT_EQ(record.substr(77, 4), "0008");
  EXPECT_EQ(record.substr(81, 10), "0000000077");
  EXPECT_EQ(record.substr(91, 6), "240914");
  EXPECT_EQ(record.substr(97, 20), "Popis delší než dvac");
  EXPECT_EQ(Records(Line("2000/01/02", "1")).substr(91, 6), "020100");
}

TEST_F(TransactionRecordsTest, TooWideValuesKeepTheirLastCharactersAndAreReported) {
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

TEST_F(TransactionRecordsTest, GoldenStatement) {
  const std::string statement = ReadTestFile(TestDataPath("records.csv"));
  ASSERT_FALSE(statement.empty());
  std::string exportText;
  AppendTransactionRecords(statement.c_str(), "2000145399", exportText, &totals_);
  EXPECT_EQ(exportText, ReadTestFile(TestDataPath("records.txt")));
}

}  // namespace
}  // namespace tarvolo
