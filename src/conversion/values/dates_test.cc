#include "conversion/values/dates.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "platform/civil_date.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// The tests in DatesInCentralEurope need the zone Europe/Prague; those in
// DatesInEveryZone run once in each zone that the test run names (see
// tests/CMakeLists.txt).

struct Day {
  int year, month, day;
};

bool operator==(const Day& a, const Day& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& out, const Day& d) {
  return out << d.year << "-" << d.month << "-" << d.day;
}

Day NextDay(Day d) {
  if (++d.day > DaysInMonth(d.year, d.month)) {
    d.day = 1;
    if (++d.month > 12) {
      d.month = 1;
      ++d.year;
    }
  }
  return d;
}

std::string DdMmYy(const Day& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", d.day, d.month, d.year % 100);
  return text;
}

std::string AppendedDdMmYy(int32_t timestamp, bool* converted) {
  std::string text;
  *converted = AppendDdMmYy(text, timestamp);
  return text;
}

TEST(DatesInCentralEurope, StoredTimestampsOfChosenDays) {
  ASSERT_EQ(TestZone(), "Europe/Prague") << "run through ctest, which sets the zone";
  const struct {
    Day chosen;
    int32_t stored;
    const char* ddMmYy;  // of the stored timestamp
  } cases[] = {
      {{2014, 9, 1}, 1409522340, "310814"},   // daylight saving
      {{2014, 7, 15}, 1405375140, "140714"},  // daylight saving
      {{2014, 12, 1}, 1417384740, "301114"},
      {{2015, 1, 1}, 1420063140, "311214"},
      {{2016, 3, 1}, 1456783140, "290216"},
      {{2014, 3, 30}, 1396130340, "290314"},   // daylight saving starts in the night after
      {{2014, 10, 27}, 1414360740, "261014"},  // daylight saving ended in the night before
      {{1970, 1, 2}, 79140, "010170"},
      {{2038, 1, 19}, 2147464740, "180138"},
  };
  for (const auto& c : cases) {
    const Day& d = c.chosen;
    EXPECT_EQ(DayToTimestamp(d.year, d.month, d.day), c.stored + 3600) << d;
    EXPECT_EQ(CalendarDayToStoredTimestamp(d.year, d.month, d.day), c.stored) << d;
    bool converted = false;
    EXPECT_EQ(AppendedDdMmYy(c.stored, &converted), c.ddMmYy) << d;
    EXPECT_TRUE(converted) << d;
    CivilTime shown;
    ASSERT_TRUE(StoredTimestampToCalendarDay(c.stored, &shown)) << d;
    EXPECT_EQ((Day{shown.year, shown.month, shown.day}), d);
    EXPECT_EQ(shown.hour * 10000 + shown.minute * 100 + shown.second, 235900) << d;
  }
}

TEST(DatesInCentralEurope, DaysThatCannotBeStored) {
  ASSERT_EQ(TestZone(), "Europe/Prague") << "run through ctest, which sets the zone";
  const Day cases[] = {{2038, 1, 20}, {2038, 2, 1}, {2100, 1, 1}, {1970, 1, 1}, {1969, 12, 31}};
  for (const Day& d : cases) {
    EXPECT_EQ(DayToTimestamp(d.year, d.month, d.day), -1) << d;
    const int32_t stored = CalendarDayToStoredTimestamp(d.year, d.month, d.day);
    EXPECT_EQ(stored, -3601) << d;
    CivilTime shown;
    EXPECT_FALSE(StoredTimestampToCalendarDay(stored, &shown)) << d;
    bool converted = true;
    EXPECT_EQ(AppendedDdMmYy(stored, &converted), "000000") << d;
    EXPECT_FALSE(converted) << d;
  }
}

TEST(DatesInCentralEurope, CalendarDayShownForAStoredTimestamp) {
  ASSERT_EQ(TestZone(), "Europe/Prague") << "run through ctest, which sets the zone";
  const struct {
    int32_t stored;
    bool shown;
    Day day;
    int time;  // hhmmss one hour after the stored instant, standard time
  } cases[] = {
      // The start-up default, 24 September 2014 10:00 summer time: the
      // calendar shows the next day.
      {1411545600, true, {2014, 9, 25}, 100000},
      {0, true, {1970, 1, 2}, 20000},  // a calendar that had no selection
      {-3600, true, {1970, 1, 2}, 10000},
      {-3601, false, {0, 0, 0}, 0},
      {INT32_MIN, false, {0, 0, 0}, 0},
      {INT32_MAX, true, {2038, 1, 20}, 51407},
  };
  for (const auto& c : cases) {
    CivilTime shown;
    EXPECT_EQ(StoredTimestampToCalendarDay(c.stored, &shown), c.shown) << c.stored;
    if (!c.shown) continue;
    EXPECT_EQ((Day{shown.year, shown.month, shown.day}), c.day) << c.stored;
    EXPECT_EQ(shown.hour * 10000 + shown.minute * 100 + shown.second, c.time) << c.stored;
  }
  // Storing the start-up day again gives 22:59 standard time on the 24th.
  const int32_t stored = CalendarDayToStoredTimestamp(2014, 9, 25);
  EXPECT_EQ(stored, 1411595940);
  bool converted = false;
  EXPECT_EQ(AppendedDdMmYy(stored, &converted), "240914");
}

