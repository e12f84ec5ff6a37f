#include "conversion/values/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvolo {
namespace {

constexpr int32_t kUntouched = -77;

TEST(ScanPatternTest, DateFields) {
  struct Case {
    const char* text;
    int32_t year, month, day;
  } cases[] = {
      {"2014/09/24", 2014, 9, 24},
      {" 2014/9/1", 2014, 9, 1},
      {"2014/ 9/ 1", 2014, 9, 1},
      {"24.09.2014", 24, kUntouched, kUntouched},
      {"20140924", 2014, kUntouched, kUntouched},
      {"+2014/09/24", 201, kUntouched, kUntouched},
      {"", kUntouched, kUntouched, kUntouched},
      {"14/09/24", 14, 9, 24},
      {"2014/123/4", 2014, 12, kUntouched},  // the width leaves the 3 behind
  };
  for (const Case& c : cases) {
    int32_t year = kUntouched, month = kUntouched, day = kUntouched;
    ScanPattern(c.text, "%4d/%2d/%2d", {&year, &month, &day});
    EXPECT_EQ(year, c.year) << c.text;
    EXPECT_EQ(month, c.month) << c.text;
    EXPECT_EQ(day, c.day) << c.text;
  }
}

TEST(ScanPatternTest, AccountFields) {
  struct Case {
    const char* text;
    const char* pattern;
    int32_t first;
    int64_t number;
    int32_t bank;
  } cases[] = {
      {"19-123456789/0800", "%d-%d/%d", 19, 123456789, 800},
      {"-123/0800", "%d-%d/%d", -123, kUntouched, kUntouched},
      {"19 -123/0800", "%d-%d/%d", 19, kUntouched, kUntouched},
      {"19--123/0800", "%d-%d/%d", 19, -123, 800},
      {"1-9999999999/1", "%d-%d/%d", 1, 9999999999, 1},
  };
  for (const Case& c : cases) {
    int32_t first = kUntouched, bank = kUntouched;
    int64_t number = kUntouched;
    ScanPattern(c.text, c.pattern, {&first, &number, &bank});
    EXPECT_EQ(first, c.first) << c.text;
    EXPECT_EQ(number, c.number) << c.text;
    EXPECT_EQ(bank, c.bank) << c.text;
  }
}

TEST(ScanPatternTest, NumberAndBank) {
  struct Case {
    const char* text;
    int64_t number;
    int32_t bank;
  } cases[] = {
      {"123/0800", 123, 800},
      {"123/ 0800", 123, 800},
      {"123 /0800", 123, kUntouched},
      {"abc/0800", kUntouched, kUntouched},
      {"2600123456/2010", 2600123456, 2010},
      {"1/4294967297", 1, 1},  // a 32-bit target wraps
      {"1/2147483648", 1, INT32_MIN},
      {"123456789012345678901/1", 1456789012345678901, 1},  // last 18 digits, marked too long
  };
  for (const Case& c : cases) {
    int64_t number = kUntouched;
    int32_t bank = kUntouched;
    ScanPattern(c.text, "%d/%d", {&number, &bank});
    EXPECT_EQ(number, c.number) << c.text;
    EXPECT_EQ(bank, c.bank) << c.text;
  }
}

TEST(ReadDecimalValueTest, ReadsLikeThePrintedRules) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"1234.56", 1234.56},
      {" -12.5", -12.5},
      {"+.5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"1d3", 1000},
      {"1D3", 1000},
      {"1E-2", 0.01},
      {"12e", 12},
      {"12e+", 12},
      {"12d-", 12},
      {"1.2.3", 1.2},
      {"1234,56", 1234},
      {"1 234.56", 1},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {".", 0},
      {"0x1A", 0},
      {"inf", 0},
      {"nan", 0},
      {"\t\n 7", 7},
      {"2.675", 2.675},
      {"0.1", 0.1},
      {"000000000000000000000000000001.5", 1.5},
      {"1234.5678901234567890123", 1234.5678901234567890123},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadDecimalValue(c.text), c.value) << c.text;
  }
}

TEST(ReadDecimalValueTest, SignsOfZeroAndRange) {
  EXPECT_TRUE(std::signbit(ReadDecimalValue("-0")));
  EXPECT_TRUE(std::signbit(ReadDecimalValue("-0.00")));
  EXPECT_FALSE(std::signbit(ReadDecimalValue("-")));
  EXPECT_FALSE(std::signbit(ReadDecimalValue("abc")));
  bool outOfRange = false;
  EXPECT_EQ(ReadDecimalValue("1e400", &outOfRange), 0);
  EXPECT_TRUE(outOfRange);
  EXPECT_EQ(ReadDecimalValue("1e99999999999999999999", &outOfRange), 0);
  EXPECT_TRUE(outOfRange);
  EXPECT_EQ(ReadDecimalValue("12", &outOfRange), 12);
  EXPECT_FALSE(outOfRange);
}

// Beyond the range either way reads as 0; only the too large ones say so.
TEST(ReadDecimalValueTest, TooLargeIsToldFromTooSmall) {
  struct Case {
    const char* text;
    bool tooLarge;
  } cases[] = {
      {"1e400", true},
      {"-1e400", true},
      {"1d309", true},
      {"0.0001e313", true},
      {"1e99999999999999999999", true},
      {"1e-400", false},
      {"-0.001e-330", false},
      {"1e-99999999999999999999", false},
      {"12", false},
      {"1e308", false},
      {"0e999", false},
  };
  for (const Case& c : cases) {
    bool tooLarge = !c.tooLarge;
    ReadDecimalValue(c.text, nullptr, &tooLarge);
    EXPECT_EQ(tooLarge, c.tooLarge) << c.text;
    bool amountTooLarge = !c.tooLarge;
    ReadAmountText(c.text, &amountTooLarge);
    EXPECT_EQ(amountTooLarge, c.tooLarge) << c.text;
  }
}

// Czech amounts: decimal comma, blanks and no-break spaces between groups,
// however long the text.
TEST(ReadAmountTextTest, CzechFormsOfAnyLength) {
  const std::string blanks(70, ' ');
  const std::string zeros(80, '0');
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"1 234,50", 1234.5},
      {"-12\xA0"
       "500,00",
       -12500},
      {"7,5 Kč", 7.5},
      {blanks + "12,5" + blanks, 12.5},
      {"1" + zeros + ",5", 1e80},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAmountText(c.text.c_str()), c.value) << c.text;
}

}  // namespace
}  // namespace tarvolo
