#include "conversion/reading/balances/stated_balances.h"

#include <algorithm>
#include <iterator>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/log_line.h"

namespace tarvolo {
namespace {

// Fio's, KB's, mBank's and Business 24's labels, as NormaliseColumnName
// writes them.
constexpr std::string_view kOpeningLabels[] = {"openingbalance", "pocatecni zustatek",
                                               "opening balance", "pocatecni stav uctu"};
constexpr std::string_view kClosingLabels[] = {
    "closingbalance",  "konecny zustatek",  "zaverecny zustatek", "final balance",
    "closing balance", "konecny stav uctu", "koncovy stav uctu"};

// A label, alone or followed by more words or a colon ("Konečný zůstatek
// k 31.01.2024:").
template <size_t kCount>
bool IsOneOf(std::string_view name, const std::string_view (&labels)[kCount]) {
  for (const std::string_view label : labels) {
    const size_t length = label.size();
    if (name.substr(0, length) == label &&
        (name.size() == length || name[length] == ' ' || name[length] == ':')) {
      return true;
    }
  }
  return false;
}

enum class BalanceLabel { kNone, kOpening, kClosing, kByPlace };

BalanceLabel LabelOf(std::string_view field) {
  // Most fields are told apart by their first letter alone, which is mostly
  // a plain one.
  std::string_view first, second;
  const char initial = !field.empty() && IsAsciiLetter(field[0])
                           ? static_cast<char>(field[0] | 0x20)
                           : FoldedInitial(field);
  switch (initial) {
    case 'p':
      first = "pocatecni";
      break;
    case 'k':
      // Fio prints "Koncový stav účtu".
      first = "konecny", second = "koncovy";
      break;
    case 'z':
      first = "zaverecny", second = "zustatek";
      break;
    case 'o':
      first = "opening";
      break;
    case 'c':
      first = "closing";
      break;
    case 'f':
      first = "final";
      break;
    default:
      return BalanceLabel::kNone;
  }
  if (field.size() >= 2 && IsAsciiLetter(field[0]) && IsAsciiLetter(field[1])) {
    // Or else by their second one.
    const char next = static_cast<char>(field[1] | 0x20);
    if (next != first[1] && (second.empty() || next != second[1])) return BalanceLabel::kNone;
  }
  if (!NameStartsWith(field, first) && (second.empty() || !NameStartsWith(field, second))) {
    return BalanceLabel::kNone;
  }
  std::string name = NormaliseColumnName(field);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  if (IsOneOf(name, kOpeningLabels)) return BalanceLabel::kOpening;
  if (IsOneOf(name, kClosingLabels)) return BalanceLabel::kClosing;
  // "Zůstatek k 31.01.2024": the opening before the items, the closing after.
  if (name.compare(0, 11, "zustatek k ") == 0 && name.size() > 11 && name[11] >= '0' &&
      name[11] <= '9') {
    return BalanceLabel::kByPlace;
  }
  return BalanceLabel::kNone;
}

// The day of a label "Zůstatek k 31.01.2024:".
bool LabelDay(std::string_view field, ItemDate* date) {
  std::string name = NormaliseColumnName(field);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  const size_t at = name.find(" k ");
  if (at == std::string::npos) return false;
  std::string_view day = std::string_view(name).substr(at + 3);
  // "31. 1. 2024" is the day as "31.1.2024".
  std::string compact;
  for (const char c : day) {
    if (c != ' ') compact += c;
  }
  return ReadItemDate(compact, date);
}

// Beyond kHellerLimit no balance of an account lies.
bool WithinLimit(int64_t hellers) { return hellers <= kHellerLimit && hellers >= -kHellerLimit; }

bool ReadHellers(std::string_view text, char decimalMark, int64_t* hellers) {
  const AmountReading amount = ReadAmount(text, AmountRules::kBankExport, decimalMark);
  if (amount.status != AmountStatus::kRead || !WithinLimit(amount.hellers)) return false;
  *hellers = amount.hellers;
  return true;
}

bool Later(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year > b.year;
  if (a.month != b.month) return a.month > b.month;
  return a.day > b.day;
}

}  // namespace

bool BalanceCheck::ReadBalanceLine(const std::string_view* fields, size_t count,
                                   std::string_view amount) {
  bool labelled = false;
  for (size_t i = 0; i < count; ++i) {
    BalanceLabel label = LabelOf(fields[i]);
    if (label == BalanceLabel::kNone) continue;
    labelled = true;
    // The row's amount, the value after the label's colon, or the value that
    // follows the label.
    const auto read = [&](int64_t* balance) {
      if (!amount.empty() && ReadHellers(amount, decimalMark_, balance)) return true;
      const std::string_view after = LabelledBalance(fields[i]);
      if (!after.empty() && ReadHellers(after, decimalMark_, balance)) return true;
      size_t value = i + 1;
      while (value < count && fields[value].empty()) ++value;
      return value < count && ReadHellers(fields[value], decimalMark_, balance);
    };
    const bool beforeRows = total_ == 0 && !first_.present && !dated_.RowsSeen();
    if (label == BalanceLabel::kByPlace) {
      // Its day decides once the period is known; a label whose day does not
      // read is placed by where it stands.
      ItemDate day;
      int64_t hellers = 0;
      if (LabelDay(fields[i], &day)) {
        if (read(&hellers)) dated_.Add(day, hellers, beforeRows);
        continue;
      }
      label = beforeRows ? BalanceLabel::kOpening : BalanceLabel::kClosing;
    }
    bool& has = label == BalanceLabel::kOpening ? lines_.hasOpening : lines_.hasClosing;
    int64_t& balance = label == BalanceLabel::kOpening ? lines_.opening : lines_.closing;
    // The first statement of a balance counts; a repeated label is no news.
    if (!has) has = read(&balance);
  }
  return labelled;
}

void BalanceCheck::StateBalance(bool opening, std::string_view text) {
  int64_t hellers = 0;
  if (text.empty() || !ReadHellers(text, decimalMark_, &hellers)) return;
  if (statementNamed_) runs_.StateBalance(opening, hellers);
  bool& has = opening ? lines_.hasOpening : lines_.hasClosing;
  if (has) return;
  has = true;
  (opening ? lines_.opening : lines_.closing) = hellers;
}

bool BalanceCheck::Add(int64_t value, int64_t* sum) {
  if (*sum > kHellerLimit || *sum < -kHellerLimit) {
    tooLarge_ = true;
    return false;
  }
  *sum += value;
  return true;
}

void BalanceCheck::AddRow(int64_t amount, int64_t fee, const ItemDate& date,
                          std::string_view balance, std::string_view account) {
  if (!account.empty()) {
    if (account_.empty()) account_ = account;
    severalAccounts_ = severalAccounts_ || account != account_;
  }
  if (!WithinLimit(amount) || !WithinLimit(fee)) {
    tooLarge_ = true;
    return;
  }
  const int64_t effect = amount + fee;
  dated_.AddRowDate(date);
  if (statementNamed_) runs_.AddRow(effect);
  totals_.AddItem(effect);
  BalanceRow row;
  row.before = total_;
  row.effect = effect;
  row.date = date;
  if (!Add(effect, &total_)) return;
  row.present = !balance.empty() && ReadHellers(balance, decimalMark_, &row.balance);
  if (!row.present) {
    chains_.Break(account);
    return;
  }
  chains_.Add(account, row.balance - effect, row.balance);
  if (!first_.present) first_ = row;
  last_ = row;
}

// From the balance after the first and after the last row that has one.
// Banks list rows oldest or newest first: the dates tell, and where they are
// the same, the order whose balances add up.
void BalanceCheck::RunningBalances(StatedBalances* running) const {
  if (!first_.present || ChainEnds(running)) return;
  StatedBalances oldestFirst, newestFirst;
  oldestFirst.hasOpening = oldestFirst.hasClosing = true;
  oldestFirst.opening = first_.balance - first_.before - first_.effect;
  oldestFirst.closing = last_.balance + (total_ - last_.before - last_.effect);
  newestFirst.hasOpening = newestFirst.hasClosing = true;
  newestFirst.closing = first_.balance + first_.before;
  newestFirst.opening = last_.balance - (total_ - last_.before);
  bool newest = orderProven_ ? newestFirst_ : Later(first_.date, last_.date);
  if (!orderProven_ && !newest && !Later(last_.date, first_.date)) {
    // Rows of one day: the order whose balances add up, and where both do
    // (amounts that cancel), the layout's own.
    const bool oldestFits = oldestFirst.opening + total_ == oldestFirst.closing;
    const bool newestFits = newestFirst.opening + total_ == newestFirst.closing;
    newest = oldestFits == newestFits ? newestFirst_ : newestFits;
  }
  *running = newest ? newestFirst : oldestFirst;
}

// Where every row states its balance, the rows chain by them in the order
// they were booked, whatever order the file lists them in.
bool BalanceCheck::ChainEnds(StatedBalances* running) const {
  if (tooLarge_ || severalAccounts_ || !chains_.Ends(&running->opening, &running->closing)) {
    return false;
  }
  running->hasOpening = running->hasClosing = true;
  return true;
}

StatedBalances BalanceCheck::Report(const std::string& path, const std::string& unit,
                                    const LogLine& log) const {
  StatedBalances stated = lines_;
  dated_.Place(&stated, path, log);
  totals_.Report(path, unit, log);
  if (runs_.Several() && !severalAccounts_ && !tooLarge_) {
    runs_.Report(path, unit, log, &stated);
    return stated;
  }
  if (!stated.hasOpening || !stated.hasClosing) {
    // Balances the file writes out count before those worked out from rows.
    StatedBalances running;
    RunningBalances(&running);
    if (!stated.hasOpening && running.hasOpening) {
      stated.hasOpening = true;
      stated.opening = running.opening;
    }
    if (!stated.hasClosing && running.hasClosing) {
      stated.hasClosing = true;
      stated.closing = running.closing;
    }
  }
  if (!stated.hasOpening && !stated.hasClosing) return stated;
  if (severalAccounts_) {
    // Each account's running balance proves its own rows; no sum of them
    // all is any account's.
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: řádky více vlastních účtů, zůstatky souboru s položkami nesrovnány\n",
                 {path});
    for (const AccountBalances& account : chains_.EachAccount()) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubor %s, účet %s: počáteční zůstatek %.2f + položky %.2f = konečný "
                   "zůstatek %.2f %s podle zůstatků řádků\n",
                   {path, account.account, Crowns(account.opening), Crowns(account.items),
                    Crowns(account.closing), unit});
    }
    return StatedBalances();
  }
  if (tooLarge_) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s: zůstatky nelze ověřit, částky jsou příliš velké\n", {path});
    return StatedBalances();
  }
  if (otherCurrency_ > 0) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: %d položek v jiné měně do kontroly zůstatků nezapočteno\n",
                 {path, otherCurrency_});
  }
  if (stated.hasOpening && stated.hasClosing) {
    const int64_t computed = stated.opening + total_;
    if (computed == stated.closing) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubor %s: počáteční zůstatek %.2f + položky %.2f = konečný zůstatek %.2f %s, "
                   "souhlasí\n",
                   {path, Crowns(stated.opening), Crowns(total_), Crowns(stated.closing), unit});
    } else {
      LogFormatted(log, LogKind::kFileWarning,
                   "Soubor %s: počáteční zůstatek %.2f + položky %.2f = %.2f %s, ale soubor uvádí "
                   "konečný zůstatek %.2f %s, rozdíl %.2f %s\n",
                   {path, Crowns(stated.opening), Crowns(total_), Crowns(computed), unit,
                    Crowns(stated.closing), unit, Crowns(stated.closing - computed), unit});
    }
  } else if (stated.hasOpening) {
    LogFormatted(
        log, LogKind::kInformation,
        "Soubor %s: počáteční zůstatek %.2f + položky %.2f = konečný zůstatek %.2f %s, "
        "soubor konečný zůstatek neuvádí\n",
        {path, Crowns(stated.opening), Crowns(total_), Crowns(stated.opening + total_), unit});
  } else {
    LogFormatted(
        log, LogKind::kInformation,
        "Soubor %s: konečný zůstatek %.2f - položky %.2f = počáteční zůstatek %.2f %s, "
        "soubor počáteční zůstatek neuvádí\n",
        {path, Crowns(stated.closing), Crowns(total_), Crowns(stated.closing - total_), unit});
    // The closing balance less the file's items is the balance the file
    // opens with: a statement that takes its opening from the file takes
    // that one, as the line above says.
    stated.hasOpening = true;
    stated.opening = stated.closing - total_;
  }
  return stated;
}

