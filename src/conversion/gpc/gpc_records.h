#ifndef TARVOLO_CONVERSION_GPC_GPC_RECORDS_H_
#define TARVOLO_CONVERSION_GPC_GPC_RECORDS_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "conversion/statement/statement.h"

namespace tarvolo {

// The two lines of a GPC file, field by field: the writer, the header's
// composer, the read-back check and the fuzzers all lay out or read a line
// from these tables and from nothing else.

// Characters of a line without its CR LF, and with it.
constexpr size_t kGpcLineWidth = 128;
constexpr size_t kGpcLineLength = 130;

enum class GpcFieldKind {
  kConstant,  // the record type, or the header's blank tail
  kNumber,    // digits only
  kDate,      // digits only, DDMMYY, a real day
  kText,      // any characters
  kCode,      // one character with its own rule (a sign, the accounting code)
};

struct GpcField {
  size_t first;  // position from 0
  size_t width;
  GpcFieldKind kind;
  const char* name;  // in the read-back check's problems, Windows-1250
};

// The "075" item, in the order of the line.
enum ItemField {
  kItemType,
  kItemOwnAccount,
  kItemCounterAccount,
  kItemDocumentNumber,
  kItemAmount,
  kItemAccountingCode,
  kItemVariableSymbol,
  kItemBankCode,
  kItemConstantSymbol,
  kItemSpecificSymbol,
  kItemDueDate,
  kItemDescription,
  kItemCurrencyCode,
  kItemDate,
  kItemFieldCount
};

inline constexpr GpcField kItemFields[kItemFieldCount] = {
    {0, 3, GpcFieldKind::kConstant, "typ záznamu"},
    {3, 16, GpcFieldKind::kNumber, "číslo účtu"},
    {19, 16, GpcFieldKind::kNumber, "protiúčet"},
    {35, 13, GpcFieldKind::kNumber, "číslo dokladu"},
    {48, 12, GpcFieldKind::kNumber, "částka"},
    {60, 1, GpcFieldKind::kCode, "kód účtování"},
    {61, 10, GpcFieldKind::kNumber, "variabilní symbol"},
    {71, 6, GpcFieldKind::kNumber, "kód banky"},
    {77, 4, GpcFieldKind::kNumber, "konstantní symbol"},
    {81, 10, GpcFieldKind::kNumber, "specifický symbol"},
    {91, 6, GpcFieldKind::kDate, "datum splatnosti"},
    {97, 20, GpcFieldKind::kText, "popis"},
    {117, 5, GpcFieldKind::kNumber, "kód měny"},
    {122, 6, GpcFieldKind::kDate, "datum"},
};

// The "074" header, in the order of the line.
enum HeaderField {
  kHeaderType,
  kHeaderAccount,
  kHeaderAccountName,
  kHeaderOldBalanceDate,
  kHeaderOldBalance,
  kHeaderOldBalanceSign,
  kHeaderNewBalance,
  kHeaderNewBalanceSign,
  kHeaderDebits,
  kHeaderDebitsSign,
  kHeaderCredits,
  kHeaderCreditsSign,
  kHeaderStatementNumber,
  kHeaderStatementDate,
  kHeaderTail,
  kHeaderFieldCount
};

inline constexpr GpcField kHeaderFields[kHeaderFieldCount] = {
    {0, 3, GpcFieldKind::kConstant, "typ záznamu"},
    {3, 16, GpcFieldKind::kNumber, "číslo účtu"},
    {19, 20, GpcFieldKind::kText, "název účtu"},
    {39, 6, GpcFieldKind::kDate, "datum starého zůstatku"},
    {45, 14, GpcFieldKind::kNumber, "starý zůstatek"},
    {59, 1, GpcFieldKind::kCode, "znaménko starého zůstatku"},
    {60, 14, GpcFieldKind::kNumber, "nový zůstatek"},
    {74, 1, GpcFieldKind::kCode, "znaménko nového zůstatku"},
    {75, 14, GpcFieldKind::kNumber, "obrat debet"},
    {89, 1, GpcFieldKind::kCode, "znaménko obratu debet"},
    {90, 14, GpcFieldKind::kNumber, "obrat kredit"},
    {104, 1, GpcFieldKind::kCode, "znaménko obratu kredit"},
    {105, 3, GpcFieldKind::kNumber, "číslo výpisu"},
    {108, 6, GpcFieldKind::kDate, "datum výpisu"},
    {114, 14, GpcFieldKind::kConstant, "konec"},
};

// Whether a table's fields follow each other without a gap from position 0
// and fill the line.
template <size_t N>
constexpr bool FillsLine(const GpcField (&fields)[N]) {
  size_t next = 0;
  for (const GpcField& field : fields) {
    if (field.first != next || field.width == 0) return false;
    next += field.width;
  }
  return next == kGpcLineWidth;
}

static_assert(FillsLine(kItemFields), "the item fields are contiguous and 128 wide");
static_assert(FillsLine(kHeaderFields), "the header fields are contiguous and 128 wide");
static_assert(kItemFields[kItemDocumentNumber].width == kDocumentNumberWidth,
              "an item's number fits the record whole");

// The positions whose bytes must be digits: 0xFF there, 0 elsewhere.
struct DigitMask {
  unsigned char bytes[kGpcLineWidth] = {};
  template <size_t N>
  constexpr explicit DigitMask(const GpcField (&fields)[N]) {
    for (const GpcField& field : fields) {
      if (field.kind != GpcFieldKind::kNumber && field.kind != GpcFieldKind::kDate) continue;
      for (size_t i = 0; i < field.width; ++i) bytes[field.first + i] = 0xFF;
    }
  }
};

// Writers of one field of a line at `line`. A value wider than its field
// keeps its last characters; they return false when that happened.

// Right-aligned, `fill` in front. A field that holds `fill` already
// (`kOverFill`) gets only the text.
template <bool kOverFill = false>
inline bool PutRightAligned(char* line, const GpcField& field, const char* text, size_t length,
                            char fill) {
  char* out = line + field.first;
  if (length >= field.width) {
    std::memcpy(out, text + (length - field.width), field.width);
    return length == field.width;
  }
  if (!kOverFill) std::memset(out, fill, field.width - length);
  // An empty text may have no bytes at all to point to.
  if (length > 0) std::memcpy(out + (field.width - length), text, length);
  return true;
}

// Left-aligned, cut to its first characters, `fill` after it.
template <bool kOverFill = false>
inline void PutLeftAligned(char* line, const GpcField& field, const char* text, size_t length,
                           char fill) {
  const size_t kept = length < field.width ? length : field.width;
  if (kept > 0) std::memcpy(line + field.first, text, kept);
  if (!kOverFill) std::memset(line + field.first + kept, fill, field.width - kept);
}

// "00" to "99", one pair after the other.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324"
    "25262728293031323334353637383940414243444546474849"
    "50515253545556575859606162636465666768697071727374"
    "75767778798081828384858687888990919293949596979899";

// The eight digits of `value` (below 100,000,000), zeros in front, at
// `out`. The word splits its halves of four digits, then their pairs, then
// their digits, all at once: account numbers and amounts have eight digits
// and more, which cost four rounds of division by 100 otherwise.
inline void PutEightDigits(char* out, uint32_t value) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  // Four digits in each half, the first ones in the low half.
  uint64_t word = value / 10000 | static_cast<uint64_t>(value % 10000) << 32;
  // (x * 10486) >> 20 is x / 100 and (x * 103) >> 10 is x / 10 for the
  // values each part holds.
  const uint64_t hundreds = (word * 10486) >> 20 & 0x0000007F0000007Fu;
  word = hundreds | (word - hundreds * 100) << 16;
  const uint64_t tens = (word * 103) >> 10 & 0x000F000F000F000Fu;
  word = (tens | (word - tens * 10) << 8) + 0x3030303030303030u;
  std::memcpy(out, &word, sizeof word);
#else
  for (int i = 7; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
#endif
}

// A count in decimal digits, zeros in front; eight digits at once where
// the count is large, two per division else. A field that holds zeros
// already (`kOverZeros`) gets only the digits from the highest one that is
// not zero on.
template <bool kOverZeros = false>
inline bool PutDigits(char* line, const GpcField& field, uint64_t value) {
  char* const first = line + field.first;
  char* out = first + field.width;
  if (field.width >= 8 && value >= 1000000) {
    out -= 8;
    PutEightDigits(out, static_cast<uint32_t>(value % 100000000));
    value /= 100000000;
  }
  // Most values fit 32 bits, whose divisions by 100 cost less.
  if (value <= UINT32_MAX) {
    uint32_t small = static_cast<uint32_t>(value);
    for (; (!kOverZeros || small >= 10) && out - first >= 2; small /= 100) {
      out -= 2;
      std::memcpy(out, kDigitPairs + 2 * static_cast<size_t>(small % 100), 2);
    }
    value = small;
  }
  for (; (!kOverZeros || value >= 10) && out - first >= 2; value /= 100) {
    out -= 2;
    std::memcpy(out, kDigitPairs + 2 * static_cast<size_t>(value % 100), 2);
  }
  if (out != first && (!kOverZeros || value != 0)) {
    *--out = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return value == 0;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_GPC_RECORDS_H_
