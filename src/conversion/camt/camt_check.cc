#include "conversion/camt/camt_check.h"

#include <algorithm>
#include <iterator>

#include "conversion/camt/xml_reader.h"
#include "conversion/camt/xml_text.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"

namespace tarvolo {
namespace {

constexpr std::string_view kNamespace = "urn:iso:std:iso:20022:tech:xsd:camt.053.001.02";

std::string_view LocalName(std::string_view name) {
  // Names are short: a loop costs less than a search.
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == ':') return name.substr(i + 1);
  }
  return name;
}

// An amount of the schema in hellers: digits, a point and up to five
// decimals of which only the first two may be other than zero.
bool ReadHellers(std::string_view text, int64_t* hellers) {
  constexpr int64_t kLimit = 100000000000000000;  // 10^17 hellers, as the run's sums
  int64_t value = 0;
  size_t i = 0, digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    value = value * 10 + (text[i] - '0');
    if (value >= kLimit) return false;
  }
  if (digits == 0) return false;
  int decimals = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++decimals) {
      if (decimals >= 2 && text[i] != '0') return false;
      if (decimals < 2) value = value * 10 + (text[i] - '0');
    }
    if (decimals == 0) return false;
  }
  if (i != text.size()) return false;
  for (; decimals < 2; ++decimals) value *= 10;
  *hellers = value;
  return true;
}

bool ReadCount(std::string_view text, int64_t* count) { return ReadDigitsOnly(text, 15, count); }

std::string Crowns(int64_t hellers) {
  std::string text = hellers < 0 ? "-" : "";
  AppendHellerAmount(&text, hellers);
  return text;
}

// One side of the statement: entries of one direction, their count and sum.
struct Side {
  int64_t count = 0, hellers = 0;
  bool stated = false;  // for TxsSummry: whether it gives this side
};

// What an element is to the check, by where it stands. Nearly every element
// of a document lies in an entry's details, where nothing is taken: its
// children are then known to be nothing without a look at their names.
enum class Part : uint8_t {
  kNothing,  // neither it nor anything in it is taken
  kAbove,    // the root and its children, above the statements
  kStatement,
  kEntry,
  kEntryAmount,
  kEntrySign,
  kBalance,
  kBalanceType,
  kBalanceCodeOrProprietary,
  kBalanceCode,
  kBalanceAmount,
  kBalanceSign,
  kSummary,
  kSummarySide,
  kSideCount,
  kSideSum,
};

// One open element.
struct Level {
  Part part = Part::kNothing;
  uint8_t side = 0;  // of a kSummarySide and what is in it: its place in kSideNames
  // Whether it and every element around it have the names of the
  // statement's path: Document, BkToCstmrStmt, Stmt and then any.
  bool onPath = false;
};

constexpr std::string_view kSideNames[] = {"TtlNtries", "TtlCdtNtries", "TtlDbtNtries"};

// Gathers, element by element, what the check compares.
class Gatherer : public XmlHandler {
 public:
  void OnStart(std::string_view name, const std::vector<XmlAttribute>& attributes) override {
    // Grown by hand: most elements cost no more than their level.
    if (open_ == levels_.size()) levels_.resize(2 * open_ + 16);
    if (open_ == 0) {
      levels_[open_++] = Root(name, attributes);
      return;
    }
    const Level& parent = levels_[open_ - 1];
    levels_[open_] = parent.part == Part::kNothing ? Level() : Child(parent, LocalName(name));
    ++open_;
  }

  void OnEnd(std::string_view, std::string_view text) override {
    const Level& level = levels_[--open_];
    if (level.part != Part::kNothing && statements == 1) Take(level, text);
  }

  bool rootSound = false, namespaceSound = false;
  int32_t statements = 0;
  bool hasOpening = false, hasClosing = false, hasSummary = false;
  int64_t opening = 0, closing = 0;
  Side entryCredits, entryDebits;
  Side summaryCredits, summaryDebits, summaryAll;
  std::vector<std::string> problems;

 private:
  struct Balance {
    std::string code, amount, sign;
  };
  struct Entry {
    std::string amount, sign;
  };

