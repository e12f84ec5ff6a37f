// Random statements of every known layout, written as the bank writes them,
// must convert to exactly their items; damaged copies must convert to them,
// or be warned about on the damaged line, or be refused.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "generator/known_failures.h"
#include "generator/statement_checks.h"
#include "generator/statement_generator.h"
#include "temp_folder.h"

namespace tarvolo {
namespace {

// Seeds that failed under each entry of kKnownFailures.
std::map<const KnownFailure*, int> g_knownFailed;

// Each entry of kKnownFailures whose cases ran must have failed at least once.
void ExpectKnownFailuresStillFail(const std::vector<std::string>& whats) {
  for (const KnownFailure& known : kKnownFailures) {
    for (const std::string& what : whats) {
      if (what != known.what) continue;
      EXPECT_GT(g_knownFailed[&known], 0)
          << known.layout << ", " << known.what
          << ": converts soundly now; remove it from kKnownFailures";
    }
  }
}

constexpr uint32_t kSeeds = 8;

// Checks every seed of one case against the table of known failures.
template <typename Check>
void CheckSeeds(const char* layout, const char* what, uint32_t seeds, Check check) {
  int failures = 0;
  std::string first;
  for (uint32_t seed = 1; seed <= seeds; ++seed) {
    const std::string problem = check(seed);
    if (problem.empty()) continue;
    if (failures++ == 0) first = "seed " + std::to_string(seed) + ": " + problem;
  }
  if (const KnownFailure* known = KnownFailureOf(layout, what)) {
    g_knownFailed[known] += failures;
  } else {
    EXPECT_EQ(failures, 0) << layout << ", " << what << ": " << failures << " of " << seeds
                           << " seeds fail; the first:\n"
                           << first;
  }
}

TEST(GeneratedStatements, ConvertToExactlyTheirItems) {
  TempFolder folder;
  for (const BankLayout* layout : GeneratedLayouts()) {
    for (Variation variation : kVariations) {
      if (!LayoutAllows(*layout, variation)) continue;
      CheckSeeds(LayoutName(*layout), VariationName(variation), kSeeds, [&](uint32_t seed) {
        const GeneratedFile file = GenerateStatement(*layout, variation, seed);
        const std::string problem =
            CheckGenerated(file, ConvertStatement(folder.path(), file.bytes));
        return problem.empty() ? problem : problem + "file:\n" + file.bytes;
      });
    }
  }
  std::vector<std::string> variations;
  for (Variation variation : kVariations) variations.push_back(VariationName(variation));
  ExpectKnownFailuresStillFail(variations);
}

TEST(GeneratedStatements, DamagedCopiesAreNamedOrRefused) {
  TempFolder folder;
  for (const BankLayout* layout : GeneratedLayouts()) {
    std::vector<Variation> sound;
    for (Variation variation : kVariations) {
      if (variation != Variation::kForeign && LayoutAllows(*layout, variation) &&
          KnownFailureOf(LayoutName(*layout), VariationName(variation)) == nullptr) {
        sound.push_back(variation);
      }
    }
    if (sound.empty()) continue;
    for (Mutation mutation : kMutations) {
      CheckSeeds(LayoutName(*layout), MutationName(mutation), 12, [&](uint32_t seed) {
        const GeneratedFile file = GenerateStatement(*layout, sound[seed % sound.size()], seed);
        const MutatedFile mutated = MutateStatement(file, *layout, mutation, seed);
        if (!mutated.changed) return std::string();
        const std::string problem =
            CheckMutated(file, mutated, mutation, ConvertStatement(folder.path(), mutated.bytes));
        return problem.empty() ? problem : problem + "file:\n" + mutated.bytes;
      });
    }
  }
  std::vector<std::string> mutations;
  for (Mutation mutation : kMutations) mutations.push_back(MutationName(mutation));
  ExpectKnownFailuresStillFail(mutations);
}

}  // namespace
}  // namespace tarvolo
