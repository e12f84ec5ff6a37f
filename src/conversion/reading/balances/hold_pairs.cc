#include "conversion/reading/balances/hold_pairs.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace tarvolo {
namespace {

// Holds not yet paired, earliest first; a hold paired since is passed over
// when the queue is next looked at, so that each is looked at once.
struct HoldQueue {
  std::vector<size_t> holds;
  size_t next = 0;

  int Earliest(const std::vector<int>& pairs) {
    while (next < holds.size() && pairs[holds[next]] >= 0) ++next;
    return next < holds.size() ? static_cast<int>(holds[next]) : -1;
  }
};

}  // namespace

std::vector<int> PairHolds(const ProofRows& proof, int amount, bool newestFirst) {
  const std::vector<HoldLinks>& holds = proof.holds;
  std::vector<int> pairs(holds.size(), -1);
  // A release undoes a hold of its own account and currency: the holds are
  // looked up by them and the amount the release undoes.
  using Key = std::tuple<int, int64_t>;
  // Any hold; a hold that names no payment, which a release naming one may
  // undo too; a hold by the ids it names, its own and its payment's.
  std::map<Key, HoldQueue> all, unnamed;
  std::map<std::tuple<int, int64_t, std::string>, HoldQueue> named;
  const size_t count = holds.size();
  for (size_t n = 0; n < count; ++n) {
    const size_t k = newestFirst ? count - 1 - n : n;
    const HoldLinks& links = holds[k];
    const ProofRow& row = proof.rows[links.row];
    if (!row.read[amount]) continue;
    if (row.open == OpenBooking::kHold) {
      const Key key = {row.chain, row.amounts[amount]};
      all[key].holds.push_back(k);
      if (links.related.empty()) unnamed[key].holds.push_back(k);
      for (const std::string* id : {&links.id, &links.related}) {
        if (!id->empty()) named[{row.chain, row.amounts[amount], *id}].holds.push_back(k);
      }
      continue;
    }
    if (row.open != OpenBooking::kRelease) continue;
    const Key key = {row.chain, -row.amounts[amount]};
    int hold = -1;
    if (links.related.empty()) {
      const auto found = all.find(key);
      if (found != all.end()) hold = found->second.Earliest(pairs);
    } else {
      const auto found = named.find({row.chain, -row.amounts[amount], links.related});
      if (found != named.end()) hold = found->second.Earliest(pairs);
      const auto free = unnamed.find(key);
      if (hold < 0 && free != unnamed.end()) hold = free->second.Earliest(pairs);
    }
    if (hold < 0) continue;
    pairs[static_cast<size_t>(hold)] = static_cast<int>(k);
    pairs[k] = hold;
  }
  return pairs;
}

}  // namespace tarvolo
