#ifndef TARVOLO_CONVERSION_READING_BALANCES_PROOF_ROWS_H_
#define TARVOLO_CONVERSION_READING_BALANCES_PROOF_ROWS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/layouts/file_conventions.h"
#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/text/item_fields.h"

namespace tarvolo {

// Rows whose booking the running balance decides rather than their state:
// one waiting to be booked, and a hold or its release. Each is booked where
// the balance after it counts it.
enum class OpenBooking : uint8_t { kNone, kPending, kHold, kRelease };

// A booked row as each way of reading it sees it.
struct ProofRow {
  int line = 0;
  int chain = 0;  // its own account and currency
  OpenBooking open = OpenBooking::kNone;
  int64_t amounts[StatementLayout::kCandidates] = {};
  bool read[StatementLayout::kCandidates] = {};
  int64_t fee = 0;    // as written
  int64_t debit = 0;  // as written, beside a credit column
  bool hasBalance = false;
  int64_t balance = 0;
  ItemDate date;
};

// The signs the rows write their fees and debits with, other than zero.
struct ProofSigns {
  int32_t feesPositive = 0;
  int32_t feesNegative = 0;
  // Rows whose net amount differs from the gross by the fee as the balance
  // takes it, written with a minus or without one.
  int32_t netShowsEffect = 0;
  int32_t netShowsCharge = 0;
  int32_t debitsPositive = 0;
  int32_t debitsNegative = 0;

  bool AnyFee() const { return feesPositive > 0 || feesNegative > 0; }
  bool MixedDebits() const { return debitsPositive > 0 && debitsNegative > 0; }
};

// The ids a hold or its release is known by: its own, and the payment's it
// is of.
struct HoldLinks {
  size_t row = 0;  // in ProofRows::rows
  std::string id, related;
};

// What a file's booked rows give the proof of its balances.
struct ProofRows {
  std::vector<ProofRow> rows;
  std::vector<HoldLinks> holds;
  ProofSigns signs;
  int chains = 0;  // own accounts and currencies, each with a balance of its own
};

// Reads every booked or open row of `text` that has a date, once for each of the
// first `alternatives` amount columns of `columns` that may be the one;
// `names` gets the header's names of those columns. Rows of each own
// account (in `accountColumn`, -1 for none) and currency form a chain.
void CollectProofRows(std::string_view text, const StatementLayout& layout,
                      const ChosenColumns& columns, int alternatives, int accountColumn,
                      std::string* names, ProofRows* out);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_PROOF_ROWS_H_
