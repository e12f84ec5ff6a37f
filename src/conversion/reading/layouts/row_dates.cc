#include "conversion/reading/layouts/row_dates.h"

#include "conversion/reading/layouts/column_vocabulary.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// "17:54" or "17:54:08".
bool IsClockTime(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  size_t i = 0;
  for (int part = 0; part < 3 && i < text.size(); ++part) {
    if (part > 0 && text[i++] != ':') return false;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (digits == 0 || digits > 2) return false;
  }
  return i == text.size() && text.find(':') != std::string_view::npos;
}

}  // namespace

bool ReadLayoutDate(std::string_view text, const LayoutRules& rules, ItemDate* date,
                    bool monthFirst) {
  const size_t comma = rules.commaBeforeTime ? text.find(',') : std::string_view::npos;
  if (comma != std::string_view::npos && IsClockTime(text.substr(comma + 1))) {
    text = text.substr(0, comma);
  }
  // DD.MM.YY, this century's.
  if (rules.twoDigitYears && text.size() == 8 && text[2] == '.' && text[5] == '.') {
    for (const size_t i : {0, 1, 3, 4, 6, 7}) {
      if (!IsDigit(text[i])) return false;
    }
    const auto number = [text](size_t i) {
      return static_cast<int32_t>((text[i] - '0') * 10 + (text[i + 1] - '0'));
    };
    *date = {2000 + number(6), number(3), number(0)};
    return IsRealDate(*date);
  }
  return ReadItemDate(text, date, monthFirst);
}

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
  const LayoutRules& rules = row_.layout().rules;
  if (mark == text.size() || mark > 2 || text[mark] == '.') {
    return ReadLayoutDate(text, rules, date, false);
  }
  ItemDate a, b;
  const bool dayFirst = ReadLayoutDate(text, rules, &a, false);
  const bool monthFirst = ReadLayoutDate(text, rules, &b, true);
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