// What each zone of the test run gives: the stored timestamps of 1 January
// and 1 July 2014 are 22:59 standard time on the day before. Sydney has its
// summer time around the turn of the year, so that between them the zones
// have daylight saving in force in every month.
struct ZoneFacts {
  const char* zone;
  int32_t firstOfJanuary, firstOfJuly;
  const char* ddMmYyOfZero;
  const char* ddMmYyOfLargest;  // 2038-01-19 03:14:07 UTC
  int32_t storedOf19January2038;
};

const ZoneFacts kZones[] = {
    {"Europe/Prague", 1388527140, 1404165540, "010170", "190138", 2147464740},
    {"America/New_York", 1388548740, 1404187140, "311269", "180138", -3601},
    {"Asia/Tokyo", 1388498340, 1404136740, "010170", "190138", 2147435940},
    {"Australia/Sydney", 1388494740, 1404133140, "010170", "190138", 2147432340},
};

const ZoneFacts& Zone() {
  for (const ZoneFacts& facts : kZones) {
    if (TestZone() == facts.zone) return facts;
  }
  ADD_FAILURE() << "zone \"" << TestZone() << "\" has no facts here";
  return kZones[0];
}

TEST(DatesInEveryZone, StoredTimestampsFollowTheZone) {
  const ZoneFacts& zone = Zone();
  EXPECT_EQ(CalendarDayToStoredTimestamp(2014, 1, 1), zone.firstOfJanuary) << zone.zone;
  EXPECT_EQ(CalendarDayToStoredTimestamp(2014, 7, 1), zone.firstOfJuly) << zone.zone;
  EXPECT_EQ(CalendarDayToStoredTimestamp(2038, 1, 19), zone.storedOf19January2038) << zone.zone;
  EXPECT_EQ(CalendarDayToStoredTimestamp(2038, 1, 20), -3601) << zone.zone;
}

TEST(DatesInEveryZone, AppendDdMmYyOfTheLimits) {
  const ZoneFacts& zone = Zone();
  const struct {
    int32_t timestamp;
    const char* expected;
    bool converted;
  } cases[] = {
      {0, zone.ddMmYyOfZero, true}, {INT32_MAX, zone.ddMmYyOfLargest, true},
      {-1, "000000", false},        {-3601, "000000", false},
      {INT32_MIN, "000000", false},
  };
  for (const auto& c : cases) {
    bool converted = !c.converted;
    EXPECT_EQ(AppendedDdMmYy(c.timestamp, &converted), c.expected) << c.timestamp;
    EXPECT_EQ(converted, c.converted) << c.timestamp;
  }
  std::string text = "x";
  AppendDdMmYy(text, 1409522340);
  AppendDdMmYy(text, -1);
  EXPECT_EQ(text.substr(0, 1), "x");
  EXPECT_EQ(text.size(), 13u);
  EXPECT_EQ(text.substr(7), "000000");
}

// Every day that the calendar can store comes back as the same day, its
// stored timestamp lies exactly one day after the one before (standard time
// has no seasons) and reads on the local clock as the day before.
TEST(DatesInEveryZone, EveryDayComesBackFromItsStoredTimestamp) {
  const ZoneFacts& zone = Zone();
  int failures = 0;
  Day before = {1970, 1, 1};
  int64_t expected = zone.firstOfJanuary - int64_t{86400} * (365 * 44 + 11);  // 1970-01-01
  for (Day d = {1970, 1, 2}; d.year < 2038 && failures < 10; before = d, d = NextDay(d)) {
    expected += 86400;
    const int32_t stored = CalendarDayToStoredTimestamp(d.year, d.month, d.day);
    CivilTime shown;
    const bool ok = StoredTimestampToCalendarDay(stored, &shown);
    bool converted = false;
    const std::string oldBalanceDate = AppendedDdMmYy(stored, &converted);
    const Day shownDay = {shown.year, shown.month, shown.day};
    if (stored != expected || !ok || !(shownDay == d) || shown.hour != 23 || shown.minute != 59 ||
        shown.second != 0 || !converted || oldBalanceDate != DdMmYy(before)) {
      ADD_FAILURE() << zone.zone << " " << d << ": stored " << stored << " (expected " << expected
                    << "), shown " << shownDay << " " << shown.hour << ":" << shown.minute << ":"
                    << shown.second << ", old-balance date " << oldBalanceDate;
      ++failures;
    }
  }
  EXPECT_EQ(before, (Day{2037, 12, 31}));
}

// Runs with daylight saving in force in one zone or another whatever the
// month.
TEST(DatesInEveryZone, CurrentTimestampIsNow) {
  const int64_t before = static_cast<int64_t>(std::time(nullptr));
  const int32_t now = CurrentTimestamp();
  const int64_t after = static_cast<int64_t>(std::time(nullptr));
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
}

}  // namespace
}  // namespace tarvolo
