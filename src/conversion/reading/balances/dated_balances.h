#ifndef TARVOLO_CONVERSION_READING_BALANCES_DATED_BALANCES_H_
#define TARVOLO_CONVERSION_READING_BALANCES_DATED_BALANCES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/reading/text/item_fields.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

struct StatedBalances;

// Balances a file states "k" a day ("Zůstatek k 31.01.2024"): the day, not
// the place of the line, tells the opening balance from the closing one.
class DatedBalances {
 public:
  // The period the file states for itself; without one, its rows' dates.
  void SetPeriod(const ItemDate& start, const ItemDate& end);
  void AddRowDate(const ItemDate& date);
  bool RowsSeen() const { return rowsDated_; }

  // A balance of `hellers` at the end of `day`, on a line before the file's
  // rows or after them.
  void Add(const ItemDate& day, int64_t hellers, bool beforeRows) {
    balances_.push_back({day, hellers, beforeRows});
  }

  // Puts each balance where its day places it, unless `stated` has that
  // balance already: from the period's last day on it closes the period,
  // before its first day it opens it, on the first day its place decides.
  // One within the period is neither, and is named in `log`.
  void Place(StatedBalances* stated, const std::string& path, const LogLine& log) const;

 private:
  struct Dated {
    ItemDate day;
    int64_t hellers = 0;
    bool beforeRows = false;
  };
  std::vector<Dated> balances_;
  bool periodStated_ = false;
  bool rowsDated_ = false;
  ItemDate start_, end_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_DATED_BALANCES_H_
