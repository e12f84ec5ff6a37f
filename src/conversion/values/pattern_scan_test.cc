#include "conversion/values/pattern_scan.h"

#include <gtest/gtest.h>

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

// A prefix, a number of up to 18 digits and a bank code; without a prefix
// the number and the bank alone.
TEST(ScanPatternTest, AccountFields) {
  struct Case {
    const char* text;
    bool prefix;
    int32_t first;
    int64_t number;
    int32_t bank;
  } cases[] = {
      {"19-123456789/0800", true, 19, 123456789, 800},
      {"-123/0800", true, -123, kUntouched, kUntouched},
      {"19 -123/0800", true, 19, kUntouched, kUntouched},
      {"19--123/0800", true, 19, -123, 800},
      {"1-9999999999/1", true, 1, 9999999999, 1},
      {"123/0800", false, kUntouched, 123, 800},
      {"123/ 0800", false, kUntouched, 123, 800},
      {"123 /0800", false, kUntouched, 123, kUntouched},
      {"abc/0800", false, kUntouched, kUntouched, kUntouched},
      {"2600123456/2010", false, kUntouched, 2600123456, 2010},
      {"1/4294967297", false, kUntouched, 1, 1},  // a 32-bit target wraps
      {"1/2147483648", false, kUntouched, 1, INT32_MIN},
      // The last 18 digits, marked too long.
      {"123456789012345678901/1", false, kUntouched, 1456789012345678901, 1},
  };
  for (const Case& c : cases) {
    int32_t first = kUntouched, bank = kUntouched;
    int64_t number = kUntouched;
    if (c.prefix) {
      ScanPattern(c.text, "%d-%d/%d", {&first, &number, &bank});
    } else {
      ScanPattern(c.text, "%d/%d", {&number, &bank});
    }
    EXPECT_EQ(first, c.first) << c.text;
    EXPECT_EQ(number, c.number) << c.text;
    EXPECT_EQ(bank, c.bank) << c.text;
  }
}

}  // namespace
}  // namespace tarvolo
