#include "conversion/reading/layout_file_scan.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

TEST(LayoutFileScan, DatesOfAFileAreReadInOneOrder) {
  struct Case {
    const char* what;
    const char* text;
    bool monthFirst;
    bool guessed;
  } cases[] = {
      {"a day above 12 proves it", "Date,Amount\n3/2/2024,1\n3/15/2024,1\n", true, false},
      {"nothing proves it: day first, said", "Date,Amount\n3/2/2024,1\n", false, true},
      {"nothing proves it in PayPal's file: its order",
       "Date,Description,Gross,Fee,Net\n3/2/2024,a,1.00,0,1.00\n", true, false},
      {"proofs both ways: PayPal's order, said",
       "Date,Description,Gross,Fee,Net\n13/2/2024,a,1.00,0,1.00\n3/15/2024,a,1.00,0,1.00\n"
       "3/2/2024,a,1.00,0,1.00\n",
       true, true},
      {"dates that read one way only", "Date,Amount\n2024-03-02,1\n", false, false},
  };
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    const DateOrder order = FileDateOrder(c.text, layout, ChooseColumns(c.text, layout).date);
    EXPECT_EQ(order.monthFirst, c.monthFirst) << c.what;
    EXPECT_EQ(order.guessed, c.guessed) << c.what;
  }
}

TEST(LayoutFileScan, AmountsOfAFileShowItsDecimalMark) {
  struct Case {
    const char* text;
    char mark;
  } cases[] = {
      {"Date,Amount\n2024-03-02,\"1,500\"\n2024-03-03,\"2,25\"\n", ','},
      {"Date,Amount\n2024-03-02,\"1,500\"\n2024-03-03,2.25\n", '.'},
      {"Date,Amount\n2024-03-02,\"1,500\"\n", 0},
      {"Date,Amount\n2024-03-02,\"2,25\"\n2024-03-03,2.25\n", 0},
      {"Date,Amount,Fee\n2024-03-02,\"1,500\",0.50\n", '.'},
  };
  for (const Case& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    EXPECT_EQ(FileDecimalMark(c.text, layout, ChooseColumns(c.text, layout).amount), c.mark)
        << c.text;
  }
}

}  // namespace
}  // namespace tarvolo
