#include "conversion/item_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

TEST(ItemFields, Dates) {
  struct Case {
    const char* text;
    bool read;
    int year, month, day;
  } cases[] = {
      {"24.09.2014", true, 2014, 9, 24},
      {"4.9.2014", true, 2014, 9, 4},
      {"4. 9. 2014", true, 2014, 9, 4},
      {"24/09/2014", true, 2014, 9, 24},
      {"24-09-2014", true, 2014, 9, 24},
      {"2014-09-24", true, 2014, 9, 24},
      {"2014/09/24", true, 2014, 9, 24},
      {"24.09.2014 14:22", true, 2014, 9, 24},
      {"2014-09-24T10:00:00Z", true, 2014, 9, 24},
      {"29.02.2016", true, 2016, 2, 29},
      {"29.02.2015", false, 0, 0, 0},
      {"31.04.2014", false, 0, 0, 0},
      {"24.13.2014", false, 0, 0, 0},
      {"00.09.2014", false, 0, 0, 0},
      {"24.09.14", false, 0, 0, 0},  // two-digit year
      {"2014.09.24", false, 0, 0, 0},
      {"24.09-2014", false, 0, 0, 0},  // mixed separators
      {"24.09.2014x", false, 0, 0, 0},
      {"24.09.1899", false, 0, 0, 0},
      {"20140924", false, 0, 0, 0},
      {"Suma", false, 0, 0, 0},
      {"", false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ItemDate date;
    ASSERT_EQ(ReadItemDate(c.text, &date), c.read) << c.text;
    if (!c.read) continue;
    EXPECT_EQ(date.year, c.year) << c.text;
    EXPECT_EQ(date.month, c.month) << c.text;
    EXPECT_EQ(date.day, c.day) << c.text;
  }
}

TEST(ItemFields, Amounts) {
  struct Case {
    const char* text;
    bool read;
    double value;
    bool signWritten;
  } cases[] = {
      {"1234,50", true, 1234.5, false},
      {"1234.50", true, 1234.5, false},
      {"-90", true, -90, true},
      {"+3379,00", true, 3379, true},
      {"-1 258,11", true, -1258.11, true},
      {"-1\xA0"
       "258,11",
       true, -1258.11, true},
      {"1'234.50", true, 1234.5, false},
      {"1.234,50", true, 1234.5, false},
      {"-175,424.07", true, -175424.07, true},
      {"1,234,567", true, 1234567, false},  // a comma more than once groups
      {"1.234.567,5", true, 1234567.5, false},
      {"- 5", true, -5, true},
      {"12 100,00 CZK", true, 12100, false},
      {"7 500 Kč", true, 7500, false},
      {",50", true, 0.5, false},
      {"-0,00", true, 0, true},
      // Plain in form, but past the short reading: read as written all the same.
      {"1.234", true, 1.234, false},
      {"5,", true, 5, false},
      {"12345678901234,5", true, 12345678901234.5, false},
      {"+-5", false, 0, false},
      {"1,2,3.4,5", false, 0, false},  // two decimal commas after a point
      {"12-", false, 0, false},
      {"1e5", false, 0, false},
      {"abc", false, 0, false},
      {"-", false, 0, false},
      {"", false, 0, false},
  };
  for (const Case& c : cases) {
    ItemAmount amount;
    ASSERT_EQ(ReadItemAmount(c.text, &amount), c.read) << c.text;
    if (!c.read) continue;
    EXPECT_EQ(amount.value, c.value) << c.text;
    EXPECT_EQ(amount.signWritten, c.signWritten) << c.text;
  }
}

TEST(ItemFields, Directions) {
  struct Case {
    const char* text;
    Direction direction;
  } cases[] = {
      {"Odchozí", Direction::kDebit},  {"Příchozí", Direction::kCredit},
      {"Outgoing", Direction::kDebit}, {"Incoming", Direction::kCredit},
      {"DEBIT", Direction::kDebit},    {"CREDIT", Direction::kCredit},
      {"D", Direction::kDebit},        {"c", Direction::kCredit},
      {"", Direction::kUnknown},       {"Převod", Direction::kUnknown},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDirection(c.text), c.direction) << c.text;
}

TEST(ItemFields, CounterAccounts) {
  struct Case {
    const char* account;
    const char* bank;
    const char* prefix;
    int32_t wantPrefix;
    int64_t wantNumber;
    int32_t wantBank;
  } cases[] = {
      {"19-2000145399/0800", "", "", 19, 2000145399, 800},
      {"2600123456/2010", "", "", 0, 2600123456, 2010},
      {"2600123456", "2010", "", 0, 2600123456, 2010},
      {"19-0123456789", "0800", "", 19, 123456789, 800},
      {"0123456789", "0800", "000019", 19, 123456789, 800},
      {"2600 123456 / 2010", "", "", 0, 2600123456, 2010},
      {"CZ6108000000190123456789", "", "", 19, 123456789, 800},
      {"CZ61 0800 0000 1901 2345 6789", "", "", 19, 123456789, 800},
      {"CZ6108000000190123456789/GIBACZPX", "", "", 19, 123456789, 800},
      {"CZ6208000000190123456789", "", "", 0, 0, 0},  // check digits wrong
      {"DE89370400440532013000", "", "", 0, 0, 0},
      {"GB29NWBK60161331926819/NWBKGB2L", "", "", 0, 0, 0},
      {"516844******1234", "", "", 0, 0, 0},  // card number
      {"12345678901/0800", "", "", 0, 0, 0},  // eleven digits
      {"1234567-123/0800", "", "", 0, 0, 0},  // seven-digit prefix
      {"123/08000", "", "", 0, 0, 0},
      {"", "0800", "", 0, 0, 0},
      // Longer than any account: read all the same, never past a buffer.
      {"CZ61 0800 0000 1901 2345 6789 / GIBACZPX GIBACZPX GIBACZPX GIBACZPX GIBACZPX", "", "", 19,
       123456789, 800},
      {"1234567890123456789012345678901234567890123456789012345678901234567890/0800", "", "", 0, 0,
       0},
  };
  for (const Case& c : cases) {
    const CounterAccountParts parts = ReadCounterAccountColumns(c.account, c.bank, c.prefix);
    EXPECT_EQ(parts.prefix, c.wantPrefix) << c.account;
    EXPECT_EQ(parts.number, c.wantNumber) << c.account;
    EXPECT_EQ(parts.bankCode, c.wantBank) << c.account;
  }
}

}  // namespace
}  // namespace tarvolo
