#ifndef TARVOLO_CONVERSION_READING_TEXT_LINE_ACCOUNT_H_
#define TARVOLO_CONVERSION_READING_TEXT_LINE_ACCOUNT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvolo {

// How the lines of one file ended, each counted once: as the header or what
// stands before it, an item (with its fee, if any), a stated balance or
// total, a row the bank did not book, a row of no amount, an empty line, or
// a line left out and named. A record whose quoted field spans lines counts
// each of its lines where the record ends, so the counts add up to the
// file's lines.
struct LineAccount {
  enum Kind {
    kPreamble,
    kItem,
    kBalance,
    kNotBooked,
    kZero,
    kEmpty,
    kLeftOut,
    kOtherStatement,  // an item of another statement of the run
    kKinds
  };
  int32_t lines = 0;
  int32_t counts[kKinds] = {};
  // The rows not booked by what the file calls their state ("PENDING").
  std::vector<std::pair<std::string, int32_t>> notBookedKinds;

  void Add(Kind kind, int32_t lineCount) {
    lines += lineCount;
    counts[kind] += lineCount;
  }
  // Counts a row not booked under `name`, as the file writes its state.
  void AddNotBooked(std::string_view name, int32_t lineCount);
};

// The part of a file's summary that accounts for its lines, from ", řádků
// souboru 9: ..." on, naming only the kinds that occur.
std::string LineAccountText(const LineAccount& account);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_TEXT_LINE_ACCOUNT_H_
