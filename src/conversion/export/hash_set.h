#ifndef TARVOLO_CONVERSION_EXPORT_HASH_SET_H_
#define TARVOLO_CONVERSION_EXPORT_HASH_SET_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvolo {

// A set of 64-bit hashes in one flat table: a statement takes one or two
// per item, and a node allocated for each would cost more than the rest of
// the item's numbering.
class HashSet {
 public:
  // Whether `hash` was new; it is in the set either way. Inline, as every
  // item of a run takes one or two.
  bool Insert(uint64_t hash) {
    if (hash == 0) return InsertZero();
    // At most half full, so a search meets a free slot soon.
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    const size_t mask = slots_.size() - 1;
    uint64_t* slots = slots_.data();
    for (size_t i = SlotOf(hash);; i = (i + 1) & mask) {
      if (slots[i] == hash) return false;
      if (slots[i] == 0) {
        slots[i] = hash;
        ++size_;
        return true;
      }
    }
  }
  void Erase(uint64_t hash);
  // Room for `count` hashes without growing on the way.
  void Reserve(size_t count);
  bool Contains(uint64_t hash) const;
  size_t Size() const { return size_ + (hasZero_ ? 1 : 0); }

 private:
  size_t SlotOf(uint64_t hash) const {
    // The top bits of a multiplied hash, as FNV's low bits vary little
    // between keys that differ in their last byte.
    return static_cast<size_t>((hash * 0x9E3779B97F4A7C15u) >> shift_);
  }
  bool InsertZero();
  void Grow();
  void Rehash(size_t slots);

  // Zero marks a free slot, so the hash zero is kept beside the table.
  std::vector<uint64_t> slots_;
  int shift_ = 64;  // 64 less the bits of a slot's index
  size_t size_ = 0;
  bool hasZero_ = false;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_HASH_SET_H_
