#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_ROW_KINDS_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_ROW_KINDS_H_

#include <string_view>
#include <vector>

namespace tarvolo {

// Rows of a layout that are no item, whatever their date and amount.

// Keeps empty rows out of the count of data lines that confirms a layout.
bool IsEmptyRow(const std::vector<std::string_view>& fields);

// Keeps a row of totals ("Suma", "Celkem") out of the items and the count of data lines.
bool IsTotalRow(const std::vector<std::string_view>& fields);

// Whether `text` is a word of totals and nothing more ("Celkem", "Total:"),
// which makes a dated row a total of the rows rather than an item.
bool IsTotalWord(std::string_view text);

// Whether `text` is a balance label and nothing more ("Konečný zůstatek",
// "Zůstatek k 31.01.2024:"), which a dated row's text must be for the row to
// state a balance rather than be an item.
bool IsWholeBalanceLabel(std::string_view text);

// False for a text that cannot be a balance label, by its first byte: the
// texts of every row are looked at for labels, and most are told apart
// here without a call. True calls for IsWholeBalanceLabel.
inline bool MayBeBalanceLabel(std::string_view text) {
  if (text.empty()) return false;
  const unsigned char c = static_cast<unsigned char>(text.front());
  switch (c | 0x20) {
    case 'p':
    case 'k':
    case 'z':
    case 'o':
    case 'c':
    case 'f':
      return true;
    default:
      // Padding, quotes and '#' before a label are passed over.
      return c <= 32 || c == 0xA0 || c == '"' || c == '#';
  }
}

// The value a balance label carries after its colon in the same field, as
// Fio's printed statement writes it ("Konečný stav účtu k 31.10.2025:
// 1954,90 CZK"); "" for any other text.
std::string_view LabelledBalance(std::string_view text);

// What the bank's state of a row says of its money: only a booked row is an
// item, and a state no bank was seen to write is worth a warning.
enum class BookingState { kBooked, kNotBooked, kUnknown };

// Keeps pending, declined and memo rows, which change no balance, out of the statement.
BookingState BookingOf(std::string_view state, std::string_view impact);

// Business 24's mark of an accounting or a non-accounting item: the latter
// is a record the bank keeps beside the account's movements.
BookingState AccountingMarkOf(std::string_view mark);

// Whether a reason for non-execution says the order was not carried out: a
// placeholder of dashes or zeros is no reason.
bool StatesNonExecution(std::string_view reason);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_KINDS_H_
