#include "conversion/export/statement_iban.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvolo {
namespace {

constexpr char kNoBank[] = "kód banky není znám";
constexpr char kTwoBanks[] = "soubory jsou z různých bank";

// Files as the layouts give them: Fio stating its account, an Air Bank file
// stating none, KB Business with two accounts, and services abroad.
const FileBank kFio = {2010, {"2000145399/2010"}, {}};
const FileBank kFioOther = {2010, {"1234567890/2010"}, {"CZ2120100000001234567890"}};
const FileBank kAirBank = {3030, {}, {}};
const FileBank kServis24 = {800, {}, {}};
const FileBank kRevolut = {kBankAbroad, {}, {}};
const FileBank kGeneric = {0, {}, {}};
const FileBank kKbBusiness = {100,
                              {"115-2992080267", "2000145399"},
                              {"CZ8801000001152992080267", "CZ2201000000002000145399"}};

TEST(StatementIbanTest, TheAccountsOwnBankGivesItsIban) {
  const struct {
    const char* account;
    const char* iban;  // given
    int32_t bankCode;  // given
    std::vector<FileBank> files;
    const char* expected;
    int32_t bank;
    const char* why;
  } cases[] = {
      // What the user gives comes first: the IBAN, the code, the bank typed.
      {"2000145399", "LT121000011101001000", 0, {kFio}, "LT121000011101001000", 0, ""},
      {"2000145399", "CZ9320100000002000145399", 0, {}, "CZ9320100000002000145399", 2010, ""},
      {"", "GB29NWBK60161331926819", 0, {}, "GB29NWBK60161331926819", 0, ""},
      {"2000145399", "", 800, {kFio}, "CZ7908000000002000145399", 800, ""},
      {"2000145399/0300", "", 0, {kFio}, "CZ6603000000002000145399", 300, ""},
      // The files of the account.
      {"2000145399", "", 0, {kFio}, "CZ9320100000002000145399", 2010, ""},
      {"2000145399", "", 0, {kAirBank, kAirBank}, "CZ0730300000002000145399", 3030, ""},
      {"2000145399", "", 0, {kGeneric, kFio}, "CZ9320100000002000145399", 2010, ""},
      {"2000145399", "", 0, {kKbBusiness}, "CZ2201000000002000145399", 100, ""},
      {"115-2992080267", "", 0, {kKbBusiness}, "CZ8801000001152992080267", 100, ""},
      // A stated IBAN tells the bank where the layout does not.
      {"2000145399",
       "",
       0,
       {{0, {}, {"CZ3506000000002000145399"}}},
       "CZ3506000000002000145399",
       600,
       ""},
      // Another account's file lends none of its banks.
      {"2000145399",
       "",
       0,
       {kFio, kFioOther, {100, {"35-1843350247/0100"}, {}}},
       "CZ9320100000002000145399",
       2010,
       ""},
      {"2000145399", "", 0, {kFioOther}, "", 0, "soubory uvádějí jiný účet, než je v nastavení"},
      // Files of two banks, one abroad among them, tell no bank for sure.
      {"2000145399", "", 0, {kServis24, kAirBank}, "", 0, kTwoBanks},
      {"2000145399", "", 0, {kFio, kRevolut}, "", 0, kTwoBanks},
      {"2000145399",
       "",
       0,
       {{2010, {"2000145399/2010"}, {"CZ2201000000002000145399"}}},
       "",
       0,
       kTwoBanks},
      {"2000145399", "", 0, {kRevolut}, "", 0, kNoBank},
      {"2000145399", "", 0, {kGeneric}, "", 0, kNoBank},
      // A check digit refuses the only IBAN stated.
      {"2000145399", "", 0, {{0, {}, {"CZ2301000000002000145399"}}}, "", 0, kNoBank},
      {"", "", 800, {kFio}, "", 0, "z čísla účtu v nastavení nelze IBAN sestavit"},
      {"Revolut", "", 0, {kRevolut}, "", 0, "z čísla účtu v nastavení nelze IBAN sestavit"},
  };
  for (const auto& c : cases) {
    const StatementIban found = StatementIbanOf({c.account, c.iban, c.bankCode}, c.files);
    const size_t row = static_cast<size_t>(&c - cases);
    EXPECT_EQ(found.iban, c.expected) << row;
    EXPECT_EQ(found.bankCode, c.bank) << row;
    EXPECT_EQ(found.unknownWhy, c.why) << row;
    EXPECT_EQ(found.refusal, "") << row;
  }
}

TEST(StatementIbanTest, AnIbanGivenForAnotherAccountIsRefused) {
  for (const char* account : {"1234567890", "19-2000145399", "2000145399/0800"}) {
    const StatementIban found = StatementIbanOf({account, "CZ9320100000002000145399", 0}, {});
    EXPECT_EQ(found.iban, "") << account;
    EXPECT_NE(found.refusal.find("IBAN CZ9320100000002000145399 patří k účtu 2000145399/2010"),
              std::string::npos)
        << found.refusal;
  }
}

}  // namespace
}  // namespace tarvolo