  Level Root(std::string_view name, const std::vector<XmlAttribute>& attributes) {
    const std::string_view local = LocalName(name);
    // The root's own namespace, by the prefix its name has, if any.
    const std::string_view prefix = name.substr(0, name.size() - local.size());
    const std::string declaration =
        prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix.substr(0, prefix.size() - 1));
    for (const XmlAttribute& attribute : attributes) {
      if (attribute.name == declaration && attribute.value == kNamespace) namespaceSound = true;
    }
    rootSound = local == "Document";
    Level level;
    level.part = Part::kAbove;
    level.onPath = rootSound;
    return level;
  }

  // The level of an element named `local` in one of `parent`, which is
  // something to the check.
  Level Child(const Level& parent, std::string_view local) {
    // The depth of the element, the root's being 0: its parents are open.
    const size_t depth = open_;
    Level level;
    level.side = parent.side;
    switch (parent.part) {
      case Part::kAbove:
        if (depth == 1) {
          level.part = Part::kAbove;
          level.onPath = parent.onPath && local == "BkToCstmrStmt";
        } else if (local == "Stmt") {
          level.part = Part::kStatement;
          level.onPath = parent.onPath;
          if (level.onPath) ++statements;
        }
        break;
      case Part::kStatement:
        level.onPath = parent.onPath;
        if (local == "Ntry") {
          level.part = Part::kEntry;
          if (level.onPath) entry_ = Entry();
        } else if (local == "Bal") {
          level.part = Part::kBalance;
          if (level.onPath) balance_ = Balance();
        } else if (local == "TxsSummry") {
          level.part = Part::kSummary;
        }
        break;
      case Part::kEntry:
        if (local == "Amt") level.part = Part::kEntryAmount;
        if (local == "CdtDbtInd") level.part = Part::kEntrySign;
        break;
      case Part::kBalance:
        if (local == "Tp") level.part = Part::kBalanceType;
        if (local == "Amt") level.part = Part::kBalanceAmount;
        if (local == "CdtDbtInd") level.part = Part::kBalanceSign;
        break;
      case Part::kBalanceType:
        if (local == "CdOrPrtry") level.part = Part::kBalanceCodeOrProprietary;
        break;
      case Part::kBalanceCodeOrProprietary:
        if (local == "Cd") level.part = Part::kBalanceCode;
        break;
      case Part::kSummary:
        for (uint8_t i = 0; i < std::size(kSideNames); ++i) {
          if (local == kSideNames[i]) {
            level.part = Part::kSummarySide;
            level.side = i;
          }
        }
        break;
      case Part::kSummarySide:
        if (local == "NbOfNtries") level.part = Part::kSideCount;
        if (local == "Sum") level.part = Part::kSideSum;
        break;
      default:
        break;
    }
    return level;
  }

  Side& SideOf(const Level& level) {
    Side* const sides[] = {&summaryAll, &summaryCredits, &summaryDebits};
    return *sides[level.side];
  }

  void Take(const Level& level, std::string_view text) {
    switch (level.part) {
      case Part::kEntryAmount:
        entry_.amount = text;
        break;
      case Part::kEntrySign:
        entry_.sign = text;
        break;
      case Part::kEntry:
        TakeEntry();
        break;
      case Part::kBalanceCode:
        balance_.code = text;
        break;
      case Part::kBalanceAmount:
        balance_.amount = text;
        break;
      case Part::kBalanceSign:
        balance_.sign = text;
        break;
      case Part::kBalance:
        TakeBalance();
        break;
      case Part::kSummary:
        hasSummary = true;
        break;
      case Part::kSideCount:
        SideOf(level).stated = true;
        if (!ReadCount(text, &SideOf(level).count)) {
          Problem("neplatný počet položek \"" + std::string(text) + "\" v " +
                  std::string(kSideNames[level.side]));
        }
        break;
      case Part::kSideSum:
        if (!ReadHellers(text, &SideOf(level).hellers)) {
          Problem("neplatný součet \"" + std::string(text) + "\" v " +
                  std::string(kSideNames[level.side]));
        }
        break;
      default:
        break;
    }
  }

  // A signed amount from its magnitude and its CRDT or DBIT.
  bool Signed(const std::string& amount, const std::string& sign, int64_t* hellers) {
    if (!ReadHellers(amount, hellers) || (sign != "CRDT" && sign != "DBIT")) return false;
    if (sign == "DBIT") *hellers = -*hellers;
    return true;
  }

  void TakeBalance() {
    int64_t hellers = 0;
    const bool opening = balance_.code == "OPBD", closing = balance_.code == "CLBD";
    if (!opening && !closing) return;
    if (!Signed(balance_.amount, balance_.sign, &hellers)) {
      Problem("neplatná částka zůstatku " + balance_.code + " \"" + balance_.amount + "\" " +
              balance_.sign);
      return;
    }
    if (opening) {
      hasOpening = true;
      this->opening = hellers;
    } else {
      hasClosing = true;
      this->closing = hellers;
    }
  }

  void TakeEntry() {
    ++entryNumber_;
    int64_t hellers = 0;
    if (!Signed(entry_.amount, entry_.sign, &hellers)) {
      std::string text;
      Render(text, "položka č. %d: neplatná částka \"%s\" %s",
             {int64_t{entryNumber_}, entry_.amount, entry_.sign});
      Problem(text);
      return;
    }
    Side& side = hellers < 0 || entry_.sign == "DBIT" ? entryDebits : entryCredits;
    ++side.count;
    side.hellers += hellers < 0 ? -hellers : hellers;
  }

  void Problem(const std::string& text) { problems.push_back(text); }

  std::vector<Level> levels_;  // the first open_ are those of the open elements
  size_t open_ = 0;
  Balance balance_;
  Entry entry_;
  int64_t entryNumber_ = 0;
};

