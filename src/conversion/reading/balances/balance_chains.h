#ifndef TARVOLO_CONVERSION_READING_BALANCES_BALANCE_CHAINS_H_
#define TARVOLO_CONVERSION_READING_BALANCES_BALANCE_CHAINS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvolo {

// The balances an own account has before its first booked row and after its
// last one, as its rows' own balances prove them.
struct AccountBalances {
  std::string account;  // as the rows name it, "" for rows that name none
  int64_t opening = 0;
  int64_t items = 0;
  int64_t closing = 0;
};

// Each own account's rows chained by the balances they state: each row
// starts from the balance another ended with, but for the first booked, and
// ends with one another starts from, but for the last. Rows sorted anew in a
// spreadsheet (newest days first, each day's rows oldest first) still chain
// so, whatever order the file lists them in.
class BalanceChains {
 public:
  // A row of `account` that took its balance from `before` to `after`.
  void Add(std::string_view account, int64_t before, int64_t after);
  // A row of `account` without a balance: its chain proves nothing.
  void Break(std::string_view account);

  // The first and last balance of all rows together, or false where they
  // leave no one first and last.
  bool Ends(int64_t* opening, int64_t* closing) const;
  // Each account's, for the accounts whose rows chain, in the order of
  // their first rows.
  std::vector<AccountBalances> EachAccount() const;

 private:
  struct Chain {
    std::string account;
    std::vector<std::pair<int64_t, int64_t>> steps;
    int64_t items = 0;
    bool broken = false;
  };
  Chain& Of(std::string_view account);

  std::vector<Chain> chains_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_BALANCE_CHAINS_H_
