#include "conversion/reading/layouts/column_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The roles of a mapping as "role index=column name", '|' between them.
std::string Roles(const ColumnMapping& mapping) {
  std::string roles;
  for (const MappedColumn& column : mapping.columns) {
    if (!roles.empty()) roles += '|';
    roles += std::to_string(static_cast<int>(column.role)) + '=' + column.name;
  }
  return roles;
}

std::string Role(ColumnRole role, const char* name) {
  return std::to_string(static_cast<int>(role)) + '=' + name;
}

TEST(ColumnMappingTest, ReadsRolesInCzechAndEnglishAndNamesWhatIsWrong) {
  struct Case {
    const char* text;
    std::string roles;  // "" where it is refused
    const char* error = "";
  };
  const std::string date = Role(ColumnRole::kBookingDate, "Booking Date");
  const Case cases[] = {
      {.text = "datum=Booking Date;částka=Amount (EUR)",
       .roles = date + '|' + Role(ColumnRole::kAmount, "Amount (EUR)")},
      {.text = " Date = Booking Date ; AMOUNT=Amount ;",
       .roles = date + '|' + Role(ColumnRole::kAmount, "Amount")},
      {.text = "datum=Booking Date;příjem=In;výdaj=Out;měna=EUR;zůstatek=Saldo",
       .roles = date + '|' + Role(ColumnRole::kCreditAmount, "In") + '|' +
                Role(ColumnRole::kDebitAmount, "Out") + '|' + Role(ColumnRole::kCurrency, "EUR") +
                '|' + Role(ColumnRole::kBalance, "Saldo")},
      {.text = "date=D;credit=C;value date=V;counter account=A;bank code=B;name=N;vs=1;ks=2;"
               "ss=3;message=M;id=I;state=S;type=T;iban=IB;fee=F;debit=X",
       .roles =
           Role(ColumnRole::kBookingDate, "D") + '|' + Role(ColumnRole::kCreditAmount, "C") + '|' +
           Role(ColumnRole::kValueDate, "V") + '|' + Role(ColumnRole::kCounterAccount, "A") + '|' +
           Role(ColumnRole::kCounterBank, "B") + '|' + Role(ColumnRole::kCounterName, "N") + '|' +
           Role(ColumnRole::kVariableSymbol, "1") + '|' + Role(ColumnRole::kConstantSymbol, "2") +
           '|' + Role(ColumnRole::kSpecificSymbol, "3") + '|' + Role(ColumnRole::kMessage, "M") +
           '|' + Role(ColumnRole::kTransactionId, "I") + '|' + Role(ColumnRole::kState, "S") + '|' +
           Role(ColumnRole::kItemType, "T") + '|' + Role(ColumnRole::kCounterIban, "IB") + '|' +
           Role(ColumnRole::kFee, "F") + '|' + Role(ColumnRole::kDebitAmount, "X")},
      {.text = "datum=A;castka=B;valuta=C;protiucet=D;banka=E;nazev=F;zprava=G;stav=H;typ=I;"
               "poplatek=J",
       .roles = Role(ColumnRole::kBookingDate, "A") + '|' + Role(ColumnRole::kAmount, "B") + '|' +
                Role(ColumnRole::kValueDate, "C") + '|' + Role(ColumnRole::kCounterAccount, "D") +
                '|' + Role(ColumnRole::kCounterBank, "E") + '|' +
                Role(ColumnRole::kCounterName, "F") + '|' + Role(ColumnRole::kMessage, "G") + '|' +
                Role(ColumnRole::kState, "H") + '|' + Role(ColumnRole::kItemType, "I") + '|' +
                Role(ColumnRole::kFee, "J")},
      {.text = "datum=A;sum=B", .roles = "", .error = "neznámá role \"sum\""},
      {.text = "datum=A;\x01sum\n=B", .roles = "", .error = "neznámá role \" sum \""},
      {.text = "datum=A;date=B;částka=C", .roles = "", .error = "role \"date\" je zadána dvakrát"},
      {.text = "datum=A;částka", .roles = "", .error = "role \"částka\" nemá název sloupce"},
      {.text = "datum=A;částka= ", .roles = "", .error = "role \"částka\" nemá název sloupce"},
      {.text = "částka=A", .roles = "", .error = "chybí role datum"},
      {.text = "datum=A;měna=EUR", .roles = "", .error = "chybí role částka"},
      {.text = "", .roles = "", .error = "chybí role datum"},
  };
  for (const Case& c : cases) {
    ColumnMapping mapping;
    std::string error;
    const bool read = ParseColumnMapping(c.text, &mapping, &error);
    EXPECT_EQ(read, !c.roles.empty()) << c.text << ": " << error;
    if (read) {
      EXPECT_EQ(Roles(mapping), c.roles) << c.text;
      EXPECT_EQ(mapping.text, c.text);
    } else {
      EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << ": " << error;
    }
  }
}

