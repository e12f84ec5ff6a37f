#include "conversion/camt/camt_reference.h"

#include <cstdint>

#include "conversion/values/byte_hash.h"
#include "conversion/values/windows1250.h"

namespace tarvolo {
namespace {

constexpr size_t kKeptCharacters = 18;

// Whether the document shows a byte as a character of its own: control
// bytes are left out and bytes of no Windows-1250 character become '?'.
bool WrittenAsItIs(char byte) {
  const unsigned char c = static_cast<unsigned char>(byte);
  if (c < 0x20 || c == 0x7F) return false;
  return c < 0x80 || kWindows1250High[c - 0x80] != 0;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsUuid(std::string_view id) {
  if (id.size() != 36) return false;
  for (size_t i = 0; i < id.size(); ++i) {
    const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    if (dash ? id[i] != '-' : !IsHexDigit(id[i])) return false;
  }
  return true;
}

}  // namespace

std::string CamtReference(std::string_view id) {
  bool asItIs = true;
  for (const char c : id) asItIs = asItIs && WrittenAsItIs(c);
  if (asItIs && id.size() <= kCamtReferenceWidth) return std::string(id);
  std::string reference;
  if (IsUuid(id)) {
    for (const char c : id) {
      if (c != '-') reference.push_back(c);
    }
    return reference;
  }
  for (size_t i = 0; i < id.size() && reference.size() < kKeptCharacters; ++i) {
    if (id[i] >= 0x20 && id[i] < 0x7F) reference.push_back(id[i]);
  }
  reference.push_back(':');
  const uint64_t hash = ByteHash(id);
  for (int shift = 60; shift >= 0; shift -= 4) {
    reference.push_back("0123456789ABCDEF"[(hash >> shift) & 0xF]);
  }
  return reference;
}

}  // namespace tarvolo
