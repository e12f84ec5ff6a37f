#include "conversion/export/run_checks.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "conversion/export/run_log.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {
namespace {

// Items left out that each file names; the rest are counted.
constexpr int32_t kNamedPerFile = 10;

// An id or an account as the log shows it: one line, not too long.
constexpr size_t kShownWidth = 40;

std::string OneLineOf(std::string_view text) {
  std::string line(text.substr(0, kShownWidth));
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return line;
}

bool ItemDateOf(const StatementItem& item, ItemDate* date) {
  if (item.month < 1 || item.month > 12 || item.day < 1 || item.day > 31) return false;
  date->year = item.year;
  date->month = item.month;
  date->day = item.day;
  return true;
}

bool Before(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

bool SameDay(const ItemDate& a, const ItemDate& b) { return !Before(a, b) && !Before(b, a); }

std::string Rendered(const char* format, std::initializer_list<FormatArg> args) {
  std::string text;
  Render(text, format, args);
  return text;
}

std::string ShownDate(const ItemDate& date) {
  std::string text;
  Render(text, "%d.%d.%d", {date.day, date.month, date.year});
  return text;
}

std::string ShownBalance(int64_t hellers, const std::string& unit) {
  std::string text;
  Render(text, "%.2f %s", {static_cast<double>(hellers) / 100.0, unit});
  return text;
}

}  // namespace

void RunChecks::SetProfileAccount(std::string_view typed) {
  // An empty profile account gives nothing to compare with.
  hasProfileAccount_ = typed.find_first_not_of(" \t") != std::string_view::npos &&
                       ReadAccountNumber(typed, false, &profileAccount_);
}

void RunChecks::SetOneOfSeveral(const AccountNumber* account) {
  oneOfSeveral_ = true;
  if (account == nullptr) return;
  accountOnly_ = hasProfileAccount_ = true;
  profileAccount_ = *account;
}

namespace {

void AddAccount(const AccountNumber& account, std::vector<AccountNumber>* accounts) {
  for (const AccountNumber& known : *accounts) {
    if (SameAccount(known, account)) return;
  }
  accounts->push_back(account);
}

// A hash of a file's bytes, eight at a time: statements run to millions of
// lines, and a byte at a time would cost a fifth of the run.
uint64_t ContentHash(std::string_view content) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
  uint64_t a = content.size(), b = ~a;
  size_t i = 0;
  // Two lanes of eight bytes, each mixed on its own.
  for (; content.size() - i >= 2 * sizeof(uint64_t); i += 2 * sizeof(uint64_t)) {
    uint64_t x, y;
    std::memcpy(&x, content.data() + i, sizeof x);
    std::memcpy(&y, content.data() + i + sizeof x, sizeof y);
    a = ((a ^ x) * kMultiplier) ^ (a >> 31);
    b = ((b ^ y) * kMultiplier) ^ (b >> 31);
  }
  for (; i < content.size(); ++i) a = (a ^ static_cast<unsigned char>(content[i])) * kMultiplier;
  return (a ^ (b * kMultiplier)) ^ (b >> 29);
}

}  // namespace

std::string RunChecks::EarlierCopy(std::string_view content, const std::string& shown) {
  // A run of one file (the usual) has nothing to compare it with.
  if (fileCount_ < 2 && contents_.empty()) return std::string();
  const uint64_t hash = ContentHash(content);
  for (const ContentKey& key : contents_) {
    if (key.hash == hash && key.size == content.size()) return key.shown;
  }
  contents_.push_back({hash, content.size(), shown});
  return std::string();
}

RunChecks::FileItems::FileItems(const RunChecks& run, const std::string& shown,
                                const LayoutReading* reading, LogLine log)
    : run_(run),
      shown_(shown),
      reading_(reading),
      log_(std::move(log)),
      earlier_(run.earlierItems_) {}

// The file's own account: the profile's where the file has rows of it,
// else the first one the file states.
void RunChecks::FileItems::DecideAccount() {
  accountDecided_ = true;
  if (reading_ == nullptr) return;
  for (const std::string& text : reading_->ownAccounts) {
    AccountNumber account;
    if (!ReadAccountNumber(text, true, &account)) continue;
    if (!hasAccount_ || (run_.hasProfileAccount_ && SameAccount(account, run_.profileAccount_))) {
      account_ = account;
      hasAccount_ = true;
    }
  }
}

