#include "conversion/reading/statement_reading.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/servis24/servis24_reader.h"
#include "conversion/reading/text/statement_encoding.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/iban.h"
#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

constexpr int32_t kServis24BankCode = 800;

// One reading tried on a file: its items go to the target, its log lines
// are held back until the reading is chosen.
class Attempt {
 public:
  Attempt(ReadingState* run, ReadingTarget* target, const std::string& shown,
          const LayoutReading* reading)
      : run_(run), target_(target), found_(run->split.found.size()) {
    target_->Try(shown, reading, Log());
  }

  ItemSink Sink() {
    return [this](const StatementItem& item) { target_->Add(item, run_->currency); };
  }
  LogLine Log() {
    return [this](LogKind kind, const char* line) { lines_.emplace_back(kind, line); };
  }

  // The reading is chosen: its items count, its lines are logged, and the
  // checks across files learn of it.
  bool Accept(const std::string& path, const StatedBalances& stated, const LogLine& log) {
    target_->Finish();
    for (const auto& [kind, line] : lines_) log(kind, line.c_str());
    return target_->Keep(path, stated, log);
  }
  // The reading is not chosen: nothing of it stays.
  void Discard() {
    target_->Forget();
    run_->split.found.resize(found_);
  }

 private:
  ReadingState* run_;
  ReadingTarget* target_;
  size_t found_;  // the currencies met before this reading
  std::vector<std::pair<LogKind, std::string>> lines_;
};

// What a dry run of a reading gave: whether the data confirm it, its items
// as they compare, and why it is not confirmed.
struct Trial {
  bool confirmed = false;
  std::vector<std::string> items;
  std::string refusal;
};

ItemSink Collect(std::vector<std::string>* items) {
  return [items](const StatementItem& item) {
    std::string key;
    for (int64_t value :
         {int64_t{item.year}, int64_t{item.month}, int64_t{item.day}, item.amount,
          int64_t{item.counterPrefix}, item.counterNumber, int64_t{item.bankCode}}) {
      key += std::to_string(value) + '|';
    }
    key.append(item.variableSymbol).append("|").append(item.description);
    items->push_back(std::move(key));
  };
}

Trial TryLayout(const std::string& shown, std::string_view statement, const StatementLayout& layout,
                const ReadingState& run) {
  Trial trial;
  LayoutReading reading;
  std::string currency = run.currency;
  ReadLayoutItems(
      shown, statement, layout, &currency, Collect(&trial.items), [](LogKind, const char*) {},
      &reading);
  trial.confirmed = reading.confirmation.Confirmed();
  trial.refusal = reading.refusal;
  return trial;
}

// Why the lines read by position do not confirm Servis24, "" where they do.
std::string Servis24Refusal(const Servis24Lines& lines) {
  std::string refusal;
  const ReadingConfirmation& counted = lines.confirmation;
  if (counted.dataLines == 0) {
    refusal = "Servis24 nelze použít, soubor nemá žádný řádek s daty";
  } else if (!lines.Confirmed()) {
    const LeftOutLine& first = lines.leftOut.front();
    Render(refusal, "Servis24 nelze použít, nečitelných řádků %d z %d, první řádek %d: %s",
           {counted.dataLines - counted.readable, counted.dataLines, first.line, first.why});
  }
  return refusal;
}

Trial TryServis24(std::string_view statement) {
  Trial trial;
  Servis24Lines lines;
  ReadServis24Lines(statement, Collect(&trial.items), &lines);
  trial.confirmed = lines.Confirmed();
  return trial;
}

// Reads the file by its header's layout into the run, or leaves no trace
// of the reading where its data do not confirm it; `refusal` then gets why.
bool ReadByLayout(const std::string& shown, std::string_view statement,
                  const StatementLayout& layout, ReadingState* run, ReadingTarget* target,
                  const LogLine& log, bool* amountsFit, std::string* refusal) {
  LayoutReading reading;
  Attempt attempt(run, target, shown, &reading);
  std::string currency = run->currency;
  ReadLayoutItems(shown, statement, layout, &currency, attempt.Sink(), attempt.Log(), &reading,
                  &run->split);
  if (!reading.confirmation.Confirmed()) {
    attempt.Discard();
    *refusal = reading.refusal;
    return false;
  }
  run->currency = currency;
  // A header known as no Czech bank's is that of a service abroad.
  const int32_t bank = layout.bankCode != 0 ? layout.bankCode : layout.known ? kBankAbroad : 0;
  run->banks.push_back({bank, reading.ownAccounts, reading.ownIbans});
  *amountsFit = attempt.Accept(shown, reading.stated, log);
  // An IBAN a check digit refuses identifies no account for sure.
  for (const std::string& iban : reading.ownIbans) {
    if (IsSoundIban(iban)) continue;
    LogFormatted(log, LogKind::kNote,
                 "Soubor %s uvádí IBAN %s s chybnými kontrolními číslicemi, IBAN nebyl použit\n",
                 {shown, iban});
  }
  return true;
}

