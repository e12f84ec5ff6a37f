#include "conversion/camt/camt_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

TEST(CamtOutputTest, AnAccountWithoutIbanIsNamedWithWhyAndTheFrontEndsAdvice) {
  const struct {
    const char* iban;
    const char* why;
    const char* advice;  // null: the front end gives none
    const char* line;    // null: none
  } cases[] = {
      {"", "", nullptr,
       "Soubor a.csv uvádí účet bez IBAN (kód banky není znám); účetní program může IBAN "
       "vyžadovat\n"},
      {"", "soubory jsou z různých bank", "zadejte jej jinak",
       "Soubor a.csv uvádí účet bez IBAN (soubory jsou z různých bank); účetní program může "
       "IBAN vyžadovat: zadejte jej jinak\n"},
      {"CZ6508000000192000145399", "", "zadejte jej jinak", nullptr},
  };
  for (const auto& c : cases) {
    CamtOutput camt;
    if (c.advice != nullptr) camt.SetIbanAdvice(c.advice);
    StatementSummary summary;
    summary.profile.accountNumber = "2000145399";
    summary.iban = c.iban;
    summary.ibanUnknown = c.why;
    std::vector<FieldCut> reports;
    camt.Begin(summary.profile, &reports);
    std::vector<std::string> lines;
    std::vector<LogKind> kinds;
    camt.Finish(summary, "a.csv", [&](LogKind kind, const char* line) {
      lines.push_back(line);
      kinds.push_back(kind);
    });
    EXPECT_EQ(lines, c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{});
    // Worth a look, but no fault of the files.
    for (const LogKind kind : kinds) EXPECT_EQ(kind, LogKind::kNote);
  }
}

}  // namespace
}  // namespace tarvolo
