#include "conversion/reading/servis24/servis24_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// Every line of a file read as Servis24 ends as the header, an item, an
// empty line or a line left out with why, and the counts add up.
TEST(Servis24Lines, EveryLineEndsOnce) {
  const std::string row = "1;2014/09/24;-1 234,50;;;7;;;;;Nájem";
  struct Case {
    std::string text;
    int32_t lines, header, empty, items;
    std::string leftOut;  // "line: why" of each, joined by '|'
    bool confirmed;
  } cases[] = {
      {"Číslo;Datum;Částka;Protiúčet;;;;;;;\r\n", 1, 1, 0, 0, "", true},
      {"h\r\n", 1, 1, 0, 0, "", false},
      {"", 0, 0, 0, 0, "", false},
      {row + "\r\n" + row + "\n" + row + "\r" + row, 4, 0, 0, 4, "", true},
      {"h\r\n" + row + "\r\n;;;\r\n\r\n" + row + "\r\n", 5, 1, 2, 2, "", true},
      {"h\n1;2014/02/30;5;;;;;;;;a\n", 2, 1, 0, 0, "2: datum 2014/02/30 není skutečný den", false},
      // A first line with a date is a row, read or named.
      {"1;2014/02/30;5;;;;;;;;a\n" + row + "\n" + row + "\n" + row + "\n" + row + "\n", 5, 0, 0, 4,
       "1: datum 2014/02/30 není skutečný den", true},
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;24.9.2014;5;;;;;;;;a\n", 5, 1, 0, 3,
       "5: datum \"24.9.2014\" není ve tvaru RRRR/MM/DD", true},
      // Every digit of a date in its place is a digit.
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;2014/0:/24;5;;;;;;;;a\n", 5, 1, 0, 3,
       "5: datum \"2014/0:/24\" není ve tvaru RRRR/MM/DD", true},
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;2/14/09/24;5;;;;;;;;a\n", 5, 1, 0, 3,
       "5: datum \"2/14/09/24\" není ve tvaru RRRR/MM/DD", true},
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;2014/09/2\xe1;5;;;;;;;;a\n", 5, 1, 0, 3,
       "5: datum \"2014/09/2\xe1\" není ve tvaru RRRR/MM/DD", true},
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;2014/09/24;12.500;;;;;;;;a\n", 5, 1, 0, 3,
       "5: částku \"12.500\" nelze přečíst celou", true},
      {"h\n" + row + "\n" + row + "\n" + row + "\n1;2014/09/24;5;a\n", 5, 1, 0, 3,
       "5: řádek má 4 polí, Servis24 jich píše nejméně 11", true},
      // A total is neither an item nor a damaged line.
      {"h\n" + row + "\nCelkem;;-1 234,50;;;;;;;;\n", 3, 1, 0, 1, "", true},
      {"h\n" + row + "\n;\"Celkem:\";5\n", 3, 1, 0, 1, "", true},
  };
  for (const Case& c : cases) {
    Servis24Lines lines;
    int32_t sunk = 0;
    ReadServis24Lines(
        c.text, [&sunk](const StatementItem&) { ++sunk; }, &lines);
    std::string leftOut;
    for (const LeftOutLine& left : lines.leftOut) {
      leftOut += (leftOut.empty() ? "" : "|") + std::to_string(left.line) + ": " + left.why;
    }
    EXPECT_EQ(lines.lines, c.lines) << c.text;
    EXPECT_EQ(lines.header, c.header) << c.text;
    EXPECT_EQ(lines.empty, c.empty) << c.text;
    EXPECT_EQ(lines.items, c.items) << c.text;
    EXPECT_EQ(sunk, c.items) << c.text;
    EXPECT_EQ(leftOut, c.leftOut) << c.text;
    EXPECT_EQ(lines.header + lines.empty + lines.totals + lines.items +
                  static_cast<int32_t>(lines.leftOut.size()),
              lines.lines)
        << c.text;
    EXPECT_EQ(lines.Confirmed(), c.confirmed) << c.text;
  }
}

