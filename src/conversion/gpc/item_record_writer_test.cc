#include "conversion/gpc/item_record_writer.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/gpc/gpc_records.h"

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

// Counts of eight digits and more are written eight at a time: every field
// width, with and without zeros in it already, gives "%0*llu" cut to its
// last digits, and says whether the count fitted.
TEST(PutDigits, WritesTheCountsLastDigitsZerosInFront) {
  const uint64_t values[] = {0,
                             7,
                             10,
                             999999,
                             1000000,
                             12345678,
                             99999999,
                             100000000,
                             123456789,
                             1000000007,
                             9999999999,
                             10000000000,
                             4294967295u,
                             4294967296u,
                             999999999999,
                             1000000000000,
                             12345678901234567ull,
                             UINT64_MAX};
  for (const size_t width : {2, 6, 8, 10, 12, 16}) {
    for (const uint64_t value : values) {
      char expected[32];
      const int length =
          std::snprintf(expected, sizeof expected, "%0*" PRIu64, static_cast<int>(width), value);
      const char* last = expected + length - width;
      const GpcField field = {3, width, GpcFieldKind::kNumber, ""};
      char zeros[24], marks[24];
      std::memset(zeros, '0', sizeof zeros);
      std::memset(marks, '#', sizeof marks);
      const bool fitsZeros = PutDigits<true>(zeros, field, value);
      const bool fitsMarks = PutDigits<false>(marks, field, value);
      const std::string shown = std::to_string(value) + " in " + std::to_string(width);
      EXPECT_EQ(std::string(zeros + 3, width), std::string(last, width)) << shown;
      EXPECT_EQ(std::string(marks + 3, width), std::string(last, width)) << shown;
      EXPECT_EQ(std::string(marks, 3), "###") << shown;
      EXPECT_EQ(std::string(marks + 3 + width, 2), "##") << shown;
      EXPECT_EQ(fitsZeros, static_cast<size_t>(length) == width) << shown;
      EXPECT_EQ(fitsMarks, static_cast<size_t>(length) == width) << shown;
    }
  }
}

}  // namespace
}  // namespace tarvolo
