#include "conversion/export/statement_plans.h"

#include <algorithm>

#include "conversion/values/koruna_default.h"

namespace tarvolo {

std::string StatementPlan::Account() const {
  AccountNumber number = account;
  number.bank.clear();
  return ShownAccount(number);
}

bool StatementPlan::Same(const StatementPlan& other) const {
  return mainAccount == other.mainAccount && currency == other.currency &&
         (mainAccount || SameAccount(account, other.account));
}

bool StatementPlans::Add(const AccountNumber* account, const std::string& currency) {
  StatementPlan plan;
  if (account != nullptr) {
    plan.mainAccount = false;
    plan.account = *account;
  }
  plan.currency = currency;
  for (const StatementPlan& known : plans_) {
    if (known.Same(plan)) return false;
    // An account's statement in whatever currency its files decide is one
    // it has once it has any: that one's reading finds its others.
    const bool sameAccount = known.mainAccount == plan.mainAccount &&
                             (plan.mainAccount || SameAccount(known.account, plan.account));
    if (currency.empty() && sameAccount) return false;
  }
  plans_.push_back(plan);
  return true;
}

void StatementPlans::Settle() {
  std::vector<StatementPlan> held;
  for (StatementPlan& plan : plans_) {
    // A statement no file decided a currency for is in the koruna.
    if (plan.currency.empty()) plan.currency = kKorunaCode;
    const auto same = std::find_if(
        held.begin(), held.end(), [&plan](const StatementPlan& known) { return known.Same(plan); });
    if (same != held.end()) {
      same->held = same->held || plan.held;
    } else {
      held.push_back(plan);
    }
  }
  held.erase(std::remove_if(held.begin(), held.end(),
                            [](const StatementPlan& plan) { return !plan.held; }),
             held.end());
  // The koruna first, then the codes in the alphabet's order; the main
  // account before the others, which go by their numbers.
  std::sort(held.begin(), held.end(), [](const StatementPlan& a, const StatementPlan& b) {
    if (a.mainAccount != b.mainAccount) return a.mainAccount;
    if (!a.mainAccount && !SameAccount(a.account, b.account)) {
      return a.account.prefix != b.account.prefix ? a.account.prefix < b.account.prefix
                                                  : a.account.number < b.account.number;
    }
    const bool aKoruna = a.currency == kKorunaCode, bKoruna = b.currency == kKorunaCode;
    if (aKoruna != bKoruna) return aKoruna;
    return a.currency < b.currency;
  });
  bool profileTaken = false;
  for (StatementPlan& plan : held) {
    if (plan.mainAccount) {
      plan.suffix = profileTaken ? "-" + plan.currency : "";
      profileTaken = true;
    } else {
      plan.suffix = "-" + plan.Account();
      if (plan.currency != kKorunaCode) plan.suffix += "-" + plan.currency;
    }
  }
  plans_ = held;
}

}  // namespace tarvolo
