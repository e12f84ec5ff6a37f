#include "conversion/reading/balances/balance_chains.h"

#include <algorithm>
#include <iterator>

namespace tarvolo {
namespace {

// The one balance before that is no row's after, and the one after that is
// no row's before.
bool ChainEnds(const std::vector<std::pair<int64_t, int64_t>>& steps, int64_t* opening,
               int64_t* closing) {
  if (steps.size() < 2) return false;
  std::vector<int64_t> befores, afters;
  for (const auto& [before, after] : steps) {
    befores.push_back(before);
    afters.push_back(after);
  }
  std::sort(befores.begin(), befores.end());
  std::sort(afters.begin(), afters.end());
  std::vector<int64_t> first, last;
  std::set_difference(befores.begin(), befores.end(), afters.begin(), afters.end(),
                      std::back_inserter(first));
  std::set_difference(afters.begin(), afters.end(), befores.begin(), befores.end(),
                      std::back_inserter(last));
  if (first.size() != 1 || last.size() != 1) return false;
  *opening = first.front();
  *closing = last.front();
  return true;
}

}  // namespace

BalanceChains::Chain& BalanceChains::Of(std::string_view account) {
  const auto chain = std::find_if(chains_.begin(), chains_.end(),
                                  [account](const Chain& c) { return c.account == account; });
  if (chain != chains_.end()) return *chain;
  chains_.emplace_back().account = account;
  return chains_.back();
}

void BalanceChains::Add(std::string_view account, int64_t before, int64_t after) {
  Chain& chain = Of(account);
  chain.steps.emplace_back(before, after);
  chain.items += after - before;
}

void BalanceChains::Break(std::string_view account) { Of(account).broken = true; }

bool BalanceChains::Ends(int64_t* opening, int64_t* closing) const {
  std::vector<std::pair<int64_t, int64_t>> all;
  for (const Chain& chain : chains_) {
    if (chain.broken) return false;
    all.insert(all.end(), chain.steps.begin(), chain.steps.end());
  }
  return ChainEnds(all, opening, closing);
}

std::vector<AccountBalances> BalanceChains::EachAccount() const {
  std::vector<AccountBalances> each;
  for (const Chain& chain : chains_) {
    AccountBalances balances;
    balances.account = chain.account;
    balances.items = chain.items;
    if (!chain.broken && ChainEnds(chain.steps, &balances.opening, &balances.closing)) {
      each.push_back(balances);
    }
  }
  return each;
}

}  // namespace tarvolo
