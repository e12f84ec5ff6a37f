#include "conversion/export/statement_period.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/values/dates.h"
#include "platform/clock.h"

namespace tarvolo {
namespace {

int32_t Noon(int32_t year, int32_t month, int32_t day) {
  CivilTime noon;
  noon.year = year, noon.month = month, noon.day = day, noon.hour = 12;
  int64_t time = 0;
  EXPECT_TRUE(MakeLocalTime(noon, false, &time));
  return static_cast<int32_t>(time);
}

// A statement of October (its balance stated on 30 September) holds the
// items of 1 to 31 October; any other is named with its file, line and
// day, as a warning.
TEST(StatementPeriodTest, ItemsOutsideThePeriodAreNamed) {
  const struct {
    int32_t year, month, day;
    bool fee;
    const char* line;  // "" for none
  } cases[] = {
      {2014, 10, 1, false, ""},
      {2014, 10, 31, false, ""},
      {2014, 9, 30, false,
       "Soubor v.csv, řádek 4: položka ze dne 30.9.2014 je mimo období výpisu 1.10.2014 až "
       "31.10.2014, zapsána tak, jak ji soubor uvádí\n"},
      {2014, 11, 1, false, "položka ze dne 1.11.2014 je mimo období"},
      {2013, 10, 15, false, "položka ze dne 15.10.2013 je mimo období"},
      {2014, 11, 1, true, ""},  // its payment is named
  };
  StatementPeriod period;
  period.Set(CalendarDayToStoredTimestamp(2014, 10, 1), Noon(2014, 10, 31));
  StatementPeriod open;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    StatementItem item;
    item.line = 4;
    item.year = c.year, item.month = c.month, item.day = c.day;
    item.fee = c.fee;
    std::vector<std::pair<LogKind, std::string>> log;
    const LogLine logLine = [&log](LogKind kind, const char* text) {
      log.emplace_back(kind, text);
    };
    period.Check(item, "v.csv", logLine);
    if (*c.line == '\0') {
      EXPECT_TRUE(log.empty());
    } else {
      ASSERT_EQ(log.size(), 1u);
      EXPECT_EQ(log[0].first, LogKind::kItemWarning);
      EXPECT_NE(log[0].second.find(c.line), std::string::npos) << log[0].second;
    }
    open.Check(item, "v.csv", logLine);
    EXPECT_LE(log.size(), 1u);
  }
}

}  // namespace
}  // namespace tarvolo
