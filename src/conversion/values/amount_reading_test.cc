#include "conversion/values/amount_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

constexpr AmountStatus kRead = AmountStatus::kRead;
constexpr AmountStatus kEmpty = AmountStatus::kEmpty;
constexpr AmountStatus kAmbiguous = AmountStatus::kAmbiguous;
constexpr AmountStatus kRefused = AmountStatus::kRefused;
constexpr AmountStatus kOutOfRange = AmountStatus::kOutOfRange;
constexpr AmountStatus kPartlyRead = AmountStatus::kPartlyRead;

TEST(AmountReadingTest, BankExports) {
  const std::string digits17 = "12345678901234567";
  // clang-format off
  struct Case {
    std::string text;
    char mark;  // the file's decimal mark, 0 when it shows none
    AmountStatus status;
    int64_t hellers;
    bool signWritten;
    const char* currency;
  } cases[] = {
      {"1234,50", 0, kRead, 123450, false, ""},
      {"1234.50", 0, kRead, 123450, false, ""},
      {" 1234.5\xA0", 0, kRead, 123450, false, ""},
      {"-90", 0, kRead, -9000, true, ""},
      {"+3379,00", 0, kRead, 337900, true, ""},
      {"-1 258,11", 0, kRead, -125811, true, ""},
      {"-1\xA0" "258,11", 0, kRead, -125811, true, ""},
      {"1'234.50", 0, kRead, 123450, false, ""},
      {"1.234,50", 0, kRead, 123450, false, ""},
      {"-175,424.07", 0, kRead, -17542407, true, ""},
      {"1,234,567", 0, kRead, 123456700, false, ""},  // a repeated mark groups
      {"1.234.567,5", 0, kRead, 123456750, false, ""},
      {"- 5", 0, kRead, -500, true, ""},
      {",50", 0, kRead, 50, false, ""},
      {"12.3400", 0, kRead, 1234, false, ""},  // zeros beyond hellers
      {"12345678901234,5", 0, kRead, 1234567890123450, false, ""},
      {"9 999 999 999 999 999,99", 0, kRead, 999999999999999999, false, ""},
      {digits17, 0, kRead, kMostHellers, false, ""},
      {"-" + digits17 + ",5", 0, kRead, -kMostHellers, true, ""},
      {"1" + std::string(400, '0'), 0, kOutOfRange, 0, false, ""},
      // Accounting forms and currencies.
      {"(1 234,50)", 0, kRead, -123450, true, ""},
      {"1234,50-", 0, kRead, -123450, true, ""},
      {"-40,00 EUR", 0, kRead, -4000, true, "EUR"},
      {"CZK 12.00", 0, kRead, 1200, false, "CZK"},
      {"12 100,00 CZK", 0, kRead, 1210000, false, "CZK"},
      {"7 500 Kč", 0, kRead, 750000, false, "CZK"},
      {"7 500 KČ", 0, kRead, 750000, false, "CZK"},
      {"€5", 0, kRead, 500, false, "EUR"},
      {"5 usd", 0, kRead, 500, false, "USD"},
      // One mark before three digits: the file's other amounts decide.
      {"1,500", 0, kAmbiguous, 0, false, ""},
      {"1,500", ',', kRead, 150, false, ""},
      {"-2.500", ',', kRead, -250000, true, ""},
      {"12.345", 0, kAmbiguous, 0, false, ""},
      {"12.345", '.', kRefused, 0, false, ""},  // never rounded
      {"12.345", ',', kRead, 1234500, false, ""},
      {"1 000,500", 0, kRead, 100050, false, ""},
      // Not amounts.
      {"1,000,50", 0, kRefused, 0, false, ""},
      {"12 34", 0, kRefused, 0, false, ""},
      {"1234.567,00", 0, kRefused, 0, false, ""},
      {"+-5", 0, kRefused, 0, false, ""},
      {"1,2,3.4,5", 0, kRefused, 0, false, ""},
      {"1 234, 5", 0, kRefused, 0, false, ""},  // not 1234.00
      {"1e5", 0, kRefused, 0, false, ""},
      {"abc", 0, kRefused, 0, false, "ABC"},  // three letters name a currency
      {"5 EUR CZK", 0, kRefused, 0, false, "CZK"},
      {"5 EURO", 0, kRefused, 0, false, ""},
      {"-", 0, kRefused, 0, false, ""},
      {"", 0, kEmpty, 0, false, ""},
      {" \xA0", 0, kEmpty, 0, false, ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " " + (c.mark ? std::string(1, c.mark) : ""));
    const AmountReading amount = ReadAmount(c.text, AmountRules::kBankExport, c.mark);
    EXPECT_EQ(amount.status, c.status);
    EXPECT_EQ(amount.fault != nullptr, c.status != kRead && c.status != kEmpty);
    EXPECT_EQ(amount.hellers, c.hellers);
    EXPECT_EQ(amount.rest, 0);
    EXPECT_STREQ(amount.currency, c.currency);
    if (c.status == kRead) {
      EXPECT_EQ(amount.signWritten, c.signWritten);
    }
  }
}

