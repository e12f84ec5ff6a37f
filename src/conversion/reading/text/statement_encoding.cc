#include "conversion/reading/text/statement_encoding.h"

#include <cstdint>
#include <cstring>

#include "conversion/values/windows1250.h"

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_ENCODING_SSE2 1
#else
#define TARVOLO_ENCODING_SSE2 0
#endif

namespace tarvolo {
namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, const char* mark, size_t length) {
  return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

// Eight bytes at a time while they are all ASCII: statements are mostly
// digits and separators, with a letter beyond ASCII here and there.
constexpr uint64_t kHighBits = 0x8080808080808080u;

inline uint64_t Word(const unsigned char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Reads one UTF-8 sequence at p[*i] (below n); false when it is not valid
// UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
inline bool ReadUtf8(const unsigned char* p, size_t n, size_t* i, uint32_t* codePoint) {
  const unsigned char lead = p[*i];
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
  if (n - *i < length) return false;
  for (size_t k = 1; k < length; ++k) {
    if ((p[*i + k] & 0xC0) != 0x80) return false;
    value = (value << 6) | (p[*i + k] & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *codePoint = value;
  *i += length;
  return true;
}

// The byte of one character; '?' for every character that Windows-1250
// lacks, and for those that conversions treat differently from system to
// system: C1 control characters (which one system maps to bytes 0x80-0x9F
// and another refuses) and everything beyond the Basic Multilingual Plane
// (one '?' per character, not per half).
constexpr unsigned char Windows1250Byte(uint32_t codePoint) {
  if (codePoint < 0x80) return static_cast<unsigned char>(codePoint);
  const unsigned char byte = kWindows1250Bytes.Of(codePoint);
  return byte != 0 ? byte : '?';
}

// The byte of every character of two bytes in UTF-8, by the pair of bytes
// less 0xC000: the lead's low five bits and the whole byte after it. A pair
// that is no such character (an overlong lead 0xC0 or 0xC1, a next byte that
// does not continue it) gives 0, which no character of two bytes does, so
// one look-up both tells a Czech letter and converts it.
struct TwoByteCharacters {
  static constexpr unsigned kFirstPair = 0xC000, kPairs = 32 * 256;
  unsigned char byte[kPairs] = {};
  constexpr TwoByteCharacters() {
    for (unsigned lead = 0xC2; lead <= 0xDF; ++lead) {
      for (unsigned next = 0x80; next <= 0xBF; ++next) {
        byte[(lead << 8 | next) - kFirstPair] =
            Windows1250Byte((lead & 0x1Fu) << 6 | (next & 0x3Fu));
      }
    }
  }
};
constexpr TwoByteCharacters kTwoByteCharacters;

// Czech letters take two bytes: converted without the general decoder, one
// look-up each. False, with nothing done, for anything else at p[i], whose
// next byte the caller knows to be there.
inline bool ConvertLetterAt(unsigned char* p, size_t i, size_t* out) {
  const unsigned pair =
      (static_cast<unsigned>(p[i]) << 8 | p[i + 1]) - TwoByteCharacters::kFirstPair;
  if (pair >= TwoByteCharacters::kPairs) return false;
  const unsigned char byte = kTwoByteCharacters.byte[pair];
  if (byte == 0) return false;
  p[(*out)++] = byte;
  return true;
}

inline bool ConvertTwoByteLetter(unsigned char* p, size_t n, size_t* i, size_t* out) {
  if (n - *i < 2 || !ConvertLetterAt(p, *i, out)) return false;
  *i += 2;
  return true;
}

// Converts in place: every character takes at least one byte of UTF-8 and
// gives exactly one, so the text written never overtakes the text read.
size_t ConvertUtf8(unsigned char* p, size_t n, size_t i, Utf8Damage* damage) {
  size_t out = 0;
  while (i < n) {
#if TARVOLO_ENCODING_SSE2
    // Sixteen bytes at a time once the text written lies sixteen bytes
    // behind the text read, as it then stays (every letter widens the gap):
    // the block is stored whole, its ASCII bytes counted, and the store
    // reaches no byte not yet read. A letter that starts in the block has
    // its second byte in the text.
    if (i - out >= 16 && n > 16) {
      const size_t lastBlock = n - 17;  // the last start with a byte after its block
      while (i <= lastBlock) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + out), block);
        const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(block));
        if (high == 0) {
          i += 16;
          out += 16;
          continue;
        }
        const size_t ascii = static_cast<unsigned>(__builtin_ctz(high));
        i += ascii;
        out += ascii;
        if (!ConvertLetterAt(p, i, &out)) break;
        i += 2;
      }
    }
#endif
    while (n - i >= sizeof(uint64_t) && (Word(p + i) & kHighBits) == 0) {
      const uint64_t word = Word(p + i);
      std::memcpy(p + out, &word, sizeof word);
      i += sizeof word;
      out += sizeof word;
    }
    // The ASCII bytes before the letter that stopped the run.
    while (i < n && p[i] < 0x80) p[out++] = p[i++];
    if (i >= n) break;
    if (ConvertTwoByteLetter(p, n, &i, &out)) continue;
    uint32_t codePoint = 0;
    if (ReadUtf8(p, n, &i, &codePoint)) {
      p[out++] = Windows1250Byte(codePoint);
    } else {
      if (damage->bytes++ == 0) damage->first = out;
      p[out++] = '?';
      ++i;
    }
  }
  return out;
}

