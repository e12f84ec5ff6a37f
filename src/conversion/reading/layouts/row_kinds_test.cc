#include "conversion/reading/layouts/row_kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

// The look at a text's first bytes passes over no label: every text that is
// one gets the whole look.
TEST(BalanceLabels, TheFirstBytesLetEveryLabelThrough) {
  const struct {
    std::string text;
    bool label;
  } cases[] = {
      {"Konecny zustatek", true},
      {"Pocatecni zustatek:", true},
      {"ZAVERECNY ZUSTATEK", true},
      {"Zustatek k 31.01.2024:", true},
      {"  \"Opening balance\"", true},
      {"#Closing balance", true},
      {"\xA0"
       "Final balance",
       true},
      {"closingBalance", true},
      {"Zustatek k 31", false},
      {"Platba kartou", false},
      {"Faktura 2014000", false},
      {"Odberatel s.r.o.", false},
      {"Bezhotovostni prijem", false},
      {"", false},
      {"1234", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsWholeBalanceLabel(c.text), c.label) << c.text;
    EXPECT_TRUE(!c.label || MayBeBalanceLabel(c.text)) << c.text;
  }
  for (const char* other : {"Bezhotovostni prijem", "", "1234", "\xDAhrada", "Platba kartou",
                            "Faktura 2014000", "Odberatel s.r.o.", "Cena", "K", "Pk"}) {
    EXPECT_FALSE(MayBeBalanceLabel(other)) << other;
  }
}

// States in the languages exports come in: a row is an item only where
// its state says the money moved.
TEST(BookingStates, StatesAreKnownInTheirLanguages) {
  const struct {
    const char* state;
    BookingState booking;
  } cases[] = {
      {"COMPLETED", BookingState::kBooked},
      {"DOKONČENO", BookingState::kBooked},
      {"ZAKOŃCZONO", BookingState::kBooked},
      {"Voltooid", BookingState::kBooked},
      // PayPal's hold and its end each move the balance.
      {"Placed", BookingState::kBooked},
      {"Removed", BookingState::kBooked},
      {"ZRUŠENO", BookingState::kNotBooked},
      {"Geweigerd", BookingState::kNotBooked},
      {"PENDING", BookingState::kNotBooked},
      {"Čeká", BookingState::kNotBooked},
      {"Unterwegs", BookingState::kUnknown},
  };
  for (const auto& c : cases) EXPECT_EQ(BookingOf(c.state, {}), c.booking) << c.state;
  EXPECT_EQ(BookingOf("Completed", "Memo"), BookingState::kNotBooked);
}

