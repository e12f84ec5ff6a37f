#ifndef TARVOLO_CONVERSION_CAMT_CAMT_REFERENCE_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_REFERENCE_H_

#include <string>
#include <string_view>

namespace tarvolo {

// The longest reference the schema takes (Max35Text).
constexpr size_t kCamtReferenceWidth = 35;

// An item's id (Windows-1250) as a reference of at most 35 characters that
// tells items apart as the id does, since readers match and deduplicate
// entries by it and a cut would give Revolut's and Wise's ids, alike in
// their first 35 characters, one reference:
// - an id of 35 characters or fewer, each written as it is, stays whole;
// - a UUID (8-4-4-4-12 hexadecimal digits) loses its four dashes, which
//   stand in the same places in every UUID;
// - any other id keeps its first 18 printable ASCII characters, then ':'
//   and the 16 hexadecimal digits (capitals) of the FNV-1a 64 hash of all
//   its bytes.
std::string CamtReference(std::string_view id);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_REFERENCE_H_
