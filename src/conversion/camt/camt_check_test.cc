#include "conversion/camt/camt_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace tarvolo {
namespace {

// The koruna statement of tests/data/camt and what its GPC file holds.
CamtExpectation CrownExpectation() {
  CamtExpectation expected;
  expected.openingHellers = 12543050;
  expected.closingHellers = 13913039;
  expected.itemCount = 3;
  expected.creditHellers = 1500000;
  expected.debitHellers = 130011;
  return expected;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(std::string::npos, at) << from;
  text.replace(at, from.size(), to);
}

// `first`, then `rest`.
std::vector<std::string> Preceded(const std::string& first, std::vector<std::string> rest) {
  rest.insert(rest.begin(), first);
  return rest;
}

TEST(CamtCheckTest, EachFaultIsNamed) {
  using Edit = std::function<void(std::string&, CamtExpectation&)>;
  // An entry the checker cannot count is missing from every sum.
  const std::vector<std::string> entryLost = {
      "počáteční zůstatek 125430.50 + příjmy 15000.00 - výdaje 1258.11 nesouhlasí s konečným "
      "zůstatkem 139130.39",
      "souhrn: počet položek 3 nesouhlasí s položkami výpisu (2)",
      "souhrn: součet položek 16300.11 nesouhlasí s položkami výpisu (16258.11)",
      "souhrn: počet výdajů 2 nesouhlasí s položkami výpisu (1)",
      "souhrn: součet výdajů 1300.11 nesouhlasí s položkami výpisu (1258.11)",
      "počet položek 2 nesouhlasí se souborem GPC (3)",
      "součet výdajů 1258.11 nesouhlasí se souborem GPC (1300.11)"};
  const struct {
    const char* what;
    Edit edit;
    std::vector<std::string> problems;
  } cases[] = {
      {"sound", [](std::string&, CamtExpectation&) {}, {}},
      {"closing off",
       [](std::string& x, CamtExpectation&) { Replace(x, "139130.39</Amt>", "139130.40</Amt>"); },
       {"počáteční zůstatek 125430.50 + příjmy 15000.00 - výdaje 1300.11 nesouhlasí s konečným "
        "zůstatkem 139130.40",
        "konečný zůstatek 139130.40 nesouhlasí se souborem GPC (139130.39)"}},
      {"a debit balance",
       [](std::string& x, CamtExpectation& e) {
         Replace(x, "<CdtDbtInd>CRDT</CdtDbtInd>\n        <Dt>\n          <Dt>2014-08-31",
                 "<CdtDbtInd>DBIT</CdtDbtInd>\n        <Dt>\n          <Dt>2014-08-31");
         e.openingHellers = -12543050;
       },
       {"počáteční zůstatek -125430.50 + příjmy 15000.00 - výdaje 1300.11 nesouhlasí s konečným "
        "zůstatkem 139130.39"}},
      {"summary count off",
       [](std::string& x, CamtExpectation&) {
         Replace(x, "<TtlCdtNtries>\n          <NbOfNtries>1<",
                 "<TtlCdtNtries>\n          <NbOfNtries>2<");
       },
       {"souhrn: počet příjmů 2 nesouhlasí s položkami výpisu (1)"}},
      {"summary sum off",
       [](std::string& x, CamtExpectation&) {
         Replace(x, "<Sum>1300.11</Sum>", "<Sum>1300.1</Sum>");
       },
       {"souhrn: součet výdajů 1300.10 nesouhlasí s položkami výpisu (1300.11)"}},
      {"entry lost",
       [](std::string& x, CamtExpectation&) {
         const size_t last = x.rfind("      <Ntry>");
         x.erase(last, x.find("</Ntry>\n", last) + 8 - last);
       },
       entryLost},
      {"GPC file differs",
       [](std::string&, CamtExpectation& e) {
         e.itemCount = 4;
         e.creditHellers = 1500001;
       },
       {"počet položek 3 nesouhlasí se souborem GPC (4)",
        "součet příjmů 15000.00 nesouhlasí se souborem GPC (15000.01)"}},
      {"amount beyond hellers",
       [](std::string& x, CamtExpectation&) { Replace(x, ">42.00<", ">42.005<"); },
       Preceded("položka č. 3: neplatná částka \"42.005\" DBIT", entryLost)},
      {"no closing balance",
       [](std::string& x, CamtExpectation&) { Replace(x, "<Cd>CLBD</Cd>", "<Cd>CLAV</Cd>"); },
       {"chybí konečný zůstatek (CLBD)"}},
      {"no summary",
       [](std::string& x, CamtExpectation&) {
         const size_t start = x.find("      <TxsSummry>");
         x.erase(start, x.find("</TxsSummry>\n") + 13 - start);
       },
       {"chybí souhrn položek (TxsSummry)"}},
      {"another version",
       [](std::string& x, CamtExpectation&) { Replace(x, "camt.053.001.02", "camt.053.001.08"); },
       {"kořenový prvek není Document výpisu camt.053.001.02"}},
      {"cut short",
       [](std::string& x, CamtExpectation&) { x.resize(x.size() - 40); },
       {"řádek 239: soubor není správně utvořený XML: neukončený prvek <Stmt>"}},
      {"tags crossed",
       [](std::string& x, CamtExpectation&) { Replace(x, "<Sts>BOOK</Sts>", "<Sts>BOOK</Sta>"); },
       {"řádek 75: soubor není správně utvořený XML: koncová značka </Sta> neodpovídá "
        "otevřenému prvku"}},
      {"bare ampersand",
       [](std::string& x, CamtExpectation&) { Replace(x, "&amp; syn", "& syn"); },
       {"řádek 100: soubor není správně utvořený XML: znak & bez platného odkazu"}},
      {"unknown entity",
       [](std::string& x, CamtExpectation&) { Replace(x, "&amp; syn", "&nbsp;syn"); },
       {"řádek 100: soubor není správně utvořený XML: neznámá entita &"}},
      {"Windows-1250 text",
       [](std::string& x, CamtExpectation&) { Replace(x, "Nov\xC3\xA1k", "Nov\xE1k"); },
       {"řádek 22: soubor není správně utvořený XML: znak, který není v UTF-8 nebo jej XML "
        "nepřipouští"}},
      {"control character",
       [](std::string& x, CamtExpectation&) { Replace(x, "Nov", "N\x01v"); },
       {"řádek 22: soubor není správně utvořený XML: znak, který není v UTF-8 nebo jej XML "
        "nepřipouští"}},
      {"second root",
       [](std::string& x, CamtExpectation&) { x += "<Document/>\n"; },
       {"řádek 242: soubor není správně utvořený XML: druhý kořenový prvek"}},
      {"attribute unquoted",
       [](std::string& x, CamtExpectation&) { Replace(x, "Ccy=\"CZK\"", "Ccy=CZK"); },
       {"řádek 38: soubor není správně utvořený XML: hodnota atributu bez uvozovek"}},
      {"empty file",
       [](std::string& x, CamtExpectation&) { x.clear(); },
       {"řádek 1: soubor není správně utvořený XML: dokument nemá kořenový prvek"}},
  };
  const std::string golden = ReadTestFile(TestDataPath("camt/czk.xml"));
  ASSERT_FALSE(golden.empty());
  for (const auto& c : cases) {
    std::string xml = golden;
    CamtExpectation expected = CrownExpectation();
    c.edit(xml, expected);
    EXPECT_EQ(c.problems, CheckCamtStatement(xml, expected)) << c.what;
  }
}

TEST(CamtCheckTest, ReferencesCdataAndCommentsAreRead) {
  std::string xml = ReadTestFile(TestDataPath("camt/czk.xml"));
  Replace(xml, "<Amt Ccy=\"CZK\">42.00</Amt>",
          "<!-- a note --><Amt Ccy='&#67;ZK'>4<![CDATA[2.]]>&#x30;0</Amt>");
  Replace(xml, "<Document xmlns=\"urn", "<c:Document xmlns:c=\"urn");
  Replace(xml, "</Document>", "</c:Document>");
  EXPECT_EQ(std::vector<std::string>(), CheckCamtStatement(xml, CrownExpectation()));
}

}  // namespace
}  // namespace tarvolo
