#include "conversion/gpc_check.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

#include "conversion/fixed_width.h"
#include "conversion/heller_sum.h"

namespace tarvolo {
namespace {

constexpr size_t kLineLength = 128;

// A field by its positions, counted from 1 as in the record layouts.
struct Field {
  int first;
  int last;
  const char* name;
};

const Field kHeaderNumbers[] = {
    {4, 19, "číslo účtu"},         {40, 45, "datum starého zůstatku"},
    {46, 59, "starý zůstatek"},     {61, 74, "nový zůstatek"},
    {76, 89, "obrat debet"},        {91, 104, "obrat kredit"},
    {106, 108, "číslo výpisu"},     {109, 114, "datum výpisu"},
};
const Field kItemNumbers[] = {
    {4, 19, "číslo účtu"},         {20, 35, "protiúčet"},
    {36, 48, "číslo dokladu"},     {49, 60, "částka"},
    {62, 71, "variabilní symbol"}, {72, 77, "kód banky"},
    {78, 81, "konstantní symbol"}, {82, 91, "specifický symbol"},
    {92, 97, "datum splatnosti"},  {118, 122, "kód měny"},
    {123, 128, "datum"},
};
const Field kHeaderDates[] = {{40, 45, "datum starého zůstatku"}, {109, 114, "datum výpisu"}};
const Field kItemDates[] = {{92, 97, "datum splatnosti"}, {123, 128, "datum"}};

std::string_view Text(std::string_view line, const Field& f) {
  return line.substr(f.first - 1, f.last - f.first + 1);
}

// Whether eight bytes are all ASCII digits: each has 3 as its high half,
// and still has after adding 6 (no carry can reach a byte that passes).
inline bool EightDigits(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, sizeof x);
  constexpr uint64_t kHigh = 0xF0F0F0F0F0F0F0F0u, kThrees = 0x3030303030303030u;
  return (x & kHigh) == kThrees && ((x + 0x0606060606060606u) & kHigh) == kThrees;
}

// A statement has a hundred digits per line: eight are looked at at once.
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

int64_t Number(std::string_view text) {
  int64_t value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

bool IsRealDay(std::string_view ddmmyy) {
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int day = static_cast<int>(Number(ddmmyy.substr(0, 2)));
  const int month = static_cast<int>(Number(ddmmyy.substr(2, 2)));
  const int year = 2000 + static_cast<int>(Number(ddmmyy.substr(4, 2)));
  if (month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return !(month == 2 && day == 29 && !leap);
}

std::string Crowns(int64_t hellers) {
  std::string text;
  Render(text, "%.2f", {static_cast<double>(hellers) / 100.0});
  return text;
}

// One statement: its header's values and the sums of its items so far.
struct Statement {
  int line = 0;
  std::string account;
  int64_t oldBalance = 0, newBalance = 0, debits = 0, credits = 0;
  HellerSum itemDebits, itemCredits;
};

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
  bool CheckDigits(int number, std::string_view line, const Field* fields, size_t count) {
    bool ok = true;
    for (size_t i = 0; i < count; ++i) {
      if (AllDigits(Text(line, fields[i]))) continue;
      std::string text;
      Render(text, "pole %s (pozice %d až %d) obsahuje jiné znaky než číslice",
             {fields[i].name, int32_t{fields[i].first}, int32_t{fields[i].last}});
      Problem(number, text);
      ok = false;
    }
    return ok;
  }

  void CheckDates(int number, std::string_view line, const Field* fields, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const std::string_view date = Text(line, fields[i]);
      if (AllDigits(date) && !IsRealDay(date)) {
        Problem(number, std::string("pole ") + fields[i].name + " neobsahuje skutečný den: " +
                            std::string(date));
      }
    }
  }

  // A header amount with its sign; false when the sign is not one of `signs`.
  bool SignedAmount(int number, std::string_view line, int digitsAt, const char* name,
                    const char* signs, int64_t* value) {
    const char sign = line[digitsAt + 13];
    *value = Number(line.substr(digitsAt - 1, 14));
    if (sign == '-') *value = -*value;
    for (const char* s = signs; *s; ++s) {
      if (*s == sign) return true;
    }
    Problem(number, std::string("neplatné znaménko \"") + sign + "\" u pole " + name);
    return false;
  }

  void CheckHeader(int number, std::string_view line) {
    FinishStatement();
    sawHeader_ = true;
    const bool digits = CheckDigits(number, line, kHeaderNumbers, std::size(kHeaderNumbers));
    CheckDates(number, line, kHeaderDates, std::size(kHeaderDates));
    statement_ = Statement();
    statement_.line = number;
    statement_.account = std::string(line.substr(3, 16));
    bool signs = SignedAmount(number, line, 46, "starý zůstatek", "+-", &statement_.oldBalance);
    signs &= SignedAmount(number, line, 61, "nový zůstatek", "+-", &statement_.newBalance);
    signs &= SignedAmount(number, line, 76, "obrat debet", "0+-", &statement_.debits);
    signs &= SignedAmount(number, line, 91, "obrat kredit", "0+-", &statement_.credits);
    open_ = digits && signs;
    inStatement_ = true;
  }

  void CheckItem(int number, std::string_view line) {
    if (!inStatement_) {
      Problem(number, "položka 075 stojí před hlavičkou 074");
      return;
    }
    const bool digits = CheckDigits(number, line, kItemNumbers, std::size(kItemNumbers));
    CheckDates(number, line, kItemDates, std::size(kItemDates));
    if (line.substr(3, 16) != statement_.account) {
      Problem(number, "vlastní účet " + std::string(line.substr(3, 16)) +
                          " se liší od účtu v hlavičce " + statement_.account);
    }
    const char code = line[60];
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
    const int64_t amount = Number(line.substr(48, 12));
    switch (code) {
      case '1': statement_.itemDebits.Add(amount); break;
      case '2': statement_.itemCredits.Add(amount); break;
      case '3':
      case '4': statement_.itemDebits.Subtract(amount); break;
      case '5': statement_.itemCredits.Subtract(amount); break;
    }
  }

  // Checks the balances of the statement that ends here.
  void FinishStatement() {
    if (!inStatement_) return;
    inStatement_ = false;
    if (!open_) return;  // its fields were unreadable, already reported
    const Statement& s = statement_;
    if (s.oldBalance - s.debits + s.credits != s.newBalance) {
      Problem(s.line, "starý zůstatek " + Crowns(s.oldBalance) + " - obrat debet " +
                          Crowns(s.debits) + " + obrat kredit " + Crowns(s.credits) +
                          " není nový zůstatek " + Crowns(s.newBalance));
    }
    CheckTurnover(s.line, "obrat debet", s.debits, s.itemDebits);
    CheckTurnover(s.line, "obrat kredit", s.credits, s.itemCredits);
  }

  void CheckTurnover(int line, const char* name, int64_t turnover, const HellerSum& items) {
    if (!items.representable()) {
      Problem(line, std::string(name) + " " + Crowns(turnover) +
                        " nesouhlasí se součtem položek, který je větší, než lze vyjádřit");
    } else if (items.value() != turnover) {
      Problem(line, std::string(name) + " " + Crowns(turnover) + " nesouhlasí se součtem položek " +
                        Crowns(items.value()));
    }
  }

  std::vector<std::string> problems_;
  Statement statement_;
  bool inStatement_ = false;
  bool open_ = false;
  bool sawHeader_ = false;
};

}  // namespace

std::vector<std::string> CheckGpcStatement(std::string_view bytes) {
  return Checker().Check(bytes);
}

}  // namespace tarvolo
