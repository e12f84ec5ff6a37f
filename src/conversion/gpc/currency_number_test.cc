#include "conversion/gpc/currency_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/gpc/gpc_check.h"
#include "conversion/gpc/gpc_output.h"
#include "conversion/gpc/gpc_records.h"

namespace tarvolo {
namespace {

// The statement written by the GPC output: a debit and a credit in the
// statement's `currency`, and the log's lines.
std::string Written(const std::string& currency, std::vector<std::string>* log) {
  StatementSummary summary;
  summary.profile.accountNumber = "2000145399";
  summary.profile.accountName = "Hlavni ucet";
  summary.accountField = "0000002000145399";
  summary.statementDate = 1412157600;
  summary.currency = currency;
  summary.totals.debitHellers = summary.totals.creditHellers = 500;
  GpcOutput output;
  std::vector<FieldCut> reports;
  output.Begin(summary.profile, &reports);
  for (const int64_t amount : {-500, 500}) {
    StatementItem item;
    item.line = 2;
    item.day = item.valueDay = 24;
    item.month = item.valueMonth = 9;
    item.year = item.valueYear = 2014;
    item.amount = amount;
    output.Add(item, currency);
  }
  output.Finish(summary, "vypis.gpc", [log](LogKind, const char* line) { log->push_back(line); });
  std::string written;
  output.Write([&written](std::string_view bytes) {
    written.append(bytes);
    return true;
  });
  return written;
}

// A statement in another currency carries its ISO 4217 numeric code in the
// items' currency field, as Czech banks' foreign-currency statements do; a
// koruna statement keeps the codes its records have always had.
TEST(CurrencyNumberTest, ItemsCarryTheStatementsCurrency) {
  const struct {
    const char* currency;
    const char *debit, *credit;  // characters 118 to 122 of each record
    const char* log;             // how the log's only line starts, "" for none
  } cases[] = {
      {.currency = "", .debit = "01101", .credit = "01102", .log = ""},
      {.currency = "CZK", .debit = "01101", .credit = "01102", .log = ""},
      {.currency = "EUR", .debit = "00978", .credit = "00978", .log = ""},
      {.currency = "USD", .debit = "00840", .credit = "00840", .log = ""},
      {.currency = "GBP", .debit = "00826", .credit = "00826", .log = ""},
      {.currency = "CHF", .debit = "00756", .credit = "00756", .log = ""},
      {.currency = "PLN", .debit = "00985", .credit = "00985", .log = ""},
      {.currency = "HUF", .debit = "00348", .credit = "00348", .log = ""},
      {.currency = "AUD", .debit = "00036", .credit = "00036", .log = ""},
      {.currency = "HRK", .debit = "00191", .credit = "00191", .log = ""},
      {.currency = "XBT",
       .debit = "00000",
       .credit = "00000",
       .log = "Výpis vypis.gpc je v měně XBT, která nemá známý číselný kód ISO 4217: položky mají "
              "místo kódu měny nuly (00000), doplňte měnu při importu\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.currency);
    std::vector<std::string> log;
    const std::string written = Written(c.currency, &log);
    ASSERT_EQ(written.size(), 3 * kGpcLineLength);
    EXPECT_EQ(written.substr(kGpcLineLength + 117, 5), c.debit);
    EXPECT_EQ(written.substr(kGpcLineLength + 60, 1), "1");
    EXPECT_EQ(written.substr(2 * kGpcLineLength + 117, 5), c.credit);
    EXPECT_EQ(written.substr(2 * kGpcLineLength + 60, 1), "2");
    EXPECT_EQ(log, *c.log ? std::vector<std::string>{c.log} : std::vector<std::string>());
    EXPECT_EQ(CheckGpcStatement(written), std::vector<std::string>());
  }
}

// Every code of the table is three digits, and no two currencies share one.
TEST(CurrencyNumberTest, CodesAreThreeDigitsEach) {
  const char* const known[] = {"CZK", "EUR", "USD", "GBP", "CHF", "PLN", "HUF", "SEK", "NOK",
                               "DKK", "JPY", "CAD", "AUD", "RON", "BGN", "HRK", "CNY", "TRY"};
  std::vector<std::string> seen;
  for (const char* code : known) {
    const char* number = CurrencyNumber(code);
    ASSERT_NE(number, nullptr) << code;
    EXPECT_EQ(std::string(number).find_first_not_of("0123456789"), std::string::npos) << code;
    EXPECT_EQ(std::string(number).size(), 3u) << code;
    for (const std::string& other : seen) EXPECT_NE(other, number) << code;
    seen.push_back(number);
  }
  EXPECT_EQ(CurrencyNumber("eur"), nullptr);
  EXPECT_EQ(CurrencyNumber(""), nullptr);
}

}  // namespace
}  // namespace tarvolo
