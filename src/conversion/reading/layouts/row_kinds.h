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

// False for a text that cannot be a word of totals, by its length and first
// byte as IsTotalWord looks at them: every field of every dated row is
// looked at, and nearly all are told apart here without a call. True calls
// for IsTotalWord.
// The first bytes MayBeTotalWord lets through, as a table: the initials of
// the words, and whatever is neither a letter nor part of a number.
struct TotalWordStarts {
  bool may[256] = {};
  constexpr TotalWordStarts() {
    for (int c = 0; c < 256; ++c) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      const bool number = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',';
      const int lower = c | 0x20;
      may[c] = letter ? lower == 's' || lower == 'c' || lower == 't' || lower == 'g' : !number;
    }
  }
};
inline constexpr TotalWordStarts kTotalWordStarts;

inline bool MayBeTotalWord(std::string_view text) {
  return text.size() - 4 <= 5 && kTotalWordStarts.may[static_cast<unsigned char>(text[0])];
}

// Whether `text` is a balance label and nothing more ("Konečný zůstatek",
// "Zůstatek k 31.01.2024:"), which a dated row's text must be for the row to
// state a balance rather than be an item.
bool IsWholeBalanceLabel(std::string_view text);

// False for a text that cannot be a balance label, by its first two bytes
// as IsWholeBalanceLabel looks at them: the texts of every row are looked
// at for labels, and nearly all are told apart here without a call. True
// calls for IsWholeBalanceLabel.
// What MayBeBalanceLabel wants of a text by its first byte, as a table:
// nothing (0), anything (1), or the second byte, in lower case.
struct BalanceLabelStarts {
  unsigned char want[256] = {};
  constexpr BalanceLabelStarts() {
    const char pairs[][2] = {{'p', 'o'}, {'k', 'o'}, {'o', 'p'}, {'c', 'l'}, {'f', 'i'}};
    for (const auto& pair : pairs) {
      want[static_cast<unsigned char>(pair[0])] = static_cast<unsigned char>(pair[1]);
      want[static_cast<unsigned char>(pair[0] - 0x20)] = static_cast<unsigned char>(pair[1]);
    }
    // "Za", "Zu", and "Zů" with a letter beyond ASCII.
    want['z'] = want['Z'] = 1;
    // Padding, quotes and '#' before a label are passed over.
    for (int c = 0; c <= 32; ++c) want[c] = 1;
    want[0xA0] = want['"'] = want['#'] = 1;
  }
};
inline constexpr BalanceLabelStarts kBalanceLabelStarts;

inline bool MayBeBalanceLabel(std::string_view text) {
  if (text.size() < 2) return false;
  const unsigned char want = kBalanceLabelStarts.want[static_cast<unsigned char>(text[0])];
  return want == 1 || (want > 1 && static_cast<unsigned char>(text[1] | 0x20) == want);
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

// Whether a state says the row waits to be booked (PENDING, "In
// Bearbeitung", PayPal's hold "Placed"): such a row may yet be counted in
// the balance the file states after it, which then decides.
bool IsPendingState(std::string_view state);

// PayPal takes held money out of the balance by a row of its own and gives
// it back by another.
enum class HoldKind { kNone, kHold, kRelease };

// Whether a row is a hold or its release, by the words of its type
// ("Payment Review Hold", "Cancellation of Hold for Dispute Resolution",
// "Reserve Release") or by its state ("Placed", "Removed").
HoldKind HoldKindOf(std::string_view type, std::string_view state);

// Business 24's mark of an accounting or a non-accounting item: the latter
// is a record the bank keeps beside the account's movements.
BookingState AccountingMarkOf(std::string_view mark);

// Whether a reason for non-execution says the order was not carried out: a
// placeholder of dashes or zeros is no reason.
bool StatesNonExecution(std::string_view reason);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_ROW_KINDS_H_
