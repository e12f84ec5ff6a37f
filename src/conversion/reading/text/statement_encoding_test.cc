#include "conversion/reading/text/statement_encoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/text_encoding.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// Every Czech letter in both cases, in Windows-1250 (the source is compiled
// into that code page) and as UTF-8 bytes.
const char kCzech1250[] = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
const char kCzechUtf8[] =
    "\xC3\xA1\xC4\x8D\xC4\x8F\xC3\xA9\xC4\x9B\xC3\xAD\xC5\x88\xC3\xB3\xC5\x99\xC5\xA1\xC5\xA5"
    "\xC3\xBA\xC5\xAF\xC3\xBD\xC5\xBE\xC3\x81\xC4\x8C\xC4\x8E\xC3\x89\xC4\x9A\xC3\x8D\xC5\x87"
    "\xC3\x93\xC5\x98\xC5\xA0\xC5\xA4\xC3\x9A\xC5\xAE\xC3\x9D\xC5\xBD";

// The same characters as UTF-16, little-endian, with a byte-order mark.
std::string Utf16LittleEndian(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string SwapPairs(std::string bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
  return bytes;
}

TEST(StatementEncodingTest, Detection) {
  const std::u16string czech16 = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
  struct Case {
    const char* what;
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {"Windows-1250 Czech", kCzech1250, TextEncoding::kWindows1250},
      {"plain ASCII", "1;2014/09/24;-5,00\r\n", TextEncoding::kWindows1250},
      {"empty", "", TextEncoding::kWindows1250},
      {"UTF-8", kCzechUtf8, TextEncoding::kUtf8},
      {"UTF-8 with mark", std::string("\xEF\xBB\xBF") + "abc", TextEncoding::kUtf8},
      {"UTF-16 LE", Utf16LittleEndian(czech16), TextEncoding::kUtf16LittleEndian},
      {"UTF-16 BE", SwapPairs(Utf16LittleEndian(czech16)), TextEncoding::kUtf16BigEndian},
      {"invalid UTF-8", "\xC3\xA1 a \xE8", TextEncoding::kWindows1250},
      {"UTF-8 with a byte that is no UTF-8 for two letters that are",
       std::string(kCzechUtf8, 4) + "\xE8", TextEncoding::kUtf8},
      {"such bytes as many as the letters", std::string(kCzechUtf8, 4) + "\xE8\xE8",
       TextEncoding::kWindows1250},
      {"overlong form", "\xC0\xAF", TextEncoding::kWindows1250},
      {"surrogate", "\xED\xA0\x80", TextEncoding::kWindows1250},
      {"cut sequence", "abc\xC5", TextEncoding::kWindows1250},
      // Emoji speak for UTF-8 however many there are; joiners and variation
      // selectors for neither.
      {"more emoji than Czech letters",
       "1;Nov\xC3\xA1kov\xC3\xA1 \xF0\x9F\x8E\x89\xF0\x9F\x8E\x89\xF0\x9F\x8E\x89\r\n",
       TextEncoding::kUtf8},
      {"emoji only", "1;\xF0\x9F\x8D\x95;\xF0\x9F\x87\xA8\xF0\x9F\x87\xBF\r\n",
       TextEncoding::kUtf8},
      {"joined emoji with variation selectors",
       "1;\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"
       "\xE2\x9D\xA4\xEF\xB8\x8F\xE2\x9D\xA4\xEF\xB8\x8F\xE2\x9D\xA4\xEF\xB8\x8F\r\n",
       TextEncoding::kUtf8},
      {"emoji with a damaged byte", "\xF0\x9F\x8E\x89\xF0\x9F\x8E\x89 \xE8", TextEncoding::kUtf8},
      {"emoji and as many damaged bytes", "\xF0\x9F\x8E\x89\xF0\x9F\x8E\x89 \xE8\xE8\xE8",
       TextEncoding::kWindows1250},
      {"a script other than Latin outnumbering the letters", "\xC3\xA1 \xD0\x96\xD0\x96",
       TextEncoding::kWindows1250},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.what;
  for (const char* name : {"records.csv"}) {
    EXPECT_EQ(DetectEncoding(ReadTestFile(TestDataPath(name))), TextEncoding::kWindows1250);
  }
}

TEST(StatementEncodingTest, ConversionToWindows1250) {
  const std::u16string czech16 = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
  struct Case {
    const char* what;
    std::string bytes;
    TextEncoding encoding;
    std::string expected;
  } cases[] = {
      {"UTF-8", kCzechUtf8, TextEncoding::kUtf8, kCzech1250},
      {"UTF-8 mark dropped", std::string("\xEF\xBB\xBF") + kCzechUtf8, TextEncoding::kUtf8,
       kCzech1250},
      {"UTF-16 LE", Utf16LittleEndian(czech16), TextEncoding::kUtf16LittleEndian, kCzech1250},
      {"UTF-16 BE", SwapPairs(Utf16LittleEndian(czech16)), TextEncoding::kUtf16BigEndian,
       kCzech1250},
      {"euro and quotes",
       "\xE2\x82\xAC \xE2\x80\x9E"
       "a\xE2\x80\x9C",
       TextEncoding::kUtf8,
       "\x80 \x84"
       "a\x93"},
      {"not in the code page", "\xCE\xA9 \xE2\x88\x9A", TextEncoding::kUtf8, "? ?"},
      {"beyond the plane",
       "a\xF0\x9F\x98\x80"
       "b",
       TextEncoding::kUtf8, "a?b"},
      {"C1 control",
       "a\xC2\x81"
       "b",
       TextEncoding::kUtf8, "a?b"},
      {"pair in UTF-16", Utf16LittleEndian(u"a\U0001F600b"), TextEncoding::kUtf16LittleEndian,
       "a?b"},
      {"line ends kept", "a\r\n\xC5\x99\r\n", TextEncoding::kUtf8, "a\r\n\xF8\r\n"},
      {"Windows-1250 unchanged", kCzech1250, TextEncoding::kWindows1250, kCzech1250},
      {"letters between long ASCII runs",
       "0123456789\xC5\x99"
       "0123456789abcdef\xC3\xA1\xC3\xA1"
       "01234567\xE2\x82\xAC"
       "x",
       TextEncoding::kUtf8,
       "0123456789\xF8"
       "0123456789abcdef\xE1\xE1"
       "01234567\x80"
       "x"},
      {"invalid bytes between long ASCII runs",
       "0123456789\xFF"
       "0123456789abcdef\xC5"
       "01234567\xE2\x82",
       TextEncoding::kUtf8, "0123456789?0123456789abcdef?01234567??"},
      {"odd last byte of UTF-16", Utf16LittleEndian(u"ab") + "c", TextEncoding::kUtf16LittleEndian,
       "ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWindows1250(c.bytes, c.encoding), c.expected) << c.what;
  }
}

// Once letters have shortened the text, long ASCII runs are copied a block
// at a time: a letter or a fault at any place in a block converts as alone.
TEST(StatementEncodingTest, LettersAndFaultsAtEveryPlaceOfALongRun) {
  for (size_t run = 0; run <= 40; ++run) {
    const std::string a(run, 'a'), b(20, 'b'), c(17, 'c'), e(33, 'e');
    const std::string utf8 = std::string(kCzechUtf8) + a + "\xC5\x99" + b + "\xFF" + c +
                             "\xC5"
                             "d\xE2\x82\xAC" +
                             e + "\xC3";
    const std::string expected =
        std::string(kCzech1250) + a + "\xF8" + b + "?" + c + "?d\x80" + e + "?";
    EXPECT_EQ(ToWindows1250(utf8, TextEncoding::kUtf8), expected) << run;
  }
}

// Every pair of bytes led by 0xC0 to 0xDF, where the text is converted a
// block at a time and at its end, converts as the general reading of UTF-8
// does: a character of two bytes as the system converts it (C1 controls as
// '?'), and an overlong form or a lead without its continuation as '?'
// for the lead, the byte after it read on its own.
TEST(StatementEncodingTest, EveryPairOfTwoBytesInsideAndAtTheEndOfALongText) {
  const std::string before = std::string(kCzechUtf8) + std::string(40, 'a');
  const std::string expectedBefore = std::string(kCzech1250) + std::string(40, 'a');
  const std::string after(20, 'z');
  for (unsigned lead = 0xC0; lead <= 0xDF; ++lead) {
    for (unsigned next = 0x20; next <= 0xBF; ++next) {
      if (next >= 0x7F && next < 0x80) continue;
      const std::string pair = {static_cast<char>(lead), static_cast<char>(next)};
      std::string expected;
      if (lead < 0xC2 || next < 0x80) {
        expected = next < 0x80 ? std::string("?") + static_cast<char>(next) : "??";
      } else {
        const char16_t c = static_cast<char16_t>((lead & 0x1F) << 6 | (next & 0x3F));
        expected = c < 0xA0 ? "?" : Utf16ToWindows1250(std::u16string(1, c));
      }
      ASSERT_EQ(ToWindows1250(before + pair + after, TextEncoding::kUtf8),
                expectedBefore + expected + after)
          << lead << " " << next;
      ASSERT_EQ(ToWindows1250(before + pair, TextEncoding::kUtf8), expectedBefore + expected)
          << lead << " " << next;
    }
  }
}

// The conversion is the program's own, so that every build gives the same
// bytes; for every character it gives what the system's conversion gives
// for characters that are the same on every system.
TEST(StatementEncodingTest, AgreesWithTheSystemConversion) {
  for (uint32_t c = 0xA0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::u16string character(1, static_cast<char16_t>(c));
    const std::string expected = Utf16ToWindows1250(character);
    std::string utf8;
    if (c < 0x800) {
      utf8 = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      utf8 = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    }
    ASSERT_EQ(ToWindows1250("\xEF\xBB\xBF" + utf8, TextEncoding::kUtf8), expected) << c;
    ASSERT_EQ(ToWindows1250(Utf16LittleEndian(character), TextEncoding::kUtf16LittleEndian),
              expected)
        << c;
  }
}

// Windows-1250 letters next to each other can be valid UTF-8 ("ÍŠ" is
// U+034A), so a statement with ASCII before "VÝŠE" or "PÍŠA" must not be
// read as UTF-8. Every pair and triple of letters that is valid UTF-8 is
// tried between ASCII text; only the pairs that are the UTF-8 form of a
// Windows-1250 character (what a UTF-8 statement holds) read as UTF-8.
TEST(StatementEncodingTest, LetterSequencesThatAreValidUtf8) {
  // Letters as Unicode counts them, the caron included.
  const std::string letters =
      "ŠŚŤŽŹšśťžźˇŁĄŞŻłµąşĽľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőöřůúűüýţ";
  ASSERT_EQ(letters.size(), 83u);
  const std::set<std::string> utf8Forms = {"Âµ", "ĂŤ", "ĂŽ", "Ăš", "Ăś", "Ăť", "Ăź", "Ăˇ",
                                           "Ăł", "Ăş", "ĂĽ", "ÄŚ", "ÄŤ", "ÄŽ", "ÄŹ", "Äš",
                                           "Äą", "Äş", "Äľ", "Ĺš", "Ĺž", "Ĺź", "Ĺˇ", "ĹŁ",
                                           "ĹĄ", "ĹŻ", "Ĺą", "Ĺş", "ĹĽ", "Ĺľ", "Ëť"};
  const auto validUtf8 = [](const std::string& bytes) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (size_t i = 1; i < bytes.size(); ++i) {
      if (byte(i) < 0x80 || byte(i) > 0xBF) return false;
    }
    if (bytes.size() == 2) return byte(0) >= 0xC2 && byte(0) <= 0xDF;
    const bool overlong = byte(0) == 0xE0 && byte(1) < 0xA0;
    const bool surrogate = byte(0) == 0xED && byte(1) >= 0xA0;
    return byte(0) >= 0xE0 && byte(0) <= 0xEF && !overlong && !surrogate;
  };
  int pairs = 0, triples = 0;
  for (char a : letters) {
    for (char b : letters) {
      const std::string pair = {a, b};
      if (validUtf8(pair)) {
        ++pairs;
        EXPECT_EQ(DetectEncoding("1;DOPLATEK V" + pair + "E;JAN P" + pair + "A\r\n"),
                  utf8Forms.count(pair) ? TextEncoding::kUtf8 : TextEncoding::kWindows1250)
            << pair;
      }
      for (char c : letters) {
        const std::string triple = {a, b, c};
        if (!validUtf8(triple)) continue;
        ++triples;
        EXPECT_EQ(DetectEncoding("JAN P" + triple + "A\r\n"), TextEncoding::kWindows1250) << triple;
      }
    }
  }
  EXPECT_EQ(pairs, 638);
  EXPECT_EQ(triples, 7260);
}

}  // namespace
}  // namespace tarvolo
