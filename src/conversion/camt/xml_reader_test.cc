#include "conversion/camt/xml_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The texts the reader hands over, "name=text" for each element's end.
class Texts : public XmlHandler {
 public:
  void OnStart(std::string_view, const std::vector<XmlAttribute>&) override {}
  void OnEnd(std::string_view name, std::string_view text) override {
    ends.push_back(std::string(name) + "=" + std::string(text));
  }
  std::vector<std::string> ends;
};

// A value is read whole wherever it falls in the document, references,
// brackets, CDATA and letters beyond ASCII included; an element with
// children keeps the text before its first one.
TEST(XmlReaderTest, ValuesAreReadWhereverTheyFall) {
  for (size_t length = 0; length < 40; ++length) {
    const std::string run(length, 'x');
    const std::string document = "<?xml version=\"1.0\"?>\n<a>\n  <b>" + run +
                                 "&amp;y]z<![CDATA[<c>]]>\xC3\xA1</b>\n  <d/>\n  <e>" + run +
                                 "</e>\n</a>\n";
    Texts texts;
    std::string problem;
    int32_t line = 0;
    ASSERT_TRUE(ReadXmlDocument(document, &texts, &problem, &line)) << length << problem;
    EXPECT_EQ(texts.ends, (std::vector<std::string>{"b=" + run + "&y]z<c>\xC3\xA1",
                                                    "d=", "e=" + run, "a=\n  "}))
        << length;
  }
}

// A character XML does not allow, or bytes that are no UTF-8, are found
// wherever they stand, with their line.
TEST(XmlReaderTest, BadCharactersAreFoundWhereverTheyStand) {
  const struct {
    const char* bytes;
    const char* problem;
  } cases[] = {
      {"\x01", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"\xC3", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"\xE1", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"\xEF\xBF\xBE", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"]]>", "\"]]>\" v textu"},
  };
  for (const auto& c : cases) {
    for (size_t length = 0; length < 40; ++length) {
      const std::string document =
          "<a>\n\t<b>" + std::string(length, 'x') + c.bytes + "</b>\r\n</a>\n";
      Texts texts;
      std::string problem;
      int32_t line = 0;
      EXPECT_FALSE(ReadXmlDocument(document, &texts, &problem, &line)) << c.bytes << length;
      EXPECT_EQ(problem, c.problem) << length;
      EXPECT_EQ(line, 2) << c.bytes << length;
    }
  }
}

// The characters of a long document are looked at in blocks as it is read:
// a character split between two blocks is sound, and a bad one is the fault
// named even where a fault of another kind stands before it.
TEST(XmlReaderTest, LongDocumentsAreCheckedAsAWhole) {
  const struct {
    const char* letter;  // repeated to fill the document
    const char* before;  // a fault before the end, if any
    const char* last;    // at the end of the text
    const char* problem;
  } cases[] = {
      {"\xC3\xA1", "", "", ""},
      {"\xE2\x82\xAC", "", "", ""},
      {"\xF0\x9F\x98\x80", "", "", ""},
      {"\xC3\xA1", "", "\x01", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"x", "</c>", "\xC3", "znak, který není v UTF-8 nebo jej XML nepřipouští"},
      {"x", "</c>", "", "koncová značka </c> neodpovídá otevřenému prvku"},
  };
  for (const auto& c : cases) {
    for (size_t shift = 0; shift < 4; ++shift) {
      std::string text(shift, 'x');
      while (text.size() < 200 * 1024) text += c.letter;
      const std::string document = "<a>" + std::string(c.before) + "\n" + text + c.last + "</a>\n";
      Texts texts;
      std::string problem;
      int32_t line = 0;
      EXPECT_EQ(ReadXmlDocument(document, &texts, &problem, &line), *c.problem == '\0')
          << c.letter << shift;
      EXPECT_EQ(problem, c.problem) << c.letter << shift;
      if (*c.problem != '\0') {
        EXPECT_EQ(line, *c.last != '\0' ? 2 : 1) << c.letter << shift;
      }
    }
  }
}

}  // namespace
}  // namespace tarvolo
