#include "conversion/export/pocket_routes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tarvolo {
namespace {

// One file of the run: its pockets' items in its order, each with its day
// of March, 0 for an item without a date.
struct File {
  std::vector<std::pair<std::string, int>> items;
};

// The account's own pocket is one for the whole run, whatever the order of
// its files and whatever pocket each file begins with.
TEST(PocketRoutesTest, TheAccountsOwnPocketIsOneWhateverTheOrderOfTheFiles) {
  const struct {
    const char* what;
    std::vector<File> files;
    std::string own;
  } cases[] = {
      {"a file of no pockets", {{{}}}, ""},
      {"the file's first", {{{{"Main", 2}, {"Tax", 3}, {"Main", 4}}}}, "Main"},
      {"the first of the file that starts earliest",
       {{{{"Tax", 1}, {"Main", 2}}}, {{{"Main", 3}, {"Tax", 4}}}, {{{"Main", 5}}}},
       "Tax"},
      {"a dated file before one of no dates", {{{{"Tax", 0}}}, {{{"Main", 9}}}}, "Main"},
      {"of two starting on one day, the first by name",
       {{{{"Tax", 2}}}, {{{"Main", 2}}}, {{{"Savings", 3}}}},
       "Main"},
  };
  for (const auto& c : cases) {
    std::vector<size_t> order(c.files.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    do {
      PocketRoutes routes;
      for (size_t index : order) {
        FilePockets file;
        for (const auto& [pocket, day] : c.files[index].items) {
          const ItemDate date{2024, 3, day};
          routes.Take(pocket, day > 0 ? &date : nullptr, &file);
        }
        routes.Accept(file);
      }
      EXPECT_EQ(routes.Own(), c.own) << c.what;
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

// Each statement takes its own pocket's items: the account's own statement
// the own pocket's (each file's first until it is decided) and those that
// name none, a pocket's statement its pocket's alone.
TEST(PocketRoutesTest, EachStatementTakesItsPocketsItems) {
  const struct {
    const char* what;
    std::string pocket, own;
    std::vector<std::string> items;
    std::vector<bool> taken;
    int32_t elsewhere;
  } cases[] = {
      {"undecided: the file's first", "", "", {"Tax", "Main", "Tax"}, {true, false, true}, 1},
      {"decided: the own pocket", "", "Main", {"Tax", "Main", "Tax"}, {false, true, false}, 2},
      {"a pocket's statement", "Tax", "Main", {"Tax", "Main", "Tax"}, {true, false, true}, 0},
  };
  for (const auto& c : cases) {
    PocketRoutes routes;
    routes.Set(c.pocket, c.own);
    FilePockets file;
    std::vector<bool> taken;
    for (const std::string& pocket : c.items) taken.push_back(routes.Take(pocket, nullptr, &file));
    EXPECT_EQ(taken, c.taken) << c.what;
    EXPECT_EQ(file.elsewhere, c.elsewhere) << c.what;
    EXPECT_EQ(routes.TakesUnnamed(), c.pocket.empty()) << c.what;
  }
}

}  // namespace
}  // namespace tarvolo
