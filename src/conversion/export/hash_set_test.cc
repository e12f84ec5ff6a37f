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
  // neighbouring slots. Hashes that differ only in their top bits crowd a
  // few runs together, which then often cross the table's end.
  const auto random = [](uint64_t pool, bool crowded, uint64_t seed, int count) {
    std::vector<Step> steps;
    uint64_t state = seed;
    for (int i = 0; i < count; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      const uint64_t pick = state >> 33;
      uint64_t hash = (pick >> 12) % 16 << 60 | (pick / 3 % 7 + 1) * 0x100000001u;
      if (!crowded) {
        hash = (pick / 3 % pool + 1) * 0x9E3779B97F4A7C15u;
        hash = (hash ^ hash >> 30) * 0xBF58476D1CE4E5B9u;
        hash = (hash ^ hash >> 27) * 0x94D049BB133111EBu;
        hash ^= hash >> 31;
      }
      steps.push_back({.insert = pick % 3 != 0, .hash = hash});
    }
    return steps;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
  };
  std::vector<Case> cases = {
      {"empty", {}},
      {"one twice", {{.insert = true, .hash = 7}, {.insert = true, .hash = 7}}},
      {"zero kept and erased",
       {{.insert = true, .hash = 0}, {.insert = true, .hash = 0}, {.insert = false, .hash = 0}}},
      {"erased where never taken", {{.insert = false, .hash = 9}, {.insert = true, .hash = 9}}},
      {"erased and taken again",
       {{.insert = true, .hash = 5}, {.insert = false, .hash = 5}, {.insert = true, .hash = 5}}},
      {"random, small table", random(13, false, 1, 60000)},
      {"random, large table", random(600, false, 1, 60000)},
  };
  // Many short runs, each from an empty table, which is small the longest.
  for (uint64_t seed = 1; seed <= 400; ++seed) {
    cases.push_back({"random, crowded runs", random(0, true, seed, 300)});
  }
  for (const auto& c : cases) {
    HashSet set;
    std::set<uint64_t> expected;
    bool allFound = true;
    for (const Step& step : c.steps) {
      EXPECT_EQ(set.Contains(step.hash), expected.count(step.hash) == 1)
          << c.what << " " << step.hash;
      if (step.insert) {
        EXPECT_EQ(set.Insert(step.hash), expected.insert(step.hash).second) << c.what;
      } else {
        set.Erase(step.hash);
        expected.erase(step.hash);
        // An erasure that moves a hash where its search cannot reach it
        // would go unseen until that hash is looked for.
        for (const uint64_t kept : expected) allFound = allFound && set.Contains(kept);
      }
    }
    EXPECT_TRUE(allFound) << c.what;
    EXPECT_EQ(set.Size(), expected.size()) << c.what;
    for (const Step& step : c.steps) {
      EXPECT_EQ(set.Contains(step.hash), expected.count(step.hash) == 1)
          << c.what << " " << step.hash;
    }
  }
}

// Room made ahead, however much is asked, keeps the hashes already in.
TEST(HashSetTest, RoomMadeAheadKeepsTheHashes) {
  for (const size_t room : {size_t{0}, size_t{5}, size_t{1000}, SIZE_MAX / 4}) {
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
