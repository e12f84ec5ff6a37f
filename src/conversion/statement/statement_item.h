#ifndef TARVOLO_CONVERSION_STATEMENT_STATEMENT_ITEM_H_
#define TARVOLO_CONVERSION_STATEMENT_STATEMENT_ITEM_H_

#include <cstdint>
#include <functional>
#include <string_view>

namespace tarvolo {

// One item of a statement as a reader found it in a file, before anything
// renders it. Every reading (Servis24 by position, a bank's layout) gives
// items of this one shape; the run decides which of them the statement
// takes and renders each once. The texts are views into the reader's own
// storage and live only for the call that hands the item over.
struct StatementItem {
  int32_t line = 0;        // line of the statement file, from 1
  int64_t amount = 0;      // whole hellers, below zero for a debit
  int32_t amountRest = 0;  // what the rounding to hellers left (AmountReading::rest)
  // The item's currency as the file writes it ("EUR"), "" where the file
  // gives none for the item.
  std::string_view currency;
  // Day, month and year of the calendar, the year whole (2014); how many
  // of its digits a format keeps is the format's business.
  int32_t day = 0, month = 0, year = 0;                 // booking
  int32_t valueDay = 0, valueMonth = 0, valueYear = 0;  // value date
  int32_t counterPrefix = 0;
  int64_t counterNumber = 0;
  int32_t bankCode = 0;
  std::string_view counterIban;  // as the file writes it, where it does
  std::string_view counterName;
  std::string_view documentNumber;
  std::string_view variableSymbol;
  std::string_view constantSymbol;
  std::string_view specificSymbol;
  // The message for the payee on one line, up to kMessageWidth characters;
  // the "075" record keeps its first 20.
  std::string_view description;
  std::string_view bankReference;  // the bank's own id of the item, if any
  // The own account the row belongs to, where the file writes one on every
  // row; "" otherwise.
  std::string_view ownAccount;
  bool fee = false;  // a fee charged beside the item before it
};

// The longest message an item keeps.
constexpr size_t kMessageWidth = 140;

// The digits of the longest item number, which the record's document
// number field holds.
constexpr size_t kDocumentNumberWidth = 13;

// Where a reader hands its items, one at a time, in the file's order.
using ItemSink = std::function<void(const StatementItem& item)>;

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_STATEMENT_STATEMENT_ITEM_H_
