#include "conversion/camt/camt_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

TEST(CamtOutputTest, AnAccountWithoutIbanIsNamedWithTheFrontEndsAdvice) {
  const char* kLine =
      "Soubor a.csv uvádí účet bez IBAN (kód banky není znám%s); účetní program "
      "může IBAN vyžadovat\n";
  const struct {
    int32_t bankCode;
    const char* advice;  // null: the front end gives none of its own
    const char* shown;   // in the line's place of %s; null: no line
  } cases[] = {
      {0, nullptr, ", zadejte jej volbou --bank-code"},
      {0, "", ""},
      {0, "zadejte jej jinak", ", zadejte jej jinak"},
      {800, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    CamtOutput camt;
    if (c.advice != nullptr) camt.SetBankCodeAdvice(c.advice);
    StatementSummary summary;
    summary.profile.accountNumber = "2000145399";
    summary.bankCode = c.bankCode;
    std::vector<FieldCut> reports;
    camt.Begin(summary.profile, &reports);
    std::vector<std::string> lines;
    camt.Finish(summary, "a.csv", [&lines](LogKind, const char* line) { lines.push_back(line); });
    std::vector<std::string> expected;
    if (c.shown != nullptr) {
      expected.push_back(kLine);
      expected.back().replace(expected.back().find("%s"), 2, c.shown);
    }
    EXPECT_EQ(lines, expected) << c.bankCode << " " << (c.advice ? c.advice : "-");
  }
}

}  // namespace
}  // namespace tarvolo
