#include "conversion/reading/balances/stated_balances.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

TEST(BalanceCheck, OpeningBalanceOfTheProfileAndOfTheFirstFile) {
  const StatedBalances none;
  StatedBalances stated;
  stated.hasOpening = true;
  stated.opening = 5000000;
  StatedBalances huge = stated;
  huge.opening = 100000000000000;
  struct Case {
    const char* what;
    StatedBalances stated;
    bool fromFile;
    int64_t profile;  // hellers
    bool taken;
    int64_t opening;
    const char* log;
    const char* unit = "Kč";
  } cases[] = {
      {"the same balance", stated, false, 5000000, true, 5000000, ""},
      {"nothing stated", none, false, 12550, true, 12550, ""},
      {"another balance in the profile is kept and reported", stated, false, 12543050, true,
       12543050,
       "Počáteční zůstatek 125430.50 Kč v nastavení se liší od počátečního zůstatku 50000.00 Kč "
       "v souboru a.csv; hlavička má zůstatek z nastavení!!!\n"},
      {"taken from the file", stated, true, 12543050, true, 5000000,
       "Počáteční zůstatek 50000.00 Kč převzat ze souboru a.csv\n"},
      {"taken from a file in euros", stated, true, 12543050, true, 5000000,
       "Počáteční zůstatek 50000.00 EUR převzat ze souboru a.csv\n", "EUR"},
      {"another balance in euros", stated, false, 100, true, 100,
       "Počáteční zůstatek 1.00 EUR v nastavení se liší od počátečního zůstatku 50000.00 EUR v "
       "souboru a.csv; hlavička má zůstatek z nastavení!!!\n",
       "EUR"},
      {"to be taken from a file that states none", none, true, 12550, false, 12550,
       "Soubor a.csv neuvádí počáteční zůstatek, který měla převzít hlavička; nic nezapsáno!!!\n"},
      {"to be taken from a file, too large for the header", huge, true, 12550, false, 12550,
       "Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!\n"},
  };
  for (const Case& c : cases) {
    std::string log;
    ProfileValues values;
    values.openingHellers = c.profile;
    EXPECT_EQ(TakeStatedOpening(
                  "a.csv", c.stated, c.fromFile, c.unit, &values,
                  [&log](LogKind kind, const char* line) { log += ShownLogLine(kind, line); }),
              c.taken)
        << c.what;
    EXPECT_EQ(values.openingHellers, c.opening) << c.what;
    EXPECT_EQ(log, c.log) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
