#include "conversion/export/earlier_items.h"

#include <cstring>
#include <utility>

#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// The row numbers of even a long statement stay below this many digits.
constexpr size_t kRowNumberDigits = 9;

// Two hashes of an item's content fed at once, eight bytes at a time: a run
// compares every item of its files.
class ContentHasher {
 public:
  void Number(uint64_t value) {
    first_ = Mix(first_ ^ value, 0x100000001B3u);
    second_ = Mix(second_ ^ value, 0xFF51AFD7ED558CCDu);
  }
  // The length first, so that no two texts run together into one content.
  void Text(std::string_view text) {
    Number(text.size());
    size_t i = 0;
    for (; text.size() - i >= sizeof(uint64_t); i += sizeof(uint64_t)) {
      uint64_t word;
      std::memcpy(&word, text.data() + i, sizeof word);
      Number(word);
    }
    if (i == text.size()) return;
    uint64_t rest = 0;
    std::memcpy(&rest, text.data() + i, text.size() - i);
    Number(rest);
  }
  EarlierItems::ContentKey Key() const { return {first_, second_}; }

 private:
  static uint64_t Mix(uint64_t value, uint64_t multiplier) {
    value *= multiplier;
    return value ^ (value >> 29);
  }
  uint64_t first_ = 0xCBF29CE484222325u, second_ = 0x9E3779B97F4A7C15u;
};

bool SameDayAndAmount(const StatementItem& item, int32_t day, int32_t month, int32_t year,
                      int64_t amount) {
  return item.day == day && item.month == month && item.year == year && item.amount == amount;
}

// Whether `id` tells the item on `line` from every other: a number no
// greater than its line could be the row's own number, which the next
// file gives to other items again.
bool IsBankId(std::string_view id, int32_t line) {
  const size_t significant = id.find_first_not_of('0');
  if (significant == std::string_view::npos) return false;
  int64_t number = 0;
  return !ReadDigitsOnly(id.substr(significant), kRowNumberDigits, &number) || number > line;
}

}  // namespace

EarlierItems::Copy EarlierItems::FileItems::Find(const StatementItem& item, bool comparable) {
  Copy copy;
  Taken taken{std::string(), ContentKey(), comparable, item.day,
              item.month,    item.year,    item.amount};
  // An id that an earlier file gives to an item of another day or amount
  // does not tell items apart: the item is compared by its content.
  bool withoutId = true;
  if (IsBankId(item.bankReference, item.line)) {
    taken.id = item.fee ? "F" : "I";
    taken.id.append(item.bankReference.data(), item.bankReference.size());
    const auto earlier = earlier_.ids_.find(taken.id);
    if (earlier == earlier_.ids_.end()) {
      withoutId = false;
    } else if (SameDayAndAmount(item, earlier->second.day, earlier->second.month,
                                earlier->second.year, earlier->second.amount)) {
      copy.file = &earlier_.files_[earlier->second.file];
      copy.byId = true;
      return copy;
    } else {
      taken.id.clear();
    }
  }

  ContentHasher hasher;
  for (const int64_t number : {int64_t{item.day}, int64_t{item.month}, int64_t{item.year},
                               item.amount, int64_t{item.amountRest}, int64_t{item.counterPrefix},
                               item.counterNumber, int64_t{item.bankCode}, int64_t{item.fee}}) {
    hasher.Number(static_cast<uint64_t>(number));
  }
  for (const std::string_view text : {item.counterIban, item.variableSymbol, item.constantSymbol,
                                      item.specificSymbol, item.description}) {
    hasher.Text(text);
  }
  taken.content = hasher.Key();
  if (comparable) {
    const auto earlier = earlier_.contents_.find(taken.content);
    if (earlier != earlier_.contents_.end()) {
      // An item with an id of its own is the copy only of one that had none.
      Used& used = used_[taken.content];
      const ContentEntry& entry = earlier->second;
      if (used.all < entry.all && (withoutId || used.withoutId < entry.withoutId)) {
        ++used.all;
        if (!withoutId) ++used.withoutId;
        copy.file = &earlier_.files_[entry.file];
        return copy;
      }
    }
  }
  taken_.push_back(std::move(taken));
  return copy;
}

void EarlierItems::Add(FileItems& items, const std::string& shown) {
  const uint32_t file = static_cast<uint32_t>(files_.size());
  files_.push_back(shown);
  for (FileItems::Taken& taken : items.taken_) {
    if (taken.comparable) {
      ContentEntry& entry = contents_[taken.content];
      if (entry.all == 0) entry.file = file;
      ++entry.all;
      if (taken.id.empty()) ++entry.withoutId;
    }
    if (!taken.id.empty()) {
      ids_.emplace(std::move(taken.id),
                   IdEntry{file, taken.day, taken.month, taken.year, taken.amount});
    }
  }
  items.taken_.clear();
}

}  // namespace tarvolo
