#include "conversion/export/hash_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace tarvolo {
namespace {

// The set answers as an ordered set of the same hashes would, through
// growth, erasures within runs of neighbouring slots, and the hash zero.
TEST(HashSetTest, AnswersAsASetOfTheSameHashes) {
  struct Step {
    bool insert;  // else erase
    uint64_t hash;
  };
  // Hashes taken and given back at random from a pool, so the table stays
  // near its fullest and erasures move hashes back across runs of
  // neighbouring slots, also across the table's end, which a small table
  // meets often.
  const auto random = [](uint64_t pool) {
    std::vector<Step> steps;
    uint64_t state = 1;
    for (int i = 0; i < 100000; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      const uint64_t pick = state >> 33;
      uint64_t hash = (pick / 3 % pool + 1) * 0x9E3779B97F4A7C15u;
      hash = (hash ^ hash >> 30) * 0xBF58476D1CE4E5B9u;
      hash = (hash ^ hash >> 27) * 0x94D049BB133111EBu;
      steps.push_back({.insert = pick % 3 != 0, .hash = hash ^ hash >> 31});
    }
    return steps;
  };
  const struct {
    const char* what;
    std::vector<Step> steps;
  } cases[] = {
      {"empty", {}},
      {"one twice", {{.insert = true, .hash = 7}, {.insert = true, .hash = 7}}},
      {"zero kept and erased",
       {{.insert = true, .hash = 0}, {.insert = true, .hash = 0}, {.insert = false, .hash = 0}}},
      {"erased where never taken", {{.insert = false, .hash = 9}, {.insert = true, .hash = 9}}},
      {"erased and taken again",
       {{.insert = true, .hash = 5}, {.insert = false, .hash = 5}, {.insert = true, .hash = 5}}},
      {"random, small table", random(13)},
      {"random, large table", random(600)},
  };
  for (const auto& c : cases) {
    HashSet set;
    std::set<uint64_t> expected;
    for (const Step& step : c.steps) {
      EXPECT_EQ(set.Contains(step.hash), expected.count(step.hash) == 1)
          << c.what << " " << step.hash;
      if (step.insert) {
        EXPECT_EQ(set.Insert(step.hash), expected.insert(step.hash).second) << c.what;
      } else {
        set.Erase(step.hash);
        expected.erase(step.hash);
      }
    }
    EXPECT_EQ(set.Size(), expected.size()) << c.what;
    for (const Step& step : c.steps) {
      EXPECT_EQ(set.Contains(step.hash), expected.count(step.hash) == 1)
          << c.what << " " << step.hash;
    }
  }
}

// Room made ahead, however much is asked, keeps the hashes already in.
TEST(HashSetTest, RoomMadeAheadKeepsTheHashes) {
  for (const size_t room : {size_t{0}, size_t{5}, size_t{1000}, size_t{1} << 40}) {
    HashSet set;
    for (uint64_t i = 1; i <= 100; ++i) set.Insert(i * 0x9E3779B97F4A7C15u);
    set.Reserve(room);
    EXPECT_EQ(set.Size(), 100u) << room;
    for (uint64_t i = 1; i <= 100; ++i) EXPECT_FALSE(set.Insert(i * 0x9E3779B97F4A7C15u)) << room;
    EXPECT_TRUE(set.Insert(7)) << room;
  }
}

}  // namespace
}  // namespace tarvolo
