#include "conversion/gpc/gpc_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "conversion/gpc/heller_sum.h"
#include "conversion/values/fixed_width.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// The lines of a sound statement: a header and six items.
std::vector<std::string> SoundLines() {
  const std::string file = ReadTestFile(TestDataPath("examples-2014-09.gpc"));
  std::vector<std::string> lines;
  for (size_t start = 0; start < file.size(); start += 130)
    lines.push_back(file.substr(start, 128));
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

TEST(GpcCheckTest, SoundStatementsHaveNoProblems) {
  for (const char* name : {"examples-2014-09.gpc", "examples-2014-10.gpc", "examples-all.gpc"}) {
    EXPECT_TRUE(CheckGpcStatement(ReadTestFile(TestDataPath(name))).empty()) << name;
  }
  // Two statements in one file, each adding up.
  EXPECT_TRUE(CheckGpcStatement(Join(SoundLines()) + Join(SoundLines())).empty());
}

TEST(GpcCheckTest, EachKindOfProblemIsNamedWithItsLine) {
  using Edit = std::function<void(std::vector<std::string>&)>;
  struct Case {
    const char* what;
    Edit edit;
    const char* firstProblem;
  } cases[] = {
      {"short line", [](auto& l) { l[1].pop_back(); }, "řádek 2: délka 127 znaků místo 128"},
      {"unknown type", [](auto& l) { l[2].replace(0, 3, "076"); },
       "řádek 3: neznámý typ záznamu \"076\""},
      {"item first", [](auto& l) { std::swap(l[0], l[1]); },
       "řádek 1: položka 075 stojí před hlavičkou 074"},
      {"letter in amount", [](auto& l) { l[1][50] = 'x'; },
       "řádek 2: pole částka (pozice 49 až 60) obsahuje jiné znaky než číslice"},
      {"letter in header", [](auto& l) { l[0][47] = ' '; },
       "řádek 1: pole starý zůstatek (pozice 46 až 59) obsahuje jiné znaky než číslice"},
      {"no such day", [](auto& l) { l[1].replace(91, 6, "310914"); },
       "řádek 2: pole datum splatnosti neobsahuje skutečný den: 310914"},
      {"day 0 of a month seen", [](auto& l) { l[2].replace(122, 6, "000914"); },
       "řádek 3: pole datum neobsahuje skutečný den: 000914"},
      {"no 29 February", [](auto& l) { l[0].replace(39, 6, "290215"); },
       "řádek 1: pole datum starého zůstatku neobsahuje skutečný den: 290215"},
      {"code 6", [](auto& l) { l[1][60] = '6'; }, "řádek 2: neplatný kód účtování \"6\""},
      {"other account", [](auto& l) { l[3][18] = '8'; },
       "řádek 4: vlastní účet 0000002000145398 se liší od účtu v hlavičce 0000002000145399"},
      {"balance sign", [](auto& l) { l[0][59] = '0'; },
       "řádek 1: neplatné znaménko \"0\" u pole starý zůstatek"},
      {"new balance off", [](auto& l) { l[0][73] = '8'; },
       "řádek 1: starý zůstatek 125430.50 - obrat debet 38360.00 + obrat kredit 55660.50 není "
       "nový zůstatek 142731.08"},
      {"item amount off", [](auto& l) { l[1][58] = '1'; },
       "řádek 1: obrat debet 38360.00 nesouhlasí se součtem položek 38360.10"},
      {"credit reversed", [](auto& l) { l[2][60] = '5'; },
       "řádek 1: obrat kredit 55660.50 nesouhlasí se součtem položek -41139.50"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = SoundLines();
    c.edit(lines);
    const std::vector<std::string> problems = CheckGpcStatement(Join(lines));
    ASSERT_FALSE(problems.empty()) << c.what;
    EXPECT_EQ(problems.front(), c.firstProblem) << c.what;
  }
}

// Any byte other than a digit, anywhere in a numeric field of an item, is
// named with its field.
TEST(GpcCheckTest, EveryNonDigitInANumericFieldIsFound) {
  struct Field {
    int first;
    int last;
    const char* name;
  } fields[] = {
      {4, 19, "číslo účtu"},         {20, 35, "protiúčet"},
      {36, 48, "číslo dokladu"},     {49, 60, "částka"},
      {62, 71, "variabilní symbol"}, {72, 77, "kód banky"},
      {78, 81, "konstantní symbol"}, {82, 91, "specifický symbol"},
      {92, 97, "datum splatnosti"},  {118, 122, "kód měny"},
      {123, 128, "datum"},
  };
  const std::string notDigits("/:? x\xB3\xFA\xFF\0", 9);
  for (const Field& field : fields) {
    for (int position = field.first; position <= field.last; ++position) {
      for (char c : notDigits) {
        std::vector<std::string> lines = SoundLines();
        lines[1][position - 1] = c;
        const std::vector<std::string> problems = CheckGpcStatement(Join(lines));
        ASSERT_FALSE(problems.empty()) << position << " " << int{c};
        std::string expected;
        Render(expected, "řádek 2: pole %s (pozice %d až %d) obsahuje jiné znaky než číslice",
               {field.name, int32_t{field.first}, int32_t{field.last}});
        EXPECT_EQ(problems.front(), expected) << position << " " << int{c};
      }
    }
  }
}

TEST(GpcCheckTest, LineEnds) {
  const std::string sound = Join(SoundLines());
  std::vector<std::string> brokenText = SoundLines();
  brokenText[1][100] = '\r';  // in the item's message
  struct Case {
    std::string file;
    const char* firstProblem;
  } cases[] = {
      {"", "soubor je prázdný"},
      {sound.substr(0, sound.size() - 2), "řádek 7: chybí konec řádku CR LF"},
      {sound.substr(0, sound.size() - 1), "řádek 7: chybí konec řádku CR LF"},
      {sound + "\r\n", "řádek 8: délka 0 znaků místo 128"},
      {"075" + std::string(125, '0') + "\r\n", "řádek 1: položka 075 stojí před hlavičkou 074"},
      {Join(brokenText), "řádek 2: znak CR uvnitř řádku"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> problems = CheckGpcStatement(c.file);
    ASSERT_FALSE(problems.empty()) << c.firstProblem;
    EXPECT_EQ(problems.front(), c.firstProblem);
  }
}

// A CR or an LF at any place of a record is found, the LF as the end of a
// short line.
TEST(GpcCheckTest, LineEndsInsideARecordAreFoundAnywhere) {
  const struct {
    char end;
    std::string firstProblem;
  } cases[] = {
      {'\r', "řádek 2: znak CR uvnitř řádku"},
      {'\n', "řádek 2: chybí konec řádku CR LF"},
  };
  for (const auto& c : cases) {
    for (size_t at = 0; at < 128; ++at) {
      std::vector<std::string> lines = SoundLines();
      lines[1][at] = c.end;
      const std::vector<std::string> problems = CheckGpcStatement(Join(lines));
      ASSERT_FALSE(problems.empty()) << at;
      EXPECT_EQ(problems.front(), c.firstProblem) << at;
    }
  }
}

// An item's amount counts with every one of its twelve digits.
TEST(GpcCheckTest, ItemAmountsAddUpDigitForDigit) {
  constexpr size_t kAmountStart = 48, kAmountWidth = 12;
  for (const char* amount : {"000000000000", "000000000001", "000000000010", "000010000000",
                             "100000000000", "123456789012", "999999999999", "909090909090"}) {
    std::vector<std::string> lines = SoundLines();
    const int64_t replaced = std::stoll(lines[1].substr(kAmountStart, kAmountWidth));
    lines[1].replace(kAmountStart, kAmountWidth, amount);
    const int64_t sum = 3836000 - replaced + std::stoll(amount);
    const std::string cents = std::to_string(100 + sum % 100).substr(1);
    const std::string expected = "řádek 1: obrat debet 38360.00 nesouhlasí se součtem položek " +
                                 std::to_string(sum / 100) + "." + cents;
    const std::vector<std::string> problems = CheckGpcStatement(Join(lines));
    if (sum == 3836000) {
      EXPECT_TRUE(problems.empty()) << amount;
    } else {
      ASSERT_FALSE(problems.empty()) << amount;
      EXPECT_EQ(problems.front(), expected) << amount;
    }
  }
}

// The turnovers' sums never wrap round: 18,446,746 items of the largest
// amount pass 2^64 hellers and would wrap to a sum that matches a header.
TEST(HellerSumTest, KnowsWhenTheSumLeavesItsRange) {
  constexpr int64_t kLargestItem = 999999999999;
  constexpr int64_t kMax = INT64_MAX;
  // clang-format off
  struct Case {
    const char* label;
    std::function<void(HellerSum&)> steps;
    bool representable;
    int64_t value;  // when representable
  } cases[] = {
      {"nothing", [](HellerSum&) {}, true, 0},
      {"up and down", [](HellerSum& s) { s.Add(500); s.Subtract(700); s.Add(1); }, true, -199},
      {"up to the largest", [](HellerSum& s) { s.Add(kMax - 5); s.Add(5); }, true, kMax},
      {"one past the largest", [](HellerSum& s) { s.Add(kMax); s.Add(1); }, false, 0},
      {"below the smallest", [](HellerSum& s) { s.Subtract(kMax); s.Subtract(2); }, false, 0},
      {"back in range stays out", [](HellerSum& s) { s.Add(kMax); s.Add(1); s.Subtract(1); },
       false, 0},
      {"items past 2^64",
       [](HellerSum& s) { for (int i = 0; i < 18446746; ++i) s.Add(kLargestItem); }, false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    HellerSum sum;
    c.steps(sum);
    EXPECT_EQ(sum.representable(), c.representable) << c.label;
    if (c.representable) {
      EXPECT_EQ(sum.value(), c.value) << c.label;
    }
  }
}

}  // namespace
}  // namespace tarvolo
