#ifndef TARVOLO_CONVERSION_READING_LAYOUT_REPORT_H_
#define TARVOLO_CONVERSION_READING_LAYOUT_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/reading/servis24_reader.h"
#include "conversion/reading/statement_layout.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// What reading one file by a layout tells the user: the counts of its rows,
// its warnings (each worded here), the summary and the refusal. Every text
// the layout reader writes about its rows stands in this one place.
class LayoutReport {
 public:
  LayoutReport(const std::string& path, const LogLine& log) : path_(path), log_(log) {}

  // A row that counts towards confirming the layout: `dated` where its date
  // was read, `readable` where its date and amount both were.
  void DataLine(bool dated, bool readable) {
    ++confirmation_.dataLines;
    if (dated) ++readableDates_;
    if (readable) ++confirmation_.readable;
  }
  const ReadingConfirmation& confirmation() const { return confirmation_; }

  // An item handed to the sink; `fee` for a fee charged beside an item.
  void Item(bool fee) {
    ++items_;
    if (fee) ++fees_;
  }

  // Rows that give no item, each counted where the summary names it.
  void BalanceOrTotalRow() { ++skipped_; }
  void ZeroAmount() { ++zero_; }
  // A row that is not booked; one in a state no bank was seen to write
  // (`known` false) is named.
  void NotBooked(int line, std::string_view state, bool known);
  // A row without a readable date or amount; a note has neither, and only a
  // row with one of them is a fault worth a line.
  void Unread(int line, bool dateRead, std::string_view dateText, AmountStatus status,
              const AmountReading& amount, std::string_view shownAmount);
  void UnknownDirection(int line, std::string_view direction);
  void DirectionAgainstSign(int line, std::string_view direction, std::string_view amount);
  void OtherCurrencyItem(int line, double amount, const std::string& code,
                         const std::string& statementCurrency);

  // Faults of a row that still gives its item.
  void OtherCurrencyFee(int line, double amount, const std::string& code,
                        const std::string& statementCurrency);
  void UnreadableFee(int line);
  void CounterAccountNotWhole(int line, std::string_view account);
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

  const std::string& path_;
  const LogLine& log_;
  ReadingConfirmation confirmation_;
  int32_t readableDates_ = 0;
  int32_t items_ = 0;
  int32_t fees_ = 0;
  int32_t skipped_ = 0;
  int32_t notBooked_ = 0;
  int32_t zero_ = 0;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string shown_;
  std::string text_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUT_REPORT_H_
