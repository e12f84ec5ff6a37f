#include "conversion/reading/balances/hold_pairs.h"

#include <cstddef>

namespace tarvolo {
namespace {

// Whether the ids of a hold and a release link them: the release names the
// hold, or both name one payment. Rows that name none are linked by their
// amounts alone; rows that name different payments are not.
enum class Link { kNamed, kUnnamed, kNone };

Link LinkOf(const HoldLinks& hold, const HoldLinks& release) {
  if (release.related.empty() || (hold.related.empty() && hold.id.empty())) return Link::kUnnamed;
  if (release.related == hold.id || release.related == hold.related) return Link::kNamed;
  return hold.related.empty() ? Link::kUnnamed : Link::kNone;
}

}  // namespace

std::vector<int> PairHolds(const ProofRows& proof, int amount, bool newestFirst) {
  const std::vector<HoldLinks>& holds = proof.holds;
  std::vector<int> pairs(holds.size(), -1);
  const size_t count = holds.size();
  for (size_t n = 0; n < count; ++n) {
    const size_t r = newestFirst ? count - 1 - n : n;
    const ProofRow& release = proof.rows[holds[r].row];
    if (release.open != OpenBooking::kRelease || !release.read[amount]) continue;
    int unnamed = -1;
    int named = -1;
    // The holds before the release in time.
    for (size_t m = 0; m < n && named < 0; ++m) {
      const size_t h = newestFirst ? count - 1 - m : m;
      const ProofRow& hold = proof.rows[holds[h].row];
      if (hold.open != OpenBooking::kHold || pairs[h] >= 0 || !hold.read[amount] ||
          hold.chain != release.chain || hold.amounts[amount] != -release.amounts[amount]) {
        continue;
      }
      const Link link = LinkOf(holds[h], holds[r]);
      if (link == Link::kNamed) named = static_cast<int>(h);
      if (link == Link::kUnnamed && unnamed < 0) unnamed = static_cast<int>(h);
    }
    const int hold = named >= 0 ? named : unnamed;
    if (hold < 0) continue;
    pairs[static_cast<size_t>(hold)] = static_cast<int>(r);
    pairs[r] = hold;
  }
  return pairs;
}

}  // namespace tarvolo
