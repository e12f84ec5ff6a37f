#ifndef TARVOLO_CONVERSION_CAMT_CHUNKED_TEXT_H_
#define TARVOLO_CONVERSION_CAMT_CHUNKED_TEXT_H_

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/whole_file.h"

namespace tarvolo {

// A long text kept in blocks that never move: what is there is never copied
// again as the text grows, it can be cut back to an earlier size, and each
// block is let go of as soon as it has been written, so that a text of
// hundreds of megabytes is held once, not two or three times over.
class ChunkedText {
 public:
  // `text` is never split between two blocks: it goes whole into the next
  // block (made large enough) when the last one has no room for it, so
  // that each block Drain hands over holds whole appends.
  void Append(std::string_view text);
  size_t size() const { return size_; }
  // Keeps the first `size` bytes.
  void Truncate(size_t size);
  // Hands the blocks to `write` in their order, letting go of each once it
  // is written; the text is empty afterwards. False when a write failed.
  bool Drain(const BytesWriter& write);

 private:
  struct Block {
    std::unique_ptr<char[]> data;
    size_t capacity = 0;
    size_t used = 0;
  };
  std::vector<Block> blocks_;
  size_t size_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CHUNKED_TEXT_H_
