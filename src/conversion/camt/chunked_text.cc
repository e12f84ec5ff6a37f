#include "conversion/camt/chunked_text.h"

#include <algorithm>
#include <cstring>

namespace tarvolo {
namespace {

// Blocks double from the first size to the largest: a short statement
// takes little memory, a long one few blocks. The largest is above the
// sizes that an allocator keeps for itself when they are freed.
constexpr size_t kFirstBlock = 64 * 1024;
constexpr size_t kLargestBlock = 64 * 1024 * 1024;

}  // namespace

void ChunkedText::Append(std::string_view text) {
  if (text.empty()) return;
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < text.size()) {
    Block block;
    block.capacity =
        blocks_.empty() ? kFirstBlock : std::min(2 * blocks_.back().capacity, kLargestBlock);
    block.capacity = std::max(block.capacity, text.size());
    // Not cleared: every byte is written before it is read. Small pages:
    // the system clears large ones whole, which costs more than it saves.
    block.data.reset(new char[block.capacity]);
    blocks_.push_back(std::move(block));
  }
  Block& last = blocks_.back();
  std::memcpy(last.data.get() + last.used, text.data(), text.size());
  last.used += text.size();
  size_ += text.size();
}

void ChunkedText::Truncate(size_t size) {
  while (size_ > size) {
    Block& last = blocks_.back();
    const size_t cut = std::min(last.used, size_ - size);
    last.used -= cut;
    size_ -= cut;
    if (last.used == 0) blocks_.pop_back();
  }
}

bool ChunkedText::Drain(const BytesWriter& write) {
  bool written = true;
  for (Block& block : blocks_) {
    written = written && write(std::string_view(block.data.get(), block.used));
    block.data.reset();
  }
  blocks_.clear();
  size_ = 0;
  return written;
}

}  // namespace tarvolo