// A statement of 35 rows, three of them damaged, is read with those three
// named, with Servis24's header or without it; one whose damaged rows are
// more than a quarter is Servis24's only under its header.
TEST(Servis24Lines, MostRowsOrTheHeaderConfirmTheReading) {
  const std::string header = "Číslo;Datum;Částka;Protiúčet;;VS;;;KS;SS;Zpráva\r\n";
  std::string good;
  for (int i = 0; i < 32; ++i) good += "1;2014/09/24;-1 234,50;;;7;;;;;Nájem\r\n";
  const std::string damaged =
      "2;2014/09/24;1e3;;;;;;;;a\r\n3;14/09/24;5;;;;;;;;b\r\n4;;5;;;;;;;;c\r\n";
  const std::string few = "1;2014/09/24;5;;;;;;;;a\r\n";
  const struct {
    const char* what;
    std::string text;
    bool confirmed;
    int32_t items;
    size_t leftOut;
  } cases[] = {
      {"header, 32 rows and 3 damaged", header + good + damaged, true, 32, 3},
      {"32 rows and 3 damaged", good + damaged, true, 32, 3},
      {"header, 1 row and 3 damaged", header + few + damaged, true, 1, 3},
      {"1 row and 3 damaged", few + damaged, false, 1, 3},
      {"header and an impossible day only", header + "1;2024/02/30;5;;;;;;;;a\r\n", true, 0, 1},
  };
  for (const auto& c : cases) {
    Servis24Lines lines;
    ReadServis24Lines(
        c.text, [](const StatementItem&) {}, &lines);
    EXPECT_EQ(lines.Confirmed(), c.confirmed) << c.what;
    EXPECT_EQ(Servis24MayConfirm(c.text), c.confirmed) << c.what;
    EXPECT_EQ(lines.items, c.items) << c.what;
    EXPECT_EQ(lines.leftOut.size(), c.leftOut) << c.what;
  }
}

// A message quoted across lines is one item's, its lines counted with it;
// a quote no later line closes is read to its own line's end.
TEST(Servis24Lines, AQuotedMessageMayRunAcrossLines) {
  const std::string row = "1;2014/09/24;5;;;;;;;;Nájem\r\n";
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> messages;
    const char* summary;
  } cases[] = {
      {"a message on two lines",
       "h\r\n1;2014/09/24;7;;;;;;;;\"Nájem\r\nzáří\"\r\n" + row,
       {"Nájem září", "Nájem"},
       "Soubor s.csv: čten jako Servis24, převedeno 2 položek, řádků souboru 4: hlavička a "
       "úvod 1, s položkou 3\n"},
      {"on three lines, a lone LF and a CR",
       "h\n1;2014/09/24;7;;;;;;;;\"a\nb\rc\"\n" + row,
       {"a b c", "Nájem"},
       "Soubor s.csv: čten jako Servis24, převedeno 2 položek, řádků souboru 5: hlavička a "
       "úvod 1, s položkou 4\n"},
      {"between lines of one line each",
       "h\n" + row + "1;2014/09/24;7;;;;;;;;\"a\nb\"\n" + row,
       {"Nájem", "a b", "Nájem"},
       "Soubor s.csv: čten jako Servis24, převedeno 3 položek, řádků souboru 5: hlavička a "
       "úvod 1, s položkou 4\n"},
      {"a symbol quoted across lines, which only the message may be",
       "h\r\n1;2014/09/24;7;;;\"12\r\n34\";;;;;a\r\n" + row,
       {"Nájem"},
       "Soubor s.csv, řádek 2: pole před zprávou přesahuje na další řádek, řádek vynechán!!!\n"
       "Soubor s.csv: čten jako Servis24, převedeno 1 položek, řádků souboru 4: hlavička a "
       "úvod 1, s položkou 1, vynechané 2\n"},
      {"a quote never closed",
       "h\n1;2014/09/24;7;;;;;;;;\"open\n" + row + row,
       {"open", "Nájem", "Nájem"},
       "Soubor s.csv: čten jako Servis24, převedeno 3 položek, řádků souboru 4: hlavička a "
       "úvod 1, s položkou 3\n"},
  };
  for (const auto& c : cases) {
    Servis24Lines lines;
    std::vector<std::string> messages;
    ReadServis24Lines(
        c.text, [&messages](const StatementItem& item) { messages.emplace_back(item.description); },
        &lines);
    EXPECT_EQ(messages, c.messages) << c.what;
    std::string log;
    LogServis24Lines("s.csv", lines,
                     [&log](LogKind kind, const char* line) { log += ShownLogLine(kind, line); });
    EXPECT_EQ(log, c.summary) << c.what;
  }
}

