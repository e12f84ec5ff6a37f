#include "settings/parse_digits.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

TEST(ParseDigitsTest, EveryCharacterIsOneDecimalPlace) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"", 0},    {"0", 0},  {"123", 123}, {"12a", 120},  {"1 2", 102},
      {"7 ", 70}, {" 7", 7}, {"-5", 5},    {"00042", 42}, {"99999", 99999},
      {"abc", 0}, {"a1", 1}, {"+1", 1},    {"1.5", 105},  {"\xE8\x39", 9},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDigits(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace tarvolo
