#include "conversion/camt/camt_statement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "conversion/camt/camt_check.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// A statement made by hand: its account and header, and its items with
// their amounts in hellers as the run rounds them.
struct HandMadeStatement {
  const char* golden;  // in tests/data/camt
  CamtAccount account;
  CamtStatementHeader header;
  std::vector<std::pair<StatementItem, int64_t>> items;
};

StatementItem Item(int32_t day, int32_t month, int32_t year, const char* description) {
  StatementItem item;
  item.day = item.valueDay = day;
  item.month = item.valueMonth = month;
  item.year = item.valueYear = year;
  item.description = description;
  return item;
}

CamtStatementHeader Header(const char* messageId, int32_t number) {
  CamtStatementHeader header;
  header.messageId = messageId;
  header.created.year = 2014, header.created.month = 10, header.created.day = 1;
  header.created.hour = 9, header.created.minute = 5, header.created.second = 7;
  header.statementNumber = number;
  header.fromDate = CivilDate{2014, 8, 31};
  header.toDate = CivilDate{2014, 9, 30};
  return header;
}

// Koruna: symbols, a Czech counter account by number and one by IBAN, a
// foreign letter, markup characters, a control character and a message
// longer than 140 characters.
HandMadeStatement CrownStatement() {
  HandMadeStatement s{"czk.xml", {}, Header("TARVOLO-20141001-090507-7", 7), {}};
  s.account.number = "19-2000145399";
  s.account.iban = "CZ6508000000192000145399";
  s.account.bankCode = 800;
  s.account.name = "Novák a syn s.r.o.";
  StatementItem paid = Item(3, 9, 2014, "Úhrada faktury č. 2014001 – září");
  paid.valueDay = 2;
  paid.counterNumber = 123456789;
  paid.bankCode = 100;
  paid.counterName = "Dodavatel & syn <a.s.>";
  paid.variableSymbol = "2014001";
  paid.constantSymbol = "0308";
  paid.specificSymbol = "55";
  paid.bankReference = "REF-0001";
  paid.documentNumber = "1001";
  s.items.push_back({paid, 1500000});
  StatementItem rent = Item(10, 9, 2014,
                            "Nájem\tkanceláře za září 2014, Praha 1, Václavské náměstí 1, "
                            "3. patro, dle smlouvy č. 12/2013 ze dne 1. 1. 2013, včetně záloh "
                            "na služby a energie (plyn, voda), konec zprávy po sto čtyřiceti");
  rent.counterIban = "CZ65 0800 0000 1920 0014 5399";
  rent.counterPrefix = 19;
  rent.counterNumber = 2000145399;
  rent.bankCode = 800;
  rent.counterName = "Žluťoučký kůň s.r.o.";
  rent.variableSymbol = "0000000000";
  rent.constantSymbol = "0558";
  s.items.push_back({rent, -125811});
  StatementItem transfer = Item(30, 9, 2014, "Převod na spoření");
  transfer.valueDay = 0, transfer.valueMonth = 0, transfer.valueYear = 0;
  transfer.counterPrefix = 19;
  transfer.counterNumber = 2345678901;
  transfer.bankCode = 2010;
  s.items.push_back({transfer, -4200});
  s.header.openingHellers = 12543050;
  s.header.creditCount = 1, s.header.creditHellers = 1500000;
  s.header.debitCount = 2, s.header.debitHellers = 130011;
  s.header.closingHellers = 12543050 + 1500000 - 130011;
  return s;
}

// Euro: a foreign counterparty's IBAN, a card payment without a counter
// account and a fee charged beside it, its own entry.
HandMadeStatement EuroStatement() {
  HandMadeStatement s{"eur.xml", {}, Header("TARVOLO-20141001-090507-3", 3), {}};
  s.account.number = "2345678901";
  s.account.iban = "CZ5520100000002345678901";
  s.account.bankCode = 2010;
  s.account.currency = "EUR";
  StatementItem invoice = Item(5, 9, 2014, "Invoice 2014/77");
  invoice.currency = "EUR";
  invoice.counterIban = "DE89 3704 0044 0532 0130 00";
  invoice.counterName = "Müller GmbH";
  invoice.bankReference = "W-55120";
  s.items.push_back({invoice, 120000});
  StatementItem hotel = Item(12, 9, 2014, "Hotel Praha, karta *1234");
  hotel.currency = "eur";
  s.items.push_back({hotel, -35025});
  StatementItem fee = Item(12, 9, 2014, "Poplatek Hotel Praha");
  fee.fee = true;
  s.items.push_back({fee, -250});
  s.header.openingHellers = 5000;
  s.header.creditCount = 1, s.header.creditHellers = 120000;
  s.header.debitCount = 2, s.header.debitHellers = 35275;
  s.header.closingHellers = 5000 + 120000 - 35275;
  return s;
}

