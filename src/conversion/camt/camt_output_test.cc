#include "conversion/camt/camt_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The lines the document's finish logs for the own account of `summary`,
// with the front end's advice on the bank code (none: the default's).
std::vector<std::string> FinishLines(const StatementSummary& summary, const char* advice) {
  CamtOutput camt;
  if (advice != nullptr) camt.SetBankCodeAdvice(advice);
  std::vector<FieldCut> reports;
  camt.Begin(summary.profile, &reports);
  std::vector<std::string> lines;
  camt.Finish(summary, "a.csv", [&lines](LogKind, const char* line) { lines.push_back(line); });
  return lines;
}

TEST(CamtOutputTest, AnAccountWithoutIbanIsNamedWithTheFrontEndsAdvice) {
  const std::string noIban =
      "Soubor a.csv uvádí účet bez IBAN (kód banky není znám%s); účetní program může IBAN "
      "vyžadovat\n";
  auto line = [&noIban](const std::string& advice) {
    std::string shown = noIban;
    shown.replace(shown.find("%s"), 2, advice);
    return std::vector<std::string>{shown};
  };
  const struct {
    int32_t bankCode;
    const char* advice;
    std::vector<std::string> lines;
  } cases[] = {
      {0, nullptr, line(", zadejte jej volbou --bank-code")},
      {0, "", line("")},
      {0, "zadejte jej jinak", line(", zadejte jej jinak")},
      {800, nullptr, {}},
      {800, "", {}},
  };
  for (const auto& c : cases) {
    StatementSummary summary;
    summary.profile.accountNumber = "2000145399";
    summary.bankCode = c.bankCode;
    EXPECT_EQ(FinishLines(summary, c.advice), c.lines)
        << c.bankCode << " " << (c.advice ? c.advice : "-");
  }
}

}  // namespace
}  // namespace tarvolo
