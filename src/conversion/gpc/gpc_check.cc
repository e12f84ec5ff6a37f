#include "conversion/gpc/gpc_check.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "conversion/gpc/gpc_records.h"
#include "conversion/gpc/heller_sum.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "platform/civil_date.h"

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_GPC_SSE2 1
#else
#define TARVOLO_GPC_SSE2 0
#endif

namespace tarvolo {
namespace {

constexpr size_t kLineLength = kGpcLineWidth;
constexpr size_t kOwnAccountWidth = kItemFields[kItemOwnAccount].width;
static_assert(kHeaderFields[kHeaderAccount].width == kOwnAccountWidth);

std::string_view Text(std::string_view line, const GpcField& f) {
  return line.substr(f.first, f.width);
}

constexpr uint64_t kHigh = 0xF0F0F0F0F0F0F0F0u, kThrees = 0x3030303030303030u,
                   kSixes = 0x0606060606060606u;

// Whether eight bytes are all ASCII digits: each has 3 as its high half,
// and still has after adding 6 (no carry can reach a byte that passes).
inline bool EightDigits(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, sizeof x);
  return (x & kHigh) == kThrees && ((x + kSixes) & kHigh) == kThrees;
}

bool AllDigits(std::string_view text) {
  const char* p = text.data();
  const size_t n = text.size();
  if (n >= 8) {
    for (size_t i = 0; i + 8 < n; i += 8) {
      if (!EightDigits(p + i)) return false;
    }
    return EightDigits(p + n - 8);
  }
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Whether every byte of a line that `mask` marks is a digit, eight at once:
// a line has a hundred of them. A carry out of a byte that is no digit can
// only make a digit look wrong, never the reverse, so a false answer is
// worked out again field by field.
bool MaskedDigits(std::string_view line, const DigitMask& mask) {
  uint64_t wrong = 0;
  for (size_t i = 0; i < kLineLength; i += 8) {
    uint64_t x, m;
    std::memcpy(&x, line.data() + i, sizeof x);
    std::memcpy(&m, mask.bytes + i, sizeof m);
    wrong |= (((x & kHigh) ^ kThrees) | (((x + kSixes) & kHigh) ^ kThrees)) & m;
  }
  return wrong == 0;
}

constexpr DigitMask kHeaderDigits(kHeaderFields);
constexpr DigitMask kItemDigits(kItemFields);

// The value of a field already checked to hold digits alone.
int64_t Number(std::string_view text) {
  int64_t value = 0;
  ReadDigitsOnly(text, text.size(), &value);
  return value;
}

// The value of eight bytes known to be digits, the first the highest, in
// three steps: pairs, then fours, then all eight.
inline uint64_t EightDigitsValue(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, sizeof x);
  x -= kThrees;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  x = __builtin_bswap64(x);
#endif
  x = (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FFu;
  x = (x * 100 + (x >> 16)) & 0x0000FFFF0000FFFFu;
  return (x * 10000 + (x >> 32)) & 0xFFFFFFFFu;
}

// Number() of a text known to hold only digits: its first eight, then its
// last eight less those counted already.
int64_t DigitsValue(std::string_view text) {
  if (text.size() < 8 || text.size() > 16) return Number(text);
  static constexpr uint32_t kPowers[9] = {1,      10,      100,      1000,     10000,
                                          100000, 1000000, 10000000, 100000000};
  const size_t rest = text.size() - 8;
  const auto last = static_cast<uint32_t>(EightDigitsValue(text.data() + rest));
  return static_cast<int64_t>(EightDigitsValue(text.data()) * kPowers[rest] + last % kPowers[rest]);
}

// Where a table's date fields stand, found once.
template <size_t N>
struct DateFieldList {
  size_t index[N] = {};
  size_t count = 0;
  constexpr explicit DateFieldList(const GpcField (&fields)[N]) {
    for (size_t i = 0; i < N; ++i) {
      if (fields[i].kind == GpcFieldKind::kDate) index[count++] = i;
    }
  }
};

constexpr DateFieldList kHeaderDates(kHeaderFields);
constexpr DateFieldList kItemDates(kItemFields);

int TwoDigits(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

bool IsRealDay(std::string_view ddmmyy) {
  const char* p = ddmmyy.data();
  return IsRealDate({2000 + TwoDigits(p + 4), TwoDigits(p + 2), TwoDigits(p)});
}

std::string ShownCrowns(int64_t hellers) {
  std::string text;
  Render(text, "%.2f", {Crowns(hellers)});
  return text;
}

// One statement: its header's values and the sums of its items so far.
struct Statement {
  int line = 0;
  std::string account;
  int64_t oldBalance = 0, newBalance = 0, debits = 0, credits = 0;
  HellerSum itemDebits, itemCredits;
};

// Whether a record's bytes hold a CR or an LF: the bytes of a whole line are
// looked at in one go, as nearly every line of a file is a sound record.
bool HasLineEnd(const char* record) {
#if TARVOLO_GPC_SSE2
  const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
  __m128i found = _mm_setzero_si128();
  for (size_t i = 0; i < kLineLength; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(record + i));
    found = _mm_or_si128(found, _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
  }
  return _mm_movemask_epi8(found) != 0;
#else
  return std::memchr(record, '\r', kLineLength) != nullptr ||
         std::memchr(record, '\n', kLineLength) != nullptr;
#endif
}
static_assert(kLineLength % 16 == 0, "a record is read sixteen bytes at a time");

// Whether a record holds no CR or LF and digits wherever `mask` wants them,
// its bytes looked at once for both: the check of nearly every record.
bool SoundRecord(const char* record, const DigitMask& mask) {
#if TARVOLO_GPC_SSE2
  const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
  const __m128i belowZero = _mm_set1_epi8('0' - 1), aboveNine = _mm_set1_epi8('9' + 1);
  __m128i wrong = _mm_setzero_si128();
  for (size_t i = 0; i < kLineLength; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(record + i));
    const __m128i wanted = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask.bytes + i));
    // Bytes from 0x80 on compare as below zero, so they are no digits either.
    const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(v, belowZero), _mm_cmplt_epi8(v, aboveNine));
    wrong = _mm_or_si128(wrong, _mm_andnot_si128(digit, wanted));
    wrong = _mm_or_si128(wrong, _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
  }
  return _mm_movemask_epi8(wrong) == 0;
#else
  return !HasLineEnd(record) && MaskedDigits(std::string_view(record, kLineLength), mask);
#endif
}

