#ifndef TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_
#define TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/balances/proof_rows.h"
#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// How the rows of a file are read, as its running balance proves it.
struct RowConventions {
  // The columns the rows are read by.
  ChosenColumns columns;
  FeeConvention fee = FeeConvention::kCharge;
  DebitConvention debits = DebitConvention::kEitherSign;
  bool newestFirst = false;
  // The column that names the own account or the pocket a row is of, -1
  // for none.
  int accountColumn = -1;
  // Whether the balances prove the order of the rows rather than their dates.
  bool orderProven = false;
};

// What the running balance decided of a row open to it: one waiting to be
// booked, or a hold or its release.
struct BalanceVerdict {
  int line = 0;
  OpenBooking open = OpenBooking::kNone;
  // The balance after the row counts it: the row is booked.
  bool counted = false;
  // A hold or a release whose other half the file does not hold.
  bool alone = false;
};

// What a file's running balance proves of how its rows are read: each
// booked row's amount, with its fee, must take the balance before it to the
// balance the row states. Of the ways a file may be written (which amount
// column, the sign of the fee, debits with or without a minus, the order of
// the rows) the one under which the most rows add up is taken, the
// layout's own among equals, and a row that does not add up under it is
// named. The balances of each own account and each currency run apart. A row
// waiting to be booked is booked where the balance after it counts it, and
// left out where the balance stays as it was; a hold and its release are
// booked together or left out together.
class BalanceProof {
 public:
  // Looks at the rows after the header of `text` that `layout` found,
  // before any of them is read for its items.
  BalanceProof(std::string_view text, const StatementLayout& layout);

  const RowConventions& conventions() const { return conventions_; }
  // What the balance decided of the row on `line`; nullptr for a row it
  // did not decide, which its state decides.
  const BalanceVerdict* VerdictOf(int line) const;

  // Where two amount columns compete and no balance proves either, the
  // one the data alone chose; -1 where the amounts are decided. The other
  // is `conventions().columns.tiedAmount`.
  int UndecidedAmount() const {
    return conventions_.columns.tiedAmount >= 0 && !proven_.amount ? ownAmount_ : -1;
  }

  // Names in `log` each row whose balance does not follow from the one
  // before it and each choice of a sign that neither the data nor the
  // balances prove.
  void Report(const std::string& path, const LogLine& log) const;

 private:
  struct Convention {
    int amount = 0;  // among the chosen columns' amounts
    FeeConvention fee = FeeConvention::kCharge;
    DebitConvention debits = DebitConvention::kEitherSign;
    bool newestFirst = false;
  };
  // A row whose balance does not follow from the one before it.
  struct Mismatch {
    int line;
    int64_t before, moved, balance;
  };
  // A row whose amount in another column contradicts the one taken.
  struct Contradiction {
    int line;
    int column;  // the other column's number
    std::string name;
  };
  // The choices no other way of reading the rows explains as well.
  struct Proven {
    bool amount = false;
    bool fee = false;
    // The sign of the fees, charged or refunded, whether or not an amount
    // column holds them already.
    bool feeSign = false;
    bool debits = false;
  };

  void Settle(ProofRows& rows);
  // `counted`, where given, gets for each row open to the balance whether
  // the balance counts it (1), stays as it was (0) or decides nothing (-1).
  int Failures(const ProofRows& rows, const Convention& convention,
               std::vector<Mismatch>* mismatches, std::vector<int8_t>* counted = nullptr) const;
  void DecideOpenRows(ProofRows& rows, const Convention& convention);
  void FindContradictions(const std::vector<ProofRow>& rows, int taken);

  RowConventions conventions_;
  // The amount column the data alone choose.
  int ownAmount_;
  int alternatives_ = 1;
  // The header's names of the amount columns, for the log.
  std::string names_[StatementLayout::kCandidates];
  // The alternatives named as net of the fee ("Net", "Netto"), a bit each.
  uint32_t netColumns_ = 0;
  ProofSigns signs_;
  Proven proven_;
  std::vector<Mismatch> mismatches_;
  std::vector<Contradiction> contradictions_;
  std::vector<BalanceVerdict> verdicts_;  // in the order of the lines
  // The layout's fee sign is no bank's documented one.
  bool feeUnconfirmed_;
  bool balanceColumn_;
  // The balance the file states before its rows, where it states one.
  bool openingStated_ = false;
  int64_t opening_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_BALANCE_PROOF_H_
