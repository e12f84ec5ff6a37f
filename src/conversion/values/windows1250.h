#ifndef TARVOLO_CONVERSION_VALUES_WINDOWS1250_H_
#define TARVOLO_CONVERSION_VALUES_WINDOWS1250_H_

#include <cstdint>

namespace tarvolo {

// The characters of the bytes 0x80 to 0xFF in Windows-1250; 0 for the five
// bytes that stand for no character; eight a row, as code pages are printed.
// clang-format off
constexpr char16_t kWindows1250High[128] = {
    0x20AC, 0, 0x201A, 0, 0x201E, 0x2026, 0x2020, 0x2021,
    0, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
// clang-format on

// The bytes of the characters that Windows-1250 has beyond ASCII, looked
// up directly: they lie in two small ranges of code points.
class Windows1250Bytes {
 public:
  constexpr Windows1250Bytes() {
    for (int i = 0; i < 128; ++i) {
      const char16_t c = kWindows1250High[i];
      const unsigned char byte = static_cast<unsigned char>(0x80 + i);
      if (c >= kLatinFirst && c < kLatinEnd) latin_[c - kLatinFirst] = byte;
      if (c >= kPunctuationFirst && c < kPunctuationEnd) punctuation_[c - kPunctuationFirst] = byte;
    }
  }
  // The byte of a character beyond ASCII; 0 when Windows-1250 lacks it.
  constexpr unsigned char Of(uint32_t codePoint) const {
    if (codePoint >= kLatinFirst && codePoint < kLatinEnd) return latin_[codePoint - kLatinFirst];
    if (codePoint >= kPunctuationFirst && codePoint < kPunctuationEnd) {
      return punctuation_[codePoint - kPunctuationFirst];
    }
    return 0;
  }

 private:
  static constexpr uint32_t kLatinFirst = 0x80, kLatinEnd = 0x300;
  static constexpr uint32_t kPunctuationFirst = 0x2000, kPunctuationEnd = 0x2130;
  unsigned char latin_[kLatinEnd - kLatinFirst] = {};
  unsigned char punctuation_[kPunctuationEnd - kPunctuationFirst] = {};
};
constexpr Windows1250Bytes kWindows1250Bytes;

constexpr bool LooksUpEveryCharacter() {
  for (int i = 0; i < 128; ++i) {
    if (kWindows1250High[i] != 0 && kWindows1250Bytes.Of(kWindows1250High[i]) != 0x80 + i) {
      return false;
    }
  }
  return true;
}
static_assert(LooksUpEveryCharacter(), "a character outside the looked-up ranges");

// Whether Windows-1250 has the character (a code point).
constexpr bool IsWindows1250Character(uint32_t codePoint) {
  return codePoint < 0x80 || kWindows1250Bytes.Of(codePoint) != 0;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_WINDOWS1250_H_
