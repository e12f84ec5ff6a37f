#include "conversion/export/hash_set.h"

#include <algorithm>
#include <utility>

namespace tarvolo {
namespace {

constexpr size_t kReservedAtMost = size_t{1} << 20;

}  // namespace

bool HashSet::Contains(uint64_t hash) const {
  if (hash == 0) return hasZero_;
  if (slots_.empty()) return false;
  const size_t mask = slots_.size() - 1;
  for (size_t i = SlotOf(hash);; i = (i + 1) & mask) {
    if (slots_[i] == hash) return true;
    if (slots_[i] == 0) return false;
  }
}

bool HashSet::InsertZero() { return !std::exchange(hasZero_, true); }

void HashSet::Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }

void HashSet::Erase(uint64_t hash) {
  if (hash == 0) {
    hasZero_ = false;
    return;
  }
  if (slots_.empty()) return;
  const size_t mask = slots_.size() - 1;
  size_t hole = SlotOf(hash);
  while (slots_[hole] != hash) {
    if (slots_[hole] == 0) return;
    hole = (hole + 1) & mask;
  }
  // The hashes after the hole move back into it where their search would
  // otherwise stop at the hole before reaching them.
  for (size_t next = (hole + 1) & mask; slots_[next] != 0; next = (next + 1) & mask) {
    const size_t home = SlotOf(slots_[next]);
    const bool reachesHole =
        hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
    if (reachesHole) {
      slots_[hole] = slots_[next];
      hole = next;
    }
  }
  slots_[hole] = 0;
  --size_;
}

void HashSet::Reserve(size_t count) {
  // A count of lines promises no items: room made ahead stays within a
  // million hashes (16 MB), and beyond it the table grows as it fills.
  count = std::min(count, kReservedAtMost);
  size_t slots = slots_.empty() ? 16 : slots_.size();
  while (slots / 2 < count) slots *= 2;
  if (slots > slots_.size()) Rehash(slots);
}

// `slots` is a power of two.
void HashSet::Rehash(size_t slots) {
  std::vector<uint64_t> old(slots, 0);
  old.swap(slots_);
  shift_ = 64;
  for (size_t n = slots_.size(); n > 1; n /= 2) --shift_;
  size_ = 0;
  for (const uint64_t hash : old) {
    if (hash != 0) Insert(hash);
  }
}

}  // namespace tarvolo
