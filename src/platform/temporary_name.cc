#include "platform/temporary_name.h"

#include <cstring>

namespace tarvolo {

namespace {
uint64_t g_nextSeed = 0;
bool g_seeded = false;
}  // namespace

uint64_t NextTemporarySeed(uint64_t processBits) {
  if (!g_seeded) SeedTemporaryNames(processBits);
  return g_nextSeed++;
}

void SeedTemporaryNames(uint64_t seed) {
  g_nextSeed = seed;
  g_seeded = true;
}

uint64_t MixSeed(uint64_t seed) {
  seed += 0x9E3779B97F4A7C15ull;
  seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ull;
  seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBull;
  return seed ^ (seed >> 31);
}

std::string TemporaryPathBeside(const char* target, uint64_t seed) {
#ifdef _WIN32
  const char* kSeparators = "\\/:";
#else
  const char* kSeparators = "/";
#endif
  std::string path = target;
  const size_t end = path.find_last_of(kSeparators);
  path.erase(end == std::string::npos ? 0 : end + 1);
  path += "~tv";
  const uint64_t bits = MixSeed(seed);
  for (int shift = 28; shift >= 0; shift -= 4) path += "0123456789abcdef"[(bits >> shift) & 15];
  path += ".tmp";
  return path;
}

}  // namespace tarvolo
