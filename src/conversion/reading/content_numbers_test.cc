#include "conversion/reading/content_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

StatementItem Payment(int32_t day, int64_t amount) {
  StatementItem item;
  item.day = item.valueDay = day;
  item.month = item.valueMonth = 9;
  item.year = item.valueYear = 14;
  item.amount = amount;
  item.currency = "CZK";
  item.counterPrefix = 19;
  item.counterNumber = 2000145399;
  item.bankCode = 800;
  item.constantSymbol = "308";
  item.counterName = "Novák";
  item.description = "Nájem";
  return item;
}

std::vector<std::string> Numbers(const std::vector<StatementItem>& download) {
  ContentNumbers numbers;
  std::vector<std::string> all;
  for (const StatementItem& item : download) all.emplace_back(numbers.Number(item));
  return all;
}

TEST(ContentNumbers, TheSameItemsOfTwoDownloadsGetTheSameNumbers) {
  // Two equal payments on the 2nd, in a download of the 1st to the 2nd and
  // in one of the 2nd to the 3rd.
  const std::vector<std::string> early =
      Numbers({Payment(1, 500), Payment(2, 1000), Payment(2, 1000)});
  const std::vector<std::string> late =
      Numbers({Payment(2, 1000), Payment(2, 1000), Payment(3, 1000)});
  EXPECT_EQ(early[1], late[0]);
  EXPECT_EQ(early[2], late[1]);
  EXPECT_NE(early[1], early[2]);
  // The same on every build: stored statements were imported with it.
  EXPECT_EQ(early[0], "4305244581454");
}

TEST(ContentNumbers, EachValueOfTheItemTellsItApart) {
  const struct {
    const char* what;
    std::function<void(StatementItem&)> change;
  } cases[] = {
      {"day", [](StatementItem& i) { i.day = 3; }},
      {"amount", [](StatementItem& i) { i.amount = -1000; }},
      {"own account", [](StatementItem& i) { i.ownAccount = "2600123456"; }},
      {"counter account", [](StatementItem& i) { i.counterNumber = 2000145398; }},
      {"IBAN", [](StatementItem& i) { i.counterIban = "DE89370400440532013000"; }},
      {"VS", [](StatementItem& i) { i.variableSymbol = "1"; }},
      {"name", [](StatementItem& i) { i.counterName = "Nováková"; }},
      {"description", [](StatementItem& i) { i.description = "Nájem září"; }},
      {"texts run together otherwise",
       [](StatementItem& i) {
         i.counterName = "NovákNájem";
         i.description = "";
       }},
  };
  const std::string base = Numbers({Payment(2, 1000)})[0];
  for (const auto& c : cases) {
    StatementItem item = Payment(2, 1000);
    c.change(item);
    EXPECT_NE(Numbers({item})[0], base) << c.what;
  }
}

TEST(DocumentNumberOfHash, ThirteenDigitsNeverAllZeros) {
  const struct {
    uint64_t hash;
    const char* number;
  } cases[] = {
      {0, "0000000000001"},
      {10000000000000u, "0000000000001"},
      {12345, "0000000012345"},
      {UINT64_MAX, "4073709551615"},
  };
  for (const auto& c : cases) {
    std::string number;
    DocumentNumberOfHash(c.hash, number);
    EXPECT_EQ(number, c.number) << c.hash;
  }
}

}  // namespace
}  // namespace tarvolo
