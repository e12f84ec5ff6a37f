#include "conversion/camt/chunked_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

// Bytes that differ from place to place, so that a piece out of order shows.
std::string Bytes(size_t size, size_t seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((seed + i * 31) % 251);
  return bytes;
}

// Appending and cutting back across the blocks keeps the text a plain
// string would hold, and draining it gives that text in order.
TEST(ChunkedTextTest, HoldsWhatAStringWouldAcrossItsBlocks) {
  struct Step {
    size_t append;    // bytes appended, or
    size_t truncate;  // the size cut back to (when no bytes are appended)
  };
  const std::vector<std::vector<Step>> cases = {
      {},
      {{5, 0}},
      {{100000, 0}, {0, 70000}, {200000, 0}},
      {{65536, 0}, {1, 0}, {0, 65536}, {3, 0}},
      {{300000, 0}, {0, 10}, {0, 10}, {500000, 0}, {0, 0}, {7, 0}},
      {{1000, 0}, {0, 2000}},  // cutting to more than there is keeps it all
  };
  for (size_t c = 0; c < cases.size(); ++c) {
    ChunkedText text;
    std::string model;
    for (const Step& step : cases[c]) {
      if (step.append > 0) {
        const std::string bytes = Bytes(step.append, model.size());
        text.Append(bytes);
        model += bytes;
      } else {
        text.Truncate(step.truncate);
        if (step.truncate < model.size()) model.resize(step.truncate);
      }
      ASSERT_EQ(text.size(), model.size()) << c;
    }
    std::string drained;
    EXPECT_TRUE(text.Drain([&drained](std::string_view piece) {
      drained += piece;
      return true;
    }));
    EXPECT_EQ(drained, model) << c;
    EXPECT_EQ(text.size(), 0u) << c;
  }
}

// Each drained block holds whole appends: a reader of the blocks never
// finds a piece cut in two, however the pieces fall against the blocks.
TEST(ChunkedTextTest, NeverSplitsAnAppend) {
  const std::vector<std::vector<size_t>> cases = {
      {65535, 2},                    // the second does not fit the first block's rest
      {100000, 1},                   // larger than a first block
      {1000, 200000, 1000, 300000},  // each larger than the block before it
      {65536, 65536, 65536},
  };
  for (size_t c = 0; c < cases.size(); ++c) {
    ChunkedText text;
    std::vector<size_t> ends;  // where each append ends in the whole text
    for (const size_t size : cases[c]) {
      text.Append(Bytes(size, c));
      ends.push_back(text.size());
    }
    size_t drained = 0;
    EXPECT_TRUE(text.Drain([&](std::string_view piece) {
      drained += piece.size();
      EXPECT_NE(std::find(ends.begin(), ends.end(), drained), ends.end()) << c;
      return true;
    }));
    EXPECT_EQ(drained, ends.back()) << c;
  }
}

// A write that fails ends the draining with false; the text is let go of
// all the same.
TEST(ChunkedTextTest, AFailedWriteIsReported) {
  ChunkedText text;
  for (size_t i = 0; i < 4; ++i) text.Append(Bytes(100000, i));
  int pieces = 0;
  EXPECT_FALSE(text.Drain([&pieces](std::string_view) { return ++pieces < 2; }));
  EXPECT_EQ(pieces, 2);
  EXPECT_EQ(text.size(), 0u);
}

}  // namespace
}  // namespace tarvolo
