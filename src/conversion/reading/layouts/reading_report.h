#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/layouts/row_warnings.h"
#include "conversion/reading/text/line_account.h"
#include "conversion/reading/text/reading_confirmation.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What reading one file by a layout tells the user: the counts of its rows,
// its warnings, the summary and the refusal.
class LayoutReport {
 public:
  LayoutReport(const std::string& path, const LogLine& log)
      : path_(path), log_(log), warnings_(path, log) {}

  // A row that counts towards confirming the layout and reads whole.
  void DataLine() {
    ++confirmation_.dataLines;
    ++confirmation_.readable;
  }
  // A data row that does not read whole: named and left out, and the first
  // one tells why the layout is not confirmed, where it is not.
  void Failed(int line, const std::string& why);
  const ReadingConfirmation& confirmation() const { return confirmation_; }
  // The header is the layout's own: it proves the reading whatever its rows.
  void SetKnownHeader(bool known) { confirmation_.knownHeader = known; }
  // Nothing in the file decides between columns its header names alike.
  void SetUndecided() { confirmation_.undecided = true; }
  LineAccount& lines() { return lines_; }
  RowWarnings& warnings() { return warnings_; }

  // An item handed to the sink; `fee` for a fee charged beside an item.
  void Item(bool fee) {
    ++items_;
    if (fee) ++fees_;
  }

  // The line that closes the file's reading, with its warnings not written.
  void Summarise(const char* layoutName);
  // Why the data do not confirm `layout`, for the log (Windows-1250).
  std::string Refusal(const StatementLayout& layout) const;

 private:
  const std::string& path_;
  const LogLine& log_;
  RowWarnings warnings_;
  ReadingConfirmation confirmation_;
  int32_t firstFailed_ = 0;
  std::string firstWhy_;
  LineAccount lines_;
  int32_t items_ = 0;
  int32_t fees_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_
