#include "conversion/reading/layouts/file_conventions.h"

#include <algorithm>
#include <map>

#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/row_dates.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

// Rows looked at to choose among columns that could hold the date or the
// amount.
constexpr int kSampleRows = 200;

// Whether the row the reader is at can be an item: dated, booked, no
// total, and of an amount other than zero (or one that needs the file's
// mark).
bool IsItemRow(const CsvRecordReader& row, const StatementLayout& layout, int amountColumn,
               int dateColumn) {
  ItemDate date;
  const std::string_view dateText = row.Field(dateColumn);
  if (!ReadLayoutDate(dateText, layout.rules, &date, false) &&
      !ReadLayoutDate(dateText, layout.rules, &date, true)) {
    return false;
  }
  const std::string_view state = row.Field(layout.Column(ColumnRole::kState));
  const std::string_view impact = row.Field(layout.Column(ColumnRole::kBalanceImpact));
  if ((!state.empty() || !impact.empty()) && BookingOf(state, impact) != BookingState::kBooked) {
    return false;
  }
  if (IsTotalRow(row.fields())) return false;
  if (amountColumn < 0) return true;
  const AmountReading amount = ReadAmount(row.Field(amountColumn), AmountRules::kBankExport);
  return amount.status != AmountStatus::kRead || amount.hellers != 0;
}

}  // namespace

// Where several columns could hold the date or the amount, the one that
// reads on most of the first booked rows, the likeliest among equals. A row
// the bank did not book decides nothing: a cancelled transfer was never
// finished, yet its finishing date is the one the others are booked on.
ChosenColumns ChooseColumns(std::string_view text, const StatementLayout& layout) {
  constexpr int kCount = StatementLayout::kCandidates;
  int dateScore[kCount] = {};
  int amountScore[kCount] = {};
  // The first line on which two amount (date) candidates read differently.
  int differs[kCount][kCount] = {};
  int datesDiffer[kCount][kCount] = {};
  const int state = layout.Column(ColumnRole::kState);
  const int impact = layout.Column(ColumnRole::kBalanceImpact);
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  int rows = 0;
  for (; rows < kSampleRows && reader.Next();) {
    if (BookingOf(reader.Field(state), reader.Field(impact)) != BookingState::kBooked) continue;
    ++rows;
    AmountReading amounts[kCount];
    ItemDate dates[kCount];
    bool dated[kCount] = {};
    for (int i = 0; i < kCount; ++i) {
      dated[i] = ReadLayoutDate(reader.Field(layout.dateCandidates[i]), layout.rules, &dates[i]);
      if (dated[i]) ++dateScore[i];
      for (int j = 0; j < i; ++j) {
        const bool same = dates[i].year == dates[j].year && dates[i].month == dates[j].month &&
                          dates[i].day == dates[j].day;
        if (dated[i] && dated[j] && !same && datesDiffer[i][j] == 0) {
          datesDiffer[i][j] = datesDiffer[j][i] = reader.lineNumber();
        }
      }
      amounts[i] = ReadAmount(reader.Field(layout.amountCandidates[i]), AmountRules::kBankExport);
      const AmountStatus status = amounts[i].status;
      if (status == AmountStatus::kRead || status == AmountStatus::kAmbiguous) ++amountScore[i];
      for (int j = 0; j < i; ++j) {
        const bool bothRead =
            status == AmountStatus::kRead && amounts[j].status == AmountStatus::kRead;
        if (bothRead && amounts[i].hellers != amounts[j].hellers && differs[i][j] == 0) {
          differs[i][j] = differs[j][i] = reader.lineNumber();
        }
      }
    }
  }
  // A likelier column keeps its place unless another reads on more than a
  // row or two more: a damaged row or two does not move the file's dates or
  // amounts to another column, and more rows that read are worth more than
  // rows named and left out. Of two amounts named alike none is likelier:
  // the one that reads on more rows is the one the data prove.
  const int tolerance = std::min(2, rows / 4);
  int date = 0, amount = 0;
  for (int i = 1; i < kCount; ++i) {
    if (dateScore[i] > dateScore[date] + tolerance) date = i;
    const bool equals = layout.amountRanks[i] == layout.amountRanks[amount];
    if (amountScore[i] > amountScore[amount] + (equals ? 0 : tolerance)) amount = i;
  }
  ChosenColumns chosen;
  chosen.date = layout.dateCandidates[date];
  for (int i = 0; i < kCount && chosen.tiedDate < 0; ++i) {
    if (i == date || layout.dateCandidates[i] < 0 || datesDiffer[i][date] == 0 ||
        dateScore[i] != dateScore[date] || layout.dateRanks[i] != layout.dateRanks[date]) {
      continue;
    }
    chosen.tiedDate = layout.dateCandidates[i];
    chosen.dateTieLine = datesDiffer[i][date];
  }
  chosen.amount = layout.amountCandidates[amount];
  chosen.amounts[0] = chosen.amount;
  if (amount != 0 && amountScore[0] > 0) chosen.passedOver = layout.amountCandidates[0];
  int alternatives = 1;
  for (int i = 0; i < kCount; ++i) {
    if (i == amount || layout.amountCandidates[i] < 0 || differs[i][amount] == 0 ||
        amountScore[i] != amountScore[amount]) {
      continue;
    }
    chosen.amounts[alternatives++] = layout.amountCandidates[i];
    // A gross and a net amount that differ by no fee column's fee compete
    // as two amounts do.
    const bool net = layout.amountRanks[i] == StatementLayout::kNetAmountRank;
    const bool unreconciled =
        net != (layout.amountRanks[amount] == StatementLayout::kNetAmountRank) &&
        layout.Column(ColumnRole::kFee) < 0;
    if (chosen.tiedAmount < 0 &&
        (layout.amountRanks[i] == layout.amountRanks[amount] || unreconciled)) {
      chosen.tiedAmount = layout.amountCandidates[i];
      chosen.tieLine = differs[i][amount];
    }
  }
  return chosen;
}

