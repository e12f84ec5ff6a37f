#include "conversion/values/fixed_width.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "conversion/gpc/account_field.h"
#include "conversion/gpc/gpc_records.h"
#include "conversion/gpc/header_record.h"
#include "conversion/values/decimal_rounding.h"

namespace tarvolo {
namespace {

std::string RenderOne(const char* format, FormatArg arg) {
  std::string out;
  Render(out, format, {arg});
  return out;
}

TEST(RenderTest, Texts) {
  const std::string twenty(20, 'x');
  struct Case {
    const char* format;
    std::string text;
    std::string expected;
  } cases[] = {
      {"%016s", "", std::string(16, '0')},
      {"%016s", "123", std::string(13, '0') + "123"},
      {"%016s", twenty, twenty},
      {"%05s", "-12", "00-12"},
      {"%04s", "0308", "0308"},
      {"%14s", "", std::string(14, ' ')},
      {"%14s", "AB", std::string(12, ' ') + "AB"},
      {"%-20.20s", "abcdef", "abcdef" + std::string(14, ' ')},
      {"%-20.20s", "abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrst"},
      {"%-20.20s", "", std::string(20, ' ')},
      {"%-20.20s", "Nájem září", "Nájem září" + std::string(20 - std::strlen("Nájem září"), ' ')},
      {"%s", " a b ", " a b "},
      {"[%s]", "", "[]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenderOne(c.format, c.text.c_str()), c.expected) << c.format << " " << c.text;
  }
}

TEST(RenderTest, CutTextReadsNoFurtherThanItsWidth) {
  char field[20];
  std::memset(field, 'a', sizeof field);  // no terminating NUL
  EXPECT_EQ(RenderOne("%-20.20s", field), std::string(20, 'a'));
}

TEST(RenderTest, Integers) {
  struct Case {
    const char* format;
    int64_t value;
    const char* expected;
  } cases[] = {
      {"%03d", 7, "007"},
      {"%03d", -7, "-07"},
      {"%03d", 1234, "1234"},
      {"%02d", 0, "00"},
      {"%02d", 1999, "1999"},
      {"%014d", INT32_MIN, "-0002147483648"},
      {"%014d", 99999999999999, "99999999999999"},
      {"%d", 0, "0"},
      {"%d", -15, "-15"},
      {"%d", INT64_MIN, "-9223372036854775808"},
      {"%06d%010d", 19, "0000190000000000"},  // a missing argument renders as zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenderOne(c.format, c.value), c.expected) << c.format << " " << c.value;
  }
  std::string out;
  Render(out, "%06d%010d", {int32_t{19}, int64_t{123456789}});
  EXPECT_EQ(out, "0000190123456789");
}

TEST(RenderTest, RoundedNumbers) {
  struct Case {
    const char* format;
    double value;
    const char* expected;
  } cases[] = {
      {"%012.0f", 12345, "000000012345"},
      {"%012.0f", 12.5, "000000000013"},
      {"%012.0f", 0.4, "000000000000"},
      {"%012.0f", 0.5, "000000000001"},
      {"%012.0f", -2.5, "-00000000003"},
      {"%012.0f", 1e12, "1000000000000"},
      {"%012.0f", 0.125 * 100, "000000000013"},
      {"%012.0f", 0.29 * 100, "000000000029"},
      {"%012.0f", 123456789012345678.0, "123456789012345680"},  // 17 digits, then zeros
      {"%012.0f", 1e20, "100000000000000000000"},
      {"%.2f", 1234.5, "1234.50"},
      {"%.2f", 0, "0.00"},
      {"%.2f", 0.125, "0.13"},
      {"%.2f", 0.009, "0.01"},
      {"%.2f", 2.675, "2.67"},  // stored just below the half
      {"%.2f", 8.165, "8.16"},
      {"%.2f", 1.005, "1.00"},
      {"%.2f", 0.995, "0.99"},
      {"%.2f", 9.995, "9.99"},
      {"%.2f", 99.995, "100.00"},  // stored just above: carries through nines
      {"%.2f", -0.001, "-0.00"},
      {"%.2f", -0.0, "-0.00"},
      {"%.2f", 1000.5, "1000.50"},
      {"%.2f", 1150.79, "1150.79"},
      {"%.2f", 1e15 + 0.375, "1000000000000000.40"},
      {"%.2f", 123456789012345678.0, "123456789012345680.00"},
      {"%.2f", 5e-324, "0.00"},
      {"%.2f", INFINITY, "inf"},
      {"%012.0f", -INFINITY, "        -inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenderOne(c.format, c.value), c.expected) << c.format << " " << c.value;
  }
  EXPECT_EQ(RenderOne("%.2f", 1.7976931348623157e308),
            "17976931348623157" + std::string(292, '0') + ".00");
}

TEST(WholeHellersTest, RoundsProductToNearestHeller) {
  struct Case {
    double crowns;
    int64_t hellers;
  } cases[] = {
      {0.29, 29},
      {12.34, 1234},
      {100.10, 10010},
      {-1.15, -115},
      {1.15, 115},
      {0.125, 13},
      {-0.125, -13},
      {0, 0},
      {-0.004, 0},
      {250.29, 25029},
      {999999999999.99, 99999999999999},
      {21474836.48, 2147483648},
  };
  for (const Case& c : cases) {
    int64_t hellers = -1;
    EXPECT_TRUE(WholeHellers(c.crowns, &hellers)) << c.crowns;
    EXPECT_EQ(hellers, c.hellers) << c.crowns;
  }
  int64_t untouched = 7;
  EXPECT_FALSE(WholeHellers(1e17, &untouched));
  EXPECT_FALSE(WholeHellers(NAN, &untouched));
  EXPECT_FALSE(WholeHellers(-INFINITY, &untouched));
  EXPECT_EQ(untouched, 7);
}

TEST(FormatAccountFieldTest, ZeroFillsWithoutCuttingOrReordering) {
  struct Case {
    const char* text;
    const char* field;
  } cases[] = {
      {"123456789", "0000000123456789"},
      {"1234567890", "0000001234567890"},
      {"0000191234567890", "0000191234567890"},
      {"19-123/0800", "0000019-123/0800"},
      {"", "0000000000000000"},
      {"1234567890123456789", "1234567890123456789"},
  };
  for (const Case& c : cases) {
    char text[kAccountFieldBuffer] = {};
    std::strcpy(text, c.text);
    FormatAccountField(text);
    EXPECT_STREQ(text, c.field);
  }
}

// The header composer lays out the line the format text of the header gives.
TEST(ComposeHeaderRecordTest, GivesTheHeaderFormatsLine) {
  struct Case {
    const char* account;
    const char* name;
    int64_t oldBalance, newBalance, debits, credits;
    char oldSign, newSign, debitsSign, creditsSign;
    int32_t number;
  } cases[] = {
      {"2000145399", "Novák a syn s.r.o.", 12543050, 12643050, 0, 100000, '+', '+', '0', '0', 7},
      {"", "", 0, 0, 0, 0, '-', '+', '0', '0', 0},
      {"0000191234567890", "Název delší než dvacet znaků", 99999999999999, 1, 99999999999999, 2,
       '-', '-', '-', '0', 999},
  };
  for (const Case& c : cases) {
    HeaderRecord header;
    header.account = c.account;
    header.accountName = c.name;
    header.oldBalanceDate = "010914";
    header.oldBalance = c.oldBalance;
    header.oldBalanceSign = c.oldSign;
    header.newBalance = c.newBalance;
    header.newBalanceSign = c.newSign;
    header.debits = c.debits;
    header.debitsSign = c.debitsSign;
    header.credits = c.credits;
    header.creditsSign = c.creditsSign;
    header.statementNumber = c.number;
    header.statementDate = "011214";
    char line[kGpcLineLength];
    ComposeHeaderRecord(header, line);
    std::string expected;
    const auto sign = [](char s) { return std::string(1, s); };
    Render(
        expected, "074%016s%-20.20s%s%014d%s%014d%s%014d%s%014d%s%03d%s%14s\r\n",
        {c.account, c.name, "010914", c.oldBalance, sign(c.oldSign), c.newBalance, sign(c.newSign),
         c.debits, sign(c.debitsSign), c.credits, sign(c.creditsSign), c.number, "011214", ""});
    EXPECT_EQ(std::string(line, sizeof line), expected) << c.account;
  }
}

}  // namespace
}  // namespace tarvolo