void RunChecks::FileItems::LeaveOut(int32_t line, const std::string& why) {
  if (++leftOut_ > kNamedPerFile) return;
  LogFormatted(log_, LogKind::kItemWarning, "Soubor %s, řádek %d: %s, vynechána\n",
               {shown_, line, why});
}

bool RunChecks::FileItems::Take(const StatementItem& item) {
  if (!accountDecided_) DecideAccount();
  AccountNumber own;
  const bool statesOwn = !item.ownAccount.empty() && ReadAccountNumber(item.ownAccount, true, &own);
  // A row of a file of several own accounts whose own account does not
  // read belongs to no statement that can be proven.
  // A pocket the file's balances prove is named, not numbered: one is the
  // account's own in every file, the others statements of their own.
  const bool pocket =
      reading_ != nullptr && std::find(reading_->ownPockets.begin(), reading_->ownPockets.end(),
                                       item.ownAccount) != reading_->ownPockets.end();
  if (!item.ownAccount.empty() && !statesOwn && !pocket) {
    LeaveOut(item.line, Rendered("vlastní účet %s nelze přečíst, položka nepatří žádnému výpisu",
                                 {OneLineOf(item.ownAccount)}));
    return false;
  }
  if (run_.accountOnly_ && !(statesOwn && SameAccount(own, run_.profileAccount_))) {
    ++elsewhere_;
    return false;
  }
  if (pocket) {
    ItemDate day;
    const bool dated = ItemDateOf(item, &day);
    if (!run_.pockets_.Take(item.ownAccount, dated ? &day : nullptr, &pockets_)) return false;
  } else if (!run_.pockets_.TakesUnnamed()) {
    return false;
  }
  // A second own account's items are its own statement's.
  if (hasAccount_ && statesOwn && !SameAccount(own, account_)) {
    AddAccount(own, &otherAccounts_);
    ++elsewhere_;
    return false;
  }
  ItemDate date;
  const bool dated = ItemDateOf(item, &date);
  // Ids and contents are compared with later files' only: a run of one
  // file keeps none.
  if (run_.fileCount_ > 1) {
    // A statement of a stated period shares with another only the items of
    // its period.
    const bool comparable =
        dated && (reading_ == nullptr || !reading_->periodStated ||
                  (!Before(date, reading_->periodStart) && !Before(reading_->periodEnd, date)));
    const EarlierItems::Copy copy = earlier_.Find(item, comparable);
    if (copy.file != nullptr) {
      // Files that share weeks share thousands of items: only those the log
      // names get their reason rendered.
      if (leftOut_ >= kNamedPerFile) {
        ++leftOut_;
      } else if (copy.byId) {
        LeaveOut(item.line, Rendered("položka s id %s je už v souboru %s",
                                     {OneLineOf(item.bankReference), *copy.file}));
      } else {
        LeaveOut(item.line,
                 Rendered("stejná položka (datum, částka, protiúčet, symboly, zpráva) je už v "
                          "souboru %s",
                          {*copy.file}));
      }
      return false;
    }
  }
  if (dated) {
    if (!dated_ || Before(date, first_)) first_ = date;
    if (!dated_ || Before(last_, date)) last_ = date;
    dated_ = true;
  }
  ++taken_;
  return true;
}

void RunChecks::FileItems::Finish() {
  if (leftOut_ <= kNamedPerFile) return;
  LogFormatted(log_, LogKind::kItemWarning, "Soubor %s: dalších %d vynechaných položek nevypsáno\n",
               {shown_, leftOut_ - kNamedPerFile});
}

