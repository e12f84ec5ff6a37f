#include "conversion/values/profile_values.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

// The opening balance is read whole or refused, naming the field: a value
// read short ("1.234,50" as 1.23, "abc" as 0) would open the statement
// with a balance the bank never stated.
TEST(ProfileValues, OpeningBalanceReadWholeOrRefused) {
  struct Case {
    const char* typed;
    int64_t hellers;      // when read
    const char* refusal;  // the line's text, "" when read
  } cases[] = {
      {"1234,50", 123450, ""},
      {"1 234,50", 123450, ""},
      {"-1234.50", -123450, ""},
      {"1.234,50", 123450, ""},
      {"1,234.50", 123450, ""},
      {"1 234 Kč", 123400, ""},
      {"", 0, ""},
      {"-0,004", 0, ""},  // parts of a heller, as the records round them
      {"1000,005", 100001, ""},
      {"1e3", 100000, ""},
      {"12,345", 0,
       "Počáteční zůstatek „12,345“ nelze přečíst celý (nelze rozhodnout, zda je čárka nebo tečka "
       "desetinná), zadejte jej např. jako 1234,50\n"},
      {"-1.234", 0, "nelze rozhodnout"},
      {"abc", 0, "(žádné číslice)"},
      {"1.234.50", 0, "„1.234.50“"},
      {"1 2,345", 0, "(nesprávně oddělené tisíce)"},
      {"12 34", 0, "(nesprávně oddělené tisíce)"},
      {"1,2\n3", 0, "„1,2 3“"},
  };
  for (const Case& c : cases) {
    AccountProfile profile;
    profile.openingBalance = c.typed;
    ProfileValues values;
    const std::string refusal = ReadProfileValues(profile, &values);
    if (*c.refusal == '\0') {
      EXPECT_EQ(refusal, "") << c.typed;
      EXPECT_EQ(values.openingHellers, c.hellers) << c.typed;
    } else {
      EXPECT_NE(refusal.find(c.refusal), std::string::npos) << c.typed << ": " << refusal;
    }
  }
}

}  // namespace
}  // namespace tarvolo
