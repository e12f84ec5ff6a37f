#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/text/line_account.h"
#include "conversion/reading/text/reading_confirmation.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What reading one file by a layout tells the user: the counts of its rows,
// its warnings (each worded here), the summary and the refusal. Every text
// the layout reader writes about its rows stands in this one place.
class LayoutReport {
 public:
  LayoutReport(const std::string& path, const LogLine& log) : path_(path), log_(log) {}

  // A row that counts towards confirming the layout and reads whole.
  void DataLine() {
    ++confirmation_.dataLines;
    ++confirmation_.readable;
  }
  // A data row that does not read whole: named and left out, and the first
  // one tells why the layout is not confirmed, where it is not.
  void Failed(int line, const std::string& why);
  // A row that reads, named and left out for `why`.
  void LeftOut(int line, const std::string& why) { WarnOf(line, "%s, řádek vynechán", {why}); }
  const ReadingConfirmation& confirmation() const { return confirmation_; }
  LineAccount& lines() { return lines_; }

  // An item handed to the sink; `fee` for a fee charged beside an item.
  void Item(bool fee) {
    ++items_;
    if (fee) ++fees_;
  }

  // A row in a state no bank was seen to write, named and left out.
  void UnknownState(int line, std::string_view state);
  // Why a row's date or amount does not read, in the words of its warning.
  static std::string UnreadWhy(bool dateRead, std::string_view dateText, AmountStatus status,
                               const AmountReading& amount, std::string_view shownAmount);
  void UnknownDirection(int line, std::string_view direction);
  void DirectionAgainstSign(int line, std::string_view direction, std::string_view amount);
  void OtherCurrencyItem(int line, double amount, const std::string& code,
                         const std::string& statementCurrency);

  // Faults of a row that still gives its item.
  void PassedOverAmount(int line, std::string_view amount, int column, int taken);
  void UnreadOtherCurrencyAmount(int line, std::string_view amount, const char* fault);
  void OtherCurrencyFee(int line, double amount, const std::string& code,
                        const std::string& statementCurrency);
  void UnreadableFee(int line);
  void CounterAccountNotWhole(int line, std::string_view account);
  // Counter accounts no GPC record can hold (an IBAN of another country) and
  // cards named where the counter account stands: one note per file, for a
  // file may hold hundreds.
  void ForeignCounterAccount(int line) { foreign_.Add(line, {}); }
  void CardAsCounterAccount(int line, std::string_view card) { cards_.Add(line, card); }
  void UnclosedQuote(int line);
  void GuessedDateOrder(int line, bool monthFirst);

  // The line that closes the file's reading, with its warnings not written.
  void Summarise(const char* layoutName);
  // Why the data do not confirm `layout`, for the log (Windows-1250).
  std::string Refusal(const StatementLayout& layout) const;

 private:
  void Warn(int line, const char* text);
  // A warning rendered from `format` and `args`.
  void WarnOf(int line, const char* format, std::initializer_list<FormatArg> args);
  // A value of the row as a warning shows it: on one line, cut to `width`.
  const std::string& Shown(std::string_view text, size_t width);

  // Rows of one kind that the file's note names: how many, and the first.
  struct NotedRows {
    int32_t count = 0;
    int32_t firstLine = 0;
    std::string firstText;
    void Add(int line, std::string_view text) {
      if (count++ > 0) return;
      firstLine = line;
      firstText = text;
    }
  };

  const std::string& path_;
  const LogLine& log_;
  NotedRows foreign_, cards_;
  ReadingConfirmation confirmation_;
  int32_t firstFailed_ = 0;
  std::string firstWhy_;
  LineAccount lines_;
  int32_t items_ = 0;
  int32_t fees_ = 0;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string shown_;
  std::string text_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_READING_REPORT_H_