void RunChecks::AcceptFile(FileItems& items, const std::string& shown, const StatedBalances& stated,
                           const LogLine& log) {
  if (!items.accountDecided_) items.DecideAccount();
  for (const AccountNumber& account : items.otherAccounts_) AddAccount(account, &otherAccounts_);
  if (!accountOnly_ && !items.otherAccounts_.empty()) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: %d položek jiných vlastních účtů, zapsány do výpisů svých účtů\n",
                 {shown, items.elsewhere_});
  }
  pockets_.Accept(items.pockets_);
  if (items.pockets_.elsewhere > 0) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: %d položek dalších účtů souboru vedených jen jménem, zapsány do "
                 "výpisů svých účtů\n",
                 {shown, items.pockets_.elsewhere});
  }
  // A file of several pockets states each one's balances, no sum of them.
  StatedBalances own = pockets_.Stated(items.pockets_, items.reading_, stated);
  // Another account's statement takes the balances of that account's files
  // alone: a file that names no own account is the profile's account's.
  if (accountOnly_ && !(items.hasAccount_ && SameAccount(items.account_, profileAccount_))) {
    own = StatedBalances();
  }
  // A file that gives one of several statements nothing is another's: its
  // dates, balances and account say nothing of this one.
  if (oneOfSeveral_ && items.taken_ == 0 && !own.hasOpening && !own.hasClosing) return;
  if (items.hasAccount_) {
    if (hasProfileAccount_ && !SameAccount(items.account_, profileAccount_)) {
      LogFormatted(log, LogKind::kFileWarning, "Soubor %s je z účtu %s, v nastavení je účet %s\n",
                   {shown, ShownAccount(items.account_), ShownAccount(profileAccount_)});
    } else {
      LogFormatted(log, LogKind::kInformation, "Soubor %s je z účtu %s\n",
                   {shown, ShownAccount(items.account_)});
    }
  }
  earlierItems_.Add(items.earlier_, shown);

  FileFacts facts;
  facts.shown = shown;
  facts.index = files_.size();
  facts.stated = own;
  if (items.reading_ != nullptr && items.reading_->periodStated) {
    facts.dated = facts.periodStated = true;
    facts.start = items.reading_->periodStart;
    facts.end = items.reading_->periodEnd;
  } else if (items.dated_) {
    facts.dated = true;
    facts.start = items.first_;
    facts.end = items.last_;
  }
  files_.push_back(facts);
}

bool RunChecks::AnyStated() const {
  return std::any_of(files_.begin(), files_.end(), [](const FileFacts& file) {
    return file.stated.hasOpening || file.stated.hasClosing;
  });
}

const FileFacts* RunChecks::CheckSequence(const std::string& unit, const LogLine& log) const {
  if (files_.empty()) return nullptr;
  std::vector<const FileFacts*> dated;
  for (const FileFacts& file : files_) {
    if (file.dated) dated.push_back(&file);
  }
  if (dated.empty()) return &files_.front();
  std::stable_sort(dated.begin(), dated.end(), [](const FileFacts* a, const FileFacts* b) {
    return Before(a->start, b->start);
  });
  for (size_t i = 1; i < dated.size(); ++i) {
    if (dated[i]->index < dated[i - 1]->index) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubory nejsou zadány v pořadí svých dat: zůstatky navazují podle dat od "
                   "souboru %s, položky zůstávají v zadaném pořadí\n",
                   {dated.front()->shown});
      break;
    }
  }
  // The file that reaches furthest so far: a later one that starts before
  // its end overlaps it, even where a short file lies between them.
  const FileFacts* reach = dated.front();
  for (size_t i = 1; i < dated.size(); ++i) {
    const FileFacts& previous = *dated[i - 1];
    const FileFacts& next = *dated[i];
    // Statements of whole periods that share a day overlap; the dates of
    // items only when one file has an item later than the other's first.
    const bool overlap =
        Before(next.start, reach->end) ||
        (reach->periodStated && next.periodStated && SameDay(next.start, reach->end));
    if (overlap) {
      LogFormatted(log, LogKind::kFileWarning,
                   "Soubory %s (%s až %s) a %s (%s až %s) se časově překrývají\n",
                   {reach->shown, ShownDate(reach->start), ShownDate(reach->end), next.shown,
                    ShownDate(next.start), ShownDate(next.end)});
    }
    if (Before(reach->end, next.end)) reach = &next;
    if (overlap) continue;
    if (previous.stated.hasClosing && next.stated.hasOpening &&
        previous.stated.closing != next.stated.opening) {
      LogFormatted(log, LogKind::kFileWarning,
                   "mezi soubory %s a %s chybí pohyby: konečný zůstatek %s, počáteční %s\n",
                   {previous.shown, next.shown, ShownBalance(previous.stated.closing, unit),
                    ShownBalance(next.stated.opening, unit)});
    }
  }
  return dated.front();
}

}  // namespace tarvolo
