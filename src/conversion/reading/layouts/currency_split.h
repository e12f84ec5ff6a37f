#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_SPLIT_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_SPLIT_H_

#include <algorithm>
#include <string>
#include <vector>

namespace tarvolo {

// A run writes a statement for each own account and currency its files
// hold: an item in another currency than the statement's is written in that
// currency's statement, not left out.
struct CurrencySplit {
  // The run's statements are in several currencies: a file's rows that
  // name none, in a file that names none either, are named as the koruna's.
  bool severalCurrencies = false;
  // Every currency met on an item that is not the statement's, once each.
  std::vector<std::string> found;
  // The statement's own account as typed, "" where not known: in a file of
  // several own accounts only its rows count for the file's balances.
  std::string account;

  // A code that names a file of its own: three capitals. Another stays
  // left out, named.
  static bool Takes(const std::string& code) {
    return code.size() == 3 &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  }
  // Whether another statement takes an item in `code`, noting the code.
  bool Elsewhere(const std::string& code) {
    if (!Takes(code)) return false;
    if (std::find(found.begin(), found.end(), code) == found.end()) found.push_back(code);
    return true;
  }
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_CURRENCY_SPLIT_H_
