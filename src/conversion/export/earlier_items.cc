#include "conversion/export/earlier_items.h"

#include <utility>

namespace tarvolo {
namespace {

// The row numbers of even a long statement stay below this many digits.
constexpr size_t kRowNumberDigits = 9;

void AppendNumber(std::string* key, int64_t value) {
  key->append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Each text with its length before it, so that no two contents run together
// into one key.
void AppendText(std::string* key, std::string_view text) {
  AppendNumber(key, static_cast<int64_t>(text.size()));
  key->append(text.data(), text.size());
}

uint64_t HashOf(std::string_view bytes, uint64_t seed, uint64_t multiplier) {
  uint64_t hash = seed;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * multiplier;
  return hash ^ (hash >> 29);
}

bool SameDayAndAmount(const StatementItem& item, int32_t day, int32_t month, int32_t year,
                      int64_t amount) {
  return item.day == day && item.month == month && item.year == year && item.amount == amount;
}

}  // namespace

bool IsBankId(std::string_view id, int32_t line) {
  if (id.empty()) return false;
  const size_t significant = id.find_first_not_of('0');
  if (significant == std::string_view::npos) return false;
  id.remove_prefix(significant);
  if (id.size() > kRowNumberDigits) return true;
  int64_t number = 0;
  for (const char c : id) {
    if (c < '0' || c > '9') return true;
    number = number * 10 + (c - '0');
  }
  return number > line;
}

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

  key_.clear();
  for (const int64_t number : {int64_t{item.day}, int64_t{item.month}, int64_t{item.year},
                               item.amount, int64_t{item.amountRest}, int64_t{item.counterPrefix},
                               item.counterNumber, int64_t{item.bankCode}, int64_t{item.fee}}) {
    AppendNumber(&key_, number);
  }
  for (const std::string_view text : {item.counterIban, item.variableSymbol, item.constantSymbol,
                                      item.specificSymbol, item.description}) {
    AppendText(&key_, text);
  }
  taken.content = {HashOf(key_, 0xCBF29CE484222325u, 0x100000001B3u),
                   HashOf(key_, 0x9E3779B97F4A7C15u, 0xFF51AFD7ED558CCDu)};
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
