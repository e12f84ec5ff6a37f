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

}  // namespace
}  // namespace tarvolo
