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
  // Whether `hash` was new; it is in the set either way.
  bool Insert(uint64_t hash);
  void Erase(uint64_t hash);
  // Room for `count` hashes without growing on the way.
  void Reserve(size_t count);
  bool Contains(uint64_t hash) const;
  size_t Size() const { return size_ + (hasZero_ ? 1 : 0); }

 private:
  size_t SlotOf(uint64_t hash) const;
  void Rehash(size_t slots);

  // Zero marks a free slot, so the hash zero is kept beside the table.
  std::vector<uint64_t> slots_;
  int shift_ = 64;  // 64 less the bits of a slot's index
  size_t size_ = 0;
  bool hasZero_ = false;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_HASH_SET_H_