// Converts in place, one byte for every two or four.
size_t ConvertUtf16(unsigned char* p, size_t n, bool little) {
  const auto unitAt = [p, little](size_t i) -> uint32_t {
    return little ? p[i] | (p[i + 1] << 8) : (p[i] << 8) | p[i + 1];
  };
  size_t out = 0;
  for (size_t i = 2; i + 1 < n; i += 2) {
    const uint32_t unit = unitAt(i);
    // A surrogate pair is one character beyond the BMP: one '?'.
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < n) {
      const uint32_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) i += 2;
      p[out++] = '?';
      continue;
    }
    p[out++] = Windows1250Byte(unit);
  }
  return out;
}

// Emoji and the characters that join and vary them: names and notes of a
// UTF-8 statement hold them. No Windows-1250 letters make an emoji of the
// plane beyond (its lead byte would be "đ" before three of "Šť", which no
// text writes), which speaks for UTF-8 as a Czech letter does; the older
// symbols ("❤", "⭐"), a joiner and a variation selector speak for neither,
// as "â" before two letters can make the symbols.
enum class Utf8Evidence { kFor, kNeither, kAgainst };

inline Utf8Evidence EvidenceOf(uint32_t codePoint) {
  if (IsWindows1250Character(codePoint)) return Utf8Evidence::kFor;
  if (codePoint >= 0x1F000 && codePoint <= 0x1FAFF) return Utf8Evidence::kFor;
  if (codePoint == 0x200D || codePoint == 0x20E3 || (codePoint >= 0xFE00 && codePoint <= 0xFE0F) ||
      (codePoint >= 0x2600 && codePoint <= 0x27BF) ||
      (codePoint >= 0x2B00 && codePoint <= 0x2BFF)) {
    return Utf8Evidence::kNeither;
  }
  return Utf8Evidence::kAgainst;
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Mark, 3)) return TextEncoding::kUtf8;
  if (StartsWith(bytes, "\xFF\xFE", 2)) return TextEncoding::kUtf16LittleEndian;
  if (StartsWith(bytes, "\xFE\xFF", 2)) return TextEncoding::kUtf16BigEndian;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  // Pairs of Windows-1250 letters such as "ÍŠ" are valid UTF-8 too, but
  // decode to characters that no Czech statement holds: a text is UTF-8 when
  // at least as many of its characters are ones Windows-1250 has (Czech
  // letters, emoji) as are not (a merchant's name in another script).
  // Nearly every Czech letter of a Windows-1250 text is no UTF-8, where a
  // UTF-8 text damaged by hand or cut short has a byte or two that are not
  // among many letters that are: those are named, not a reason to read the
  // whole text as Windows-1250.
  size_t inside = 0, outside = 0, damaged = 0;
  for (size_t i = 0; i < n;) {
    if (n - i >= sizeof(uint64_t) && (Word(p + i) & kHighBits) == 0) {
      i += sizeof(uint64_t);
      continue;
    }
    if (p[i] < 0x80) {
      ++i;
      continue;
    }
    uint32_t codePoint = 0;
    if (ReadUtf8(p, n, &i, &codePoint)) {
      const Utf8Evidence evidence = EvidenceOf(codePoint);
      if (evidence != Utf8Evidence::kNeither) {
        ++(evidence == Utf8Evidence::kFor ? inside : outside);
      }
      continue;
    }
    ++i;
    // More such bytes than half the letters before them, beyond the first
    // two, end the scan early: that is a Windows-1250 text's Czech letters,
    // and so is a text re-saved in part in Windows-1250 before its UTF-8.
    if (++damaged > 2 && damaged * 2 > inside) return TextEncoding::kWindows1250;
  }
  return inside > 0 && inside >= outside && damaged * 2 <= inside ? TextEncoding::kUtf8
                                                                  : TextEncoding::kWindows1250;
}

size_t ToWindows1250InPlace(char* bytes, size_t size, TextEncoding encoding, Utf8Damage* damage) {
  unsigned char* p = reinterpret_cast<unsigned char*>(bytes);
  Utf8Damage ignored;
  if (damage == nullptr) damage = &ignored;
  *damage = Utf8Damage();
  switch (encoding) {
    case TextEncoding::kWindows1250:
      break;
    case TextEncoding::kUtf8:
      return ConvertUtf8(p, size, StartsWith(std::string_view(bytes, size), kUtf8Mark, 3) ? 3 : 0,
                         damage);
    case TextEncoding::kUtf16LittleEndian:
    case TextEncoding::kUtf16BigEndian:
      return ConvertUtf16(p, size, encoding == TextEncoding::kUtf16LittleEndian);
  }
  return size;
}

std::string ToWindows1250(std::string bytes, TextEncoding encoding) {
  bytes.resize(ToWindows1250InPlace(&bytes[0], bytes.size(), encoding));
  return bytes;
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
