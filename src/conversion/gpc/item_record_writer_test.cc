#include "conversion/gpc/item_record_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// Items carry whole years; the record keeps two digits, and a year its
// readers would take for another century is reported as cut.
TEST(ItemRecordWriter, WritesTwoDigitsOfTheYear) {
  struct Case {
    int32_t year, valueYear;
    const char* date;       // the item's date field, DDMMYY
    const char* valueDate;  // the due date's field
    size_t cuts;
  } cases[] = {
      {2014, 2014, "240914", "240914", 0}, {2000, 2000, "240900", "240900", 0},
      {2099, 2014, "240999", "240914", 0}, {1999, 2014, "240999", "240914", 1},
      {2100, 2100, "240900", "240900", 1}, {2014, 1900, "240914", "240900", 1},
  };
  for (const Case& c : cases) {
    StatementItem item;
    item.line = 2;
    item.day = item.valueDay = 24;
    item.month = item.valueMonth = 9;
    item.year = c.year;
    item.valueYear = c.valueYear;
    std::vector<FieldCut> cuts;
    ItemRecordWriter writer("0000002000145399", &cuts);
    std::string record;
    writer.Append(item, record);
    ASSERT_EQ(record.size(), kRecordLength) << c.year;
    EXPECT_EQ(record.substr(122, 6), c.date) << c.year;
    EXPECT_EQ(record.substr(91, 6), c.valueDate) << c.valueYear;
    ASSERT_EQ(cuts.size(), c.cuts) << c.year << " " << c.valueYear;
    for (const FieldCut& cut : cuts) {
      EXPECT_EQ(cut.lineNumber, 2);
      EXPECT_STREQ(cut.field, "rok");
    }
  }
}

}  // namespace
}  // namespace tarvolo
