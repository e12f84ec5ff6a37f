#ifndef TARVOLO_CONVERSION_VALUES_BYTE_HASH_H_
#define TARVOLO_CONVERSION_VALUES_BYTE_HASH_H_

#include <cstdint>
#include <string_view>

namespace tarvolo {

// FNV-1a of 64 bits over bytes: the numbers and references worked out from
// what an item holds must come out the same on every build and every run,
// which no library's hash promises.
constexpr uint64_t kByteHashStart = 14695981039346656037u;

constexpr uint64_t ByteHash(std::string_view bytes, uint64_t hash = kByteHashStart) {
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  return hash;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_BYTE_HASH_H_