// An amount of more places than hellers is kept as its rule rounds it, and
// named where the rounding changed it: the log says which rows the
// accountant must look at.
TEST(Servis24Lines, AmountsOfMorePlacesAreNamed) {
  const struct {
    const char* amount;
    int64_t hellers;
    const char* log;
  } cases[] = {
      {"12,345", 1235,
       "Soubor s.csv, řádek 2: částka 12,345 má víc než dvě desetinná místa, zapsána "
       "zaokrouhlená na 12.35!!!\n"},
      {"0,125", 13,
       "Soubor s.csv, řádek 2: částka 0,125 má víc než dvě desetinná místa, zapsána "
       "zaokrouhlená na 0.13!!!\n"},
      // Places of zeros change nothing.
      {"-1 234,500", -123450, ""},
      {"0,001", 0,
       "Soubor s.csv, řádek 2: částka 0,001 má víc než dvě desetinná místa, zapsána "
       "zaokrouhlená na 0.00!!!\n"},
      {"12,34", 1234, ""},
      {"12", 1200, ""},
  };
  for (const auto& c : cases) {
    const std::string text = std::string("h\n1;2014/09/24;") + c.amount + ";;;;;;;;a\n";
    Servis24Lines lines;
    std::vector<int64_t> amounts;
    ReadServis24Lines(
        text, [&amounts](const StatementItem& item) { amounts.push_back(item.amount); }, &lines);
    EXPECT_EQ(amounts, std::vector<int64_t>{c.hellers}) << c.amount;
    std::string log;
    LogServis24Lines("s.csv", lines, [&log](LogKind kind, const char* line) {
      if (kind != LogKind::kInformation) log += ShownLogLine(kind, line);
    });
    EXPECT_EQ(log, c.log) << c.amount;
  }
}

// The counterparty's name, which only the camt statement shows, comes from
// its own column on one line, whichever way the file is read.
TEST(Servis24Lines, TheCounterpartyIsNamed) {
  struct Case {
    std::string name;
    std::string expected;
  } cases[] = {
      {"Pronájmy Vinohrady s.r.o.", "Pronájmy Vinohrady s.r.o."},
      {"", ""},
      {"\"Novák\tsyn\"", "Novák syn"},
      {std::string(200, 'x'), std::string(kMessageWidth, 'x')},
  };
  for (const Case& c : cases) {
    const std::string text = "h\n1;2014/09/24;-1,00;19-123/0800;" + c.name + ";7;CZK;;;;Nájem\n";
    std::vector<std::string> names;
    const ItemSink keep = [&names](const StatementItem& item) {
      names.emplace_back(item.counterName);
    };
    Servis24Lines lines;
    ReadServis24Lines(text, keep, &lines);
    ReadServis24Items(text.c_str(), keep, nullptr);
    EXPECT_EQ(names, std::vector<std::string>(2, c.expected)) << c.name;
  }
}

