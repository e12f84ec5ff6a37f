#include "conversion/export/earlier_items.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

// A number no greater than its line could be the row's own number.
TEST(EarlierItemsTest, IdsThatTellItemsApart) {
  struct Case {
    const char* id;
    int32_t line;
    bool bankId;
  } cases[] = {
      {"", 5, false},
      {"5", 5, false},
      {"0", 5, false},
      {"0005", 5, false},
      {"6", 5, true},
      {"26093472451", 5, true},
      {"000000000026093472451", 5, true},
      {"TRANSFER-1", 5, true},
      {"3a", 5, true},
      {"-3", 5, true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsBankId(c.id, c.line), c.bankId) << c.id;
}

}  // namespace
}  // namespace tarvolo