// The mark a text shows is what tells a file's decimal mark.
TEST(AmountReadingTest, DecimalMarkSeen) {
  struct Case {
    const char* text;
    char decimalMark, ambiguousMark;
  } cases[] = {
      {"1,50", ',', 0},      {"1.50", '.', 0},
      {"1.234,5", ',', 0},   {"1,234.5", '.', 0},
      {"1,234,567", '.', 0}, {"1.234.567", ',', 0},
      {"1 000,500", ',', 0}, {"1,500", 0, ','},
      {"1500", 0, 0},        {"", 0, 0},
      {"x1,5", 0, 0},
  };
  for (const Case& c : cases) {
    const AmountReading amount = ReadAmount(c.text, AmountRules::kBankExport);
    EXPECT_EQ(amount.decimalMark, c.decimalMark) << c.text;
    EXPECT_EQ(amount.ambiguousMark, c.ambiguousMark) << c.text;
  }
}

// Servis24's and the profile's amounts: blanks dropped, a comma for the
// point, then a decimal number read as far as it goes; its double times 100
// rounded gives the hellers, as the records have always shown them.
TEST(AmountReadingTest, CzechTexts) {
  const std::string blanks(70, ' ');
  // clang-format off
  struct Case {
    std::string text;
    AmountStatus status;
    int64_t hellers;
    int32_t rest;  // billionths of a heller
  } cases[] = {
      {"1234.56", kRead, 123456, 0},
      {"1234,56", kRead, 123456, 0},
      {" -12.5", kRead, -1250, 0},
      {"+.5", kRead, 50, 0},
      {"5.", kRead, 500, 0},
      {"1e3", kRead, 100000, 0},
      {"1d3", kRead, 100000, 0},
      {"1D3", kRead, 100000, 0},
      {"1E-2", kRead, 1, 0},
      {"1 e 3", kRead, 100000, 0},
      {"\t\n 7", kRead, 700, 0},
      {"000000000000000000000000000001.5", kRead, 150, 0},
      {"1 234,50", kRead, 123450, 0},
      {"1 234.56", kRead, 123456, 0},
      {"-12\xA0" "500,00", kRead, -1250000, 0},
      {blanks + "12,5" + blanks, kRead, 1250, 0},
      // Rounding to hellers, an exact half of the hundredfold away from zero.
      {"0,29", kRead, 29, 0},
      {"1,15", kRead, 115, 0},
      {"-1,15", kRead, -115, 0},
      {"0,125", kRead, 13, -500000000},
      {"-0,125", kRead, -13, 500000000},
      {"1000,005", kRead, 100001, -500000000},
      {"2.675", kRead, 268, -500000000},  // below the half, but its hundredfold is 267.5
      {"10000000000", kRead, 1000000000000, 0},
      {"1e10", kRead, 1000000000000, 0},
      {"1234.5678901234567890123", kRead, 123457, -210987654},
      // Less than a heller keeps its side of zero.
      {"0,004", kRead, 0, 400000000},
      {"-0,004", kRead, 0, -400000000},
      {"-0,0000000000001", kRead, 0, -1},
      {"-0", kRead, 0, 0},
      {"-0,00", kRead, 0, 0},
      {"4.9e-324", kRead, 0, 1},
      {"1e-400", kRead, 0, 0},  // too small for a double: zero
      {"-0.001e-330", kRead, 0, 0},
      {"1e-99999999999999999999", kRead, 0, 0},
      {"0e999", kRead, 0, 0},
      // Beyond the range of numbers, or of hellers.
      {"1e400", kOutOfRange, 0, 0},
      {"-1,5e400", kOutOfRange, 0, 0},
      {"1d309", kOutOfRange, 0, 0},
      {"0.0001e313", kOutOfRange, 0, 0},
      {"1e99999999999999999999", kOutOfRange, 0, 0},
      {"1e400 Kč", kOutOfRange, 0, 0},
      {"1e308", kRead, kMostHellers, 0},
      {"-1" + std::string(80, '0') + ",5", kRead, -kMostHellers, 0},
      // Read as far as the number goes.
      {"12e", kPartlyRead, 1200, 0},
      {"12e+", kPartlyRead, 1200, 0},
      {"12d-", kPartlyRead, 1200, 0},
      {"1.2.3", kPartlyRead, 120, 0},
      {"1,234,50", kPartlyRead, 123, 400000000},
      {"1\t234", kPartlyRead, 100, 0},
      {"7,5 Kč", kPartlyRead, 750, 0},
      {"0x1A", kPartlyRead, 0, 0},
      // No number.
      {"abc", kRefused, 0, 0},
      {"inf", kRefused, 0, 0},
      {"-", kRefused, 0, 0},
      {".", kRefused, 0, 0},
      {"", kEmpty, 0, 0},
      {" \t\xA0", kEmpty, 0, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const AmountReading amount = ReadAmount(c.text, AmountRules::kCzechText);
    EXPECT_EQ(amount.status, c.status);
    EXPECT_EQ(amount.hellers, c.hellers);
    EXPECT_EQ(amount.rest, c.rest);
  }
}

}  // namespace
}  // namespace tarvolo
