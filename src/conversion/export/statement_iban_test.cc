#include "conversion/export/statement_iban.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

constexpr char kNoBank[] = "kód banky není znám";
constexpr char kTwoBanks[] = "soubory jsou z různých bank";
constexpr char kNoAccount[] = "z čísla účtu v nastavení nelze IBAN sestavit";

// Files as the layouts give them: Fio stating its account, Air Bank and
// Servis24 stating none, KB Business with two accounts, a service abroad.
const FileBank kFio = {2010, {"2000145399/2010"}, {}};
const FileBank kFioOther = {2010, {"1234567890/2010"}, {"CZ2120100000001234567890"}};
const FileBank kAirBank = {3030, {}, {}};
const FileBank kServis24 = {800, {}, {}};
const FileBank kRevolut = {kBankAbroad, {}, {}};
const FileBank kKbBusiness = {100,
                              {"115-2992080267", "2000145399"},
                              {"CZ8801000001152992080267", "CZ2201000000002000145399"}};

// The IBAN, else why there is none, else "refused"; a Czech IBAN's bank
// code is the account's servicer.
TEST(StatementIbanTest, TheAccountsOwnBankGivesItsIban) {
  const struct {
    GivenAccount given;
    std::vector<FileBank> files;
    const char* result;
  } cases[] = {
      // What the user gives comes first: the IBAN, the code, the bank typed.
      {{"2000145399", "LT121000011101001000", 0}, {kFio}, "LT121000011101001000"},
      {{"2000145399", "CZ9320100000002000145399", 0}, {}, "CZ9320100000002000145399"},
      {{"19-2000145399", "CZ9320100000002000145399", 0}, {}, "refused"},
      {{"2000145399/0800", "CZ9320100000002000145399", 0}, {}, "refused"},
      {{"2000145399", "", 800}, {kFio}, "CZ7908000000002000145399"},
      {{"2000145399/0300", "", 0}, {kFio}, "CZ6603000000002000145399"},
      // The files of the account; a stated bank before the layout's.
      {{"2000145399", "", 0}, {kFio}, "CZ9320100000002000145399"},
      {{"2000145399", "", 0}, {kAirBank}, "CZ0730300000002000145399"},
      {{"2000145399", "", 0}, {{0, {}, {}}, kFio}, "CZ9320100000002000145399"},
      {{"115-2992080267", "", 0}, {kKbBusiness}, "CZ8801000001152992080267"},
      {{"2000145399", "", 0}, {{0, {}, {"CZ3506000000002000145399"}}}, "CZ3506000000002000145399"},
      // Another account's file lends none of its banks.
      {{"2000145399", "", 0}, {kFio, kFioOther}, "CZ9320100000002000145399"},
      {{"2000145399", "", 0}, {kFioOther}, "soubory uvádějí jiný účet, než je v nastavení"},
      // Files of two banks, one abroad among them, tell no bank for sure.
      {{"2000145399", "", 0}, {kServis24, kAirBank}, kTwoBanks},
      {{"2000145399", "", 0}, {kFio, kRevolut}, kTwoBanks},
      {{"2000145399", "", 0},
       {{2010, {"2000145399/2010"}, {"CZ2201000000002000145399"}}},
       kTwoBanks},
      {{"2000145399", "", 0}, {kRevolut}, kNoBank},
      // A check digit refuses the only IBAN stated.
      {{"2000145399", "", 0}, {{0, {}, {"CZ2301000000002000145399"}}}, kNoBank},
      {{"Revolut", "", 800}, {kRevolut}, kNoAccount},
  };
  for (const auto& c : cases) {
    const StatementIban found = StatementIbanOf(c.given, c.files);
    const std::string result = !found.iban.empty()      ? found.iban
                               : !found.refusal.empty() ? "refused"
                                                        : found.unknownWhy;
    EXPECT_EQ(result, c.result) << &c - cases;
    const bool czech = found.iban.compare(0, 2, "CZ") == 0;
    EXPECT_EQ(found.bankCode, czech ? std::stoi(found.iban.substr(4, 4)) : 0) << &c - cases;
  }
}

}  // namespace
}  // namespace tarvolo
