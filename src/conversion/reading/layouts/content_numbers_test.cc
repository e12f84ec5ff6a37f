#include "conversion/reading/layouts/content_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

StatementItem Payment(int32_t day, int64_t amount) {
  StatementItem item;
  item.day = item.valueDay = day;
  item.month = item.valueMonth = 9;
  item.year = item.valueYear = 2014;
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
