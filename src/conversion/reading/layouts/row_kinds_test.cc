#include "conversion/reading/layouts/row_kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

// The look at a text's first bytes passes over no label: every text that is
// one gets the whole look.
TEST(BalanceLabels, TheFirstBytesLetEveryLabelThrough) {
  const struct {
    std::string text;
    bool label;
  } cases[] = {
      {"Konecny zustatek", true},
      {"Pocatecni zustatek:", true},
      {"ZAVERECNY ZUSTATEK", true},
      {"Zustatek k 31.01.2024:", true},
      {"  \"Opening balance\"", true},
      {"#Closing balance", true},
      {"\xA0"
       "Final balance",
       true},
      {"closingBalance", true},
      {"Zustatek k 31", false},
      {"Platba kartou", false},
      {"Faktura 2014000", false},
      {"Odberatel s.r.o.", false},
      {"Bezhotovostni prijem", false},
      {"", false},
      {"1234", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsWholeBalanceLabel(c.text), c.label) << c.text;
    EXPECT_TRUE(!c.label || MayBeBalanceLabel(c.text)) << c.text;
  }
  for (const char* other : {"Bezhotovostni prijem", "", "1234", "\xDAhrada", "Platba kartou",
                            "Faktura 2014000", "Odberatel s.r.o.", "Cena", "K", "Pk"}) {
    EXPECT_FALSE(MayBeBalanceLabel(other)) << other;
  }
}

}  // namespace
}  // namespace tarvolo
