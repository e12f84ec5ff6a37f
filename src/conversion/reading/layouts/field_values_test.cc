#include "conversion/reading/layouts/field_values.h"

#include <gtest/gtest.h>

#include <string>

#include "conversion/statement/statement.h"

namespace tarvolo {
namespace {

// The clocks change on the last Sunday of March and of October at 01:00
// UTC: 31 March and 27 October in 2024.
TEST(LayoutValues, TimesInUtcAreDaysInPrague) {
  struct Case {
    const char* text;
    int day, month, year;
  } cases[] = {
      {"2024-03-30 23:00:00", 31, 3, 2024},  // winter: an hour more
      {"2024-03-31 00:59:00", 31, 3, 2024},
      {"2024-03-31 22:00:00", 1, 4, 2024},  // summer from 01:00: two hours more
      {"2024-10-26 22:00:00", 27, 10, 2024},
      {"2024-10-27 22:30:00", 27, 10, 2024},  // winter again from 01:00
      {"2024-10-27 23:00:00", 28, 10, 2024},
      {"2024-02-28T23:30", 29, 2, 2024},
      {"2023-12-31 23:00:00", 1, 1, 2024},
      {"2024-12-31", 31, 12, 2024},  // no time, no change
      {"2024-12-31 2x:00", 31, 12, 2024},
  };
  for (const Case& c : cases) {
    ItemDate date;
    ASSERT_TRUE(ReadItemDate(c.text, &date)) << c.text;
    EXPECT_TRUE(InPrague(c.text, &date)) << c.text;
    EXPECT_EQ(date.day * 1000000 + date.month * 10000 + date.year,
              c.day * 1000000 + c.month * 10000 + c.year)
        << c.text;
  }
}

// Texts are looked at sixteen bytes at a time: a line break or tab at any
// place of a text of any length becomes one blank, and the width cuts.
TEST(LayoutValues, OneLineAtEveryPlace) {
  for (size_t length = 1; length <= 40; ++length) {
    for (size_t at = 0; at < length; ++at) {
      std::string text;
      for (size_t i = 0; i < length; ++i) text += "a\xE1~"[i % 3];
      const std::string plain = text;
      text[at] = "\t\n\x1F"[at % 3];
      std::string expected = plain;
      expected[at] = ' ';
      std::string out;
      EXPECT_EQ(OneLine(plain, kMessageWidth, out), plain) << length;
      EXPECT_EQ(OneLine(text, kMessageWidth, out), expected) << length << " " << at;
      EXPECT_EQ(OneLine(text, at, out), plain.substr(0, at)) << length << " " << at;
    }
  }
}

// A currency column's value as items are compared: the koruna's sign is
// its code, so that a file writing "Kč" and one writing "CZK" are one
// statement, and its camt has a currency.
TEST(LayoutValues, CurrencyCodes) {
  struct Case {
    const char* text;
    const char* code;
  } cases[] = {
      {"CZK", "CZK"},   {"czk ", "CZK"}, {"K\xE8", "CZK"}, {"k\xE8", "CZK"},
      {"K\xC8", "CZK"}, {"Kc", "CZK"},   {"EUR", "EUR"},   {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CurrencyCode(c.text), c.code) << c.text;
}

}  // namespace
}  // namespace tarvolo