// The first currency code of the account's currency column, "" for none.
std::string AccountCurrencyOfRows(std::string_view text, const StatementLayout& layout) {
  const int column = layout.Column(ColumnRole::kAccountCurrency);
  if (column < 0) return std::string();
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    std::string code = CurrencyCode(reader.Field(column));
    if (code.size() == 3) return code;
  }
  return std::string();
}

// The currency most of the items carry, in their currency column or after
// their amount; CZK for none. Items that name none count for CZK: one "1.50
// EUR" among amounts of no currency is no euro account.
std::string MostItemsCurrency(std::string_view text, const StatementLayout& layout,
                              int amountColumn, int dateColumn, bool* named) {
  std::map<std::string, int> counts;
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    if (!IsItemRow(reader, layout, amountColumn, dateColumn)) continue;
    std::string code = CurrencyCode(reader.Field(layout.Column(ColumnRole::kCurrency)));
    if (code.empty()) {
      code = ReadAmount(reader.Field(amountColumn), AmountRules::kBankExport, '.').currency;
    }
    if (named != nullptr && !code.empty()) *named = true;
    ++counts[std::string(CurrencyOrKoruna(code))];
  }
  std::string most(kKorunaCode);
  int best = 0;
  for (const auto& [code, count] : counts) {
    if (count > best) most = code, best = count;
  }
  return most;
}

// The decimal mark the file's amounts show: 0 where they show none or both.
// Only the amounts of rows that are items decide: a row without a date, a
// total, a pending row or one of no amount is left out, and what it writes
// must not turn "-2.500" of an item into -2.50. A text that is no amount
// proves nothing either.
char FileDecimalMark(std::string_view text, const StatementLayout& layout, int amountColumn,
                     int dateColumn) {
  bool comma = false, point = false;
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    if (!IsItemRow(reader, layout, amountColumn, dateColumn)) continue;
    for (int column :
         {amountColumn, layout.Column(ColumnRole::kFee), layout.Column(ColumnRole::kBalance),
          layout.Column(ColumnRole::kCreditAmount), layout.Column(ColumnRole::kDebitAmount)}) {
      const AmountReading amount = ReadAmount(reader.Field(column), AmountRules::kBankExport);
      const char mark = amount.status == AmountStatus::kRead ? amount.decimalMark : 0;
      comma = comma || mark == ',';
      point = point || mark == '.';
    }
  }
  return comma == point ? 0 : comma ? ',' : '.';
}

// Whether N/N/YYYY dates are month first: what the file's dates prove,
// else the layout's order, which a file of no known bank names once.
DateOrder FileDateOrder(std::string_view text, const StatementLayout& layout, int dateColumn) {
  bool dayFirst = false, monthFirst = false, ambiguous = false;
  CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  while (reader.Next()) {
    const DateOrderHint hint = SlashDateOrder(reader.Field(dateColumn));
    dayFirst = dayFirst || hint == DateOrderHint::kDayFirst;
    monthFirst = monthFirst || hint == DateOrderHint::kMonthFirst;
    ItemDate a, b;
    const std::string_view date = reader.Field(dateColumn);
    ambiguous = ambiguous || (ReadLayoutDate(date, layout.rules, &a, false) &&
                              ReadLayoutDate(date, layout.rules, &b, true) &&
                              (a.day != b.day || a.month != b.month));
  }
  DateOrder order;
  order.monthFirst = dayFirst == monthFirst ? layout.rules.monthFirstDates : monthFirst;
  order.guessed = ambiguous && dayFirst == monthFirst &&
                  (!layout.known || layout.rules.dateOrderUnknown || dayFirst);
  return order;
}

}  // namespace tarvolo
