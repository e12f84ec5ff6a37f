#include "conversion/camt/camt_check.h"

#include <algorithm>
#include <initializer_list>

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

// Gathers, element by element, what the check compares.
class Gatherer : public XmlHandler {
 public:
  void OnStart(std::string_view name, const std::vector<XmlAttribute>& attributes) override {
    const std::string_view local = LocalName(name);
    if (path_.empty()) {
      // The root's own namespace, by the prefix its name has, if any.
      const std::string_view prefix = name.substr(0, name.size() - local.size());
      const std::string declaration =
          prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix.substr(0, prefix.size() - 1));
      for (const XmlAttribute& attribute : attributes) {
        if (attribute.name == declaration && attribute.value == kNamespace) namespaceSound = true;
      }
      rootSound = local == "Document";
    }
    path_.push_back(local);
    if (Is({"Document", "BkToCstmrStmt", "Stmt"})) ++statements;
    if (Is({"Document", "BkToCstmrStmt", "Stmt", "Bal"})) balance_ = Balance();
    if (Is({"Document", "BkToCstmrStmt", "Stmt", "Ntry"})) entry_ = Entry();
  }

  void OnEnd(std::string_view, std::string_view text) override {
    if (statements == 1) Take(text);
    path_.pop_back();
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

  bool Is(std::initializer_list<std::string_view> path) const {
    return path_.size() == path.size() && std::equal(path.begin(), path.end(), path_.begin());
  }
  // Whether the path below Stmt is `tail`.
  bool InStatement(std::initializer_list<std::string_view> tail) const {
    return path_.size() == 3 + tail.size() && path_[2] == "Stmt" &&
           std::equal(tail.begin(), tail.end(), path_.begin() + 3);
  }

  void Take(std::string_view text) {
    // Most elements lie in an entry's details, where nothing is taken; the
    // part of the statement an element is in decides what it may be.
    if (path_.size() < 4 || path_.size() > 7 || path_[2] != "Stmt") return;
    const std::string_view part = path_[3];
    if (part == "Ntry") {
      if (InStatement({"Ntry", "Amt"})) entry_.amount = text;
      if (InStatement({"Ntry", "CdtDbtInd"})) entry_.sign = text;
      if (InStatement({"Ntry"})) TakeEntry();
      return;
    }
    if (part == "Bal") {
      if (InStatement({"Bal", "Tp", "CdOrPrtry", "Cd"})) balance_.code = text;
      if (InStatement({"Bal", "Amt"})) balance_.amount = text;
      if (InStatement({"Bal", "CdtDbtInd"})) balance_.sign = text;
      if (InStatement({"Bal"})) TakeBalance();
      return;
    }
    if (part != "TxsSummry") return;
    if (InStatement({"TxsSummry"})) hasSummary = true;
    const struct {
      std::string_view name;
      Side* side;
    } sides[] = {{"TtlNtries", &summaryAll},
                 {"TtlCdtNtries", &summaryCredits},
                 {"TtlDbtNtries", &summaryDebits}};
    for (const auto& side : sides) {
      if (InStatement({"TxsSummry", side.name, "NbOfNtries"})) {
        side.side->stated = true;
        if (!ReadCount(text, &side.side->count)) {
          Problem("neplatný počet položek \"" + std::string(text) + "\" v " +
                  std::string(side.name));
        }
      }
      if (InStatement({"TxsSummry", side.name, "Sum"}) && !ReadHellers(text, &side.side->hellers)) {
        Problem("neplatný součet \"" + std::string(text) + "\" v " + std::string(side.name));
      }
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

  std::vector<std::string_view> path_;
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
