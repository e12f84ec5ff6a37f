#include "conversion/reading/text/csv_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolo {
namespace {

// The records of a text, each as its line number and fields joined by '|',
// with '!' after the line number where a quote was never closed.
std::vector<std::string> Records(const std::string& text, char separator) {
  std::vector<std::string> records;
  CsvRecordReader reader(text, separator);
  while (reader.Next()) {
    std::string record =
        std::to_string(reader.lineNumber()) + (reader.unclosedQuote() ? "!" : "") + ":";
    for (size_t i = 0; i < reader.fields().size(); ++i) {
      record += (i ? "|" : "") + std::string(reader.fields()[i]);
    }
    records.push_back(record);
  }
  return records;
}

TEST(CsvRecordReader, QuotingLineEndsAndTrimming) {
  struct Case {
    const char* text;
    char separator;
    std::vector<std::string> records;
  } cases[] = {
      {"a;b;c\r\nd;e\r\n", ';', {"1:a|b|c", "2:d|e"}},
      {"a;b", ';', {"1:a|b"}},                              // no final line end
      {"a\nb\rc\r\n", ';', {"1:a", "2:b", "3:c"}},          // LF, CR and CR LF
      {"\"x;y\";z\r\n", ';', {"1:x;y|z"}},                  // separator in quotes
      {"\"say \"\"hi\"\"\";2\n", ';', {"1:say \"hi\"|2"}},  // doubled quotes
      {"\"two\r\nlines\";3\r\nnext;4\r\n", ';', {"1:two\r\nlines|3", "3:next|4"}},
      {" a ;\xA0"
       "b\xA0;\t\r\n",
       ';',
       {"1:a|b|"}},  // blanks and NBSP trimmed
      {"  \"q\"  ;x\n", ';', {"1:q|x"}},
      {"a,\"1,5\",b\n", ',', {"1:a|1,5|b"}},
      {"a\tb\t\tc\n", '\t', {"1:a|b||c"}},  // tab separator, empty field
      {"a;b\"c\n", ';', {"1:a|b\"c"}},      // a quote inside stays
      {"\"ab\"cd;e\n", ';', {"1:abcd|e"}},
      {"\n\nx\n", ';', {"1:", "2:", "3:x"}},
      // A quote never closed is read up to its own line end.
      {"a;\"open\nb;c\n", ';', {"1!:a|open", "2:b|c"}},
      // So is one that meets the next line's opening quote.
      {"\"25/09/2\n\"26/09/2014\";5\n", ';', {"1!:25/09/2", "2:26/09/2014|5"}},
      {"", ';', {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Records(c.text, c.separator), c.records) << c.text;
  }
}

// Long lines are searched a block at a time: quotes, separators and line
// ends read the same wherever they fall in a block.
TEST(CsvRecordReader, FieldsOfEveryLength) {
  for (size_t length = 0; length <= 40; ++length) {
    const std::string a(length, 'a');
    const std::string text = "\"" + a + "\";" + a + ";\"" + a + "\"\"q\";\"q" + a + "\r\n" + a +
                             "L\" \n" + a + "b\"x\"y\n\"" + a + "\"z;\"" + a + "\"";
    const std::vector<std::string> expected = {
        "1:" + a + "|" + a + "|" + a + "\"q|q" + a + "\r\n" + a + "L", "3:" + a + "b\"x\"y",
        "4:" + a + "z|" + a};
    EXPECT_EQ(Records(text, ';'), expected) << length;
  }
}

// Quoted fields far from the text's end are read by a quicker search,
// which takes a tab or other byte from 0x08 to 0x0F for a possible line
// end: each such byte (here before a separator in the field), and padding
// at either end, reads as it does near the end.
TEST(CsvRecordReader, QuotedFieldBytesFarFromTheEnd) {
  const std::string tail = ";\"" + std::string(40, 't') + "\"\n";
  const struct Case {
    std::string field;  // between its quotes
    std::string read;
  } cases[] = {
      {"a\t;x", "a\t;x"},
      {"a\x08;x", "a\x08;x"},
      {"a\x0B;x", "a\x0B;x"},
      {"a\x0C;x", "a\x0C;x"},
      {"a\x0E;x", "a\x0E;x"},
      {"a\x0F;x", "a\x0F;x"},
      {"a\x07x\x10", "a\x07x"},
      {" \xA0x\t ", "x"},
      {"", ""},
      {"\t", ""},
      {"a\nx", "a\nx"},
  };
  for (const Case& c : cases) {
    for (const std::string& before : {std::string(), std::string("\"x\";")}) {
      const std::string text = before + "\"" + c.field + "\"" + tail;
      const std::string first = before.empty() ? "" : "x|";
      EXPECT_EQ(Records(text, ';'),
                std::vector<std::string>{"1:" + first + c.read + "|" + std::string(40, 't')})
          << text;
    }
  }
}

TEST(CsvRecordReader, FieldPastTheEndIsEmpty) {
  CsvRecordReader reader("a;b\n", ';');
  ASSERT_TRUE(reader.Next());
  EXPECT_EQ(reader.Field(1), "b");
  EXPECT_EQ(reader.Field(2), "");
  EXPECT_EQ(reader.Field(-1), "");
  EXPECT_FALSE(reader.Next());
}

}  // namespace
}  // namespace tarvolo
