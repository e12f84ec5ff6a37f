#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_DATES_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_DATES_H_

#include <string_view>
#include <vector>

#include "conversion/reading/layouts/row_fields.h"
#include "conversion/reading/layouts/row_warnings.h"
#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

// Reads a date as the layout writes it (ReadItemDate, and the forms of
// `rules`).
bool ReadLayoutDate(std::string_view text, const LayoutRules& rules, ItemDate* date,
                    bool monthFirst = false);

// The dates of a layout's rows. The order of day and month the file's
// N/N/YYYY dates take is looked for once, when a date first needs it.
class RowDates {
 public:
  // The booking date stands in `column`; `warnings` learns an order of day
  // and month that the file's dates leave open.
  RowDates(const RowFields& row, int column, RowWarnings* warnings)
      : row_(row), column_(column), warnings_(warnings) {}

  // Whether the header names the date columns' times as UTC.
  void ReadHeader(const std::vector<std::string_view>& names);
  int column() const { return column_; }

  // The booking date, as its day in Prague where the file writes UTC times.
  bool Date(ItemDate* date);
  std::string_view DateText() const { return row_.Column(column_); }
  // The value date where the layout has one, else the booking date.
  ItemDate ValueDate(const ItemDate& booking);

 private:
  bool ReadDate(std::string_view text, ItemDate* date);
  bool MonthFirst();

  const RowFields& row_;
  int column_;
  RowWarnings* warnings_;
  bool utcTimes_ = false;
  bool valueUtcTimes_ = false;  // the value date's column is in UTC too
  bool monthFirst_ = false;
  bool orderKnown_ = false;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_DATES_H_
