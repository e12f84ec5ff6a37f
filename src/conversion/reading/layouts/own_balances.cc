#include "conversion/reading/layouts/own_balances.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "conversion/reading/text/csv_record.h"
#include "conversion/values/amount_reading.h"

namespace tarvolo {
namespace {

// A row's move and the balance after it, with its fee taken either way:
// which way the fee goes the balances decide elsewhere.
struct BalanceStep {
  int64_t amount = 0;
  int64_t fee = 0;
  int64_t balance = 0;
};

bool Read(std::string_view text, int64_t* hellers) {
  const AmountReading reading = ReadAmount(text, AmountRules::kBankExport);
  if (reading.status != AmountStatus::kRead && reading.status != AmountStatus::kAmbiguous) {
    return false;
  }
  *hellers = reading.hellers;
  return true;
}

// Whether `next` follows `before`, in the order of the file or the other
// way round (files listed newest first).
bool Follows(const BalanceStep& before, const BalanceStep& next) {
  for (const int64_t fee : {int64_t{0}, next.fee, -next.fee}) {
    if (before.balance + next.amount + fee == next.balance) return true;
  }
  for (const int64_t fee : {int64_t{0}, before.fee, -before.fee}) {
    if (next.balance + before.amount + fee == before.balance) return true;
  }
  return false;
}

}  // namespace

bool KeepsOwnBalances(std::string_view text, const StatementLayout& layout, int column) {
  const int amount = layout.Column(ColumnRole::kAmount);
  const int balance = layout.Column(ColumnRole::kBalance);
  const int fee = layout.Column(ColumnRole::kFee);
  if (column < 0 || amount < 0 || balance < 0) return false;
  std::map<std::string, BalanceStep, std::less<>> lastOf;
  BalanceStep last;
  bool started = false;
  int32_t apart = 0, togetherMissed = 0;
  CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (record.Next()) {
    const std::string_view value = record.Field(column);
    BalanceStep step;
    if (value.empty() || !Read(record.Field(amount), &step.amount) ||
        !Read(record.Field(balance), &step.balance)) {
      continue;
    }
    if (fee >= 0 && !record.Field(fee).empty() && !Read(record.Field(fee), &step.fee)) continue;
    if (started && !Follows(last, step)) ++togetherMissed;
    last = step;
    started = true;
    // Most rows are of a value seen before: no string is made for them.
    const auto own = lastOf.find(value);
    if (own == lastOf.end()) {
      lastOf.emplace(std::string(value), step);
      continue;
    }
    ++apart;
    // One row off its own value's balance disproves the split.
    if (!Follows(own->second, step)) return false;
    own->second = step;
  }
  return lastOf.size() >= 2 && apart > 0 && togetherMissed > 0;
}

int OwnPocketColumn(std::string_view text, const StatementLayout& layout) {
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  if (header.lineNumber() != layout.headerLine) return -1;
  const std::vector<std::string_view>& names = header.fields();
  for (size_t i = 0; i < names.size(); ++i) {
    if (NormaliseColumnName(names[i]) != "account") continue;
    const int column = static_cast<int>(i);
    bool taken = false;
    for (int role = 0; role < kColumnRoleCount; ++role)
      taken = taken || layout.column[role] == column;
    if (!taken && KeepsOwnBalances(text, layout, column)) return column;
  }
  return -1;
}

std::vector<std::string> ColumnValues(std::string_view text, const StatementLayout& layout,
                                      int column) {
  std::vector<std::string> values;
  CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (column >= 0 && record.Next()) {
    const std::string_view value = record.Field(column);
    if (!value.empty() && std::find(values.begin(), values.end(), value) == values.end()) {
      values.emplace_back(value);
    }
  }
  return values;
}

}  // namespace tarvolo
