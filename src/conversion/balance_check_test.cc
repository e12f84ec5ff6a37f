#include "conversion/balance_check.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

TEST(BalanceCheck, OpeningBalanceOfTheProfileAndOfTheFirstFile) {
  const StatedBalances none;
  StatedBalances stated;
  stated.hasOpening = true;
  stated.opening = 5000000;
  struct Case {
    const char* what;
    StatedBalances stated;
    bool fromFile;
    double profile;
    bool taken;
    double opening;
    const char* log;
  } cases[] = {
      {"the same balance", stated, false, 50000.0, true, 50000.0, ""},
      {"nothing stated", none, false, 125.5, true, 125.5, ""},
      {"another balance in the profile is kept and reported", stated, false, 125430.5, true,
       125430.5,
       "Počáteční zůstatek 125430.50 Kč v nastavení se liší od počátečního zůstatku 50000.00 Kč "
       "v souboru a.csv; hlavička má zůstatek z nastavení!!!\n"},
      {"taken from the file", stated, true, 125430.5, true, 50000.0,
       "Počáteční zůstatek 50000.00 Kč převzat ze souboru a.csv\n"},
      {"to be taken from a file that states none", none, true, 125.5, false, 125.5,
       "Soubor a.csv neuvádí počáteční zůstatek, který měla převzít hlavička; nic nezapsáno!!!\n"},
  };
  for (const Case& c : cases) {
    std::string log;
    double opening = c.profile;
    EXPECT_EQ(TakeStatedOpening("a.csv", c.stated, c.fromFile, &opening,
                                [&log](const char* line) { log += line; }),
              c.taken)
        << c.what;
    EXPECT_EQ(opening, c.opening) << c.what;
    EXPECT_EQ(log, c.log) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