TEST(ColumnMappingTest, TakesTheFirstLineHoldingEveryNamedColumnAsTheHeader) {
  struct Case {
    const char* what;
    const char* mapping;
    std::string text;
    int headerLine;  // 0: none holds them all
    char separator = ';';
    int date = -1, amount = -1, currency = -1;
    const char* unit = "";
    std::vector<std::string> missing = {};
  };
  const Case cases[] = {
      {.what = "first line",
       .mapping = "datum=Posted;částka=Sum (EUR)",
       .text = "Posted;Party;Sum (EUR)\n2026-12-01;A;1,00\n",
       .headerLine = 1,
       .date = 0,
       .amount = 2,
       .unit = "EUR"},
      {.what = "case and blanks aside, after a preamble naming one column",
       .mapping = "datum=posted;částka=SUM;měna=Curr",
       .text = "Account;Posted\nx\n\"Sum\" , posted ,Curr\n",
       .headerLine = 3,
       .separator = ',',
       .date = 1,
       .amount = 0,
       .currency = 2},
      {.what = "a currency no column holds is the statement's",
       .mapping = "datum=When;částka=How much;měna=USD",
       .text = "When\tHow much\n",
       .headerLine = 1,
       .separator = '\t',
       .date = 0,
       .amount = 1,
       .unit = "USD"},
      {.what = "a currency column named like a code is the column",
       .mapping = "datum=When;částka=Sum;měna=CUR",
       .text = "When;Sum;CUR\n",
       .headerLine = 1,
       .date = 0,
       .amount = 1,
       .currency = 2},
      {.what = "missing names, from the line holding most",
       .mapping = "datum=When;částka=Sum;zpráva=Note;měna=usd",
       .text = "When;Sum\nWhen\n",
       .headerLine = 0,
       .missing = {"Note", "usd"}},
      {.what = "a name's control characters shown as blanks",
       .mapping = "datum=When;částka=S\tum\x02",
       .text = "When;Sum\n",
       .headerLine = 0,
       .missing = {"S um "}},
      {.what = "nothing holds them after 40 lines",
       .mapping = "datum=When;částka=Sum",
       .text = std::string(40, '\n') + "When;Sum\n",
       .headerLine = 0,
       .missing = {"When", "Sum"}},
  };
  for (const Case& c : cases) {
    ColumnMapping mapping;
    std::string error;
    ASSERT_TRUE(ParseColumnMapping(c.mapping, &mapping, &error)) << c.what;
    std::vector<std::string> missing;
    const StatementLayout layout = MappedLayout(c.text, mapping, &missing);
    EXPECT_EQ(layout.recognised, c.headerLine > 0) << c.what;
    EXPECT_EQ(missing, c.missing) << c.what;
    if (!layout.recognised) continue;
    EXPECT_FALSE(layout.known) << c.what;
    EXPECT_EQ(layout.headerLine, c.headerLine) << c.what;
    EXPECT_EQ(layout.separator, c.separator) << c.what;
    EXPECT_EQ(layout.Column(ColumnRole::kBookingDate), c.date) << c.what;
    EXPECT_EQ(layout.dateCandidates[0], c.date) << c.what;
    EXPECT_EQ(layout.Column(ColumnRole::kAmount), c.amount) << c.what;
    EXPECT_EQ(layout.Column(ColumnRole::kCurrency), c.currency) << c.what;
    EXPECT_STREQ(layout.amountUnit, c.unit) << c.what;
  }
}

TEST(ColumnMappingTest, AKeptMappingFitsOnlyAHeaderOfExactlyItsCells) {
  ColumnMapping mapping;
  std::string error;
  ASSERT_TRUE(ParseColumnMapping("datum=When;částka=Sum", &mapping, &error));
  mapping.header = {"When", "Sum", "Note"};
  struct Case {
    const char* text;
    int headerLine;  // 0: it does not fit
  };
  const Case cases[] = {
      {.text = "When;Sum;Note\n1;2;3\n", .headerLine = 1},
      {.text = "Own account 1\n When , Sum ,Note\n", .headerLine = 2},
      {.text = "When;Sum;Note;More\n", .headerLine = 0},
      {.text = "When;Sum\n", .headerLine = 0},
      {.text = "when;sum;note\n", .headerLine = 0},
  };
  for (const Case& c : cases) {
    StatementLayout layout;
    EXPECT_EQ(KeptMappingFits(c.text, mapping, &layout), c.headerLine > 0) << c.text;
    if (c.headerLine > 0) {
      EXPECT_EQ(layout.headerLine, c.headerLine) << c.text;
    }
  }
  struct Likely {
    const char* text;
    std::vector<std::string> cells;
  };
  const Likely likely[] = {
      {.text = "x\nA; B ;C\n1;2\n", .cells = {"A", "B", "C"}},
      {.text = "Posted,Sum (EUR)\n\n2014-09-01,1.00\n", .cells = {"Posted", "Sum (EUR)"}},
      // Rows of values, a header without rows, and one with an empty cell.
      {.text = "1;2014/09/24;100\n2;2014/09/25;-5\n", .cells = {}},
      {.text = "A;B\n\n", .cells = {}},
      {.text = "h;\n1;2\n", .cells = {}},
  };
  for (const Likely& c : likely) EXPECT_EQ(LikelyHeaderCells(c.text), c.cells) << c.text;
  ColumnMapping given;
  ASSERT_TRUE(ParseColumnMapping("datum=a;částka=b", &given, &error));
  std::vector<std::string> missing;
  const char* text = "x\n A ;B\n";
  EXPECT_EQ(HeaderCells(text, MappedLayout(text, given, &missing)),
            (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace tarvolo