// A row waiting to be booked, and PayPal's holds and releases, are told by
// their states and their types' words, whatever their case.
TEST(BookingStates, PendingRowsHoldsAndReleasesAreKnown) {
  for (const char* pending : {"Pending", "PENDING", "Placed", "Held", "In Bearbeitung",
                              "En attente", "Ausstehend", "Čeká"}) {
    EXPECT_TRUE(IsPendingState(pending)) << pending;
  }
  for (const char* other : {"", "Completed", "Removed", "Denied", "Cancelled", "Memo"}) {
    EXPECT_FALSE(IsPendingState(other)) << other;
  }
  const struct {
    const char* type;
    const char* state;
    HoldKind kind;
  } cases[] = {
      {"Hold on Balance for Dispute Investigation", "Completed", HoldKind::kHold},
      {"Payment Review Hold", "", HoldKind::kHold},
      {"RESERVE HOLD", "Pending", HoldKind::kHold},
      {"Account Hold for Open Authorization", "Completed", HoldKind::kHold},
      {"Vastgehouden - algemeen", "Voltooid", HoldKind::kHold},
      {"Cancellation of Hold for Dispute Resolution", "Completed", HoldKind::kRelease},
      {"Payment Review Release", "Completed", HoldKind::kRelease},
      {"Reserve Release", "Completed", HoldKind::kRelease},
      {"General Hold Release", "", HoldKind::kRelease},
      {"Reversal of General Account Hold", "Completed", HoldKind::kRelease},
      {"", "Placed", HoldKind::kHold},
      {"General Authorization", "Removed", HoldKind::kRelease},
      {"Express Checkout Payment", "Completed", HoldKind::kNone},
      {"Payment Reversal", "Completed", HoldKind::kNone},
      {"reserve_transaction", "", HoldKind::kNone},
      {"Household supplies", "Completed", HoldKind::kNone},
      {"", "", HoldKind::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(HoldKindOf(c.type, c.state), c.kind) << c.type;
}

// The states, marks and reasons the banks write say whether a row moved
// money; a word no bank was seen to write is unknown, and named.
TEST(RowKinds, WhatTheBankWritesOfARowsBooking) {
  const struct {
    const char* state;
    const char* impact;
    BookingState booking;
  } states[] = {
      {"COMPLETED", "", BookingState::kBooked},    {"ZAKOŃCZONO", "", BookingState::kBooked},
      {"Voltooid", "", BookingState::kBooked},     {"Teruggeboekt", "", BookingState::kBooked},
      {"Erfolgreich", "", BookingState::kBooked},  {"ZRUŠENO", "", BookingState::kNotBooked},
      {"Geweigerd", "", BookingState::kNotBooked}, {"In Bearbeitung", "", BookingState::kNotBooked},
      {"Storniert", "", BookingState::kNotBooked}, {"Completed", "Memo", BookingState::kNotBooked},
      {"ON HOLD", "", BookingState::kUnknown},
  };
  for (const auto& c : states) {
    EXPECT_EQ(BookingOf(c.state, c.impact), c.booking) << c.state;
  }
  const struct {
    const char* mark;
    BookingState booking;
  } marks[] = {
      {"Accounting", BookingState::kBooked},
      {"Non-accounting", BookingState::kNotBooked},
      {"Neúčetní", BookingState::kNotBooked},
      {"Completed", BookingState::kUnknown},
  };
  for (const auto& c : marks) EXPECT_EQ(AccountingMarkOf(c.mark), c.booking) << c.mark;
  for (const char* none : {"", " ", "-", "0", "000", "--"}) {
    EXPECT_FALSE(StatesNonExecution(none)) << none;
  }
  for (const char* reason : {"Insufficient funds", "Nedostatek prostředků", "1"}) {
    EXPECT_TRUE(StatesNonExecution(reason)) << reason;
  }
}

// Only a word of totals alone makes a dated row a total: a message that
// begins with one is an item's.
TEST(RowKinds, WordsOfTotals) {
  for (const char* total : {"Celkem", "CELKEM:", "Součet", "Total", "Summe", "Suma "}) {
    EXPECT_TRUE(IsTotalWord(total)) << total;
  }
  for (const char* item : {"Celkem za objednávku 12", "Totalservis s.r.o.", "Sumec", "", "c"}) {
    EXPECT_FALSE(IsTotalWord(item)) << item;
  }
}

// The look at a text's length and first byte passes over no word of
// totals, in either case, accented, quoted or padded, and turns away the
// amounts, dates and names that fill a row.
TEST(RowKinds, TheFirstByteLetsEveryTotalWordThrough) {
  const struct {
    std::string text;
    bool total;
    bool looked = true;  // whether it gets the whole look
  } cases[] = {
      {"Celkem", true},
      {"CELKEM:", true},
      {"Sou\xE8"
       "et",
       true},
      {"\x8A"
       "UMA",
       true},
      {"\"Suma\"", true},
      {" Total", true},
      {"\xA0"
       "Summe",
       true},
      {"gesamt", true},
      {"#Totale", true},
      {"Summe:  ", true},
      {"-1234,50", false, false},
      {"+500.00", false, false},
      {"2014", false, false},
      {".123", false, false},
      {",50", false, false},
      {"Novak", false, false},
      {"Platba", false, false},
      {"Sumec", false},
      {"Celkem za objednavku", false, false},
      {"Cel", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTotalWord(c.text), c.total) << c.text;
    EXPECT_EQ(MayBeTotalWord(c.text), c.looked) << c.text;
  }
}

}  // namespace
}  // namespace tarvolo
