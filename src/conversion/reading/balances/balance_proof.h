#ifndef TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_
#define TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What a file's running balance proves of how its rows are read: each
// booked row's amount, with its fee, must take the balance before it to the
// balance the row states. Of the ways a file may be written (which amount
// column, the sign of the fee, debits with or without a minus, the order of
// the rows) the one under which the most rows add up is taken, the
// layout's own among equals, and a row that does not add up under it is
// named. The balances of each own account and each currency run apart.
class BalanceProof {
 public:
  // Looks at the rows after the header of `text` that `layout` found,
  // before any of them is read for its items.
  BalanceProof(std::string_view text, const StatementLayout& layout);

  // The columns the rows are read by.
  const ChosenColumns& columns() const { return columns_; }
  FeeConvention fee() const { return fee_; }
  DebitConvention debits() const { return debits_; }
  bool newestFirst() const { return newestFirst_; }
  // The column that names the own account or the pocket a row is of, -1
  // for none.
  int accountColumn() const { return accountColumn_; }
  // Whether the balances prove the order of the rows rather than their dates.
  bool orderProven() const { return orderProven_; }

  // Names in `log` each row whose balance does not follow from the one
  // before it and each choice that neither the data nor the balances prove.
  void Report(const std::string& path, const LogLine& log) const;

 private:
  struct Row;
  struct Convention {
    int amount = 0;  // among columns_.amounts
    FeeConvention fee = FeeConvention::kCharge;
    DebitConvention debits = DebitConvention::kEitherSign;
    bool newestFirst = false;
  };
  // A row whose balance does not follow from the one before it.
  struct Mismatch {
    int line;
    int64_t before, moved, balance;
  };

  void Collect(std::string_view text, const StatementLayout& layout, std::vector<Row>* rows);
  void Settle(const std::vector<Row>& rows);
  int Failures(const std::vector<Row>& rows, const Convention& convention,
               std::vector<Mismatch>* mismatches) const;

  ChosenColumns columns_;
  int accountColumn_;
  // The amount column the data alone choose.
  int ownAmount_;
  int alternatives_ = 1;
  // The header's names of the amount columns, for the log.
  std::string names_[StatementLayout::kCandidates];
  FeeConvention fee_;
  DebitConvention debits_ = DebitConvention::kEitherSign;
  bool newestFirst_;
  bool amountProven_ = false;
  bool feeProven_ = false;
  // The sign of the fees, charged or refunded, whether or not an amount
  // column holds them already.
  bool feeSignProven_ = false;
  bool debitsProven_ = false;
  bool orderProven_ = false;
  // Fees other than zero, by the sign they are written with.
  int32_t feesPositive_ = 0;
  int32_t feesNegative_ = 0;
  // Rows whose net amount differs from the gross by the fee as the balance
  // takes it, written with a minus or without one.
  int32_t netShowsEffect_ = 0;
  int32_t netShowsCharge_ = 0;
  // The alternatives named as net of the fee ("Net", "Netto"), a bit each.
  uint32_t netColumns_ = 0;
  // A row whose amount in another column contradicts the one taken.
  struct Contradiction {
    int line;
    int column;  // the other column's number
    std::string name;
  };
  void FindContradictions(const std::vector<Row>& rows, int taken);
  std::vector<Contradiction> contradictions_;
  // Debits other than zero, likewise.
  int32_t debitsPositive_ = 0;
  int32_t debitsNegative_ = 0;
  int chains_ = 0;
  std::vector<Mismatch> mismatches_;
  // The layout's fee sign is no bank's documented one.
  bool feeUnconfirmed_;
  bool balanceColumn_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_
