#include "conversion/reading/balances/proof_rows.h"

#include <deque>
#include <map>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/layouts/row_values.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/values/decimal_rounding.h"

namespace tarvolo {
namespace {

// The longest column name a warning shows.
constexpr size_t kShownName = 40;

bool WithinLimit(int64_t hellers) { return hellers <= kHellerLimit && hellers >= -kHellerLimit; }

// A hold or its release of a state that lets it move money, else a row of
// a pending state, is open until the balance decides.
OpenBooking OpenBookingOf(const LayoutRow& row, bool booked, bool pending) {
  if (!booked && !pending) return OpenBooking::kNone;
  switch (HoldKindOf(row.Field(ColumnRole::kItemType), row.Field(ColumnRole::kState))) {
    case HoldKind::kHold:
      return OpenBooking::kHold;
    case HoldKind::kRelease:
      return OpenBooking::kRelease;
    case HoldKind::kNone:
      break;
  }
  return pending ? OpenBooking::kPending : OpenBooking::kNone;
}

}  // namespace

void CollectProofRows(std::string_view text, const StatementLayout& layout,
                      const ChosenColumns& columns, int alternatives, int accountColumn,
                      std::string* names, ProofRows* out) {
  std::vector<ProofRow>* rows = &out->rows;
  ProofSigns& signs = out->signs;
  // The rows are read here only to be weighed: what they would log is said
  // when they are read for their items.
  const std::string path;
  const LogLine quiet = [](LogKind, const char*) {};
  BalanceCheck labels;
  LayoutReport report(path, quiet);
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  std::deque<LayoutRow> readers;
  for (int a = 0; a < alternatives; ++a) {
    ChosenColumns alternative = columns;
    alternative.amount = columns.amounts[a];
    readers.emplace_back(text, layout, alternative, &labels, &report);
    readers.back().ReadHeader(header.fields());
    std::string shown;
    names[a] = OneLine(header.Field(alternative.amount), kShownName, shown);
  }
  std::map<std::string, int> chains;
  std::string key;
  // Most rows share their state, their account and their currency with
  // the row before: each is looked up once for a run of them.
  std::string state, impact, lastKey;
  bool booked = true, pending = false;
  int chain = 0;
  char mark = 0;
  bool markKnown = false;
  LayoutRow& first = readers.front();
  CsvRecordReader record(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (record.Next()) {
    if (IsEmptyRow(record.fields())) continue;
    first.Start(record);
    if (first.Field(ColumnRole::kState) != state ||
        first.Field(ColumnRole::kBalanceImpact) != impact) {
      state = first.Field(ColumnRole::kState);
      impact = first.Field(ColumnRole::kBalanceImpact);
      booked = BookingOf(state, impact) == BookingState::kBooked;
      // A memo row moves no balance, whatever its state.
      pending = !booked && BookingOf({}, impact) == BookingState::kBooked && IsPendingState(state);
    }
    ProofRow row;
    row.open = OpenBookingOf(first, booked, pending);
    if (!booked && row.open == OpenBooking::kNone) continue;
    row.line = record.lineNumber();
    if (!first.dates.Date(&row.date)) continue;
    if (DatedRowStatesBalance(first.texts.Texts(), first.Column(first.amounts.column()),
                              first.Field(ColumnRole::kBalance), &labels)) {
      continue;
    }
    bool any = false;
    AmountReading amount;
    for (int a = alternatives - 1; a >= 0; --a) {
      if (a > 0) readers[a].Start(record);
      std::string_view shown;
      row.read[a] = readers[a].amounts.Amount(&amount, &shown) == AmountStatus::kRead &&
                    readers[a].amounts.ApplyDirection(&amount, shown) &&
                    WithinLimit(amount.hellers);
      row.amounts[a] = amount.hellers;
      any = any || row.read[a];
    }
    if (!any) continue;
    std::string code;
    first.amounts.OtherCurrency(std::string(), amount, &code);
    AmountReading debit;
    if (columns.amount < 0 &&
        first.amounts.Value(ColumnRole::kDebitAmount, &debit) == AmountStatus::kRead &&
        WithinLimit(debit.hellers)) {
      row.debit = debit.hellers;
      if (row.debit > 0) ++signs.debitsPositive;
      if (row.debit < 0) ++signs.debitsNegative;
    }
    AmountReading fee;
    if (!first.incoming() && first.amounts.Fee(&fee) == AmountStatus::kRead &&
        WithinLimit(fee.hellers)) {
      const std::string feeCode = first.amounts.FeeCurrency(fee);
      // A fee in another currency is no part of this balance.
      if (feeCode.empty() || code.empty() || feeCode == code) row.fee = fee.hellers;
      if (row.fee > 0) ++signs.feesPositive;
      if (row.fee < 0) ++signs.feesNegative;
    }
    // A net column beside the gross one (the likeliest name) differs from
    // it by the fee's effect.
    for (int a = 1; a < alternatives && row.fee != 0; ++a) {
      if (!row.read[0] || !row.read[a]) continue;
      if (row.amounts[a] - row.amounts[0] == row.fee) ++signs.netShowsEffect;
      if (row.amounts[a] - row.amounts[0] == -row.fee) ++signs.netShowsCharge;
    }
    const std::string_view balance = first.Field(ColumnRole::kBalance);
    if (!balance.empty()) {
      AmountReading stated = ReadAmount(balance, AmountRules::kBankExport, mark);
      if (stated.status == AmountStatus::kAmbiguous && !markKnown) {
        markKnown = true;
        mark = FileDecimalMark(text, layout, columns.amount, columns.date);
        stated = ReadAmount(balance, AmountRules::kBankExport, mark);
      }
      row.hasBalance = stated.status == AmountStatus::kRead && WithinLimit(stated.hellers);
      row.balance = stated.hellers;
    }
    key.assign(first.Column(accountColumn));
    key += '\n';
    key += code;
    if (key != lastKey || chains.empty()) {
      chain = chains.emplace(key, static_cast<int>(chains.size())).first->second;
      lastKey = key;
    }
    row.chain = chain;
    if (row.open == OpenBooking::kHold || row.open == OpenBooking::kRelease) {
      out->holds.push_back({.row = rows->size(),
                            .id = std::string(first.Field(ColumnRole::kTransactionId)),
                            .related = std::string(first.Field(ColumnRole::kRelatedId))});
    }
    rows->push_back(row);
  }
  out->chains = static_cast<int>(chains.size());
}

}  // namespace tarvolo