// Whether two texts are one, compared here rather than by a call: a
// currency's code is three bytes, and every item compares two.
inline bool SameCode(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// How many items name each currency, in the order first met.
class CurrencyCounts {
 public:
  void Add(std::string_view code) {
    // Most items name the currency of the item before.
    if (last_ >= counts_.size() || !SameCode(counts_[last_].first, code)) {
      for (last_ = 0; last_ < counts_.size() && !SameCode(counts_[last_].first, code); ++last_) {}
      if (last_ == counts_.size()) counts_.emplace_back(code, 0);
    }
    ++counts_[last_].second;
  }
  // The currency most items name, the first in the alphabet of equals; ""
  // where none names one.
  std::string Most() const {
    const std::pair<std::string, int32_t>* most = nullptr;
    for (const auto& count : counts_) {
      if (most == nullptr || count.second > most->second ||
          (count.second == most->second && count.first < most->first)) {
        most = &count;
      }
    }
    return most != nullptr ? most->first : std::string();
  }

 private:
  std::vector<std::pair<std::string, int32_t>> counts_;
  size_t last_ = 0;
};

// Reads the file by Servis24's positions into `attempt` in the run's
// currency; an item in another one is left out, named, unless another
// statement of the run takes it. A line that names no currency is in the
// first one the file's lines name, else in the koruna. `counts` learns
// every item's currency.
void ReadPositions(const std::string& shown, std::string_view statement, ReadingState* run,
                   Attempt* attempt, Servis24Lines* lines, CurrencyCounts* counts) {
  const ItemSink sink = attempt->Sink();
  const LogLine attemptLog = attempt->Log();
  std::optional<std::string> fileCurrency;
  const ItemSink inCurrency = [&](const StatementItem& item) {
    std::string_view code = item.currency;
    if (!code.empty()) counts->Add(code);
    if (code.empty()) {
      if (!fileCurrency) {
        fileCurrency = FirstServis24Currency(statement);
        if (fileCurrency->empty()) fileCurrency = std::string(kKorunaCode);
      }
      code = *fileCurrency;
    }
    if (SameCode(code, run->currency)) return sink(item);
    if (run->split.Elsewhere(std::string(code))) {
      ++lines->otherStatement;
      return;
    }
    ++lines->otherCurrency;
    LogFormatted(attemptLog, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: položka %.2f %s je v jiné měně než výpis (%s), vynechána\n",
                 {shown, item.line, Crowns(item.amount), std::string(code), run->currency});
  };
  ReadServis24Lines(statement, inCurrency, lines);
}

// Reads the file by Servis24's positions into the run, or leaves no trace
// of the reading where its data do not confirm it; `refusal` then gets why.
bool ReadByPosition(const std::string& shown, std::string_view statement, ReadingState* run,
                    ReadingTarget* target, const LogLine& log, bool* amountsFit,
                    std::string* refusal) {
  // The statement's currency is the first file's: the one most of its items
  // name. The file is read in the first one a line names and, in the rare
  // file where most name another, read again in that one.
  const std::string before = run->currency;
  if (run->currency.empty()) run->currency = FirstServis24Currency(statement);
  if (run->currency.empty()) run->currency = kKorunaCode;
  std::optional<Attempt> attempt(std::in_place, run, target, shown, nullptr);
  Servis24Lines lines;
  CurrencyCounts counts;
  ReadPositions(shown, statement, run, &*attempt, &lines, &counts);
  const std::string most = counts.Most();
  if (before.empty() && lines.Confirmed() && !most.empty() && most != run->currency) {
    attempt->Discard();
    run->currency = most;
    attempt.emplace(run, target, shown, nullptr);
    ReadPositions(shown, statement, run, &*attempt, &lines, &counts);
  }
  if (!lines.Confirmed()) {
    attempt->Discard();
    run->currency = before;
    *refusal = Servis24Refusal(lines);
    return false;
  }
  LogServis24Lines(shown, lines, attempt->Log());
  // Servis24 is Česká spořitelna's.
  run->banks.push_back({kServis24BankCode, {}, {}});
  *amountsFit = attempt->Accept(shown, StatedBalances(), log);
  return true;
}

// Reads the file by the mapping given for the run; a file without every
// column it names, or whose data do not confirm it, is refused with why.
bool ReadByMapping(const std::string& shown, std::string_view statement,
                   const ColumnMapping& mapping, ReadingState* run, ReadingTarget* target,
                   const LogLine& log, bool* amountsFit, std::vector<std::string>* reasons) {
  std::vector<std::string> missing;
  const StatementLayout layout = MappedLayout(statement, mapping, &missing);
  std::string refusal;
  if (!layout.recognised) {
    for (const std::string& name : missing) {
      Render(refusal, "%s\"%s\"", {refusal.empty() ? "hlavička nemá sloupec " : ", ", name});
    }
    reasons->push_back(refusal);
    return false;
  }
  if (ReadByLayout(shown, statement, layout, run, target, log, amountsFit, &refusal)) return true;
  reasons->push_back(refusal);
  return false;
}

// Reads the file by a mapping kept for its header, where one is; its
// refusal joins `reasons`.
bool ReadByKeptMapping(const std::string& shown, std::string_view statement, ReadingState* run,
                       ReadingTarget* target, const LogLine& log, bool* amountsFit,
                       std::vector<std::string>* reasons) {
  for (const ColumnMapping& mapping : run->mappings) {
    StatementLayout layout;
    if (mapping.header.empty() || !KeptMappingFits(statement, mapping, &layout)) continue;
    std::string refusal;
    if (ReadByLayout(shown, statement, layout, run, target, log, amountsFit, &refusal)) {
      LogFormatted(log, LogKind::kInformation,
                   "Soubor %s převeden podle uloženého převodu sloupců \"%s\"\n",
                   {shown, mapping.text});
      return true;
    }
    reasons->push_back("uložený převod sloupců: " + refusal);
    return false;
  }
  return false;
}

// Where no reading knows a file's header, what the user may map.
void AdviseMapping(const std::string& shown, std::string_view statement, const LogLine& log) {
  if (RecogniseLayout(statement).recognised || HasServis24Header(statement)) return;
  const std::vector<std::string> cells = LikelyHeaderCells(statement);
  if (cells.size() < 2) return;
  std::string names;
  for (const std::string& cell : cells) {
    Render(names, "%s\"%s\"", {names.empty() ? "" : ", ", cell});
  }
  LogFormatted(log, LogKind::kInformation,
               "Sloupce souboru %s: %s; převod lze zadat volbou --columns "
               "\"datum=…;částka=…\"\n",
               {shown, names});
}

// Tries the readings a file may have, the layout its header names and
// Servis24 by position: the one its data confirm gives the file's items.
// Two that are confirmed and give other items leave the file unread, as
// does none. Returns whether one was taken; `reasons` gets why not.
bool ChooseReading(const std::string& shown, std::string_view statement, ReadingState* run,
                   ReadingTarget* target, const LogLine& log, bool* amountsFit,
                   std::vector<std::string>* reasons) {
  // A mapping given for the run is the user's word for each of its files.
  if (!run->mappings.empty() && run->mappings.front().header.empty()) {
    return ReadByMapping(shown, statement, run->mappings.front(), run, target, log, amountsFit,
                         reasons);
  }
  const StatementLayout layout = RecogniseLayout(statement);
  // Servis24's own header names columns a generic reading knows too: the
  // file is Servis24's, read by position or not at all.
  const bool byLayout = layout.recognised && (layout.known || !HasServis24Header(statement));
  // Most files are plainly one or the other: a quick look by position tells
  // whether the two readings must be tried and compared first.
  const bool byPosition = !byLayout || Servis24MayConfirm(statement);
  bool layoutFirst = byLayout;
  std::string layoutRefusal = layout.recognised ? "" : "hlavička nenalezena";
  if (byLayout && byPosition) {
    const Trial viaLayout = TryLayout(shown, statement, layout, *run);
    const Trial viaPosition = TryServis24(statement);
    if (viaLayout.confirmed && viaPosition.confirmed && viaLayout.items != viaPosition.items) {
      std::string both;
      Render(both, "formát %s i Servis24 se daty potvrzují, ale dávají jiné položky",
             {layout.name});
      reasons->push_back(both);
      return false;
    }
    // Where both give the same items, a bank's own header is the likelier.
    layoutFirst = viaLayout.confirmed && (layout.known || !viaPosition.confirmed);
    if (!viaLayout.confirmed) layoutRefusal = viaLayout.refusal;
  }
  if (layoutFirst) {
    if (ReadByLayout(shown, statement, layout, run, target, log, amountsFit, &layoutRefusal))
      return true;
  }
  std::string positionRefusal;
  if (ReadByPosition(shown, statement, run, target, log, amountsFit, &positionRefusal)) return true;
  if (!layoutRefusal.empty()) reasons->push_back(layoutRefusal);
  reasons->push_back(positionRefusal);
  return ReadByKeptMapping(shown, statement, run, target, log, amountsFit, reasons);
}

// The number of the line that byte `offset` of `text` is on, lines ending as
// the readers end them: at LF, CR LF or a CR alone. `text` is readable one
// byte past `offset`.
int32_t LineAt(const char* text, size_t offset) {
  int32_t line = 1;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n')) ++line;
  }
  return line;
}

