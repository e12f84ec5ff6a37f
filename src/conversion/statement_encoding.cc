#include "conversion/statement_encoding.h"

#include <cstdint>

#include "conversion/windows1250.h"
#include "platform/text_encoding.h"

namespace tarvolo {
namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(const std::string& bytes, const char* mark, size_t length) {
  return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

// Reads one UTF-8 sequence at `i`; false when it is not valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
bool ReadUtf8(const std::string& bytes, size_t* i, uint32_t* codePoint) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(*i);
  size_t length;
  uint32_t value;
  uint32_t smallest;
  if (lead < 0x80) {
    *codePoint = lead;
    ++*i;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, smallest = 0x10000;
  } else {
    return false;
  }
  if (*i + length > bytes.size()) return false;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(*i + k) & 0xC0) != 0x80) return false;
    value = (value << 6) | (byte(*i + k) & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *codePoint = value;
  *i += length;
  return true;
}

// Characters that the conversion could treat differently from system to
// system become '?' here already: C1 control characters (which one system
// maps to bytes 0x80-0x9F and another refuses) and everything beyond the
// Basic Multilingual Plane (one '?' per character, not per half).
void AppendPortable(std::u16string& text, uint32_t codePoint) {
  const bool unsure = (codePoint >= 0x80 && codePoint <= 0x9F) || codePoint > 0xFFFF ||
                      (codePoint >= 0xD800 && codePoint <= 0xDFFF);
  text.push_back(unsure ? u'?' : static_cast<char16_t>(codePoint));
}

}  // namespace

TextEncoding DetectEncoding(const std::string& bytes) {
  if (StartsWith(bytes, kUtf8Mark, 3)) return TextEncoding::kUtf8;
  if (StartsWith(bytes, "\xFF\xFE", 2)) return TextEncoding::kUtf16LittleEndian;
  if (StartsWith(bytes, "\xFE\xFF", 2)) return TextEncoding::kUtf16BigEndian;
  bool multiByte = false;
  for (size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    uint32_t codePoint = 0;
    if (!ReadUtf8(bytes, &i, &codePoint)) return TextEncoding::kWindows1250;
    // Pairs of Windows-1250 letters such as "ÍŠ" are valid UTF-8 too, but
    // decode to characters that no Czech statement holds.
    if (!IsWindows1250Character(codePoint)) return TextEncoding::kWindows1250;
    multiByte = true;
  }
  return multiByte ? TextEncoding::kUtf8 : TextEncoding::kWindows1250;
}

std::string ToWindows1250(const std::string& bytes, TextEncoding encoding) {
  std::u16string text;
  text.reserve(bytes.size());
  switch (encoding) {
    case TextEncoding::kWindows1250:
      return bytes;
    case TextEncoding::kUtf8: {
      size_t i = StartsWith(bytes, kUtf8Mark, 3) ? 3 : 0;
      while (i < bytes.size()) {
        uint32_t codePoint = 0;
        if (ReadUtf8(bytes, &i, &codePoint)) {
          AppendPortable(text, codePoint);
        } else {
          text.push_back(u'?');
          ++i;
        }
      }
      break;
    }
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian: {
      const bool little = encoding == TextEncoding::kUtf16LittleEndian;
      for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const uint32_t first = static_cast<unsigned char>(bytes[i]);
        const uint32_t second = static_cast<unsigned char>(bytes[i + 1]);
        const uint32_t unit = little ? first | (second << 8) : (first << 8) | second;
        // A surrogate pair is one character beyond the BMP: one '?'.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
          const uint32_t a = static_cast<unsigned char>(bytes[i + 2]);
          const uint32_t b = static_cast<unsigned char>(bytes[i + 3]);
          const uint32_t next = little ? a | (b << 8) : (a << 8) | b;
          if (next >= 0xDC00 && next <= 0xDFFF) i += 2;
          text.push_back(u'?');
          continue;
        }
        AppendPortable(text, unit);
      }
      break;
    }
  }
  return Utf16ToWindows1250(text);
}

const char* EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8:
      return "UTF-8";
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian:
      return "UTF-16";
    case TextEncoding::kWindows1250:
      break;
  }
  return "Windows-1250";
}

}  // namespace tarvolo
