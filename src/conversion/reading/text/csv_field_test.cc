#include "conversion/reading/text/csv_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {
namespace {

std::string Field(const std::string& line, int n, size_t size = 512) {
  std::string destination(size, 'X');
  ReadCsvField(line.c_str(), n, &destination[0], size);
  return destination.c_str();
}

TEST(ReadCsvFieldTest, SplitsTrimsAndDropsQuotes) {
  struct Case {
    const char* line;
    int field;
    const char* expected;
  } cases[] = {
      {"A;B;C\r\nD;E", 1, "A"},
      {"A;B;C\r\nD;E", 3, "C"},
      {"A;B;C\r\nD;E", 4, ""},  // the CR ends the scan, no run into the next line
      {"A;B;C\nD;E", 4, ""},
      {"A;B", 2, "B"},
      {"A;;C", 2, ""},
      {"A;;C", 3, "C"},
      {" 12,50  ;x", 1, "12,50"},
      {"   ;x", 1, ""},
      {"\"\"\";x", 1, ""},
      {"\tab\t;x", 1, "ab"},
      {"\xA0"
       "ab\xA0;x",
       1,
       "\xA0"
       "ab\xA0"},  // no-break space is no blank
      {"a  b;x", 1, "a  b"},
      {"\r\n", 1, ""},
      {"\r\n", 5, ""},
      {"", 1, ""},
      {"x;\"Nájem; byt\";y", 2, "Nájem"},  // quotes group nothing
      {"x;\"Nájem; byt\";y", 3, "byt"},
      {"x;\"Nájem; byt\";y", 4, "y"},
      {"a\"b\"c", 1, "abc"},
      {"x;\x01\x1f mezi \x7f;", 2, "mezi \x7f"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Field(c.line, c.field), c.expected) << c.line << " field " << c.field;
  }
}

TEST(ReadCsvFieldTest, CutsFieldsThatDoNotFit) {
  const std::string longField(5000, 'a');
  EXPECT_EQ(Field(longField + ";b", 1, 512), std::string(511, 'a'));
  EXPECT_EQ(Field(longField + ";b", 1, 4096), std::string(kMaxCsvField, 'a'));
  EXPECT_EQ(Field(longField + ";b", 2), "b");
  EXPECT_EQ(Field("abcdef", 1, 4), "abc");
  EXPECT_EQ(Field("abcdef", 1, 1), "");
}

// The span of field `n` (from 1) of a line, as the records split it.
CsvFieldSpan SpanOf(const std::string& line, int n) {
  CsvFieldSpan fields[16];
  SplitCsvLine(line.c_str(), line.c_str() + std::strcspn(line.c_str(), "\r\n"), fields, n);
  return n >= 1 ? fields[n - 1] : CsvFieldSpan();
}

TEST(CopyCsvFieldEndTest, KeepsTheEndOfTheWholeField) {
  struct Case {
    std::string line;
    int field;
    size_t size;
    std::string expected;
  } cases[] = {
      {std::string(5000, 'a') + "xyz;b", 1, 512, std::string(508, 'a') + "xyz"},
      {"b;" + std::string(1500, 'a') + "\"x\"yz  \"\t\r\n", 2, 4, "xyz"},
      {"  abc  ;b", 1, 512, "abc"},
      {"abc", 1, 1, ""},
      {"abc", 2, 8, ""},
      {"\" \" \";b", 1, 8, ""},
  };
  for (const Case& c : cases) {
    std::string destination(c.size, 'X');
    CopyCsvFieldEnd(SpanOf(c.line, c.field), &destination[0], c.size);
    EXPECT_EQ(destination.c_str(), c.expected) << c.line.substr(c.line.size() - 20);
  }
}

TEST(TrimBlanksTest, RemovesOnlyOuterBlanks) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {" a ", "a"},
      {"a  b", "a  b"},
      {"\x01x\x20", "x"},
      {"\xA0x\xA0", "\xA0x\xA0"},
      // Every byte from 1 to 32 is a blank, 33 and 127 are not.
      {"\t\r\n\x0b\x1f!\x7f \x0c", "!\x7f"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    TrimBlanks(&text[0]);
    EXPECT_STREQ(text.c_str(), c.expected) << '"' << c.text << '"';
  }
}

// The one-pass split gives what ReadCsvField gives, field by field, and the
// end of a field keeps its last characters.
TEST(SplitCsvLineTest, ReadsAsReadCsvField) {
  std::mt19937 random(1250);
  const std::string alphabet = ";;;\"\" ab\t\r\n\xA0";
  for (int round = 0; round < 2000; ++round) {
    std::string line;
    for (size_t i = random() % 40; i > 0; --i) line += alphabet[random() % alphabet.size()];
    for (int n = 0; n <= 13; ++n) {
      const CsvFieldSpan field = SpanOf(line, n);
      char viaSplit[8];
      CopyCsvField(field, viaSplit, sizeof viaSplit);
      EXPECT_EQ(std::string(viaSplit), Field(line, n, sizeof viaSplit)) << line << " field " << n;
      // Short fields are whole in Field: the end keeps their last characters.
      CopyCsvFieldEnd(field, viaSplit, sizeof viaSplit);
      const std::string whole = Field(line, n, 64);
      EXPECT_EQ(std::string(viaSplit),
                whole.substr(whole.size() - std::min<size_t>(whole.size(), 7)))
          << line << " field " << n;
    }
  }
}

// A field's text seen in place is the text a copy gives, for every field of
// lines long enough to be split sixteen bytes at a time, and it stays in the
// line only where the line has no quotes.
TEST(CsvFieldTextTest, GivesTheCopiedText) {
  std::mt19937 random(1250);
  const std::string alphabet = ";;;\"ab  \t\xA0\x01xyz0123456789";
  std::vector<std::string> lines = {"", ";;;", std::string(1500, 'a') + " ;b"};
  for (int round = 0; round < 500; ++round) {
    std::string line;
    for (size_t i = random() % 90; i > 0; --i) line += alphabet[random() % alphabet.size()];
    lines.push_back(line);
    line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
    lines.push_back(line);
  }
  for (const std::string& line : lines) {
    const char* end = line.c_str() + line.size();
    const bool quoted = line.find('"') != std::string::npos;
    for (int n = 1; n <= 13; ++n) {
      CsvFieldSpan fields[13];
      SplitCsvLine(line.c_str(), end, fields, n);
      for (int i = 0; i < n; ++i) {
        EXPECT_EQ(fields[i].mayHoldQuotes, quoted || fields[i].first == nullptr) << line;
        for (const size_t size : {size_t{1}, size_t{4}, size_t{512}, size_t{4096}}) {
          std::string copied(size, 'X'), seen(size, 'X');
          const size_t length = CopyCsvField(fields[i], &copied[0], size);
          const std::string_view text = CsvFieldText(fields[i], &seen[0], size);
          EXPECT_EQ(text, std::string_view(copied.data(), length)) << line << " field " << i;
          // The split of a long line finds the fields the field reader finds.
          EXPECT_EQ(std::string(copied.data(), length), Field(line, i + 1, size)) << line;
          const bool inLine = text.data() >= line.c_str() && text.data() <= end;
          const size_t width = static_cast<size_t>(fields[i].end - fields[i].first);
          EXPECT_EQ(inLine, !fields[i].mayHoldQuotes && width <= kMaxCsvField)
              << line << " field " << i;
          const size_t endLength = CopyCsvFieldEnd(fields[i], &copied[0], size);
          EXPECT_EQ(CsvFieldTextEnd(fields[i], &seen[0], size),
                    std::string_view(copied.data(), endLength))
              << line << " field " << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarvolo
