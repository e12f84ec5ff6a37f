#include "conversion/export/statement_plans.h"

#include <algorithm>
#include <cstdint>

#include "conversion/values/fixed_width.h"
#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

// A pocket's name is a bank's text: in a file's name it keeps its ASCII
// letters and digits, anything else a dash, so that no name of it can
// reach outside the folder or be refused by Windows.
constexpr size_t kPocketNameWidth = 32;
// A pocket's name as the log shows it.
constexpr size_t kShownPocketWidth = 40;

std::string PocketSuffix(const std::string& pocket) {
  std::string name;
  for (const char c : pocket) {
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (kept) {
      name += c;
    } else if (!name.empty() && name.back() != '-') {
      name += '-';
    }
    if (name.size() >= kPocketNameWidth) break;
  }
  while (!name.empty() && name.back() == '-') name.pop_back();
  return "-" + (name.empty() ? std::string("ucet") : name);
}

// Windows takes "Tax" and "tax" for one file's name.
bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

std::string StatementPlan::Account() const {
  AccountNumber number = account;
  number.bank.clear();
  return ShownAccount(number);
}

std::string StatementPlan::ShownPocket() const {
  std::string shown = pocket.substr(0, kShownPocketWidth);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return shown;
}

bool StatementPlan::Same(const StatementPlan& other) const {
  return mainAccount == other.mainAccount && currency == other.currency && pocket == other.pocket &&
         (mainAccount || SameAccount(account, other.account));
}

bool StatementPlans::Add(const AccountNumber* account, const std::string& currency,
                         const std::string& pocket) {
  StatementPlan plan;
  plan.pocket = pocket;
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
    if (currency.empty() && pocket.empty() && sameAccount) return false;
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
      if (same->ownPocket.empty()) same->ownPocket = plan.ownPocket;
    } else {
      held.push_back(plan);
    }
  }
  held.erase(std::remove_if(held.begin(), held.end(),
                            [](const StatementPlan& plan) { return !plan.held; }),
             held.end());
  // The koruna first, then the codes in the alphabet's order; the main
  // account before the others, which go by their numbers; an account's
  // pockets after its own statements, by their names.
  std::sort(held.begin(), held.end(), [](const StatementPlan& a, const StatementPlan& b) {
    if (a.mainAccount != b.mainAccount) return a.mainAccount;
    if (!a.mainAccount && !SameAccount(a.account, b.account)) {
      return a.account.prefix != b.account.prefix ? a.account.prefix < b.account.prefix
                                                  : a.account.number < b.account.number;
    }
    if (a.pocket.empty() != b.pocket.empty()) return a.pocket.empty();
    const bool aKoruna = a.currency == kKorunaCode, bKoruna = b.currency == kKorunaCode;
    if (aKoruna != bKoruna) return aKoruna;
    if (a.currency != b.currency) return a.currency < b.currency;
    return a.pocket < b.pocket;
  });
  bool profileTaken = false;
  for (StatementPlan& plan : held) {
    if (!plan.pocket.empty()) continue;
    if (plan.mainAccount) {
      plan.suffix = profileTaken ? "-" + plan.currency : "";
      profileTaken = true;
    } else {
      plan.suffix = "-" + plan.Account();
      if (plan.currency != kKorunaCode) plan.suffix += "-" + plan.currency;
    }
  }
  // A pocket's name is the bank's: one that reads as another statement's
  // name once made fit, or as another pocket's, takes a number, so that
  // no statement overwrites another.
  for (StatementPlan& plan : held) {
    if (plan.pocket.empty()) continue;
    std::string base = plan.mainAccount ? "" : "-" + plan.Account();
    base += PocketSuffix(plan.pocket);
    if (plan.currency != kKorunaCode) base += "-" + plan.currency;
    plan.suffix = base;
    const auto taken = [&held, &plan]() {
      return std::any_of(held.begin(), held.end(), [&plan](const StatementPlan& other) {
        return &other != &plan && (other.pocket.empty() || &other < &plan) &&
               SameName(other.suffix, plan.suffix);
      });
    };
    for (int32_t number = 2; taken(); ++number) {
      plan.suffix.clear();
      Render(plan.suffix, "%s-%d", {base, number});
    }
  }
  plans_ = held;
}

}  // namespace tarvolo
