#include "ui/calendar_date.h"

#include "platform/civil_date.h"
#include "test_dialog.h"

namespace tarvolo {
namespace {

class CalendarDateTest : public TestDialog {
 protected:
  void SetUp() override {
    TestDialog::SetUp();
    ASSERT_NE(Open({nullptr, 1, IDD_TEST, nullptr, nullptr, nullptr}), nullptr);
    ShowWindow(window_, SW_HIDE);  // nothing to paint on every change
  }
};

// Central European Time; the test runs with TZ=Europe/Prague.
TEST_F(CalendarDateTest, CentralEuropeanDays) {
  const struct {
    int year, month, day;
    int32_t stored;
  } cases[] = {
      {2014, 9, 1, 1409522340}, {2014, 7, 15, 1405375140}, {2014, 12, 1, 1417384740},
      {2015, 1, 1, 1420063140}, {2016, 3, 1, 1456783140},  {2038, 1, 19, 2147464740},
      {2038, 1, 20, -3601},
  };
  for (const auto& c : cases) {
    const int day = c.year * 10000 + c.month * 100 + c.day;
    SelectDay(c.year, c.month, c.day);
    ASSERT_EQ(SelectedDay(), day);
    EXPECT_EQ(ReadCalendarDate(window_), c.stored) << day;

    SelectDay(2000, 6, 15);
    ShowCalendarDate(c.stored, window_);
    // A day that cannot be stored cannot be shown: the calendar keeps its day.
    EXPECT_EQ(SelectedDay(), c.stored < 0 ? 20000615 : day) << day;
  }
}

// In every zone the day read from the calendar is shown again, in every
// season and at every month's and year's end.
TEST_F(CalendarDateTest, EveryDayComesBack) {
  int failures = 0;
  for (int year = 1970; year <= 2037; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        SelectDay(year, month, day);
        const int32_t stored = ReadCalendarDate(window_);
        if (stored < 0) continue;  // 1 January 1970 east of UTC
        SelectDay(year == 2000 ? 2001 : 2000, 6, 15);
        ShowCalendarDate(stored, window_);
        const int expected = year * 10000 + month * 100 + day;
        if (SelectedDay() != expected && ++failures <= 5) {
          ADD_FAILURE() << expected << " stored as " << stored << " shows " << SelectedDay();
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace tarvolo
