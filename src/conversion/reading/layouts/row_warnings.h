#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_WARNINGS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_WARNINGS_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "conversion/values/amount_reading.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// The warnings about one file's rows as the log shows them, each naming its
// line; beyond a file's share of the log pane they are only counted.
class WarningLog {
 public:
  WarningLog(const std::string& path, const LogLine& log) : path_(path), log_(log) {}

  void Warn(int line, const char* text);
  // A warning rendered from `format` and `args`.
  void WarnOf(int line, const char* format, std::initializer_list<FormatArg> args);
  // A value of the row as a warning shows it: on one line, cut to `width`.
  // It keeps one value at a time.
  const std::string& Shown(std::string_view text, size_t width);
  // The line that counts the warnings not written, where there are any.
  void CountSuppressed();

 private:
  const std::string& path_;
  const LogLine& log_;
  int warnings_ = 0;
  int32_t suppressed_ = 0;
  std::string shown_;
  std::string text_;
};

// What the layout reader warns of a file's rows: every text it writes about
// them stands in this one place.
class RowWarnings {
 public:
  RowWarnings(const std::string& path, const LogLine& log)
      : path_(path), log_(log), warnings_(path, log) {}

  // A row that reads, named and left out for `why`.
  void LeftOut(int line, const std::string& why) {
    warnings_.WarnOf(line, "%s, řádek vynechán", {why});
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
  void UnreadValueDate(int line, std::string_view date);
  void CounterAccountNotWhole(int line, std::string_view account);
  // Counter accounts no GPC record can hold (an IBAN of another country) and
  // cards named where the counter account stands: one note per file, for a
  // file may hold hundreds.
  void ForeignCounterAccount(int line) { foreign_.Add(line, {}); }
  void CardAsCounterAccount(int line, std::string_view card) { cards_.Add(line, card); }
  void UnclosedQuote(int line);
  // A row without the trailing fields the others have, read all the same.
  void ShortRow(int line, size_t fields, size_t rowWidth);
  void GuessedDateOrder(int line, bool monthFirst);
  // A row waiting to be booked that the balance counts, booked: one note
  // for a file, for a file may hold many.
  void PendingBooked(int line) { pending_.Add(line, {}); }
  // A hold or a release booked as the balance shows it, whose other half
  // the file does not hold.
  void LoneHoldBooked(int line, bool release);

  // The notes of the rows counted and the count of the warnings not
  // written, before the file's summary.
  void Close();

 private:
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
  WarningLog warnings_;
  NotedRows foreign_, cards_, pending_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_WARNINGS_H_
