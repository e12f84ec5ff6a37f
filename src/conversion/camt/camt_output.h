#ifndef TARVOLO_CONVERSION_CAMT_CAMT_OUTPUT_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_OUTPUT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/camt/camt_check.h"
#include "conversion/camt/camt_entries.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// The statement as a camt.053 document: each item's entry is rendered as it
// comes, and the statement's balances and summary go before them once
// every item is in.
class CamtOutput : public StatementOutput {
 public:
  void Begin(const AccountProfile& profile, std::vector<FieldCut>* reports) override;
  void Add(const StatementItem& item, std::string_view statementCurrency) override;
  void Confirm() override {
    confirmed_ = entries_.Position();
    confirmedDays_ = days_;
  }
  void TakeBack() override {
    entries_.TakeBack(confirmed_);
    days_ = confirmedDays_;
  }
  void Finish(const StatementSummary& summary, const std::string& shown,
              const LogLine& log) override;
  bool Write(const BytesWriter& write) override;
  std::vector<std::string> Check(std::string_view written) const override;

  // What the user of this front end can do about an account without IBAN,
  // for the line that names it; empty for nothing.
  void SetIbanAdvice(std::string advice) { ibanAdvice_ = std::move(advice); }

 private:
  std::string ibanAdvice_;
  CamtEntries entries_;
  CamtEntries::Mark confirmed_;
  // The first and last day of the items, which the statement's period
  // covers though they lie outside the days it was asked for.
  struct ItemDays {
    int64_t first = 0, last = 0;  // yyyymmdd; 0 for none yet
  };
  ItemDays days_, confirmedDays_;
  std::string head_, tail_;  // the document around the entries
  CamtExpectation expected_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_OUTPUT_H_
