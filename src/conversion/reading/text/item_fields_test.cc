#include "conversion/reading/text/item_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

// Symbols are looked at in words of four or eight bytes: a byte that is no
// digit is found at every place of every length, and so are the bytes next
// to the digits ('/' and ':') and those that carry into the next byte.
TEST(ItemFields, KeepDigitsAtEveryPlaceOfEveryLength) {
  for (size_t length = 0; length <= 20; ++length) {
    const std::string digits = std::string("01234567890123456789").substr(0, length);
    std::string out;
    EXPECT_EQ(KeepDigits(digits, out), digits) << length;
    for (size_t at = 0; at < length; ++at) {
      for (const char other : {'/', ':', ' ', 'A', '\xFA', '\xFF', '\0'}) {
        std::string text = digits;
        text[at] = other;
        const std::string expected = digits.substr(0, at) + digits.substr(at + 1);
        EXPECT_EQ(KeepDigits(text, out), expected) << length << " " << at << " " << int{other};
      }
    }
  }
}

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
      {"31.12.2099", true, 2099, 12, 31},
      {"01.01.2100", false, 0, 0, 0},
      {"2x.09.2014", false, 0, 0, 0},
      {"20140924", false, 0, 0, 0},
      {"Apr 8, 2018", true, 2018, 4, 8},
      {"april 30 2018", true, 2018, 4, 30},
      {"Sept. 1, 2018 10:00", true, 2018, 9, 1},
      {"Dec 31,2018", true, 2018, 12, 31},
      {"Feb 29, 2018", false, 0, 0, 0},
      {"Apr 8, 18", false, 0, 0, 0},
      {"Apr8, 2018", false, 0, 0, 0},
      {"Ap 8, 2018", false, 0, 0, 0},
      {"Aprx 8, 2018", false, 0, 0, 0},
      {"Apr 8, 2018x", false, 0, 0, 0},
      {"26 Jun 2018", true, 2018, 6, 26},
      {"1 June 2018 10:00", true, 2018, 6, 1},
      {"26. Jun. 2018", true, 2018, 6, 26},
      {"31 Jun 2018", false, 0, 0, 0},
      {"26 Jun 18", false, 0, 0, 0},
      {"26Jun 2018", false, 0, 0, 0},
      {"26 Jun, 2018", true, 2018, 6, 26},
      {"4 Platba 2018", false, 0, 0, 0},
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

TEST(ItemFields, Directions) {
  struct Case {
    const char* text;
    Direction direction;
  } cases[] = {
      {"Odchozí", Direction::kDebit},
      {"Příchozí", Direction::kCredit},
      {"Outgoing", Direction::kDebit},
      {"Incoming", Direction::kCredit},
      {"DEBIT", Direction::kDebit},
      {"CREDIT", Direction::kCredit},
      {"D", Direction::kDebit},
      {"c", Direction::kCredit},
      {"K", Direction::kCredit},
      {"Výběr", Direction::kDebit},
      {"Odepsáno", Direction::kDebit},
      {"Připsáno", Direction::kCredit},
      {"OUT", Direction::kDebit},
      {"in", Direction::kCredit},
      {"Výdaj", Direction::kDebit},
      {"Vklad", Direction::kCredit},
      {"Odchozí platba", Direction::kDebit},
      {"Af", Direction::kDebit},
      {"Bij", Direction::kCredit},
      {"Soll", Direction::kDebit},
      {"Haben", Direction::kCredit},
      {"Kiadás", Direction::kDebit},
      {"Bevétel", Direction::kCredit},
      {"Cargo", Direction::kDebit},
      {"Abono", Direction::kCredit},
      {"Obciążenie", Direction::kDebit},
      {"Uznanie", Direction::kCredit},
      {"MasterCard Payment", Direction::kUnknown},
      {"Income", Direction::kUnknown},
      {"", Direction::kUnknown},
      {"Převod", Direction::kUnknown},
      {"Debetní karta", Direction::kUnknown},
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
      // mBank's apostrophes; the number 0 is no account, whatever its bank.
      {"'670100-2215069717/6210'", "", "", 670100, 2215069717, 6210},
      {"''", "", "", 0, 0, 0},
      {"0", "100", "", 0, 0, 0},
      {"0/0100", "", "", 0, 0, 0},
      {"0", "0800", "000019", 0, 0, 0},
      // Prefix and number run together: the last ten digits are the number.
      {"12345678901/0800", "", "", 1, 2345678901, 800},
      {"1152992080267", "0100", "", 115, 2992080267, 100},
      {"0000192000145399", "0800", "", 19, 2000145399, 800},
      {"12345678901234567", "0800", "", 0, 0, 0},  // seventeen digits
      {"1234567-123/0800", "", "", 0, 0, 0},       // seven-digit prefix
      {"123/08000", "", "", 0, 0, 0},
      // Parts at the edges of what a part holds, or missing.
      {"12345678/0100", "", "", 0, 12345678, 100},
      {"123456-123456789/0100", "", "", 123456, 123456789, 100},
      {"19-12345678901/0800", "", "", 0, 0, 0},
      {"-123/0800", "", "", 0, 0, 0},
      {"19-/0800", "", "", 0, 0, 0},
      {"19-123/", "", "", 0, 0, 0},
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
  // Whether anything of the text was lost: a foreign IBAN is read whole,
  // though it is no Czech account.
  const std::pair<const char*, bool> whole[] = {
      {"19-2000145399/0800", true},
      {"", true},
      {"DE89370400440532013000", true},
      {"CZ6208000000190123456789", false},
      {"516844******1234", true},
      {"12345678901234567", false},
      {"DE89370400440532013001", false},
      {"''", true},
      {"SK6811000000002612345678/TATRSKBXXXX", false},
  };
  for (const auto& [account, read] : whole) {
    EXPECT_EQ(ReadCounterAccountColumns(account, "", "").whole, read) << account;
  }
  // A masked card is no account; too few digits or masks make no card.
  const std::pair<const char*, bool> cards[] = {
      {"516844******1234", true}, {"XXXX XXXX XXXX 1234", true}, {"'5168 44XX XXXX 1234'", true},
      {"516844*1234", false},     {"****************", false},   {"516844******1234/0800", false},
  };
  for (const auto& [account, card] : cards) {
    EXPECT_EQ(ReadCounterAccountColumns(account, "", "").cardNumber, card) << account;
  }
}

}  // namespace
}  // namespace tarvolo
