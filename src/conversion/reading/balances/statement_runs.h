#ifndef TARVOLO_CONVERSION_READING_BALANCES_STATEMENT_RUNS_H_
#define TARVOLO_CONVERSION_READING_BALANCES_STATEMENT_RUNS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/text/item_fields.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

struct StatedBalances;

// The statements whose balances a file repeats on their rows (KB Business
// names each row's statement): each statement's items must take its own
// opening balance to its own closing one, and each statement must open
// where the one before it closed.
class StatementRuns {
 public:
  // The statement of the row booked on `date` and of the ones that follow,
  // by its number.
  void Start(std::string_view number, const ItemDate& date);
  void StateBalance(bool opening, int64_t hellers);
  void AddRow(int64_t effect);

  bool Several() const { return runs_.size() > 1; }

  // Logs each statement's check and whether each opens where the one
  // before it closed, the statements in the order of their rows' dates;
  // `stated` gets the first one's opening and the last one's closing.
  // False where any does not add up.
  bool Report(const std::string& path, const std::string& unit, const LogLine& log,
              StatedBalances* stated) const;

 private:
  struct Run {
    std::string number;
    bool hasOpening = false;
    bool hasClosing = false;
    int64_t opening = 0;
    int64_t closing = 0;
    int64_t sum = 0;
    bool dated = false;
    ItemDate earliest;
  };
  std::vector<Run> runs_;
  size_t current_ = 0;
};

// Rows that state the total of the rows they follow ("Celkem", or a dated
// row of no other text whose amount is their sum): no item, but a check of
// the items before them.
class TotalRows {
 public:
  void AddItem(int64_t effect);
  // Whether `amount` is the sum of two or more rows just read.
  bool IsSumOfRows(int64_t amount) const { return items_ >= 2 && amount == net_; }
  void AddTotal(int line, int64_t amount);
  // Names each total that no sum of the rows it follows (all, the credits
  // or the debits; all rows of the file for a total above them) gives.
  // False where one does not.
  bool Report(const std::string& path, const std::string& unit, const LogLine& log) const;

 private:
  struct Total {
    int line;
    int64_t amount, net, credits, debits;
    int32_t items;
  };
  std::vector<Total> totals_;
  int64_t net_ = 0, credits_ = 0, debits_ = 0;
  int32_t items_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_STATEMENT_RUNS_H_
