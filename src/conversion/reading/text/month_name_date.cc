#include "conversion/reading/text/month_name_date.h"

#include <cstddef>
#include <cstdint>

#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

constexpr const char* kMonths[] = {"january",   "february", "march",    "april",
                                   "may",       "june",     "july",     "august",
                                   "september", "october",  "november", "december"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The month the letters `word` name, whole or by their first three (and
// "Sept"); 0 for none.
int32_t MonthOfName(std::string_view word) {
  if (word.size() < 3) return 0;
  for (int32_t month = 1; month <= 12; ++month) {
    const std::string_view name = kMonths[month - 1];
    if (word.size() > name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < word.size() && same; ++i) same = Lower(word[i]) == name[i];
    if (same &&
        (word.size() == 3 || word.size() == name.size() || (month == 9 && word.size() == 4))) {
      return month;
    }
  }
  return 0;
}

// Reads 1 to `maxDigits` digits at `*i`; false for none or more.
bool ReadNumber(std::string_view text, size_t* i, size_t maxDigits, int32_t* value) {
  const size_t start = *i;
  while (*i < text.size() && IsDigit(text[*i])) ++*i;
  return ReadDigitsOnly(text.substr(start, *i - start), maxDigits, value);
}

}  // namespace

bool ReadMonthNameDate(std::string_view text, CivilDate* date) {
  size_t i = 0;
  int32_t day = 0, year = 0;
  // "26 Jun 2018", "26. June 2018": the day before the month.
  const bool dayFirst = i < text.size() && IsDigit(text[i]);
  if (dayFirst) {
    if (!ReadNumber(text, &i, 2, &day)) return false;
    if (i < text.size() && text[i] == '.') ++i;
    const size_t afterDay = i;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == afterDay) return false;
  }
  const size_t monthStart = i;
  while (i < text.size() && IsAsciiLetter(text[i])) ++i;
  const int32_t month = MonthOfName(text.substr(monthStart, i - monthStart));
  if (month == 0) return false;
  if (i < text.size() && text[i] == '.') ++i;
  const size_t blanks = i;
  while (i < text.size() && text[i] == ' ') ++i;
  if (!dayFirst) {
    if (i == blanks || !ReadNumber(text, &i, 2, &day)) return false;
  }
  // The year needs a comma or a blank before it.
  const size_t afterDay = dayFirst ? blanks : i;
  if (i < text.size() && text[i] == ',') ++i;
  while (i < text.size() && text[i] == ' ') ++i;
  const size_t yearStart = i;
  if (i == afterDay || !ReadNumber(text, &i, 4, &year) || i - yearStart != 4) return false;
  if (i < text.size() && text[i] != ' ') return false;
  const CivilDate read = {year, month, day};
  if (year < 1900 || year > 2099 || !IsRealDate(read)) return false;
  *date = read;
  return true;
}

}  // namespace tarvolo
