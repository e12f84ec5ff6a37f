#ifndef TARVOLO_PLATFORM_TEMPORARY_NAME_H_
#define TARVOLO_PLATFORM_TEMPORARY_NAME_H_

#include <cstdint>
#include <string>

namespace tarvolo {

// A temporary file's path in the folder of `target`: "~tv", eight hex digits
// drawn from `seed` and ".tmp". The name is short and fixed in length, so an
// output name as long as the file system allows still has its temporary
// file beside it.
std::string TemporaryPathBeside(const char* target, uint64_t seed);

// The seed of the next temporary name: one after another from a start that
// `processBits` (the process and the time) gives on the first call.
uint64_t NextTemporarySeed(uint64_t processBits);
// Makes the next names predictable, for tests that plant files at them.
void SeedTemporaryNames(uint64_t seed);

// Mixes the bits of a seed, so that close seeds (a counter, a process id)
// give names far apart.
uint64_t MixSeed(uint64_t seed);

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_TEMPORARY_NAME_H_
