#include "conversion/export/payment_pairing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarvolo {
namespace {

StatementItem Credit(int32_t line, const char* symbol, const char* message) {
  StatementItem item;
  item.line = line;
  item.amount = 150000;
  item.day = 5;
  item.month = 9;
  item.year = 2014;
  item.counterName = "Odběratel s.r.o.";
  item.variableSymbol = symbol;
  item.description = message;
  return item;
}

TEST(PaymentPairingTest, StatusOfEachKindOfItem) {
  StatementItem debit = Credit(2, "", "VS 2026001");
  debit.amount = -100;
  const struct {
    const char* name;
    StatementItem item;
    bool fill;
    PairingStatus status;
    std::string symbol, reason;
  } cases[] = {
      {"debit", debit, true, PairingStatus::kDebit, "", "odchozí platba"},
      {"symbol", Credit(2, "2026001", "VS 99"), true, PairingStatus::kSymbol, "2026001", ""},
      {"symbol in blanks", Credit(2, " 77 ", ""), false, PairingStatus::kSymbol, "77", ""},
      {"in message", Credit(2, "", "Faktura 2026001"), false, PairingStatus::kOnlyInMessage,
       "2026001", "VS 2026001 je jen ve zprávě"},
      {"zeros are no symbol", Credit(2, "0000000000", "VS 5"), false, PairingStatus::kOnlyInMessage,
       "5", "VS 5 je jen ve zprávě"},
      {"moved", Credit(2, "", "Faktura 2026001"), true, PairingStatus::kFilledFromMessage,
       "2026001", "VS 2026001 doplněn ze zprávy"},
      {"ambiguous", Credit(2, "", "FA 1, FA 2"), true, PairingStatus::kAmbiguous, "",
       "bez VS, ve zprávě je více možných VS: 1, 2"},
      {"dash", Credit(2, "2026-001", "VS 2026001"), true, PairingStatus::kUnusableSymbol, "",
       "VS „2026-001“ není číslo o 1 až 10 číslicích"},
      {"too long", Credit(2, "", "VS 12345678901"), true, PairingStatus::kNoSymbol, "",
       "bez VS, číslo ve zprávě má víc než 10 číslic"},
      {"none", Credit(2, "", "Platba kartou"), true, PairingStatus::kNoSymbol, "", "bez VS"},
  };
  for (const auto& c : cases) {
    const ItemPairing pairing = PairingOf(c.item, c.fill);
    EXPECT_EQ(pairing.status, c.status) << c.name;
    EXPECT_EQ(pairing.symbol, c.symbol) << c.name;
    EXPECT_EQ(pairing.reason, c.reason) << c.name;
  }
}

// The log of a statement: each symbol moved, its summary, and the credits
// that cannot be paired, twenty at most.
TEST(PaymentPairingTest, SummaryMovesAndUnpairedCredits) {
  const struct {
    const char* name;
    bool fill;
    int32_t unpaired;  // credits without any symbol
    std::vector<std::string> log;
  } cases[] = {
      {"as the file has it",
       false,
       1,
       {"Párování příchozích plateb výpisu účtu 19-123 v CZK: 4 plateb, 1 s VS, 1 s VS jen ve "
        "zprávě, 2 bez použitelného VS\n",
        "Soubor a.csv, řádek 3: platbu 05.09.2014 1500.00 Kč od „Odběratel s.r.o.“, zpráva "
        "„Faktura 2026001“, nelze spárovat: VS 2026001 je jen ve zprávě\n",
        "Soubor a.csv, řádek 4: platbu 05.09.2014 1500.00 Kč od „Odběratel s.r.o.“, zpráva "
        "„FA 1, FA 2“, nelze spárovat: bez VS, ve zprávě je více možných VS: 1, 2\n",
        "Soubor a.csv, řádek 10: platbu 05.09.2014 1500.00 Kč od „Odběratel s.r.o.“, zpráva "
        "„karta“, nelze spárovat: bez VS\n"}},
      {"symbols moved",
       true,
       1,
       {"Soubor a.csv, řádek 3: VS 2026001 doplněn ze zprávy „Faktura 2026001“\n",
        "Párování příchozích plateb výpisu účtu 19-123 v CZK: 4 plateb, 2 s VS (z toho 1 "
        "doplněno ze zprávy), 2 bez použitelného VS\n",
        "Soubor a.csv, řádek 4: platbu 05.09.2014 1500.00 Kč od „Odběratel s.r.o.“, zpráva "
        "„FA 1, FA 2“, nelze spárovat: bez VS, ve zprávě je více možných VS: 1, 2\n",
        "Soubor a.csv, řádek 10: platbu 05.09.2014 1500.00 Kč od „Odběratel s.r.o.“, zpráva "
        "„karta“, nelze spárovat: bez VS\n"}},
      {"twenty listed, the rest counted", false, 23, {}},
  };
  for (const auto& c : cases) {
    PaymentPairing pairing;
    pairing.Configure(c.fill, false);
    pairing.Try("a.csv");
    // A reading that is not chosen leaves nothing.
    pairing.Add(Credit(2, "", "karta"));
    pairing.TakeBack();
    pairing.Try("a.csv");
    StatementItem debit = Credit(1, "", "VS 7");
    debit.amount = -5;
    std::vector<std::pair<std::string, std::string>> given;
    for (const StatementItem& item :
         {debit, Credit(2, "2026001", ""), Credit(3, "", "Faktura 2026001"),
          Credit(4, "", "FA 1, FA 2")}) {
      const StatementItem& out = pairing.Add(item);
      given.emplace_back(std::string(out.variableSymbol), std::string(out.documentNumber));
    }
    for (int32_t i = 0; i < c.unpaired; ++i) pairing.Add(Credit(10 + i, "", "karta"));
    pairing.Confirm();
    // The outputs get the moved symbol; nothing else of the item changes.
    EXPECT_EQ(given[2].first, c.fill ? "2026001" : "") << c.name;
    EXPECT_EQ(given[2].second, "") << c.name;
    std::vector<std::string> log;
    const LogLine logged = [&log](LogKind kind, const char* text) {
      EXPECT_EQ(kind, LogKind::kInformation);
      log.push_back(text);
    };
    // The moves beside the file's lines, the summary after the statement's.
    pairing.LogMoves("a.csv", logged);
    pairing.Log("19-123", "CZK", logged);
    if (c.log.empty()) {
      ASSERT_EQ(log.size(), 1 + 20 + 1u) << c.name;
      EXPECT_EQ(log.back(),
                "Dalších 5 příchozích plateb výpisu účtu 19-123 v CZK nelze spárovat\n");
      continue;
    }
    EXPECT_EQ(log, c.log) << c.name;
  }
}

// A credit's symbol is judged alike whether the item is kept for the
// report or only counted: symbols of every length, of zeros, of other
// characters beside the digits.
TEST(PaymentPairingTest, SymbolsCountAlikeWhetherKeptOrNot) {
  const std::vector<const char*> symbols = {
      "1",          "12",          "123",        "0001",       "000",         "0000000000",
      "2026001",    "12345678",    "123456789",  "1234567890", "12345678901", "1234567/",
      "1234567:",   "/2345678",    ":2345678",   " 77 ",       "00000001",    "12 34",
      "123456789a", "00000000000", "0000000001", "9999999999", "20260010"};
  std::vector<std::string> logs[2];
  for (const bool everyItem : {false, true}) {
    PaymentPairing pairing;
    pairing.Configure(false, everyItem);
    pairing.Try("a.csv");
    int32_t line = 2;
    for (const char* symbol : symbols) pairing.Add(Credit(line++, symbol, "karta"));
    pairing.Confirm();
    const LogLine logged = [&](LogKind, const char* text) { logs[everyItem].push_back(text); };
    pairing.Log("19-123", "CZK", logged);
  }
  ASSERT_FALSE(logs[0].empty());
  EXPECT_EQ(logs[0], logs[1]);
}

// Only the credits the log lists are kept, across the files of a
// statement, unless every item is wanted for the report.
TEST(PaymentPairingTest, KeepsWhatTheLogListsUnlessEveryItemIsWanted) {
  for (const bool everyItem : {false, true}) {
    PaymentPairing pairing;
    pairing.Configure(false, everyItem);
    for (const char* file : {"a.csv", "b.csv"}) {
      pairing.Try(file);
      for (int32_t line = 2; line < 502; ++line) pairing.Add(Credit(line, "", "karta"));
      pairing.Add(Credit(502, "77", ""));
      pairing.Confirm();
    }
    EXPECT_EQ(pairing.Items().size(), everyItem ? 1002u : kListedUnpaired) << everyItem;
    EXPECT_EQ(pairing.CountOf(PairingStatus::kNoSymbol), 1000);
    std::string last;
    pairing.Log("1", "CZK", [&last](LogKind, const char* text) { last = text; });
    EXPECT_EQ(last, "Dalších 980 příchozích plateb výpisu účtu 1 v CZK nelze spárovat\n");
  }
}

TEST(PaymentPairingTest, NoLineForDebitsAlone) {
  PaymentPairing pairing;
  StatementItem debit = Credit(2, "", "");
  debit.amount = -1;
  pairing.Try("a.csv");
  pairing.Add(debit);
  pairing.Confirm();
  int32_t lines = 0;
  pairing.Log("1", "CZK", [&lines](LogKind, const char*) { ++lines; });
  EXPECT_EQ(lines, 0);
}

// Whether or not every item is kept for the report, each item counts under
// the same status and reaches the outputs with the same variable symbol.
TEST(PaymentPairingTest, SameStatusWhetherItemsAreKeptOrNot) {
  StatementItem debit = Credit(2, "77", "VS 2026001");
  debit.amount = -100;
  StatementItem zeroDebit = Credit(2, "", "");
  zeroDebit.amount = 0, zeroDebit.amountRest = -1;
  StatementItem zeroCredit = Credit(2, "12", "");
  zeroCredit.amount = 0;
  const struct {
    const char* name;
    StatementItem item;
    PairingStatus status;
    const char* symbol;  // as the outputs get it
  } cases[] = {
      {"debit", debit, PairingStatus::kDebit, "77"},
      {"debit below a crown", zeroDebit, PairingStatus::kDebit, ""},
      {"zero credit", zeroCredit, PairingStatus::kSymbol, "12"},
      {"symbol in blanks", Credit(2, " 77 ", ""), PairingStatus::kSymbol, " 77 "},
      {"zeros", Credit(2, "000", "VS 5"), PairingStatus::kFilledFromMessage, "5"},
      {"eleven digits", Credit(2, "12345678901", ""), PairingStatus::kUnusableSymbol,
       "12345678901"},
      {"leading zeros", Credit(2, "0042", ""), PairingStatus::kSymbol, "0042"},
      {"from message", Credit(2, "", "FA 31"), PairingStatus::kFilledFromMessage, "31"},
      {"none", Credit(2, "", "Platba kartou"), PairingStatus::kNoSymbol, ""},
  };
  for (const auto& c : cases) {
    for (const bool everyItem : {false, true}) {
      PaymentPairing pairing;
      pairing.Configure(true, everyItem);
      pairing.Try("a.csv");
      const StatementItem& given = pairing.Add(c.item);
      EXPECT_EQ(given.variableSymbol, c.symbol) << c.name << " " << everyItem;
      pairing.Confirm();
      EXPECT_EQ(pairing.CountOf(c.status), 1) << c.name << " " << everyItem;
    }
  }
}

}  // namespace
}  // namespace tarvolo
