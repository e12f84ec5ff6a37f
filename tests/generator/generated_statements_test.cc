// Random statements of every known layout, written as the bank writes them,
// must convert to exactly their items; damaged copies must convert to them,
// or be warned about on the damaged line, or be refused.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "generator/statement_checks.h"
#include "generator/statement_generator.h"

namespace tarvolo {
namespace {

constexpr uint32_t kSeeds = 8;

// Checks every seed of one case; the first that fails is shown whole.
template <typename Check>
void CheckSeeds(const char* layout, const char* what, uint32_t seeds, Check check) {
  int failures = 0;
  std::string first;
  for (uint32_t seed = 1; seed <= seeds; ++seed) {
    const std::string problem = check(seed);
    if (problem.empty()) continue;
    if (failures++ == 0) first = "seed " + std::to_string(seed) + ": " + problem;
  }
  EXPECT_EQ(failures, 0) << layout << ", " << what << ": " << failures << " of " << seeds
                         << " seeds fail; the first:\n"
                         << first;
}

TEST(GeneratedStatements, ConvertToExactlyTheirItems) {
  for (const BankLayout* layout : GeneratedLayouts()) {
    for (Variation variation : kVariations) {
      if (!LayoutAllows(*layout, variation)) continue;
      CheckSeeds(LayoutName(*layout), VariationName(variation), kSeeds, [&](uint32_t seed) {
        const GeneratedFile file = GenerateStatement(*layout, variation, seed);
        const std::string problem = CheckGenerated(file, ConvertStatement(file.bytes));
        return problem.empty() ? problem : problem + "file:\n" + file.bytes;
      });
    }
  }
}

// A run of files of several layouts, of several currencies and own
// accounts each: every booked row in exactly one statement, each adding up.
TEST(GeneratedStatements, RunsOfSeveralFilesPutEachRowInOneStatement) {
  const std::vector<const BankLayout*>& layouts = GeneratedLayouts();
  CheckSeeds("runs", "several files", 48, [&](uint32_t seed) {
    std::vector<GeneratedFile> files;
    std::vector<std::string> contents;
    std::string named;
    for (uint32_t i = 0; i < 2 + seed % 2; ++i) {
      const uint32_t fileSeed = seed * 7 + i;
      const BankLayout& layout = *layouts[(seed * 5 + i * 11) % layouts.size()];
      // Where the variation drawn does not fit the layout: its own accounts
      // and currencies, where it can have several.
      Variation variation = kVariations[fileSeed % std::size(kVariations)];
      for (const Variation fallback :
           {Variation::kPockets, Variation::kForeign, Variation::kPlain}) {
        if (!LayoutAllows(layout, variation)) variation = fallback;
      }
      files.push_back(GenerateStatement(layout, variation, fileSeed));
      contents.push_back(files.back().bytes);
      named += std::string(LayoutName(layout)) + " " + VariationName(variation) + ":\n" +
               contents.back() + "\n";
    }
    const std::string problem = CheckGeneratedRun(files, ConvertStatements(contents));
    return problem.empty() ? problem : problem + "files:\n" + named;
  });
  // A payment service's accounts and currencies, which name no account,
  // beside a bank's numbered accounts and a bank's two currencies.
  const std::pair<const char*, Variation> mixed[] = {{"revolut", Variation::kPockets},
                                                     {"kb-business", Variation::kAccounts},
                                                     {"fio", Variation::kForeign}};
  CheckSeeds("runs", "accounts named, numbered and in two currencies", 8, [&](uint32_t seed) {
    std::vector<GeneratedFile> files;
    std::vector<std::string> contents;
    for (const auto& [name, variation] : mixed) {
      for (const BankLayout* layout : layouts) {
        if (std::string(LayoutName(*layout)) != name) continue;
        files.push_back(GenerateStatement(*layout, variation, seed * 3 + files.size()));
        contents.push_back(files.back().bytes);
      }
    }
    EXPECT_EQ(files.size(), std::size(mixed));
    return CheckGeneratedRun(files, ConvertStatements(contents));
  });
}

TEST(GeneratedStatements, DamagedCopiesAreNamedOrRefused) {
  for (const BankLayout* layout : GeneratedLayouts()) {
    std::vector<Variation> sound;
    for (Variation variation : kVariations) {
      if (LayoutAllows(*layout, variation)) sound.push_back(variation);
    }
    if (sound.empty()) continue;
    for (Mutation mutation : kMutations) {
      CheckSeeds(LayoutName(*layout), MutationName(mutation), 12, [&](uint32_t seed) {
        const GeneratedFile file = GenerateStatement(*layout, sound[seed % sound.size()], seed);
        const MutatedFile mutated = MutateStatement(file, *layout, mutation, seed);
        if (!mutated.changed) return std::string();
        const std::string problem =
            CheckMutated(file, mutated, mutation, ConvertStatement(mutated.bytes));
        return problem.empty() ? problem : problem + "file:\n" + mutated.bytes;
      });
    }
  }
}

}  // namespace
}  // namespace tarvolo
