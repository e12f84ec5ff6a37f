#include "conversion/values/message_symbol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

using Kind = MessageSymbol::Kind;

TEST(MessageSymbolTest, NumberAfterAMarker) {
  const struct {
    const char* message;
    Kind kind;
    std::vector<std::string> candidates = {};
    bool tooLong = false;
  } cases[] = {
      // Each marker, as payers write it.
      {.message = "VS 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "vs:2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "VS2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Platba v.s. 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "/VS/2026001/SS/77", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "var. symbol 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "variabilní symbol: 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Variabilni symbol 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Faktura 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Úhrada faktury č. 2014071", .kind = Kind::kFound, .candidates = {"2014071"}},
      {.message = "FA2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "FA-2026001 děkujeme", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Invoice #2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "Rechnung Nr. 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "faktúra 2026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "VS 0002026001", .kind = Kind::kFound, .candidates = {"0002026001"}},
      // The same number twice is one; leading zeros do not make another.
      {.message = "VS 2026001, faktura 02026001", .kind = Kind::kFound, .candidates = {"2026001"}},
      {.message = "FA 2026001 a FA 2026002",
       .kind = Kind::kAmbiguous,
       .candidates = {"2026001", "2026002"}},
      {.message = "VS 2026001 Faktura 2026005",
       .kind = Kind::kAmbiguous,
       .candidates = {"2026001", "2026005"}},
      // More than ten digits is no symbol.
      {.message = "VS 12345678901", .kind = Kind::kNone, .tooLong = true},
      {.message = "VS 1234567890", .kind = Kind::kFound, .candidates = {"1234567890"}},
      // Digits of a date or an amount.
      {.message = "VS 12.09.2014", .kind = Kind::kNone},
      {.message = "Faktura 2014/09/02", .kind = Kind::kNone},
      {.message = "Faktura 1500,50", .kind = Kind::kNone},
      {.message = "Faktura 1500 Kč", .kind = Kind::kNone},
      {.message = "Faktura 1 500 Kč", .kind = Kind::kNone},
      {.message = "FA 250 EUR", .kind = Kind::kNone},
      {.message = "Faktura 2026001 ze dne 12.09.2014 na 1500 Kč",
       .kind = Kind::kFound,
       .candidates = {"2026001"}},
      // No marker, a marker inside a word, a number that goes on as a word.
      {.message = "Platba 2026001", .kind = Kind::kNone},
      {.message = "Nájem září", .kind = Kind::kNone},
      {.message = "Fax 2026001", .kind = Kind::kNone},
      {.message = "BVS 2026001", .kind = Kind::kNone},
      {.message = "VS 2026001A", .kind = Kind::kNone},
      {.message = "VS 0000", .kind = Kind::kNone},
      {.message = "Faktura za 09/2014", .kind = Kind::kNone},
      {.message = "", .kind = Kind::kNone},
      {.message = "VS", .kind = Kind::kNone},
  };
  for (const auto& c : cases) {
    const MessageSymbol found = FindMessageSymbol(c.message);
    EXPECT_EQ(found.kind, c.kind) << c.message;
    EXPECT_EQ(found.candidates, c.candidates) << c.message;
    EXPECT_EQ(found.symbol, c.kind == Kind::kFound ? c.candidates.front() : "") << c.message;
    EXPECT_EQ(found.tooLong, c.tooLong) << c.message;
  }
}

TEST(MessageSymbolTest, SymbolFields) {
  const struct {
    const char* symbol;
    bool pairing, empty;
  } cases[] = {
      {"2026001", true, false},    {"0000000001", true, false},
      {"1234567890", true, false}, {"12345678901", false, false},
      {"2026-001", false, false},  {"A2026", false, false},
      {"", false, true},           {"0000000000", false, true},
      {"  ", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPairingSymbol(c.symbol), c.pairing) << c.symbol;
    EXPECT_EQ(IsEmptySymbol(c.symbol), c.empty) << c.symbol;
  }
}

}  // namespace
}  // namespace tarvolo
