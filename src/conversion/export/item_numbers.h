#ifndef TARVOLO_CONVERSION_EXPORT_ITEM_NUMBERS_H_
#define TARVOLO_CONVERSION_EXPORT_ITEM_NUMBERS_H_

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/export/hash_set.h"
#include "conversion/statement/statement.h"

namespace tarvolo {

// The numbers an accounting program binds a statement's items by and
// dedupes them by, made unique within the statement: the document number
// (GPC, camt TxId) and the bank's reference (camt AcctSvcrRef). A program
// that keeps one item of each number would otherwise drop a fee that
// shares its payment's number, or card payments that share a variable
// symbol. Each number is worked out from what the item holds, never from
// the order of the run, so the same item gets the same number in every
// export:
// - a fee's document number is derived from its payment's;
// - a variable symbol is no document number: an item of a bank's layout
//   that has only its variable symbol for one takes a number derived from
//   the bank's id, or from its content where the row has none;
// - a number or reference an item before it in the statement has already
//   is derived anew from it and the item's content.
// Servis24's items keep the variable symbol as their number, as their
// statements always have; their numbers are taken, so no other item
// repeats one.
class ItemNumbers {
 public:
  // The item as the outputs take it: `item` with its numbers made unique;
  // its texts valid until the next call. `byLayout` tells an item read by
  // a bank's layout from one of Servis24's.
  const StatementItem& Number(const StatementItem& item, bool byLayout);
  // A file of about `items` items follows.
  void Expect(size_t items) {
    numbers_.Reserve(numbers_.Size() + items);
    // Room for a number each, within what a hash set makes ahead.
    given_.reserve(given_.size() + std::min(items, kGivenAhead));
    expected_ = items;
  }
  // The numbers given since the last confirmation stay taken, or are free
  // again.
  void Confirm() {
    given_.clear();
    paymentLine_ = 0;
  }
  void TakeBack();

 private:
  std::string_view DocumentNumber(const StatementItem& item);
  // `number` where no item has it yet, else one derived from it and the
  // item's content; taken by the item either way.
  std::string_view Unique(bool isNumber, std::string_view number, const StatementItem& item,
                          std::string* out);
  // Worked out once an item, and only where a number is derived from it.
  uint64_t Content(const StatementItem& item);
  // Whether the key was free; it is taken either way.
  bool Take(bool isNumber, std::string_view key);

  // The numbers and references taken, by their hashes: two that differ
  // and share one merely give the later a number of its own.
  HashSet numbers_, references_;
  static constexpr size_t kGivenAhead = size_t{1} << 20;
  // What was taken since the last confirmation: a number (true) or a
  // reference.
  std::vector<std::pair<bool, uint64_t>> given_;
  // The number of the last payment, which a fee after it on its line
  // derives its own from. Every payment's is kept, so a short one is kept
  // with no call of the string's own: in paymentShort_, a longer one in
  // paymentLong_.
  void KeepPaymentNumber(std::string_view number);
  std::string_view PaymentNumber() const;
  int32_t paymentLine_ = 0;
  size_t paymentSize_ = 0;
  char paymentShort_[32];
  std::string paymentLong_;
  std::string derived_, number_, reference_;
  StatementItem numbered_;
  // The items expected of the file being read: only a bank's layout takes
  // references, so their room is made at its first item.
  size_t expected_ = 0;
  uint64_t content_ = 0;
  bool hasContent_ = false;
};

// The digits of a document number worked out from `hash`: as wide as the
// record's field, never all zeros, which readers take for none.
void NumberOfHash(uint64_t hash, std::string* out);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_ITEM_NUMBERS_H_