class Report {
 public:
  explicit Report(std::vector<std::string>* problems) : problems_(problems) {}
  // "<what> <found> nesouhlasí <where> (<expected>)" when they differ.
  void Compare(const char* what, const std::string& found, const std::string& expected,
               const char* where) {
    if (found == expected) return;
    problems_->push_back(std::string(what) + " " + found + " nesouhlasí " + where + " (" +
                         expected + ")");
  }
  void CompareCount(const char* what, int64_t found, int64_t expected, const char* where) {
    std::string a, b;
    AppendInteger(&a, found);
    AppendInteger(&b, expected);
    Compare(what, a, b, where);
  }
  void CompareAmount(const char* what, int64_t found, int64_t expected, const char* where) {
    Compare(what, Crowns(found), Crowns(expected), where);
  }

 private:
  std::vector<std::string>* problems_;
};

void CompareSummary(const Gatherer& g, Report& report, std::vector<std::string>* problems) {
  if (!g.hasSummary) {
    problems->push_back("chybí souhrn položek (TxsSummry)");
    return;
  }
  const char* const kEntries = "s položkami výpisu";
  const int64_t count = g.entryCredits.count + g.entryDebits.count;
  const int64_t sum = g.entryCredits.hellers + g.entryDebits.hellers;
  if (g.summaryAll.stated) {
    report.CompareCount("souhrn: počet položek", g.summaryAll.count, count, kEntries);
    report.CompareAmount("souhrn: součet položek", g.summaryAll.hellers, sum, kEntries);
  }
  if (!g.summaryCredits.stated || !g.summaryDebits.stated) {
    problems->push_back("souhrn položek neuvádí počty příjmů a výdajů");
    return;
  }
  report.CompareCount("souhrn: počet příjmů", g.summaryCredits.count, g.entryCredits.count,
                      kEntries);
  report.CompareAmount("souhrn: součet příjmů", g.summaryCredits.hellers, g.entryCredits.hellers,
                       kEntries);
  report.CompareCount("souhrn: počet výdajů", g.summaryDebits.count, g.entryDebits.count, kEntries);
  report.CompareAmount("souhrn: součet výdajů", g.summaryDebits.hellers, g.entryDebits.hellers,
                       kEntries);
}

}  // namespace

std::vector<std::string> CheckCamtStatement(std::string_view xml, const CamtExpectation& expected) {
  Gatherer g;
  std::string problem;
  int32_t line = 0;
  if (!ReadXmlDocument(xml, &g, &problem, &line)) {
    std::string text;
    Render(text, "řádek %d: soubor není správně utvořený XML: %s", {line, problem});
    return {text};
  }
  std::vector<std::string>& problems = g.problems;
  if (!g.rootSound || !g.namespaceSound) {
    problems.insert(problems.begin(), "kořenový prvek není Document výpisu camt.053.001.02");
    return problems;
  }
  if (g.statements != 1) {
    std::string text;
    Render(text, "soubor obsahuje %d výpisů (Stmt) místo jednoho", {g.statements});
    problems.push_back(text);
    return problems;
  }
  if (!g.hasOpening) problems.push_back("chybí počáteční zůstatek (OPBD)");
  if (!g.hasClosing) problems.push_back("chybí konečný zůstatek (CLBD)");
  const Side& credits = g.entryCredits;
  const Side& debits = g.entryDebits;
  if (g.hasOpening && g.hasClosing && g.opening + credits.hellers - debits.hellers != g.closing) {
    problems.push_back("počáteční zůstatek " + Crowns(g.opening) + " + příjmy " +
                       Crowns(credits.hellers) + " - výdaje " + Crowns(debits.hellers) +
                       " nesouhlasí s konečným zůstatkem " + Crowns(g.closing));
  }
  Report report(&problems);
  CompareSummary(g, report, &problems);
  const char* const kGpc = "se souborem GPC";
  if (g.hasOpening) {
    report.CompareAmount("počáteční zůstatek", g.opening, expected.openingHellers, kGpc);
  }
  if (g.hasClosing) {
    report.CompareAmount("konečný zůstatek", g.closing, expected.closingHellers, kGpc);
  }
  report.CompareCount("počet položek", credits.count + debits.count, expected.itemCount, kGpc);
  report.CompareAmount("součet příjmů", credits.hellers, expected.creditHellers, kGpc);
  report.CompareAmount("součet výdajů", debits.hellers, expected.debitHellers, kGpc);
  return problems;
}

}  // namespace tarvolo
