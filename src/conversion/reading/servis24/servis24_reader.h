#ifndef TARVOLO_CONVERSION_READING_SERVIS24_SERVIS24_READER_H_
#define TARVOLO_CONVERSION_READING_SERVIS24_SERVIS24_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/text/reading_confirmation.h"
#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// How the lines of a file read as Servis24 by position ended, each counted
// once: they add up to `lines`.
struct Servis24Lines {
  ReadingConfirmation confirmation;
  int32_t lines = 0;
  int32_t header = 0;  // the first line, where it is no item line
  int32_t empty = 0;
  int32_t totals = 0;  // lines that name themselves a total
  int32_t items = 0;
  // Lines an item's or a left-out line's quoted field ran on to.
  int32_t joinedItems = 0;
  int32_t joinedLeftOut = 0;
  // Items the statement leaves out for their currency, named where they are.
  int32_t otherCurrency = 0;
  // Items written in another statement of the run, for their currency.
  int32_t otherStatement = 0;
  std::vector<LeftOutLine> leftOut;
  // Items kept whose amounts were rounded to hellers, each named with why.
  std::vector<LeftOutLine> rounded;
  // The header names Servis24's columns, so a file of no items is one too.
  bool servis24Header = false;

  // The data show Servis24's columns, or its header does.
  bool Confirmed() const {
    return confirmation.Confirmed() && (confirmation.readable > 0 || servis24Header);
  }
};

// Reads a Servis24 statement by position as a choice among readings needs
// it: only a line that reads whole (at least eleven fields, the date as
// YYYY/MM/DD and a day of the calendar, the amount as Servis24 writes it)
// is an item, every other line that is not empty is left out and named.
// The first line is an item line where it reads as one, else the header.
// Lines end at LF, CR LF or a CR alone.
void ReadServis24Lines(std::string_view text, const ItemSink& sink, Servis24Lines* lines);

// Whether a reading by position may be confirmed: a quick look that stops
// once more than two lines, and more than half of those looked at, fail
// (unless the header is Servis24's own), and checks no field counts.
bool Servis24MayConfirm(std::string_view text);

// Whether the first line is Servis24's own header.
bool HasServis24Header(std::string_view text);

// How many lines of a Servis24 statement text yield an item: every line
// after the first but those whose fields are all empty. The text's
// `length` bytes end at a NUL byte.
size_t CountItemLines(const char* statementText, size_t length);

// The currency the first line of a Servis24 statement that names one names
// in its "Měna" column (field 7), "" where none does.
std::string FirstServis24Currency(std::string_view text);

// Reads a Servis24 statement by position as its records have always been
// built: the first line is skipped unread, every other line that is not
// empty is an item (date from column 2 as YYYY/MM/DD, its parts kept from
// the line before where they are missing; amount from column 3; counter
// account from column 4 and its name from 5; symbols from 6, 9, 10; the
// message from 11),
// handed to `sink` in order. Faults of a line go to `reports` (when given).
void ReadServis24Items(const char* statementText, const ItemSink& sink,
                       std::vector<FieldCut>* reports);

// Logs the lines a Servis24 reading of the file `path` left out, each with
// why, and the file's summary.
void LogServis24Lines(const std::string& path, const Servis24Lines& lines, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_SERVIS24_SERVIS24_READER_H_
