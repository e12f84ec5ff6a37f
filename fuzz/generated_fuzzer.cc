// Statements generated as each bank writes them, from seeds the fuzzer
// chooses, converted as they are and after one damage: the conversion gives
// exactly the generated items, and a damaged copy gives them, is warned
// about on the damaged line, or is refused; with a second file, both are
// converted in one run, each booked row in exactly one statement and each
// statement adding up. Input: layout, variation, seed (4 bytes), damage,
// seed of the damage (4 bytes), and optionally the second file's layout,
// variation and seed (4 bytes).
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "generator/statement_checks.h"
#include "generator/statement_generator.h"

namespace {

uint32_t Seed(const uint8_t* data) {
  return static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
         static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvolo;
  if (size < 11) return 0;
  const BankLayout& layout = *GeneratedLayouts()[data[0] % GeneratedLayouts().size()];
  const Variation variation = kVariations[data[1] % std::size(kVariations)];
  const Mutation mutation = kMutations[data[6] % std::size(kMutations)];
  if (!LayoutAllows(layout, variation)) return 0;
  const GeneratedFile file = GenerateStatement(layout, variation, Seed(data + 2));
  std::string problem = CheckGenerated(file, ConvertStatement(file.bytes));
  FUZZ_CHECK(problem.empty(), std::string(LayoutName(layout)) + ", " + VariationName(variation) +
                                  ": " + problem + file.bytes);
  if (size >= 17) {
    const BankLayout& second = *GeneratedLayouts()[data[11] % GeneratedLayouts().size()];
    const Variation secondVariation = kVariations[data[12] % std::size(kVariations)];
    // Files of one seed share their rows' ids: the run rightly takes each
    // such row once, named, as an item found in two files.
    const bool ownRows = Seed(data + 13) % 100000 != Seed(data + 2) % 100000;
    if (ownRows && LayoutAllows(second, secondVariation)) {
      const std::vector<GeneratedFile> files = {
          file, GenerateStatement(second, secondVariation, Seed(data + 13))};
      problem = CheckGeneratedRun(files, ConvertStatements({files[0].bytes, files[1].bytes}));
      FUZZ_CHECK(problem.empty(), std::string("run of ") + LayoutName(layout) + " and " +
                                      LayoutName(second) + ": " + problem);
    }
  }
  const MutatedFile mutated = MutateStatement(file, layout, mutation, Seed(data + 7));
  if (!mutated.changed) return 0;
  problem = CheckMutated(file, mutated, mutation, ConvertStatement(mutated.bytes));
  FUZZ_CHECK(problem.empty(), std::string(LayoutName(layout)) + ", " + MutationName(mutation) +
                                  ": " + problem + mutated.bytes);
  return 0;
}
