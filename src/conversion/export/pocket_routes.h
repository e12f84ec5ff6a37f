#ifndef TARVOLO_CONVERSION_EXPORT_POCKET_ROUTES_H_
#define TARVOLO_CONVERSION_EXPORT_POCKET_ROUTES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/statement_reading.h"

namespace tarvolo {

// The pockets one file's items name in the statement's currency: own
// accounts that a payment service names but does not number ("Main", "Tax
// reserve"), each proven by a balance of its own.
struct FilePockets {
  std::string first;              // the pocket of its first item
  std::vector<std::string> seen;  // each pocket once, in the order met
  bool dated = false;             // `start` is its earliest pocket item's day
  ItemDate start;
  int32_t elsewhere = 0;  // items the statement left to other pockets' statements
};

// Which statement takes the items of each pocket. One pocket is the
// account's own in every file of the run, so that each pocket is one
// statement whatever pocket a file happens to begin with; each other pocket
// is a statement of its own.
class PocketRoutes {
 public:
  // The statement is that of `pocket` ("" for the account's own), and `own`
  // is the account's own pocket ("" until the run's files decide it: each
  // file's first meanwhile).
  void Set(const std::string& pocket, const std::string& own) {
    pocket_ = pocket;
    own_ = own;
  }
  // Whether the statement takes an item of `pocket`, on `date` where it has
  // one, noting the pocket in `file`.
  bool Take(std::string_view pocket, const ItemDate* date, FilePockets* file) const;
  // Whether the statement takes items that name no pocket.
  bool TakesUnnamed() const { return pocket_.empty(); }
  // The balances `file` states for the statement: those the rows prove for
  // its pocket, all of `stated` where the pocket is the file's only one, and
  // none where the file's pockets are others'.
  StatedBalances Stated(const FilePockets& file, const LayoutReading* reading,
                        const StatedBalances& stated) const;

  // Notes a file of the run.
  void Accept(const FilePockets& file);
  // The account's own pocket: the first one of the file that starts
  // earliest, of two such the first by name; "" where no file has pockets.
  std::string Own() const;
  // Every pocket of the run's files, each once, in the order met.
  const std::vector<std::string>& All() const { return all_; }

 private:
  std::string pocket_, own_;
  std::vector<FilePockets> files_;  // of the files with pockets: their first and start
  std::vector<std::string> all_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_POCKET_ROUTES_H_