// An amount rounded to hellers is named on its own line only, and a line
// left out takes nothing to the lines after it.
TEST(Servis24Lines, WhatALineNamesStaysItsOwn) {
  const std::string row = "1;2014/09/24;-1 234,50;;;7;;;;;Nájem";
  const std::string rounded = "1;2014/09/24;1,005;;;7;;;;;Nájem";
  const std::string bad = "1;2014/09/31;5;;;;;;;;a";
  const struct {
    std::string text;
    int32_t items;
    std::vector<int32_t> rounded, leftOut;  // their lines
  } cases[] = {
      {"h\n" + rounded + "\n" + row + "\n" + row + "\n", 3, {2}, {}},
      {"h\n" + row + "\n" + rounded + "\n" + row + "\n" + rounded + "\n", 4, {3, 5}, {}},
      {"h\n" + rounded + "\n" + bad + "\n" + row + "\n", 2, {2}, {3}},
      {"h\n" + bad + "\n" + row + "\n" + bad + "\n" + row + "\n", 2, {}, {2, 4}},
  };
  for (const auto& c : cases) {
    Servis24Lines lines;
    int32_t sunk = 0;
    ReadServis24Lines(
        c.text, [&sunk](const StatementItem&) { ++sunk; }, &lines);
    std::vector<int32_t> rounded, leftOut;
    for (const LeftOutLine& line : lines.rounded) rounded.push_back(line.line);
    for (const LeftOutLine& line : lines.leftOut) leftOut.push_back(line.line);
    EXPECT_EQ(sunk, c.items) << c.text;
    EXPECT_EQ(rounded, c.rounded) << c.text;
    EXPECT_EQ(leftOut, c.leftOut) << c.text;
  }
}

// Counter accounts in full width, as most lines write them, read as those
// without their zeros do; a text that only looks like one is read as any
// other.
TEST(Servis24Lines, CounterAccountsInFullWidth) {
  struct Case {
    const char* account;
    int32_t prefix;
    int64_t number;
    int32_t bank;
  } cases[] = {
      {"000019-0123456789/0800", 19, 123456789, 800},
      {"670100-2215069717/6210", 670100, 2215069717, 6210},
      {"999999-9999999999/9999", 999999, 9999999999, 9999},
      {"000000-0000000000/0000", 0, 0, 0},
      {"19-123/0800", 19, 123, 800},
      {"000019-0123456789/080", 19, 123456789, 80},
      {"000019-0123456789/08000", 19, 123456789, 8000},
      {"0000190-123456789/0800", 190, 123456789, 800},
      {"000019-012345678x/0800", 0, 0, 0},
      {"000019-0123456789/08x0", 0, 0, 0},
      // A byte beside the digits ('/' and ':') in each part's every word.
      {"00001:-0123456789/0800", 0, 0, 0},
      {"000019-:123456789/0800", 0, 0, 0},
      {"000019-01234567:9/0800", 0, 0, 0},
      {"000019-0123456789/080:", 0, 0, 0},
      {"0/0019-0123456789/0800", 0, 0, 0},
      {"000019-0123456789/0/00", 19, 123456789, 0},  // the scan's reading, to the second '/'
      {"000019-9876543210/0100", 19, 9876543210, 100},
      {"123456-1200000034/5678", 123456, 1200000034, 5678},
      {"\" 000019-0123456789/0800\"", 19, 123456789, 800},
      {"\"000019-012345678\"/0800", 19, 12345678, 800},  // quotes count nowhere
  };
  for (const Case& c : cases) {
    const std::string text =
        std::string("h\n1;2014/09/24;-1,00;") + c.account + ";Novák;7;CZK;;;;Nájem\n";
    std::vector<StatementItem> items;
    const ItemSink keep = [&items](const StatementItem& item) { items.push_back(item); };
    Servis24Lines lines;
    ReadServis24Lines(text, keep, &lines);
    ReadServis24Items(text.c_str(), keep, nullptr);
    ASSERT_EQ(items.size(), 2u) << c.account;
    for (const StatementItem& item : items) {
      EXPECT_EQ(item.counterPrefix, c.prefix) << c.account;
      EXPECT_EQ(item.counterNumber, c.number) << c.account;
      EXPECT_EQ(item.bankCode, c.bank) << c.account;
    }
  }
}

}  // namespace
}  // namespace tarvolo