class Checker {
 public:
  std::vector<std::string> Check(std::string_view bytes) {
    if (bytes.empty()) {
      Problem(0, "soubor je prázdný");
      return problems_;
    }
    size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
      ++number;
      // A record as it is written: its bytes, then CR LF.
      if (bytes.size() - start >= kLineLength + 2 && bytes[start + kLineLength] == '\r' &&
          bytes[start + kLineLength + 1] == '\n') {
        const char* record = bytes.data() + start;
        if (inStatement_ && std::memcmp(record, "075", 3) == 0 &&
            SoundRecord(record, kItemDigits)) {
          CheckItemFields(number, std::string_view(record, kLineLength), true);
          start += kLineLength + 2;
          continue;
        }
        if (!HasLineEnd(record)) {
          CheckRecord(number, std::string_view(record, kLineLength));
          start += kLineLength + 2;
          continue;
        }
      }
      size_t end = bytes.find('\n', start);
      const bool hasLineFeed = end != std::string::npos;
      if (!hasLineFeed) end = bytes.size();
      std::string_view line(bytes.data() + start, end - start);
      const bool hasCrLf = hasLineFeed && !line.empty() && line.back() == '\r';
      if (hasCrLf) line.remove_suffix(1);
      start = end + 1;
      if (!hasCrLf) Problem(number, "chybí konec řádku CR LF");
      CheckLine(number, line);
    }
    FinishStatement();
    if (!sawHeader_) Problem(0, "soubor neobsahuje hlavičku 074");
    return problems_;
  }

 private:
  void Problem(int line, const std::string& text) {
    std::string problem;
    if (line > 0) Render(problem, "řádek %d: ", {int32_t{line}});
    problems_.push_back(problem + text);
  }

  void CheckLine(int number, std::string_view line) {
    if (line.size() != kLineLength) {
      std::string text;
      Render(text, "délka %d znaků místo 128", {static_cast<int32_t>(line.size())});
      Problem(number, text);
      return;
    }
    // A program that reads lines up to a CR would break this one there.
    if (line.find('\r') != std::string_view::npos) Problem(number, "znak CR uvnitř řádku");
    CheckRecord(number, line);
  }

  // A line of the record's length.
  void CheckRecord(int number, std::string_view line) {
    const std::string_view type = line.substr(0, 3);
    if (type == "074") {
      CheckHeader(number, line);
    } else if (type == "075") {
      CheckItem(number, line);
    } else {
      Problem(number, "neznámý typ záznamu \"" + std::string(type) + "\"");
    }
  }

  // False when a field holds other characters than digits.
  template <size_t N>
  bool CheckDigits(int number, std::string_view line, const GpcField (&fields)[N],
                   const DigitMask& mask) {
    if (MaskedDigits(line, mask)) return true;
    bool ok = true;
    for (const GpcField& field : fields) {
      if (field.kind != GpcFieldKind::kNumber && field.kind != GpcFieldKind::kDate) continue;
      if (AllDigits(Text(line, field))) continue;
      std::string text;
      Render(text, "pole %s (pozice %d až %d) obsahuje jiné znaky než číslice",
             {field.name, static_cast<int32_t>(field.first + 1),
              static_cast<int32_t>(field.first + field.width)});
      Problem(number, text);
      ok = false;
    }
    return ok;
  }

  template <size_t N>
  void CheckDates(int number, std::string_view line, const GpcField (&fields)[N],
                  const DateFieldList<N>& dates, bool digits) {
    for (size_t i = 0; i < dates.count; ++i) {
      const GpcField& field = fields[dates.index[i]];
      const std::string_view date = Text(line, field);
      if ((digits || AllDigits(date)) && !IsKnownRealDay(date)) {
        Problem(number, std::string("pole ") + field.name +
                            " neobsahuje skutečný den: " + std::string(date));
      }
    }
  }

  // IsRealDay, remembering the month of the last real day and its length:
  // the items of a statement mostly share their month.
  bool IsKnownRealDay(std::string_view ddmmyy) {
    if (std::memcmp(ddmmyy.data() + 2, lastMonth_, sizeof lastMonth_) == 0) {
      const int day = TwoDigits(ddmmyy.data());
      return day >= 1 && day <= lastMonthDays_;
    }
    if (!IsRealDay(ddmmyy)) return false;
    std::memcpy(lastMonth_, ddmmyy.data() + 2, sizeof lastMonth_);
    const char* p = ddmmyy.data();
    lastMonthDays_ = DaysInMonth(2000 + TwoDigits(p + 4), TwoDigits(p + 2));
    return true;
  }

  // A header amount with its sign, which follows it; false when the sign is
  // not one of `signs`.
  bool SignedAmount(int number, std::string_view line, HeaderField field, const char* signs,
                    int64_t* value) {
    const GpcField& amount = kHeaderFields[field];
    const char sign = line[kHeaderFields[field + 1].first];
    *value = Number(Text(line, amount));
    if (sign == '-') *value = -*value;
    for (const char* s = signs; *s; ++s) {
      if (*s == sign) return true;
    }
    Problem(number, std::string("neplatné znaménko \"") + sign + "\" u pole " + amount.name);
    return false;
  }

  void CheckHeader(int number, std::string_view line) {
    FinishStatement();
    sawHeader_ = true;
    const bool digits = CheckDigits(number, line, kHeaderFields, kHeaderDigits);
    CheckDates(number, line, kHeaderFields, kHeaderDates, digits);
    statement_ = Statement();
    statement_.line = number;
    statement_.account = std::string(Text(line, kHeaderFields[kHeaderAccount]));
    bool signs = SignedAmount(number, line, kHeaderOldBalance, "+-", &statement_.oldBalance);
    signs &= SignedAmount(number, line, kHeaderNewBalance, "+-", &statement_.newBalance);
    signs &= SignedAmount(number, line, kHeaderDebits, "0+-", &statement_.debits);
    signs &= SignedAmount(number, line, kHeaderCredits, "0+-", &statement_.credits);
    open_ = digits && signs;
    inStatement_ = true;
  }

  void CheckItem(int number, std::string_view line) {
    if (!inStatement_) {
      Problem(number, "položka 075 stojí před hlavičkou 074");
      return;
    }
    CheckItemFields(number, line, CheckDigits(number, line, kItemFields, kItemDigits));
  }

  // An item of a statement, `digits` telling whether its number fields hold
  // digits alone.
  void CheckItemFields(int number, std::string_view line, bool digits) {
    CheckDates(number, line, kItemFields, kItemDates, digits);
    const std::string_view account = Text(line, kItemFields[kItemOwnAccount]);
    if (account.size() != statement_.account.size() ||
        std::memcmp(account.data(), statement_.account.data(), kOwnAccountWidth) != 0) {
      Problem(number, "vlastní účet " + std::string(account) + " se liší od účtu v hlavičce " +
                          statement_.account);
    }
    const char code = line[kItemFields[kItemAccountingCode].first];
    if (code < '1' || code > '5') {
      Problem(number, std::string("neplatný kód účtování \"") + code + "\"");
      open_ = false;
      return;
    }
    if (!digits) {
      open_ = false;
      return;
    }
    // 1 debit, 2 credit; 4 and 5 reverse a debit or a credit, 3 reverses a
    // debit too.
    const int64_t amount = DigitsValue(Text(line, kItemFields[kItemAmount]));
    switch (code) {
      case '1':
        statement_.itemDebits.Add(amount);
        break;
      case '2':
        statement_.itemCredits.Add(amount);
        break;
      case '3':
      case '4':
        statement_.itemDebits.Subtract(amount);
        break;
      case '5':
        statement_.itemCredits.Subtract(amount);
        break;
    }
  }

  // Checks the balances of the statement that ends here.
  void FinishStatement() {
    if (!inStatement_) return;
    inStatement_ = false;
    if (!open_) return;  // its fields were unreadable, already reported
    const Statement& s = statement_;
    if (s.oldBalance - s.debits + s.credits != s.newBalance) {
      Problem(s.line, "starý zůstatek " + ShownCrowns(s.oldBalance) + " - obrat debet " +
                          ShownCrowns(s.debits) + " + obrat kredit " + ShownCrowns(s.credits) +
                          " není nový zůstatek " + ShownCrowns(s.newBalance));
    }
    CheckTurnover(s.line, "obrat debet", s.debits, s.itemDebits);
    CheckTurnover(s.line, "obrat kredit", s.credits, s.itemCredits);
  }

  void CheckTurnover(int line, const char* name, int64_t turnover, const HellerSum& items) {
    if (!items.representable()) {
      Problem(line, std::string(name) + " " + ShownCrowns(turnover) +
                        " nesouhlasí se součtem položek, který je větší, než lze vyjádřit");
    } else if (items.value() != turnover) {
      Problem(line, std::string(name) + " " + ShownCrowns(turnover) +
                        " nesouhlasí se součtem položek " + ShownCrowns(items.value()));
    }
  }

  std::vector<std::string> problems_;
  Statement statement_;
  bool inStatement_ = false;
  bool open_ = false;
  bool sawHeader_ = false;
  char lastMonth_[4] = {};  // MMYY of the last real day, none yet
  int lastMonthDays_ = 0;
};

}  // namespace

std::vector<std::string> CheckGpcStatement(std::string_view bytes) {
  return Checker().Check(bytes);
}

}  // namespace tarvolo
