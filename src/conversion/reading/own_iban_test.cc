#include "conversion/reading/own_iban.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

TEST(OwnIbanTest, IbansStatedBeforeTheHeaderAndOnTheRowsAreCollectedOnce) {
  const struct {
    const char* text;
    std::vector<std::string> ibans;
  } cases[] = {
      {"\"accountId\";\"2000145399\"\n\"iban\";\"cz93 2010 0000 0020 0014 5399\"\n\n"
       "Datum;Částka\n01.09.2014;5,00\n",
       {"CZ9320100000002000145399"}},
      // A check digit does not decide here: the IBAN is kept to be named.
      {"IBAN:;CZ2301000000002000145399\nDatum;Částka\n01.09.2014;5,00\n",
       {"CZ2301000000002000145399"}},
      {"Datum;Částka;IBAN\n01.09.2014;5,00;CZ8801000001152992080267\n"
       "02.09.2014;6,00;CZ8801000001152992080267\n03.09.2014;7,00;\n"
       "04.09.2014;8,00;CZ2201000000002000145399\n",
       {"CZ8801000001152992080267", "CZ2201000000002000145399"}},
      {"IBAN;neuvedeno\nDatum;Částka;IBAN\n01.09.2014;5,00;2000145399\n", {}},
      {"Datum;Částka;Beneficiary IBAN\n01.09.2014;5,00;CZ8801000001152992080267\n", {}},
  };
  for (const auto& c : cases) {
    const StatementLayout layout = RecogniseLayout(c.text);
    ASSERT_TRUE(layout.recognised) << c.text;
    std::vector<std::string> ibans;
    CollectOwnIbans(c.text, layout, &ibans);
    EXPECT_EQ(ibans, c.ibans) << c.text;
  }
}

}  // namespace
}  // namespace tarvolo
