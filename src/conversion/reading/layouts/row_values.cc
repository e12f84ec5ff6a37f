#include "conversion/reading/layouts/row_values.h"

#include <iterator>

#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/values/digits.h"

namespace tarvolo {

namespace {

// The digits of an amount without the zeros before and after them: two
// texts of one value give the same, whatever their marks, groups and
// decimals ("1 000,50" and "1000.5").
std::string SignificantDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsDigit(c) && !(digits.empty() && c == '0')) digits += c;
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return digits;
}

}  // namespace

bool DatedRowStatesBalance(const RowTexts& texts, std::string_view amount,
                           std::string_view runningBalance, BalanceCheck* balance) {
  std::string_view labels[std::size(texts.text)];
  size_t count = 0;
  for (size_t i = 0; i < texts.count; ++i) {
    if (MayBeBalanceLabel(texts.text[i]) && IsWholeBalanceLabel(texts.text[i])) {
      labels[count++] = texts.text[i];
    }
  }
  if (count == 0) return false;
  if (!amount.empty() && !runningBalance.empty() &&
      SignificantDigits(amount) != SignificantDigits(runningBalance)) {
    return false;
  }
  return balance->ReadBalanceLine(labels, count, amount);
}

}  // namespace tarvolo