bool TakeStatedOpening(const std::string& firstPath, const StatedBalances& stated, bool fromFile,
                       const std::string& unit, ProfileValues* values, const LogLine& log) {
  if (!stated.hasOpening) {
    if (!fromFile) return true;
    LogFormatted(log, LogKind::kFailure,
                 "Soubor %s neuvádí počáteční zůstatek, který měla převzít hlavička; nic "
                 "nezapsáno\n",
                 {firstPath});
    return false;
  }
  if (fromFile) {
    if (!FitsHeader(stated.opening)) {
      log(LogKind::kFailure, kHeaderDigitsRefusal);
      return false;
    }
    values->openingHellers = stated.opening;
    LogFormatted(log, LogKind::kInformation, "Počáteční zůstatek %.2f %s převzat ze souboru %s\n",
                 {Crowns(stated.opening), unit, firstPath});
    return true;
  }
  if (values->openingHellers == stated.opening) return true;
  LogFormatted(log, LogKind::kFileWarning,
               "Počáteční zůstatek %.2f %s v nastavení se liší od počátečního zůstatku %.2f %s v "
               "souboru %s; hlavička má zůstatek z nastavení\n",
               {Crowns(values->openingHellers), unit, Crowns(stated.opening), unit, firstPath});
  return true;
}

}  // namespace tarvolo
