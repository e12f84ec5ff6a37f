// The CSV record reader on arbitrary text with each separator the layouts
// use: it ends, every record moves on, every field lies wholly inside the
// text or wholly outside it (assembled in the reader's own buffer), no field
// starts or ends with padding, and the line numbers count exactly the line
// ends read so far.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/reading/text/csv_record.h"
#include "fuzz_checks.h"

namespace tarvolo {
namespace {

// LF, CR LF and a CR alone, each once, in text[from, to).
int LineEnds(std::string_view text, size_t from, size_t to) {
  int count = 0;
  for (size_t i = from; i < to; ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++count;
    }
  }
  return count;
}

void ReadAll(std::string_view text, char separator) {
  CsvRecordReader reader(text, separator);
  const char* const first = text.data();
  const char* const last = first + text.size();
  size_t offset = 0;
  int line = 1;
  for (size_t records = 0; reader.Next(); ++records) {
    FUZZ_CHECK(records < text.size(), "more records than bytes");
    FUZZ_CHECK(reader.offset() > offset && reader.offset() <= text.size(),
               "record did not move on or ran past the text");
    FUZZ_CHECK(reader.lineNumber() == line, "record does not start on the line the last ended");
    line += LineEnds(text, offset, reader.offset());
    FUZZ_CHECK(reader.nextLineNumber() == line, "line " + std::to_string(reader.nextLineNumber()) +
                                                    " after " + std::to_string(reader.offset()) +
                                                    " bytes, not " + std::to_string(line));
    offset = reader.offset();
    FUZZ_CHECK(!reader.fields().empty(), "record without fields");
    for (const std::string_view field : reader.fields()) {
      if (field.empty()) continue;
      const char* begin = field.data();
      const char* end = begin + field.size();
      const bool inside = begin >= first && end <= last;
      const bool outside = end <= first || begin >= last;
      FUZZ_CHECK(inside || outside, "field straddles the end of the text");
      // The copy reads every byte, where the address sanitizer sees it.
      const std::string copy(field);
      FUZZ_CHECK(!IsFieldPadding(copy.front()) && !IsFieldPadding(copy.back()),
                 "field not trimmed: [" + copy + "]");
    }
  }
  FUZZ_CHECK(!reader.Next(), "records after the end");
  FUZZ_CHECK(offset == text.size(), "reading ended before the text did");
}

}  // namespace
}  // namespace tarvolo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char separator : {';', ',', '\t'}) tarvolo::ReadAll(text, separator);
  return 0;
}
