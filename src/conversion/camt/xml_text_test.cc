#include "conversion/camt/xml_text.h"

#include <gtest/gtest.h>

namespace tarvolo {
namespace {

TEST(XmlTextTest, TextsBecomeEscapedUtf8) {
  const struct {
    const char* windows1250;
    size_t maxCharacters;
    const char* utf8;
  } cases[] = {
      {"a & b <c> \"d\" 'e'", SIZE_MAX, "a &amp; b &lt;c&gt; &quot;d&quot; &apos;e&apos;"},
      // Č, ř, ž and the en dash; the bytes 0x81 and 0x98 stand for nothing.
      {"\xC8\xF8\x9E \x96 \x81\x98", SIZE_MAX, "\xC4\x8C\xC5\x99\xC5\xBE \xE2\x80\x93 ??"},
      {"tab\there\r\nend\x7F", SIZE_MAX, "tabhereend"},
      {"\x01\x02", SIZE_MAX, ""},
      // The limit counts characters, not bytes, and not dropped ones.
      {"\x01\xC8\xC8&xyz", 3, "\xC4\x8C\xC4\x8C&amp;"},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendXmlText(&out, c.windows1250, c.maxCharacters);
    EXPECT_EQ(c.utf8, out) << c.windows1250;
  }
}

TEST(XmlTextTest, AmountsAreRenderedFromWholeHellers) {
  const struct {
    int64_t hellers;
    const char* text;
  } cases[] = {{0, "0.00"},
               {5, "0.05"},
               {-123450, "1234.50"},
               {99999999999999, "999999999999.99"},
               {INT64_MIN, "92233720368547758.08"}};
  for (const auto& c : cases) {
    std::string out;
    AppendHellerAmount(&out, c.hellers);
    EXPECT_EQ(c.text, out);
  }
  std::string date;
  AppendIsoDate(&date, CivilDate{2014, 9, 3});
  EXPECT_EQ("2014-09-03", date);
}

TEST(XmlTextTest, AnElementWithoutCharactersIsLeftOut) {
  std::string out;
  XmlWriter xml(&out, 1);
  xml.Open("A", "Ccy", "EUR");
  xml.Text("Empty", "\r\n", 10);
  xml.Text("Nm", "x&y", 2);
  xml.Close();
  EXPECT_EQ("  <A Ccy=\"EUR\">\n    <Nm>x&amp;</Nm>\n  </A>\n", out);
}

// Lines of every length and depth come out whole, those too long to be put
// together apart as well, after what the document held before.
TEST(XmlTextTest, LinesOfEveryLengthAreWrittenWhole) {
  for (size_t length = 0; length <= 300; ++length) {
    for (const int depth : {0, 1, 7, 40}) {
      std::string value;
      for (size_t i = 0; i < length; ++i) value += static_cast<char>('a' + i % 26);
      std::string out = "before\n";
      XmlWriter xml(&out, depth);
      xml.Ascii("Nm", value);
      xml.Open("A");
      xml.Close();
      const std::string indent(2 * static_cast<size_t>(depth), ' ');
      EXPECT_EQ(out, "before\n" + indent + "<Nm>" + value + "</Nm>\n" + indent + "<A>\n" + indent +
                         "</A>\n")
          << length << " " << depth;
    }
  }
}

}  // namespace
}  // namespace tarvolo
