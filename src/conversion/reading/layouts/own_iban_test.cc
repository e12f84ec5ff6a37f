#include "conversion/reading/layouts/own_iban.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// Check digits do not decide here: a refused IBAN is kept to be named.
TEST(OwnIbanTest, IbansStatedBeforeTheHeaderAndOnTheRowsAreCollectedOnce) {
  const char* text =
      "\"iban\";\"cz23 0100 0000 0020 0014 5399\"\nIBAN;neuvedeno\n\nDatum;Částka;IBAN;"
      "Beneficiary IBAN\n01.09.2014;5,00;CZ8801000001152992080267;CZ9320100000002000145399\n"
      "02.09.2014;6,00;CZ8801000001152992080267\n03.09.2014;7,00;\n"
      "04.09.2014;8,00;CZ2201000000002000145399\n";
  const StatementLayout layout = RecogniseLayout(text);
  std::vector<std::string> ibans;
  CollectOwnIbans(text, layout, &ibans);
  EXPECT_EQ(ibans, (std::vector<std::string>{"CZ2301000000002000145399", "CZ8801000001152992080267",
                                             "CZ2201000000002000145399"}));
}

}  // namespace
}  // namespace tarvolo
