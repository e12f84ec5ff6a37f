#include "conversion/reading/layouts/field_values.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_LAYOUT_SSE2 1
#else
#define TARVOLO_LAYOUT_SSE2 0
#endif

#include "conversion/reading/layouts/content_numbers.h"
#include "conversion/values/byte_hash.h"
#include "conversion/values/digits.h"
#include "platform/civil_date.h"

namespace tarvolo {
namespace {

// The one-line text as it stands in `text`, when it holds no line break or
// tab within `width`; false otherwise.
bool PlainOneLine(std::string_view text, size_t width, std::string_view* plain) {
  const size_t limit = text.size() < width ? text.size() : width;
#if TARVOLO_LAYOUT_SSE2
  if (limit >= 16) {
    // Sixteen bytes at a time, the last block overlapping the one before.
    const __m128i highestBlank = _mm_set1_epi8(0x1F);
    for (size_t i = 0;; i += 16) {
      if (i > limit - 16) i = limit - 16;
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      // A byte below 0x20 is the smaller of itself and 0x1F.
      if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, highestBlank), bytes)) != 0) {
        return false;
      }
      if (i == limit - 16) break;
    }
    *plain = text.substr(0, limit);
    return true;
  }
#endif
  size_t i = 0;
  // Eight bytes at a time: a byte below 0x20 sets its high bit in the test.
  for (; limit - i >= sizeof(uint64_t); i += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (((word - 0x2020202020202020u) & ~word & 0x8080808080808080u) != 0) return false;
  }
  for (; i < limit; ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x20) return false;
  }
  *plain = text.substr(0, limit);
  return true;
}

}  // namespace

bool HasDigit(std::string_view text) {
  for (char c : text) {
    if (c >= '0' && c <= '9') return true;
  }
  return false;
}

bool IsShortNumber(std::string_view text) {
  return !text.empty() && text.size() <= kDocumentNumberWidth && AllDigits(text);
}

// A payment service's id (a UUID, "TRANSFER-1000001") where the item has
// no variable symbol either: a number worked out from its bytes, the same
// on every run, so that an item without any number is never written and the
// accounting program can still tell items apart.
void NumberOfId(std::string_view id, std::string& out) { DocumentNumberOfHash(ByteHash(id), out); }

// At most `width` characters of a value for a one-line text: a quoted
// field may hold line breaks and tabs, each run of them becomes one blank.
std::string_view OneLine(std::string_view text, size_t width, std::string& out) {
  std::string_view plain;
  if (PlainOneLine(text, width, &plain)) return plain;
  out.clear();
  for (size_t i = 0; i < text.size() && out.size() < width; ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x20) {
      if (out.empty() || out.back() != ' ') out += ' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

bool IsPlainCurrencyCode(std::string_view text) {
  return text.size() == 3 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'A' && text[1] <= 'Z' &&
         text[2] >= 'A' && text[2] <= 'Z';
}

// The currency code of a column's value ("czk" and "CZK " are "CZK").
std::string CurrencyCode(std::string_view text) {
  // Mostly three capitals, taken as they stand.
  if (IsPlainCurrencyCode(text)) return std::string(text);
  std::string line;
  std::string code(OneLine(text, kCurrencyWidth, line));
  for (char& c : code) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  while (!code.empty() && code.back() == ' ') code.pop_back();
  // Czech banks and users write the koruna by its sign as often as by its code.
  if (code == "K\xC8" || code == "K\xE8" || code == "KC") return "CZK";
  return code;
}

// The day in Prague of a time written in UTC after a date ("2024-01-31
// 23:30:00" is 1 February): an hour more in winter, two from the last
// Sunday of March to the last Sunday of October (01:00 UTC both). A text
// without a time keeps its day.
bool InPrague(std::string_view text, ItemDate* date) {
  size_t at = text.find_first_of(" T");
  if (at == std::string_view::npos) return true;
  while (at < text.size() && (text[at] == ' ' || text[at] == 'T')) ++at;
  if (text.size() < at + 5 || text[at + 2] != ':') return true;
  const auto digit = [&text](size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  if (!digit(at) || !digit(at + 1) || !digit(at + 3) || !digit(at + 4)) return true;
  const int hour = (text[at] - '0') * 10 + (text[at + 1] - '0');
  const auto lastSunday = [](int32_t year, int32_t month) {
    // Day of the week by Sakamoto's method, 0 for Sunday.
    static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int32_t y = month < 3 ? year - 1 : year;
    const int32_t last = DaysInMonth(year, month);
    const int weekday = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + last) % 7;
    return last - weekday;
  };
  const int32_t start = lastSunday(date->year, 3), end = lastSunday(date->year, 10);
  const bool summer =
      (date->month > 3 && date->month < 10) ||
      (date->month == 3 && (date->day > start || (date->day == start && hour >= 1))) ||
      (date->month == 10 && (date->day < end || (date->day == end && hour < 1)));
  if (hour + (summer ? 2 : 1) < 24) return true;
  if (++date->day > DaysInMonth(date->year, date->month)) {
    date->day = 1;
    if (++date->month > 12) date->month = 1, ++date->year;
  }
  return true;
}

}  // namespace tarvolo
