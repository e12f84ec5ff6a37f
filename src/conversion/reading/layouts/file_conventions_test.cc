#include "conversion/reading/layouts/file_conventions.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

// A generic file's order is tested where it is converted; a known bank's
// documented order decides where the dates prove nothing or both orders.
TEST(LayoutFileScan, AKnownBanksDatesAreReadInItsOrder) {
  struct Case {
    const char* what;
    const char* text;
    bool monthFirst;
    bool guessed;
  } cases[] = {
      {"nothing proves it in PayPal's file: its order",
       "Date,Description,Gross,Fee,Net\n3/2/2024,a,1.00,0,1.00\n", true, false},
      {"proofs both ways: PayPal's order, said",
       "Date,Description,Gross,Fee,Net\n13/2/2024,a,1.00,0,1.00\n3/15/2024,a,1.00,0,1.00\n"
       "3/2/2024,a,1.00,0,1.00\n",
       true, true},
      {"a layout of no order known: day first, said",
       "Data,Nome,Lordo,Tariffa,Netto\n3/2/2021,a,1.00,0,1.00\n", false, true},
      {"a layout of no order known, its file's proof",
       "Data,Nome,Lordo,Tariffa,Netto\n3/2/2021,a,1.00,0,1.00\n3/15/2021,a,1.00,0,1.00\n", true,
       false},
  };
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    const DateOrder order = FileDateOrder(c.text, layout, ChooseColumns(c.text, layout).date);
    EXPECT_EQ(order.monthFirst, c.monthFirst) << c.what;
    EXPECT_EQ(order.guessed, c.guessed) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
