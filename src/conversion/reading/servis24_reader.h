#ifndef TARVOLO_CONVERSION_READING_SERVIS24_READER_H_
#define TARVOLO_CONVERSION_READING_SERVIS24_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/values/line_report.h"
#include "conversion/values/statement_item.h"

namespace tarvolo {

// How well a reading's own date and amount rules read the data lines of a
// file: the lines after its header that are not empty, total or balance
// lines.
struct ReadingConfirmation {
  int32_t dataLines = 0;
  int32_t readable = 0;  // the date and the amount both read
  // A reading is confirmed by at least half of the data lines; a file with
  // none confirms every reading and gives no item.
  bool Confirmed() const { return 2 * static_cast<int64_t>(readable) >= dataLines; }
};

// How many lines of a Servis24 statement text yield an item: every line
// after the first but those whose fields are all empty.
size_t CountItemLines(const char* statementText);

// The currency most lines of a Servis24 statement name in their "Měna"
// column (field 7), "" where none names one.
std::string Servis24Currency(const char* statementText);

// Reads a Servis24 statement by position: the first line is skipped unread,
// every other line that is not empty is an item (date from column 2 as
// YYYY/MM/DD, its parts kept from the line before where they are missing;
// amount from column 3; counter account from column 4; symbols from 6, 9,
// 10; the message from 11), handed to `sink` in order. Faults of a line go
// to `reports` (when given); `confirmation` (when given) counts the lines
// the date and amount read on. With `giveUpBeyond` (the file's count of
// item lines), the reading stops as soon as the lines it could not read are
// more than half of them, when no rest of the file can confirm it, and
// returns false.
bool ReadServis24Items(const char* statementText, const ItemSink& sink,
                       std::vector<FieldCut>* reports, ReadingConfirmation* confirmation = nullptr,
                       size_t giveUpBeyond = 0);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_SERVIS24_READER_H_
