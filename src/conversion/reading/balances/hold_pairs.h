#ifndef TARVOLO_CONVERSION_READING_BALANCES_HOLD_PAIRS_H_
#define TARVOLO_CONVERSION_READING_BALANCES_HOLD_PAIRS_H_

#include <vector>

#include "conversion/reading/balances/proof_rows.h"

namespace tarvolo {

// Pairs each release among `proof`'s rows with the hold it gives back: an
// earlier hold of its account and currency whose amount it undoes (read
// from the `amount`-th column), the one its payment's id links it to where
// the rows name one, else the earliest. Rows are in time order, or the
// other way round where `newestFirst`. Gives, for each of `proof.holds`,
// the index in `proof.holds` of its other half, -1 for none.
std::vector<int> PairHolds(const ProofRows& proof, int amount, bool newestFirst);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_HOLD_PAIRS_H_