std::string Compose(const HandMadeStatement& s) {
  std::string entries;
  for (const auto& [item, hellers] : s.items) {
    AppendCamtEntry(CamtEntryOf(item, hellers, s.account.currency), &entries);
  }
  return ComposeCamtStatement(s.header, s.account, entries);
}

CamtExpectation ExpectationOf(const HandMadeStatement& s) {
  CamtExpectation expected;
  expected.openingHellers = s.header.openingHellers;
  expected.closingHellers = s.header.closingHellers;
  expected.itemCount = static_cast<int64_t>(s.items.size());
  expected.creditHellers = s.header.creditHellers;
  expected.debitHellers = s.header.debitHellers;
  return expected;
}

// The golden files are written anew with TARVOLO_WRITE_GOLDEN=1, for a
// change of the document that has been checked by hand.
TEST(CamtStatementTest, HandMadeStatementsGiveTheirGoldenDocument) {
  for (const HandMadeStatement& s : {CrownStatement(), EuroStatement()}) {
    const std::string xml = Compose(s);
    const std::string path = TestDataPath(std::string("camt/") + s.golden);
    if (std::getenv("TARVOLO_WRITE_GOLDEN") != nullptr) {
      std::ofstream(path, std::ios::binary) << xml;
    }
    EXPECT_EQ(ReadTestFile(path), xml) << s.golden;
    EXPECT_TRUE(CheckCamtStatement(xml, ExpectationOf(s)).empty()) << s.golden;
  }
}

TEST(CamtStatementTest, AnAccountWithoutIbanHasItsNationalNumber) {
  HandMadeStatement s = EuroStatement();
  s.account.iban.clear();
  s.account.bankCode = 0;
  const std::string xml = Compose(s);
  EXPECT_NE(std::string::npos,
            xml.find("<Acct>\n        <Id>\n          <Othr>\n            <Id>2345678901</Id>"));
  // The bank is said to be unknown, for the readers that need a servicer.
  EXPECT_NE(std::string::npos,
            xml.find("<Svcr>\n          <FinInstnId>\n            <Othr>\n              "
                     "<Id>NOTPROVIDED</Id>\n            </Othr>\n          </FinInstnId>\n"
                     "        </Svcr>\n      </Acct>"));
  EXPECT_TRUE(CheckCamtStatement(xml, ExpectationOf(s)).empty());
}

TEST(CamtStatementTest, MissingOrOddValuesStillGiveSchemaValues) {
  HandMadeStatement s = EuroStatement();
  s.header.messageId = "\r\n";
  s.account.currency = "euro";
  s.items[1].first.currency = "e1r";
  const std::string xml = Compose(s);
  EXPECT_NE(std::string::npos, xml.find("<MsgId>2345678901-XXX-20140930-3</MsgId>"));
  EXPECT_NE(std::string::npos, xml.find("<Ccy>XXX</Ccy>"));
  EXPECT_NE(std::string::npos, xml.find("<Amt Ccy=\"XXX\">350.25</Amt>"));
  EXPECT_NE(std::string::npos, xml.find("<Amt Ccy=\"EUR\">1200.00</Amt>"));
}

// An entry's dates are the item's, its year whole in every century.
TEST(CamtStatementTest, EntriesKeepTheItemsYears) {
  struct Case {
    int32_t year, valueYear;
  } cases[] = {{2014, 2014}, {1999, 2000}, {2099, 2100}};
  for (const Case& c : cases) {
    StatementItem item = Item(31, 12, c.year, "");
    item.valueYear = c.valueYear;
    const CamtEntry entry = CamtEntryOf(item, 100, "CZK");
    EXPECT_EQ(entry.booking.year, c.year);
    EXPECT_EQ(entry.value.year, c.valueYear);
    EXPECT_EQ(entry.booking.month * 100 + entry.booking.day, 1231) << c.year;
  }
}

TEST(CamtStatementTest, BalancesBelowZeroAreDebits) {
  HandMadeStatement s = EuroStatement();
  s.header.openingHellers = -200000;
  s.header.closingHellers = -200000 + 120000 - 35275;
  const std::string xml = Compose(s);
  EXPECT_NE(std::string::npos, xml.find("<Amt Ccy=\"EUR\">2000.00</Amt>\n        "
                                        "<CdtDbtInd>DBIT</CdtDbtInd>"));
  EXPECT_NE(std::string::npos, xml.find("<Amt Ccy=\"EUR\">1152.75</Amt>\n        "
                                        "<CdtDbtInd>DBIT</CdtDbtInd>"));
  EXPECT_TRUE(CheckCamtStatement(xml, ExpectationOf(s)).empty());
}

}  // namespace
}  // namespace tarvolo
