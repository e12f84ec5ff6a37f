#include "conversion/export/pocket_routes.h"

#include <algorithm>
#include <tuple>

namespace tarvolo {
namespace {

bool Earlier(const ItemDate& a, const ItemDate& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

void AddOnce(std::string_view pocket, std::vector<std::string>* pockets) {
  if (std::find(pockets->begin(), pockets->end(), pocket) == pockets->end()) {
    pockets->emplace_back(pocket);
  }
}

}  // namespace

bool PocketRoutes::Take(std::string_view pocket, const ItemDate* date, FilePockets* file) const {
  if (file->seen.empty()) file->first = pocket;
  AddOnce(pocket, &file->seen);
  if (date != nullptr && (!file->dated || Earlier(*date, file->start))) {
    file->start = *date;
    file->dated = true;
  }
  if (!pocket_.empty()) return pocket == pocket_;
  if (pocket == (own_.empty() ? file->first : own_)) return true;
  ++file->elsewhere;
  return false;
}

StatedBalances PocketRoutes::Stated(const FilePockets& file, const LayoutReading* reading,
                                    const StatedBalances& stated) const {
  if (file.seen.empty()) return pocket_.empty() ? stated : StatedBalances();
  const std::string& taken = !pocket_.empty() ? pocket_ : !own_.empty() ? own_ : file.first;
  if (reading != nullptr) {
    for (const AccountBalances& balances : reading->accountBalances) {
      if (balances.account != taken) continue;
      StatedBalances own;
      own.hasOpening = own.hasClosing = true;
      own.opening = balances.opening;
      own.closing = balances.closing;
      return own;
    }
  }
  // A file of one pocket in the currency states that pocket's balances.
  return file.seen.size() == 1 && file.first == taken ? stated : StatedBalances();
}

void PocketRoutes::Accept(const FilePockets& file) {
  if (file.seen.empty()) return;
  files_.push_back(file);
  for (const std::string& pocket : file.seen) AddOnce(pocket, &all_);
}

std::string PocketRoutes::Own() const {
  const auto startsBefore = [](const FilePockets& a, const FilePockets& b) {
    if (a.dated != b.dated) return a.dated;
    if (a.dated && Earlier(a.start, b.start)) return true;
    if (a.dated && Earlier(b.start, a.start)) return false;
    return a.first < b.first;
  };
  const auto earliest = std::min_element(files_.begin(), files_.end(), startsBefore);
  return earliest == files_.end() ? std::string() : earliest->first;
}

}  // namespace tarvolo