// Converts the file's bytes in place to Windows-1250, naming the encoding
// and the bytes that were no characters of it; returns the text's length.
size_t ToStatementText(const std::string& shown, char* bytes, size_t size, const LogLine& log) {
  const TextEncoding encoding = DetectEncoding(std::string_view(bytes, size));
  if (encoding == TextEncoding::kWindows1250) return size;
  Utf8Damage damage;
  const size_t length = ToWindows1250InPlace(bytes, size, encoding, &damage);
  bytes[length] = '\0';
  LogFormatted(log, LogKind::kInformation, "Soubor je v kódování %s, převeden do Windows-1250\n",
               {EncodingName(encoding)});
  if (damage.bytes > 0) {
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: bajtů, které nejsou znaky UTF-8, je v souboru %d, "
                 "přečteny jako znak ?\n",
                 {shown, LineAt(bytes, damage.first), static_cast<int32_t>(damage.bytes)});
  }
  return length;
}

}  // namespace

FileReading ReadStatementFile(const std::string& shown, char* bytes, size_t size,
                              ReadingState* state, ReadingTarget* target, const LogLine& log) {
  FileReading outcome;
  const size_t length = ToStatementText(shown, bytes, size, log);
  // The text ends at a NUL byte; whatever follows it must not vanish unseen.
  const size_t textLength = std::strlen(bytes);
  target->Expect(CountItemLines(bytes, textLength));
  std::vector<std::string> reasons;
  outcome.converted = ChooseReading(shown, std::string_view(bytes, textLength), state, target, log,
                                    &outcome.amountsFit, &reasons);
  if (!outcome.converted) {
    std::string why;
    for (const std::string& reason : reasons) why += (why.empty() ? "" : ", ") + reason;
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s: formát nerozpoznán (%s), soubor nebyl převeden\n", {shown, why});
    if (state->mappings.empty() || !state->mappings.front().header.empty()) {
      AdviseMapping(shown, std::string_view(bytes, textLength), log);
    }
  }
  if (textLength < length) {
    LogFormatted(log, LogKind::kFileWarning,
                 "Soubor %s obsahuje na řádku %d nulový bajt, zbytek souboru nebyl převeden\n",
                 {shown, LineAt(bytes, textLength)});
  }
  return outcome;
}

MappedHeader FindMappedHeader(char* bytes, size_t size, const ColumnMapping& mapping) {
  MappedHeader found;
  const size_t length = ToStatementText("", bytes, size, [](LogKind, const char*) {});
  const std::string_view text(bytes, std::strlen(bytes) < length ? std::strlen(bytes) : length);
  const StatementLayout layout = MappedLayout(text, mapping, &found.missing);
  found.fits = layout.recognised;
  if (found.fits) found.cells = HeaderCells(text, layout);
  return found;
}

}  // namespace tarvolo
