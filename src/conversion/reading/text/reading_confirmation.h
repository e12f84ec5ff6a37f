#ifndef TARVOLO_CONVERSION_READING_TEXT_READING_CONFIRMATION_H_
#define TARVOLO_CONVERSION_READING_TEXT_READING_CONFIRMATION_H_

#include <cstdint>
#include <string>

namespace tarvolo {

// How well a reading's own date and amount rules read the data lines of a
// file: the lines after its header that are not empty, total or balance
// lines.
struct ReadingConfirmation {
  int32_t dataLines = 0;
  int32_t readable = 0;  // the row read whole
  // The file's header is the reading's own (a bank's, Servis24's).
  bool knownHeader = false;
  // The header leaves a choice that nothing in the file decides.
  bool undecided = false;
  // A wrong reading fails on nearly every row, a right one only on rows a
  // bank or a hand damaged: the reading is proven by a header of its own or
  // by three quarters of the rows, and its rows that fail, however many,
  // are each named and left out. A file with no data line confirms every
  // reading and gives no item.
  bool Confirmed() const {
    const int64_t failed = static_cast<int64_t>(dataLines) - readable;
    return !undecided && (knownHeader || 4 * failed <= dataLines);
  }
};

// A line a reading leaves out, and why (Windows-1250, for the log).
struct LeftOutLine {
  int32_t line = 0;
  std::string why;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_READING_CONFIRMATION_H_
