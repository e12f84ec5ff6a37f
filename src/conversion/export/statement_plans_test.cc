#include "conversion/export/statement_plans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

// A statement as a file set may hold it: its account ("" for the main
// one), its currency and whether its files hold it.
struct Found {
  std::string account;
  std::string currency;
  bool held = true;
  std::string pocket = {};  // "" for the account's own statement
};

// The statements found, in any order, are written in one order and named
// the same way: the main account's koruna takes the names asked for.
TEST(StatementPlansTest, OneOrderAndOneNameWhateverTheOrderFound) {
  const struct {
    const char* what;
    std::vector<Found> found;
    std::vector<std::string> suffixes;  // in the order written
  } cases[] = {
      {"the koruna first, then the codes",
       {{"", "USD"}, {"", "CZK"}, {"", "EUR"}},
       {"", "-EUR", "-USD"}},
      {"without the koruna, the first code takes the names asked for",
       {{"", "USD"}, {"", "EUR"}},
       {"", "-USD"}},
      {"other accounts by their numbers, the koruna without its code",
       {{"51-1234567890", "EUR"}, {"19-1234567890", "CZK"}, {"", "CZK"}, {"51-1234567890", "CZK"}},
       {"", "-19-1234567890", "-51-1234567890", "-51-1234567890-EUR"}},
      {"a statement no file holds is none", {{"", "CZK", false}, {"", "EUR"}}, {""}},
      {"only another account's: no statement takes the names asked for",
       {{"51-1234567890", "CZK"}},
       {"-51-1234567890"}},
      {"a currency no file decided is the koruna's, once", {{"", ""}, {"", "CZK"}}, {""}},
      {"pockets after their account's statements, by their names made fit for a file's",
       {{"", "CZK", true, "Tax reserve"},
        {"", "EUR"},
        {"", "CZK"},
        {"", "EUR", true, "Tax reserve"},
        {"", "CZK", true, "../A:b*"}},
       {"", "-EUR", "-A-b", "-Tax-reserve", "-Tax-reserve-EUR"}},
      {"pockets whose names read as another's, Windows' way, take a number",
       {{"", "CZK"},
        {"", "EUR"},
        {"", "CZK", true, "tax reserve"},
        {"", "CZK", true, "Tax-reserve"},
        {"", "CZK", true, "EUR"},
        {"", "CZK", true, "Tax reserve"}},
       {"", "-EUR", "-EUR-2", "-Tax-reserve", "-Tax-reserve-2", "-tax-reserve-3"}},
      {"a pocket keeps its ASCII letters, one of none is named as an account",
       {{"", "CZK"}, {"", "CZK", true, "\xC8\xE1st"}, {"51-1234567890", "CZK", true, "?"}},
       {"", "-st", "-51-1234567890-ucet"}},
  };
  for (const auto& c : cases) {
    std::vector<size_t> order(c.found.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    do {
      StatementPlans plans;
      for (size_t index : order) {
        const Found& found = c.found[index];
        AccountNumber account;
        const bool other = !found.account.empty();
        if (other) {
          ASSERT_TRUE(ReadAccountNumber(found.account, true, &account)) << c.what;
        }
        // A statement in the currency its files decide is none beside one
        // of its account's the run has.
        if (plans.Add(other ? &account : nullptr, found.currency, found.pocket)) {
          plans.plans().back().held = found.held;
        }
      }
      plans.Settle();
      std::vector<std::string> suffixes;
      for (const StatementPlan& plan : plans.plans()) suffixes.push_back(plan.suffix);
      EXPECT_EQ(suffixes, c.suffixes) << c.what;
      EXPECT_EQ(plans.HasProfileStatement(), !c.suffixes.empty() && c.suffixes.front().empty())
          << c.what;
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

// A pocket's name is the bank's text: the log shows it on one line, cut.
TEST(StatementPlansTest, APocketIsShownOnOneLine) {
  const struct {
    std::string pocket, shown;
  } cases[] = {
      {"Tax reserve", "Tax reserve"},
      {"Tax\r\nreserve\t", "Tax  reserve "},
      {std::string(50, 'x'), std::string(40, 'x')},
  };
  for (const auto& c : cases) {
    StatementPlan plan;
    plan.pocket = c.pocket;
    EXPECT_EQ(plan.ShownPocket(), c.shown) << c.pocket;
  }
}

}  // namespace
}  // namespace tarvolo
