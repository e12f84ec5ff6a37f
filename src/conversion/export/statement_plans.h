#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_PLANS_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_PLANS_H_

#include <string>
#include <vector>

#include "conversion/values/account_number.h"

namespace tarvolo {

// One statement of a run: one own account in one currency.
struct StatementPlan {
  // The account the profile names, or the one the files state for
  // themselves; otherwise `account`.
  bool mainAccount = true;
  AccountNumber account;
  std::string currency;  // "" until a file decides it
  // One of the account's own accounts that a file names but does not number
  // (Revolut Business's "Tax reserve" beside its "Main" of one currency);
  // "" for the account's own statement, which takes each file's first.
  std::string pocket;
  // The pocket that is the account's own statement's in every file, once
  // its files have been read for the account's own statement.
  std::string ownPocket;
  // What its files' names carry beside the names asked for; "" for the
  // statement that takes the profile's values.
  std::string suffix;
  // Its files give it items or state its balances.
  bool held = false;

  // The other account as its header and its files' names carry it: the
  // prefix and the number, the bank in a field of its own.
  std::string Account() const;
  // The pocket's name as the log shows it: one line, not too long.
  std::string ShownPocket() const;
  bool Same(const StatementPlan& other) const;
};

// The statements a run's files hold, found before any is written, so that
// neither their set nor their order depends on the order of the files.
class StatementPlans {
 public:
  // Plans the statement of `account` (null: the main account's) in
  // `currency`, or of its `pocket` in it, unless it has one; whether it is
  // new.
  bool Add(const AccountNumber* account, const std::string& currency,
           const std::string& pocket = std::string());
  std::vector<StatementPlan>& plans() { return plans_; }
  const std::vector<StatementPlan>& plans() const { return plans_; }

  // Once every statement was looked for: keeps those held, each once, in
  // the order they are written. The main account's statement in koruna,
  // else its first currency, takes the profile's values and the names
  // asked for; the main account's others are named by their currency
  // ("-EUR"), another account's by the account and, beside the koruna, the
  // currency ("-51-1234567890-EUR"), a pocket after its account's others by
  // its name made fit for a file's name ("-Tax-reserve"), each name once.
  void Settle();
  // Whether a statement takes the profile's values (and the names asked
  // for), once settled.
  bool HasProfileStatement() const {
    return !plans_.empty() && plans_.front().mainAccount && plans_.front().pocket.empty() &&
           plans_.front().suffix.empty();
  }

 private:
  std::vector<StatementPlan> plans_;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_PLANS_H_
