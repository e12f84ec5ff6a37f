#include "conversion/export/item_numbers.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "conversion/values/byte_hash.h"

namespace tarvolo {
namespace {

// An item as a reader hands it over: its line, number, variable symbol and
// the bank's id; a fee where `fee`.
struct Given {
  int32_t line;
  const char* number;
  const char* symbol = "";
  const char* id = "";
  bool fee = false;
  bool byLayout = true;
  int64_t amount = -100;
};

struct Numbered {
  std::string number, reference;
};

std::vector<Numbered> NumberAll(const std::vector<Given>& items, ItemNumbers* numbers) {
  std::vector<Numbered> out;
  for (const Given& given : items) {
    StatementItem item;
    item.line = given.line;
    item.day = 2, item.month = 9, item.year = 2014;
    item.amount = given.amount;
    item.documentNumber = given.number;
    item.variableSymbol = given.symbol;
    item.bankReference = given.id;
    item.fee = given.fee;
    const StatementItem& numbered = numbers->Number(item, given.byLayout);
    out.push_back({std::string(numbered.documentNumber), std::string(numbered.bankReference)});
  }
  return out;
}

std::string Hashed(uint64_t hash) {
  std::string number;
  NumberOfHash(hash, &number);
  return number;
}

// Within a statement no two items share a document number or a bank
// reference, and each number comes from what the item holds, so the same
// items get the same numbers in every export.
TEST(ItemNumbersTest, EveryItemHasNumbersOfItsOwn) {
  const struct {
    const char* what;
    std::vector<Given> items;
    std::vector<const char*> kept;  // numbers kept as given; "" for a derived one
  } cases[] = {
      {"numbers of their own stay", {{2, "11"}, {3, "12"}, {4, "0013"}}, {"11", "12", "0013"}},
      {"a fee beside its payment",
       {{2, "11", "", "T-1"}, {2, "11", "", "T-1", true}, {3, "12", "", "T-2"}},
       {"11", "", "12"}},
      {"a variable symbol is no document number",
       {{2, "2014073", "2014073", "CARD-7"}, {3, "2014073", "2014073"}},
       {"", ""}},
      {"the bank's id that is also the symbol", {{2, "4407", "4407", "4407"}}, {"4407"}},
      {"an id that repeats", {{2, "5501"}, {3, "5501"}, {4, "005501"}}, {"5501", "", ""}},
      {"Servis24 keeps its symbols",
       {{2, "7", "7", "", false, false}, {3, "7", "7", "", false, false}, {4, "7"}},
       {"7", "7", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ItemNumbers numbers, again;
    const std::vector<Numbered> numbered = NumberAll(c.items, &numbers);
    ASSERT_EQ(numbered.size(), c.kept.size());
    std::set<std::string> layoutNumbers, references;
    for (size_t i = 0; i < numbered.size(); ++i) {
      if (*c.kept[i] != '\0') {
        EXPECT_EQ(numbered[i].number, c.kept[i]) << i;
      } else {
        EXPECT_EQ(numbered[i].number.size(), kDocumentNumberWidth) << i;
        EXPECT_NE(numbered[i].number, c.items[i].number) << i;
      }
      if (c.items[i].byLayout) {
        const std::string key =
            numbered[i].number.substr(numbered[i].number.find_first_not_of('0'));
        EXPECT_TRUE(layoutNumbers.insert(key).second) << numbered[i].number;
      }
      if (!numbered[i].reference.empty()) {
        EXPECT_TRUE(references.insert(numbered[i].reference).second) << numbered[i].reference;
      }
    }
    const std::vector<Numbered> twice = NumberAll(c.items, &again);
    for (size_t i = 0; i < numbered.size(); ++i) {
      EXPECT_EQ(twice[i].number, numbered[i].number) << i;
      EXPECT_EQ(twice[i].reference, numbered[i].reference) << i;
    }
  }
}

// A fee's number is its payment's, derived: the same for the same payment
// wherever it stands. The fee's reference names its payment's.
TEST(ItemNumbersTest, FeeNumbersFollowTheirPayments) {
  ItemNumbers first, second;
  const std::vector<Numbered> alone =
      NumberAll({{2, "11", "", "T-1"}, {2, "11", "", "T-1", true}}, &first);
  const std::vector<Numbered> later =
      NumberAll({{2, "10", "", "T-0"}, {5, "11", "", "T-1"}, {5, "11", "", "T-1", true}}, &second);
  EXPECT_EQ(alone[1].number, later[2].number);
  EXPECT_EQ(alone[0].reference, "T-1");
  EXPECT_EQ(alone[1].reference.rfind("T-1-", 0), 0u) << alone[1].reference;
  EXPECT_EQ(alone[1].reference, later[2].reference);
  EXPECT_EQ(Hashed(0), "0000000000001");
  EXPECT_EQ(Hashed(12345678901234567), "5678901234567");
}

// A fee derives its number from its payment's as given, however long that
// is, and after payments of other lengths before it.
TEST(ItemNumbersTest, FeesDeriveFromPaymentNumbersOfEveryLength) {
  const std::string longest(70, '7');
  const struct {
    std::string before;  // a payment on the line above, "" for none
    std::string payment;
  } cases[] = {
      {"", "11"},
      {"", std::string(32, '3')},
      {"", std::string(33, '3')},
      {"", longest},
      {longest, "12"},
      {"13", longest},
      {std::string(40, '4'), std::string(31, '5')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before + " " + c.payment);
    ItemNumbers numbers;
    std::vector<Given> items;
    if (!c.before.empty()) items.push_back({2, c.before.c_str(), "", "T-0"});
    items.push_back({3, c.payment.c_str(), "", "T-1"});
    items.push_back({3, c.payment.c_str(), "", "T-1", true});
    const std::vector<Numbered> numbered = NumberAll(items, &numbers);
    EXPECT_EQ(numbered[numbered.size() - 2].number, c.payment);
    EXPECT_EQ(numbered.back().number, Hashed(ByteHash("poplatek", ByteHash(c.payment))));
  }
}

// Numbers given to a reading that is not chosen are free again.
TEST(ItemNumbersTest, ReadingNotChosenGivesItsNumbersBack) {
  ItemNumbers numbers;
  NumberAll({{2, "11", "", "T-1"}}, &numbers);
  numbers.Confirm();
  NumberAll({{2, "12", "", "T-2"}}, &numbers);
  numbers.TakeBack();
  const std::vector<Numbered> chosen = NumberAll({{2, "12", "", "T-2"}, {3, "11"}}, &numbers);
  EXPECT_EQ(chosen[0].number, "12");
  EXPECT_EQ(chosen[0].reference, "T-2");
  EXPECT_NE(chosen[1].number, "11");
}

// Numbers and references of every length that differ, even in one byte
// or only by their length, all stay as given, in a file expected at its
// size and in one that outgrows what was expected.
TEST(ItemNumbersTest, DifferentNumbersAllStay) {
  std::vector<std::string> texts;
  for (const char* base : {"1", "12", "123", "1234", "12345", "1234567", "12345678", "123456789012",
                           "1234567890123456", "12345678901234567"}) {
    for (int last = 1; last <= 9; ++last) {
      std::string text = base;
      text.back() = static_cast<char>('0' + last);
      texts.push_back(text);
      texts.push_back(text + "0");
      texts.push_back("9" + text);
    }
  }
  for (const size_t expected : {texts.size(), size_t{2}}) {
    ItemNumbers numbers;
    numbers.Expect(expected);
    std::set<std::string> given;
    int32_t line = 2;
    for (const std::string& text : texts) {
      if (!given.insert(text).second) continue;
      const std::string reference = "R" + text;
      StatementItem item;
      item.line = line++;
      item.amount = -100;
      item.documentNumber = text;
      item.bankReference = reference;
      const StatementItem& numbered = numbers.Number(item, true);
      EXPECT_EQ(numbered.documentNumber, text) << expected;
      EXPECT_EQ(numbered.bankReference, reference) << expected;
    }
  }
}

}  // namespace
}  // namespace tarvolo
