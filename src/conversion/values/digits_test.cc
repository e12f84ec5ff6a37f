#include "conversion/values/digits.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

TEST(DigitsTest, DigitsAloneWithinTheirWidth) {
  const struct {
    const char* text;
    size_t maxDigits;
    bool read;
    int64_t value;
  } cases[] = {
      {"0800", 4, true, 800},
      {"2000145399", 10, true, 2000145399},
      {"999999999999999999", 18, true, 999999999999999999},
      {"1000000000000000000", 19, false, 0},  // 19 digits never fit
      {"12345", 4, false, 0},
      {"", 4, false, 0},
      {"-1", 4, false, 0},
      {"+1", 4, false, 0},
      {" 1", 4, false, 0},
      {"1 ", 4, false, 0},
      {"1a", 4, false, 0},
  };
  for (const auto& c : cases) {
    int64_t value = -7;
    EXPECT_EQ(ReadDigitsOnly(c.text, c.maxDigits, &value), c.read) << c.text;
    EXPECT_EQ(value, c.read ? c.value : -7) << c.text;
  }
  int32_t narrow = -7;
  EXPECT_FALSE(ReadDigitsOnly("1234567890", 10, &narrow));  // wider than 32 bits allow
  EXPECT_TRUE(ReadDigitsOnly("123456789", 9, &narrow));
  EXPECT_EQ(narrow, 123456789);
}

}  // namespace
}  // namespace tarvolo
