#include "generator/statement_generator.h"

#include <algorithm>
#include <map>
#include <random>
#include <string_view>

#include "conversion/values/windows1250.h"
#include "generator/bank_layouts.h"

namespace tarvolo {
namespace {

constexpr int64_t kOpening = 100050;  // the profile's 1000.50
constexpr int64_t kForeignOpening = 20000;
constexpr int64_t kPocketOpening = 730000;
constexpr int64_t kSecondOpening = 5000000;

enum class HoldRow { kNone, kHold, kRelease };

struct Row {
  int day = 0, valueDay = 0;
  int64_t amount = 0;
  int64_t fee = 0;  // below zero when charged
  bool hasCounter = false;
  int prefix = 0;
  int64_t number = 0;
  int bank = 0;
  std::string vs, ks, ss, message, name, id;
  bool foreign = false, pending = false;
  // A row whose booking the running balance decides (kHolds): booked and
  // counted in the balance after it, or left out with the balance as it was.
  bool open = false, counted = false;
  HoldRow hold = HoldRow::kNone;
  bool reviewHold = false;  // "Payment Review Hold" rather than a dispute's
  std::string related;      // the payment a hold is of
  std::string pocket = "Main";
  std::string own = "2000145399";  // the own account's number
  int64_t balance = 0;             // after the row, in its currency
};

// An account's statement values: opening, turnovers, closing and count.
struct Totals {
  int64_t opening = kOpening;
  int64_t debit = 0, credit = 0, closing = kOpening;
  int count = 0;
};

std::string Pad(int64_t value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string StripZeros(std::string_view text) {
  const size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? "" : std::string(text.substr(first));
}

std::string Key(std::string_view prefix, std::string_view number, std::string_view bank,
                std::string_view amount, char code, std::string_view vs, std::string_view ks,
                std::string_view ss, std::string_view valueDate, std::string_view bookDate) {
  return StripZeros(prefix) + "-" + StripZeros(number) + "/" + StripZeros(bank) + " " +
         StripZeros(amount) + code + " VS" + StripZeros(vs) + " KS" + StripZeros(ks) + " SS" +
         StripZeros(ss) + " " + std::string(valueDate) + " " + std::string(bookDate);
}

std::string Ddmmyy(int day) { return Pad(day, 2) + "0914"; }

std::string ModelRecord(const Row& row, int64_t amount, bool fee) {
  const int64_t magnitude = amount < 0 ? -amount : amount;
  if (fee) {
    return Key("", "", "", Pad(magnitude, 12), amount < 0 ? '1' : '2', "", "", "",
               Ddmmyy(row.valueDay), Ddmmyy(row.day));
  }
  return Key(Pad(row.prefix, 6), Pad(row.number, 10), Pad(row.bank, 6), Pad(magnitude, 12),
             amount < 0 ? '1' : '2', row.vs, row.ks, row.ss, Ddmmyy(row.valueDay), Ddmmyy(row.day));
}

// Roles of the layout's columns, "" for a column left empty.
std::vector<std::string> ColumnRoles(const BankLayout& layout, std::vector<std::string>* names) {
  names->clear();
  std::string_view header = layout.header;
  for (size_t at = 0;;) {
    const size_t bar = header.find('|', at);
    names->emplace_back(header.substr(at, bar == std::string_view::npos ? bar : bar - at));
    if (bar == std::string_view::npos) break;
    at = bar + 1;
  }
  std::vector<std::string> roles(names->size());
  std::string_view list = layout.roles;
  for (size_t at = 0; at < list.size();) {
    size_t bar = list.find('|', at);
    if (bar == std::string_view::npos) bar = list.size();
    const std::string_view pair = list.substr(at, bar - at);
    const size_t equals = pair.find('=');
    for (size_t i = 0; i < names->size(); ++i) {
      if ((*names)[i] == pair.substr(0, equals) && roles[i].empty()) {
        roles[i] = pair.substr(equals + 1);
        break;
      }
    }
    at = bar + 1;
  }
  return roles;
}

bool HasRole(const BankLayout& layout, std::string_view role) {
  std::vector<std::string> names;
  const std::vector<std::string> roles = ColumnRoles(layout, &names);
  return std::find(roles.begin(), roles.end(), role) != roles.end();
}

bool HasCounter(const BankLayout& layout) {
  for (const char* role : {"counter0", "counter", "cnum", "cjoin", "cbare", "iban"}) {
    if (HasRole(layout, role)) return true;
  }
  return false;
}

std::string Amount(const BankLayout& layout, int64_t hellers, char grouping) {
  const int64_t magnitude = hellers < 0 ? -hellers : hellers;
  std::string whole = std::to_string(magnitude / 100);
  if (grouping != 0) {
    for (size_t at = whole.size(); at > 3; at -= 3) whole.insert(at - 3, 1, grouping);
  }
  std::string text = (hellers < 0 ? "-" : layout.plusSign ? "+" : "") + whole;
  if (!layout.wholeWithoutDecimals || magnitude % 100 != 0) {
    text += layout.decimalMark + Pad(magnitude % 100, 2);
  }
  return text;
}

std::string Date(const BankLayout& layout, int day) {
  std::string text;
  for (std::string_view form = layout.dateForm; !form.empty();) {
    const auto take = [&form](std::string_view token) {
      if (form.substr(0, token.size()) != token) return false;
      form.remove_prefix(token.size());
      return true;
    };
    if (take("yyyy")) {
      text += "2014";
    } else if (take("yy")) {
      text += "14";
    } else if (take("mm")) {
      text += "09";
    } else if (take("dd")) {
      text += Pad(day, 2);
    } else if (take("m")) {
      text += "9";
    } else if (take("d")) {
      text += std::to_string(day);
    } else {
      text += form[0];
      form.remove_prefix(1);
    }
  }
  return text;
}

std::string Iban(const Row& row) {
  const std::string bban = Pad(row.bank, 4) + Pad(row.prefix, 6) + Pad(row.number, 10);
  int remainder = 0;
  for (char c : bban + "123500") remainder = (remainder * 10 + (c - '0')) % 97;
  return "CZ" + Pad(98 - remainder, 2) + bban;
}

// PayPal's words for a row's type and state: a review's hold is "Placed"
// and its release "Removed"; a dispute's hold is "Held" and its end
// "Completed".
std::string TypeOf(const Row& row) {
  switch (row.hold) {
    case HoldRow::kHold:
      return row.reviewHold ? "Payment Review Hold" : "Hold on Balance for Dispute Investigation";
    case HoldRow::kRelease:
      return row.reviewHold ? "Payment Review Release"
                            : "Cancellation of Hold for Dispute Resolution";
    case HoldRow::kNone:
      break;
  }
  if (row.open) return "Bank Deposit to PP Account";
  return row.amount < 0 ? "General Payment" : "Express Checkout Payment";
}

std::string StateOf(const Row& row) {
  switch (row.hold) {
    case HoldRow::kHold:
      return row.reviewHold ? "Placed" : "Held";
    case HoldRow::kRelease:
      return row.reviewHold ? "Removed" : "Completed";
    case HoldRow::kNone:
      break;
  }
  return "Pending";
}

std::string Field(const BankLayout& layout, const std::string& role, const Row& row,
                  const Totals& totals) {
  const auto amount = [&layout](int64_t hellers) {
    return Amount(layout, hellers, layout.grouping);
  };
  const std::string counter = row.prefix != 0
                                  ? std::to_string(row.prefix) + "-" + std::to_string(row.number)
                                  : std::to_string(row.number);
  if (role.empty()) return "";
  if (role[0] == '\'') return role.substr(1);
  if (role == "date") return Date(layout, row.day);
  if (role == "value") return Date(layout, row.valueDay);
  if (role == "dt") return Date(layout, row.day) + " 10:00:00";
  if (role == "dtm") return Date(layout, row.day) + " 10:00";
  if (role == "dtc") return Date(layout, row.day) + ", 10:00";
  if (role == "done") return row.pending ? "" : Date(layout, row.day) + " 10:00:05";
  if (role == "amount") return amount(row.amount);
  if (role == "abs") return amount(row.amount < 0 ? -row.amount : row.amount);
  // Unsigned, in a column of credits or one of debits.
  if (role == "in") return row.amount > 0 ? amount(row.amount) : "";
  if (role == "out") return row.amount < 0 ? amount(-row.amount) : "";
  if (role == "total" || role == "net") return amount(row.amount + row.fee);
  if (role == "fee") {
    if (row.fee == 0) return layout.decimalMark == '.' ? "0.00" : "";
    return amount(-layout.feeSign * row.fee);
  }
  if (role == "feeinfo") return amount(-row.fee);
  if (role == "dir") return row.amount < 0 ? layout.debit : layout.credit;
  if (role == "cur") return row.foreign ? "EUR" : "CZK";
  if (role == "pocket") return row.pocket;
  if (role == "own") return row.own;
  // "own/2010": the own account with its bank's code.
  if (role.compare(0, 4, "own/") == 0) return row.own + role.substr(3);
  if (role == "type") return TypeOf(row);
  if (role == "related") return row.related;
  if (role == "state") {
    if (row.open) return StateOf(row);
    if (!row.pending) return layout.booked;
    // Each of the words, '|' between them, on some rows.
    std::vector<std::string> words(1);
    for (const char* c = layout.pending; *c != 0; ++c) {
      if (*c == '|') {
        words.emplace_back();
      } else {
        words.back() += *c;
      }
    }
    return words[static_cast<size_t>(row.day) % words.size()];
  }
  if (role == "balance") return row.pending ? "" : amount(row.balance);
  if (role == "open") return amount(totals.opening);
  if (role == "close") return amount(totals.closing);
  if (role == "debit") return amount(totals.debit);
  if (role == "credit") return amount(totals.credit);
  if (role == "count") return std::to_string(totals.count);
  if (role == "vs") return row.vs;
  if (role == "ks") return row.ks;
  if (role == "ss") return row.ss;
  if (role == "msg") return row.message;
  if (role == "name") return row.name;
  if (role == "id") return row.id;
  if (!row.hasCounter) return "";
  if (role == "counter0") {
    return (row.prefix != 0 ? Pad(row.prefix, 6) + "-" + Pad(row.number, 10)
                            : std::to_string(row.number)) +
           "/" + Pad(row.bank, 4);
  }
  if (role == "counter") return counter + "/" + Pad(row.bank, 4);
  if (role == "cnum") return counter;
  if (role == "cjoin") {
    return row.prefix != 0 ? std::to_string(row.prefix) + Pad(row.number, 10)
                           : std::to_string(row.number);
  }
  if (role == "cprefix") return Pad(row.prefix, 6);
  if (role == "cbare") return Pad(row.number, 10);
  if (role == "bank") return Pad(row.bank, 4);
  if (role == "iban") return Iban(row);
  return "?" + role;
}

std::string Quoted(const std::string& text, Quoting quoting, char separator, bool header) {
  bool quote = quoting == Quoting::kAll;
  if (quoting != Quoting::kNone) {
    quote |= text.find_first_of(std::string("\"\r\n") + separator) != std::string::npos;
    quote |= quoting == Quoting::kSpaces && header && text.find(' ') != std::string::npos;
  }
  if (!quote) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string Line(const std::vector<std::string>& fields, const BankLayout& layout, char separator,
                 bool header) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += Quoted(fields[i], layout.quoting, separator, header);
  }
  return line;
}

// The lines of a preamble or trailer with their values filled in, each
// written with the file's separator and quotes.
void AddFixedLines(std::string text, const BankLayout& layout, char separator, const Totals& totals,
                   std::vector<std::string>* lines) {
  if (text.empty()) return;
  const std::map<std::string, std::string> values = {
      {"{OPEN}", Amount(layout, kOpening, layout.grouping)},
      {"{CLOSE}", Amount(layout, totals.closing, layout.grouping)},
      {"{OPEN_}", Amount(layout, kOpening, ' ')},
      {"{CLOSE_}", Amount(layout, totals.closing, ' ')},
      {"{DEBIT}", Amount(layout, totals.debit, layout.grouping)},
      {"{CREDIT}", Amount(layout, totals.credit, layout.grouping)},
      {"{COUNT}", std::to_string(totals.count)},
      {"{FROM}", Date(layout, 1)},
      {"{TO}", Date(layout, 30)}};
  for (const auto& [name, value] : values) {
    for (size_t at; (at = text.find(name)) != std::string::npos;)
      text.replace(at, name.size(), value);
  }
  for (size_t at = 0;;) {
    const size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end == std::string::npos ? end : end - at);
    std::vector<std::string> fields;
    for (size_t from = 0; !line.empty();) {
      const size_t semicolon = line.find(';', from);
      fields.push_back(
          line.substr(from, semicolon == std::string::npos ? semicolon : semicolon - from));
      if (semicolon == std::string::npos) break;
      from = semicolon + 1;
    }
    lines->push_back(Line(fields, layout, separator, true));
    if (end == std::string::npos) break;
    at = end + 1;
  }
}

std::string ToUtf8(const std::string& windows1250) {
  std::string out;
  for (unsigned char c : windows1250) {
    const char16_t u = c < 0x80 ? c : kWindows1250High[c - 0x80];
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// A Czech account number whose weighted digits the banks' check accepts.
int64_t AccountNumber(std::mt19937& random) {
  static const int kWeights[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
  for (;;) {
    const int digits = 6 + static_cast<int>(random() % 5);
    int64_t number = 1 + static_cast<int64_t>(random() % 9);
    for (int i = 1; i < digits; ++i) number = number * 10 + static_cast<int64_t>(random() % 10);
    int sum = 0, i = 0;
    for (int64_t rest = number; rest > 0; rest /= 10)
      sum += static_cast<int>(rest % 10) * kWeights[i++];
    if (sum % 11 == 0) return number;
  }
}

std::string Digits(std::mt19937& random, int most) {
  std::string digits(1, static_cast<char>('1' + random() % 9));
  const int count = static_cast<int>(random() % static_cast<unsigned>(most));
  for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + random() % 10);
  return digits;
}

Row RandomRow(const BankLayout& layout, Variation variation, char separator, int index,
              uint32_t seed, std::mt19937& random) {
  static const char* kMessages[] = {"Nájem září", "Faktura 2014071",     "Úhrada zálohy",
                                    "Služby",     "Příspěvek na provoz", "Záloha na energie"};
  static const char* kNames[] = {"Pronájmy Vinohrady s.r.o.", "Stavebniny Kolář a.s.", "Jan Novák",
                                 "Odběratel s.r.o."};
  static const char* kConstants[] = {"", "0308", "0008", "1148"};
  Row row;
  row.amount = static_cast<int64_t>(1 + random() % 99) * 100 + (random() % 2 ? random() % 100 : 0);
  for (unsigned scale = random() % 4; scale > 0; --scale) row.amount *= 10 + random() % 40;
  if (random() % 2) row.amount = -row.amount;
  if (HasCounter(layout) && random() % 3 != 0) {
    static const int kPrefixes[] = {19, 35, 115};
    static const int kBanks[] = {800, 100, 2010, 300, 5500, 3030};
    row.hasCounter = true;
    row.prefix = random() % 2 ? kPrefixes[random() % 3] : 0;
    row.number = AccountNumber(random);
    row.bank = kBanks[random() % 6];
  }
  if (HasRole(layout, "vs") && random() % 3 != 0) row.vs = Digits(random, 10);
  if (HasRole(layout, "ks")) row.ks = kConstants[random() % 4];
  if (HasRole(layout, "ss") && random() % 3 == 0) row.ss = Digits(random, 10);
  row.message = kMessages[random() % 6];
  if (variation == Variation::kBalanceWords && index % 2 == 0) {
    static const char* kBalanceWords[] = {"Zůstatek k 31.08.2014 doplacen",
                                          "Konečný zůstatek nájmu", "Počáteční zůstatek záloh"};
    row.message = kBalanceWords[random() % 3];
  }
  if (variation == Variation::kSeparators && random() % 2) {
    row.message += std::string(1, separator) + " \"díky\"" + separator;
  }
  row.name = kNames[random() % 4];
  row.id = std::to_string(1000000000u + (seed % 100000u) * 100u + static_cast<unsigned>(index));
  const bool first = index == 0;
  // Fewer than half: the statement takes the currency most rows carry.
  row.foreign = variation == Variation::kForeign && index % 3 == 1;
  // The file's first row is Main's, which makes it the profile's account;
  // the euros are an account of their own, as Revolut names them.
  if (variation == Variation::kPockets) {
    row.foreign = index % 4 == 3;
    if (row.foreign) row.pocket = "Main EUR";
    if (index % 4 == 1 || index % 4 == 2) row.pocket = kPocketName;
  }
  if (variation == Variation::kAccounts && index % 3 == 1) row.own = kSecondAccount;
  row.pending = variation == Variation::kPending && (first || random() % 3 == 0);
  if (variation == Variation::kFees && !row.foreign && (first || random() % 2)) {
    row.fee = -static_cast<int64_t>(100 + random() % 4900);
  }
  return row;
}

bool Booked(const Row& row) { return !row.open || row.counted; }

// kHolds: the second row waits to be booked, the third is a hold of the
// first row's payment and the last its release, the two counted by the
// balance together or not at all.
void OpenRow(std::vector<Row>& rows, size_t index, std::mt19937& random) {
  Row& row = rows[index];
  if (index == 1) {
    row.open = true;
    row.counted = random() % 2 != 0;
    row.amount = row.amount < 0 ? -row.amount : row.amount;
  } else if (index == 2) {
    row.open = true;
    row.counted = random() % 2 != 0;
    row.hold = HoldRow::kHold;
    row.reviewHold = random() % 2 != 0;
    if (row.reviewHold) row.related = rows[0].id;
    row.amount = row.amount < 0 ? row.amount : -row.amount;
  } else if (index + 1 == rows.size()) {
    const Row& hold = rows[2];
    row.open = true;
    row.counted = hold.counted;
    row.hold = HoldRow::kRelease;
    row.reviewHold = hold.reviewHold;
    row.related = hold.related;
    row.amount = -hold.amount;
  }
}

}  // namespace

const char* VariationName(Variation variation) {
  static const char* kNames[] = {"plain",      "fees",          "pending",      "foreign",
                                 "separators", "balance-words", "cr-line-ends", "pockets",
                                 "accounts",   "holds"};
  return kNames[static_cast<int>(variation)];
}

const std::vector<const BankLayout*>& GeneratedLayouts() {
  static const std::vector<const BankLayout*> layouts = [] {
    std::vector<const BankLayout*> all;
    for (const BankLayout& layout : kBankLayouts) all.push_back(&layout);
    return all;
  }();
  return layouts;
}

const char* LayoutName(const BankLayout& layout) { return layout.name; }

bool LayoutAllows(const BankLayout& layout, Variation variation) {
  switch (variation) {
    case Variation::kPlain:
      return true;
    case Variation::kFees:
      return layout.feeSign != 0 || HasRole(layout, "feeinfo");
    case Variation::kPending:
      return layout.pending != nullptr;
    case Variation::kForeign:
      return HasRole(layout, "cur");
    case Variation::kSeparators:
      return layout.quoting != Quoting::kNone;
    case Variation::kBalanceWords:
      return HasRole(layout, "msg");
    case Variation::kCrLineEnds:
      return true;
    case Variation::kPockets:
      return HasRole(layout, "pocket") && HasRole(layout, "balance") && HasRole(layout, "cur") &&
             !layout.newestFirst;
    case Variation::kAccounts:
      return HasRole(layout, "own") || HasRole(layout, "own/2010");
    case Variation::kHolds:
      return HasRole(layout, "type") && HasRole(layout, "state") && HasRole(layout, "balance");
  }
  return false;
}

bool LayoutHasRole(const BankLayout& layout, const char* role) { return HasRole(layout, role); }

bool LayoutStatesBalances(const BankLayout& layout) {
  const std::string fixed = std::string(layout.preamble) + layout.trailer;
  return HasRole(layout, "balance") || HasRole(layout, "close") ||
         fixed.find("{CLOSE") != std::string::npos;
}

bool LayoutStatesClosing(const BankLayout& layout) {
  const std::string fixed = std::string(layout.preamble) + layout.trailer;
  return HasRole(layout, "close") || fixed.find("{CLOSE") != std::string::npos;
}

GeneratedFile GenerateStatement(const BankLayout& bank, Variation variation, uint32_t seed) {
  std::mt19937 random(seed);
  GeneratedFile file;
  // Banks that group thousands do so in some exports and not in others.
  BankLayout layout = bank;
  if (random() % 3 == 0) layout.grouping = 0;
  const size_t separators = std::string_view(layout.separators).size();
  file.separator = layout.separators[random() % separators];
  const bool feeIncluded = HasRole(layout, "feeinfo");

  // Room for a payment, a row waiting to be booked, a hold and its release.
  size_t count = 3 + random() % 6;
  if (variation == Variation::kHolds) count = std::max<size_t>(count, 4);
  std::vector<Row> rows(count);
  std::vector<int> days;
  for (size_t i = 0; i < rows.size(); ++i) days.push_back(2 + static_cast<int>(random() % 28));
  std::sort(days.begin(), days.end());
  Totals totals, second;
  second.opening = second.closing = kSecondOpening;
  int64_t foreignBalance = kForeignOpening, pocketBalance = kPocketOpening;
  for (size_t i = 0; i < rows.size(); ++i) {
    Row& row = rows[i];
    row = RandomRow(layout, variation, file.separator, static_cast<int>(i), seed, random);
    row.day = days[i];
    row.valueDay = HasRole(layout, "value") ? row.day - static_cast<int>(random() % 2) : row.day;
    if (variation == Variation::kHolds) OpenRow(rows, i, random);
    if (row.pending) continue;
    const bool pocket = row.pocket == kPocketName;
    Totals& account = row.own == kSecondAccount ? second : totals;
    int64_t& balance = row.foreign ? foreignBalance : pocket ? pocketBalance : account.closing;
    if (Booked(row)) balance += row.amount + (feeIncluded ? 0 : row.fee);
    row.balance = balance;
    if (row.foreign || pocket || !Booked(row)) continue;
    ++account.count;
    for (int64_t amount : {row.amount, feeIncluded ? 0 : row.fee}) {
      (amount < 0 ? account.debit : account.credit) += amount < 0 ? -amount : amount;
    }
  }
  if (layout.newestFirst) std::reverse(rows.begin(), rows.end());
  if (variation == Variation::kAccounts && !HasRole(layout, "open") &&
      !HasRole(layout, "balance")) {
    file.openingsUnstated.push_back(kSecondAccountSuffix);
  }

  std::vector<std::string> lines;
  AddFixedLines(layout.preamble, layout, file.separator, totals, &lines);
  std::vector<std::string> names;
  const std::vector<std::string> roles = ColumnRoles(layout, &names);
  lines.push_back(Line(names, layout, file.separator, true));
  file.headerLine = static_cast<int>(lines.size());
  file.recordsOfLine.resize(lines.size() + rows.size() + 1);
  file.statementOfLine.resize(file.recordsOfLine.size());
  for (const Row& row : rows) {
    std::vector<std::string> fields;
    const Totals& account = row.own == kSecondAccount ? second : totals;
    for (const std::string& role : roles) fields.push_back(Field(layout, role, row, account));
    lines.push_back(Line(fields, layout, file.separator, false));
    const int number = static_cast<int>(lines.size());
    file.dataLines.push_back(number);
    if (row.pending || !Booked(row)) continue;
    std::vector<std::string>& records = file.recordsOfLine[number];
    records.push_back(ModelRecord(row, row.amount, false));
    if (row.fee != 0 && !feeIncluded) records.push_back(ModelRecord(row, row.fee, true));
    std::string& statement = file.statementOfLine[number];
    statement = row.pocket == kPocketName   ? kPocketSuffix
                : row.own == kSecondAccount ? kSecondAccountSuffix
                : row.foreign               ? "-EUR"
                                            : "";
    if (statement.empty()) file.records.insert(file.records.end(), records.begin(), records.end());
  }
  const size_t dataEnd = lines.size();
  AddFixedLines(layout.trailer, layout, file.separator, totals, &lines);
  file.lastLineIsData = lines.size() == dataEnd;

  const char* lineEnd = variation == Variation::kCrLineEnds ? "\r" : random() % 2 ? "\r\n" : "\n";
  std::string text;
  for (const std::string& line : lines) text += line + lineEnd;
  const size_t encodings = std::string_view(layout.encodings).size();
  switch (layout.encodings[random() % encodings]) {
    case 'u':
      text = ToUtf8(text);
      break;
    case 'b':
      text = "\xEF\xBB\xBF" + ToUtf8(text);
      break;
  }
  file.bytes = text;
  return file;
}

std::map<std::string, std::vector<std::string>> StatementRecords(const GeneratedFile& file,
                                                                 int skipped, int repeated) {
  std::map<std::string, std::vector<std::string>> statements;
  for (int number : file.dataLines) {
    const std::vector<std::string>& of = file.recordsOfLine[static_cast<size_t>(number)];
    if (number == skipped || of.empty()) continue;
    std::vector<std::string>& records = statements[file.statementOfLine[number]];
    for (int times = number == repeated ? 2 : 1; times > 0; --times) {
      records.insert(records.end(), of.begin(), of.end());
    }
  }
  return statements;
}

std::string RecordKey(const std::string& line) {
  if (line.size() < 128) return "short record: " + line;
  return Key(line.substr(19, 6), line.substr(25, 10), line.substr(71, 6), line.substr(48, 12),
             line[60], line.substr(61, 10), line.substr(77, 4), line.substr(81, 10),
             line.substr(91, 6), line.substr(122, 6));
}

}  // namespace tarvolo
