#ifndef TARVOLO_CONVERSION_EXPORT_EARLIER_ITEMS_H_
#define TARVOLO_CONVERSION_EXPORT_EARLIER_ITEMS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conversion/statement/statement.h"

namespace tarvolo {

// The items the run's earlier files gave, for telling a second copy of one
// in a later file: the same bank id on the same day and amount, or, for an
// item without one, the same day, amount, counter account, symbols and text.
// Copies pair one to one, so that two equal payments of a day in one file
// are two items.
class EarlierItems {
 public:
  // Two independent hashes of an item's content: keeping the content itself
  // for every item of a run of long statements would cost more memory than
  // the statements.
  struct ContentKey {
    uint64_t first = 0, second = 0;
    bool operator==(const ContentKey& other) const {
      return first == other.first && second == other.second;
    }
  };
  struct ContentKeyHash {
    size_t operator()(const ContentKey& key) const { return static_cast<size_t>(key.first); }
  };

  // The earlier copy an item repeats.
  struct Copy {
    const std::string* file = nullptr;  // null for none
    bool byId = false;
  };

  // The items of one reading of one file, until the run takes it.
  class FileItems {
   public:
    explicit FileItems(const EarlierItems& earlier) : earlier_(earlier) {}
    // The earlier copy `item` repeats, else keeps it for the later files.
    // An item outside the period its file states (`comparable` false) is
    // compared by its id only.
    Copy Find(const StatementItem& item, bool comparable);

   private:
    friend class EarlierItems;
    // How many copies of a content this file's items answered: in all, and
    // of those without an id by items with one.
    struct Used {
      int32_t all = 0, withoutId = 0;
    };
    struct Taken {
      std::string id;  // "" for none the bank gave
      ContentKey content;
      bool comparable;
      int32_t day, month, year;
      int64_t amount;
    };
    const EarlierItems& earlier_;
    std::unordered_map<ContentKey, Used, ContentKeyHash> used_;
    std::vector<Taken> taken_;
  };

  // The file `shown` was taken with the items `items` kept.
  void Add(FileItems& items, const std::string& shown);

 private:
  struct IdEntry {
    uint32_t file;
    int32_t day, month, year;
    int64_t amount;
  };
  struct ContentEntry {
    uint32_t file = 0;
    int32_t all = 0, withoutId = 0;
  };
  std::vector<std::string> files_;
  // 'F' for a fee's id, 'I' for an item's, then the id.
  std::unordered_map<std::string, IdEntry> ids_;
  std::unordered_map<ContentKey, ContentEntry, ContentKeyHash> contents_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_EARLIER_ITEMS_H_
