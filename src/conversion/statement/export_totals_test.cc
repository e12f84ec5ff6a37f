#include "conversion/statement/export_totals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "conversion/values/decimal_rounding.h"

namespace tarvolo {
namespace {

struct Amount {
  int64_t hellers;
  int32_t rest;
};

// One reading's items, then a run of two such readings: the run's sums are
// twice the file's, its counts too, and the balances stay the run's own.
TEST(ExportTotals, CountEveryItemAsItsRecordShowsIt) {
  struct Case {
    const char* what;
    std::vector<Amount> items;
    int32_t credits, debits;
    int64_t creditHellers, debitHellers;
    bool overflow, anyAmount;
  } cases[] = {
      {"no items", {}, 0, 0, 0, 0, false, false},
      {"a credit and a debit", {{25029, 0}, {-10000, 0}}, 1, 1, 25029, 10000, false, true},
      {"zero is a credit of nothing", {{0, 0}}, 1, 0, 0, 0, false, false},
      // Less than half a heller: no hellers, but the sign its record shows.
      {"a part of a heller below zero", {{0, -3}}, 0, 1, 0, 0, false, true},
      {"a part of a heller above zero", {{0, 4}}, 1, 0, 0, 0, false, true},
      {"an item at the limit", {{-kHellerLimit, 0}}, 0, 1, 0, 0, true, true},
      {"two items past the limit",
       {{kHellerLimit / 2, 0}, {kHellerLimit / 2, 0}},
       2,
       0,
       kHellerLimit / 2,
       0,
       true,
       true},
  };
  for (const Case& c : cases) {
    ExportTotals file;
    for (const Amount& amount : c.items) {
      StatementItem item;
      item.amount = amount.hellers;
      item.amountRest = amount.rest;
      AddItemToTotals(item, &file);
    }
    EXPECT_EQ(file.itemCount, static_cast<int32_t>(c.items.size())) << c.what;
    EXPECT_EQ(file.creditCount, c.credits) << c.what;
    EXPECT_EQ(file.debitCount, c.debits) << c.what;
    EXPECT_EQ(file.creditHellers, c.creditHellers) << c.what;
    EXPECT_EQ(file.debitHellers, c.debitHellers) << c.what;
    EXPECT_EQ(file.hellersOverflow, c.overflow) << c.what;
    EXPECT_EQ(file.anyAmount, c.anyAmount) << c.what;

    ExportTotals run;
    run.openingHellers = 100050;
    run.closingHellers = 115079;
    AddTotals(file, &run);
    AddTotals(file, &run);
    EXPECT_EQ(run.itemCount, 2 * file.itemCount) << c.what;
    EXPECT_EQ(run.creditCount + run.debitCount, run.itemCount) << c.what;
    EXPECT_EQ(run.hellersOverflow, c.overflow || 2 * c.creditHellers >= kHellerLimit) << c.what;
    if (!run.hellersOverflow) {
      EXPECT_EQ(run.creditHellers, 2 * c.creditHellers) << c.what;
      EXPECT_EQ(run.debitHellers, 2 * c.debitHellers) << c.what;
    }
    EXPECT_EQ(run.anyAmount, c.anyAmount) << c.what;
    EXPECT_EQ(run.openingHellers, 100050) << c.what;
    EXPECT_EQ(run.closingHellers, 115079) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
