// Statements generated as each bank writes them, from seeds the fuzzer
// chooses, converted as they are and after one damage: the conversion gives
// exactly the generated items, and a damaged copy gives them, is warned
// about on the damaged line, or is refused. Input: layout, variation, seed
// (4 bytes), damage, seed of the damage (4 bytes).
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

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
  if (variation == Variation::kForeign) return 0;
  const MutatedFile mutated = MutateStatement(file, layout, mutation, Seed(data + 7));
  if (!mutated.changed) return 0;
  problem = CheckMutated(file, mutated, mutation, ConvertStatement(mutated.bytes));
  FUZZ_CHECK(problem.empty(), std::string(LayoutName(layout)) + ", " + MutationName(mutation) +
                                  ": " + problem + mutated.bytes);
  return 0;
}
