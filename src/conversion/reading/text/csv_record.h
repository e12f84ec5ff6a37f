#ifndef TARVOLO_CONVERSION_READING_TEXT_CSV_RECORD_H_
#define TARVOLO_CONVERSION_READING_TEXT_CSV_RECORD_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/values/blanks.h"

namespace tarvolo {

// Reads the records of a separated text with quoting as spreadsheets write
// it: a field that starts with a double quote runs to the closing quote and
// may hold separators, line breaks and doubled quotes (one quote each).
// Lines end at LF, CR LF or CR. Every field is trimmed of blanks (bytes 1 to
// 32) and no-break spaces (0xA0).
class CsvRecordReader {
 public:
  // Reads `text` from `offset` on, whose line is `lineNumber` (from 1).
  CsvRecordReader(std::string_view text, char separator, size_t offset = 0, int lineNumber = 1);

  // Reads the next record; false at the end of the text. A quote that is
  // never closed would swallow the rest of the text, and one closed on a
  // later line with more text after it joined two lines: such a record is
  // read again up to its own line end, with every quote closed there, and
  // unclosedQuote() tells so.
  bool Next();

  const std::vector<std::string_view>& fields() const { return fields_; }
  // The field at `index` (from 0), "" past the record's end or for -1.
  std::string_view Field(int index) const {
    return index >= 0 && static_cast<size_t>(index) < fields_.size() ? fields_[index]
                                                                     : std::string_view();
  }
  int lineNumber() const { return recordLine_; }
  bool unclosedQuote() const { return unclosedQuote_; }
  // Where the text after the record starts, and its line number.
  size_t offset() const { return position_; }
  int nextLineNumber() const { return line_; }

 private:
  // Reads one record from position_; false when a quote ran to the end of
  // the text (only when quotes may span lines).
  bool ReadRecord(bool quotesSpanLines);
  // Where a field's text stands (before trimming) and where the text after
  // it starts; kUnclosed as ReadRecord's false.
  struct FieldSpan {
    size_t first, end, next;
  };
  // Reads the rest of a quoted field that is not simply closed before the
  // next separator or line end, from `at` (after its opening quote) on.
  FieldSpan ReadQuotedField(bool quotesSpanLines, size_t at);
  static constexpr size_t kUnclosed = static_cast<size_t>(-1);
  // Ends a line at position_ (LF, CR LF or CR) and counts it.
  void SkipLineEnd();

  std::string_view text_;
  char separator_;
  size_t position_;
  int line_;
  int recordLine_ = 0;
  bool unclosedQuote_ = false;
  bool brokenQuote_ = false;    // a quoted field spanned lines and did not end at its quote
  bool fieldEnds_[256] = {};    // the separator and the line ends
  bool leadPadding_[256] = {};  // padding before a field: not its end
  // A field put together in buffer_, placed in fields_ once buffer_ no
  // longer moves.
  struct Assembled {
    size_t field;
    size_t start;
    size_t length;
  };
  std::vector<Assembled> assembled_;
  std::string buffer_;
  std::vector<std::string_view> fields_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_CSV_RECORD_H_
