#ifndef TARVOLO_CONVERSION_READING_BALANCES_STATED_BALANCES_H_
#define TARVOLO_CONVERSION_READING_BALANCES_STATED_BALANCES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conversion/reading/balances/balance_chains.h"
#include "conversion/reading/balances/dated_balances.h"
#include "conversion/reading/balances/statement_runs.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/log_line.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {

// The balances a statement file states about itself, in whole hellers.
struct StatedBalances {
  bool hasOpening = false;
  bool hasClosing = false;
  int64_t opening = 0;
  int64_t closing = 0;
};

// Proves that no item of a file was lost: the balances the file states (in
// lines around its items, or in a column with the balance after each row)
// against the sum of its items, all in whole hellers so that they compare
// exactly.
class BalanceCheck {
 public:
  // A line that states a balance, such as "Počáteční zůstatek;+125430,50",
  // ";;#Konečný zůstatek:;167 595,94 CZK;" or a dated row "Zůstatek k
  // 31.01.2024" with its `amount`: the value is the amount, else what
  // follows the label. Returns whether the line has a balance label (and is
  // therefore no item).
  bool ReadBalanceLine(const std::vector<std::string_view>& fields, std::string_view amount = {}) {
    return ReadBalanceLine(fields.data(), fields.size(), amount);
  }
  // The same for the `count` texts at `fields`.
  bool ReadBalanceLine(const std::string_view* fields, size_t count, std::string_view amount);

  // The balances the lines read so far state, before any row's balance is
  // worked out.
  const StatedBalances& LineBalances() const { return lines_; }

  // The file's decimal mark, for the balances it writes.
  void SetDecimalMark(char mark) { decimalMark_ = mark; }

  // The file lists its rows newest first: where a running balance fits
  // both orders, this one is taken; where the balances of its rows
  // `proven` the order, it is taken whatever the dates say.
  void SetNewestFirst(bool newestFirst, bool proven) {
    newestFirst_ = newestFirst;
    orderProven_ = proven;
  }

  // The period the file states for itself: a balance "k" a day is the
  // opening one before it starts and the closing one from its last day on.
  void SetPeriod(const ItemDate& start, const ItemDate& end) { dated_.SetPeriod(start, end); }

  // A balance the file states in a column of its own (KB Business repeats
  // them on every row); the first one stated counts, of each statement
  // where the file names the statement of each row.
  void StateBalance(bool opening, std::string_view text);
  // The statement the next row, booked on `date`, and its balances are of,
  // "" for none.
  void SetStatement(std::string_view number, const ItemDate& date) {
    if (!number.empty() || statementNamed_) runs_.Start(number, date);
    statementNamed_ = statementNamed_ || !number.empty();
  }

  // Whether `hellers` are the sum of the two or more rows before.
  bool IsSumOfRows(int64_t hellers) const { return totals_.IsSumOfRows(hellers); }
  // A row on `line` that states a total of the rows: no item, and checked
  // against them.
  void AddTotal(int line, int64_t hellers) { totals_.AddTotal(line, hellers); }

  // One row of the account's currency: the amounts of its records in hellers
  // (the item and its fee, 0 for none), the balance after it, "" where it
  // has none, and the own `account` it names, "" for none.
  void AddRow(int64_t amount, int64_t fee, const ItemDate& date, std::string_view balance,
              std::string_view account = {});

  // A row in another currency, which no balance of the account includes.
  void AddOtherCurrency() { ++otherCurrency_; }

  // Logs how the balances and the items of the file `path` compare, when the
  // file states any balance, and returns the balances it states. `unit`
  // follows the amounts (CurrencyUnit).
  StatedBalances Report(const std::string& path, const std::string& unit, const LogLine& log) const;
  // In a file of several own accounts, each account's balances where its
  // rows' balances prove them; none in a file of one.
  std::vector<AccountBalances> EachAccount() const {
    return severalAccounts_ ? chains_.EachAccount() : std::vector<AccountBalances>();
  }
  // Whether the rows name several own accounts.
  bool SeveralAccounts() const { return severalAccounts_; }

 private:
  // A running-balance row with the sum of the rows before it.
  struct BalanceRow {
    bool present = false;
    int64_t balance = 0;
    int64_t before = 0;
    int64_t effect = 0;
    ItemDate date;
  };
  bool Add(int64_t value, int64_t* sum);
  void RunningBalances(StatedBalances* running) const;
  bool ChainEnds(StatedBalances* running) const;

  StatedBalances lines_;
  char decimalMark_ = 0;
  bool newestFirst_ = false;
  bool orderProven_ = false;
  int64_t total_ = 0;
  bool tooLarge_ = false;
  // The own account of the first row that names one, and whether a row
  // names another: the file's balances are then no one statement's.
  std::string account_;
  bool severalAccounts_ = false;
  int32_t otherCurrency_ = 0;
  BalanceRow first_, last_;
  BalanceChains chains_;
  DatedBalances dated_;
  bool statementNamed_ = false;
  StatementRuns runs_;
  TotalRows totals_;
};

// Compares the profile's opening balance with the one the first file states
// and logs it; with `fromFile`, the file's balance replaces the profile's in
// `values`. False, with a line in the log, when the balance was to come from
// a file that states none or one the header cannot show. `unit` follows the
// amounts (CurrencyUnit).
bool TakeStatedOpening(const std::string& firstPath, const StatedBalances& stated, bool fromFile,
                       const std::string& unit, ProfileValues* values, const LogLine& log);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_BALANCES_STATED_BALANCES_H_
