#ifndef TARVOLO_CONVERSION_VALUES_PATTERN_SCAN_H_
#define TARVOLO_CONVERSION_VALUES_PATTERN_SCAN_H_

#include <cstdint>
#include <initializer_list>

#include "conversion/values/blanks.h"

namespace tarvolo {

// Where a pattern scan stores one integer field.
struct ScanTarget {
  ScanTarget(int32_t* target) : narrow(target) {}
  ScanTarget(int64_t* target) : wide(target) {}
  int32_t* narrow = nullptr;  // wraps modulo 2^32, as a 32-bit value does
  int64_t* wide = nullptr;    // keeps its last 18 digits (see .cc)
};

// Works `pattern` ("%d", "%Wd" and literal characters) from left to right
// against `text`; each integer field skips whitespace, takes an optional sign
// and its digits (at most W characters with a width) and is stored as soon as
// it is read. The scan stops at the first mismatch and never touches the
// targets after it. Returns the number of fields stored.
int ScanPattern(const char* text, const char* pattern, std::initializer_list<ScanTarget> targets);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_PATTERN_SCAN_H_
