#include "conversion/reading/layouts/row_dates.h"

#include "conversion/reading/layouts/column_vocabulary.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/values/digits.h"

namespace tarvolo {

void RowDates::ReadHeader(const std::vector<std::string_view>& names) {
  if (column_ >= 0 && static_cast<size_t>(column_) < names.size()) {
    utcTimes_ = ReadHeaderWords(names[column_]).utc;
  }
  const int value = row_.layout().Column(ColumnRole::kValueDate);
  if (value >= 0 && static_cast<size_t>(value) < names.size()) {
    valueUtcTimes_ = ReadHeaderWords(names[value]).utc;
  }
}

// The order of day and month in N/N/YYYY dates, looked for once, when a date
// needs it.
bool RowDates::MonthFirst() {
  if (orderKnown_) return monthFirst_;
  orderKnown_ = true;
  const DateOrder order = FileDateOrder(row_.text(), row_.layout(), column_);
  monthFirst_ = order.monthFirst;
  if (order.guessed) warnings_->GuessedDateOrder(row_.line(), monthFirst_);
  return monthFirst_;
}

bool RowDates::ReadDate(std::string_view text, ItemDate* date) {
  // Only N/N/YYYY and N-N-YYYY can be read the other way round.
  size_t mark = 0;
  while (mark < text.size() && IsDigit(text[mark])) ++mark;
  if (mark == text.size() || mark > 2 || text[mark] == '.') return ReadItemDate(text, date, false);
  ItemDate a, b;
  const bool dayFirst = ReadItemDate(text, &a, false);
  const bool monthFirst = ReadItemDate(text, &b, true);
  if (dayFirst && monthFirst && (a.day != b.day || a.month != b.month)) {
    *date = MonthFirst() ? b : a;
    return true;
  }
  *date = dayFirst ? a : b;
  return dayFirst || monthFirst;
}

bool RowDates::Date(ItemDate* date) {
  const std::string_view text = DateText();
  return ReadDate(text, date) && (!utcTimes_ || InPrague(text, date));
}

ItemDate RowDates::ValueDate(const ItemDate& booking) {
  ItemDate value = booking;
  const std::string_view text = row_.Field(ColumnRole::kValueDate);
  if (!text.empty() && (!ReadDate(text, &value) || (valueUtcTimes_ && !InPrague(text, &value)))) {
    // The booking date stands in for it, which the log names.
    value = booking;
    warnings_->UnreadValueDate(row_.line(), text);
  }
  return value;
}

}  // namespace tarvolo
