#include "conversion/reading/balances/balance_proof.h"

#include <algorithm>
#include <deque>
#include <map>

#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/file_self_description.h"
#include "conversion/reading/layouts/reading_report.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/layouts/row_values.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// Rows named one by one where their balances do not add up; a file whose
// balances fail on more says how many.
constexpr size_t kNamedRows = 10;

// The longest column name a warning shows.
constexpr size_t kShownName = 40;

bool WithinLimit(int64_t hellers) { return hellers <= kHellerLimit && hellers >= -kHellerLimit; }

bool Later(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year > b.year;
  if (a.month != b.month) return a.month > b.month;
  return a.day > b.day;
}

// A column that names which of the customer's accounts or pockets at a
// payment service the row is of (Revolut's "Account" and "Product"), each
// with a balance of its own: -1 for none.
int PocketColumn(std::string_view text, const StatementLayout& layout) {
  const int product = layout.Column(ColumnRole::kProduct);
  if (product >= 0) return product;
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  const std::vector<std::string_view>& names = header.fields();
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string name = NormaliseColumnName(names[i]);
    if (name != "account" && name != "product" && name != "produkt" && name != "prodotto") {
      continue;
    }
    bool taken = false;
    for (int role = 0; role < kColumnRoleCount; ++role) {
      taken = taken || layout.column[role] == static_cast<int>(i);
    }
    if (!taken) return static_cast<int>(i);
  }
  return -1;
}

constexpr FeeConvention kFeeConventions[] = {FeeConvention::kCharge, FeeConvention::kEffect,
                                             FeeConvention::kWithinAmount};
constexpr DebitConvention kDebitConventions[] = {
    DebitConvention::kEitherSign, DebitConvention::kPositive, DebitConvention::kMinus};

}  // namespace

// A booked row as each way of reading it sees it.
struct BalanceProof::Row {
  int line = 0;
  int chain = 0;  // its own account and currency
  int64_t amounts[StatementLayout::kCandidates] = {};
  bool read[StatementLayout::kCandidates] = {};
  int64_t fee = 0;    // as written
  int64_t debit = 0;  // as written, beside a credit column
  bool hasBalance = false;
  int64_t balance = 0;
  ItemDate date;
};

BalanceProof::BalanceProof(std::string_view text, const StatementLayout& layout)
    : columns_(ChooseColumns(text, layout)),
      ownAmount_(columns_.amount),
      fee_(layout.rules.feeIsEffect ? FeeConvention::kEffect : FeeConvention::kCharge),
      newestFirst_(layout.rules.newestFirst),
      feeUnconfirmed_(!layout.known || layout.rules.feeSignUnknown),
      balanceColumn_(layout.Column(ColumnRole::kBalance) >= 0) {
  accountColumn_ = OwnAccountColumn(text, layout, std::string());
  if (accountColumn_ < 0) accountColumn_ = PocketColumn(text, layout);
  while (alternatives_ < StatementLayout::kCandidates && columns_.amounts[alternatives_] >= 0) {
    ++alternatives_;
  }
  for (int a = 0; a < alternatives_; ++a) {
    for (int i = 0; i < StatementLayout::kCandidates; ++i) {
      if (layout.amountCandidates[i] == columns_.amounts[a] &&
          layout.amountRanks[i] == StatementLayout::kNetAmountRank) {
        netColumns_ |= 1u << a;
      }
    }
  }
  // Most files state no balance after each row and have one amount column;
  // a fee beside it is of a sign their bank documents: nothing is left to
  // prove.
  if (layout.Column(ColumnRole::kBalance) < 0 && alternatives_ == 1 &&
      layout.Column(ColumnRole::kDebitAmount) < 0 &&
      (layout.Column(ColumnRole::kFee) < 0 || !feeUnconfirmed_)) {
    return;
  }
  std::vector<Row> rows;
  Collect(text, layout, &rows);
  Settle(rows);
}

// Reads every booked row that has a date, once for each amount column that
// may be the one.
void BalanceProof::Collect(std::string_view text, const StatementLayout& layout,
                           std::vector<Row>* rows) {
  // The rows are read here only to be weighed: what they would log is said
  // when they are read for their items.
  const std::string path;
  const LogLine quiet = [](LogKind, const char*) {};
  BalanceCheck labels;
  LayoutReport report(path, quiet);
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  std::deque<LayoutRow> readers;
  for (int a = 0; a < alternatives_; ++a) {
    ChosenColumns columns = columns_;
    columns.amount = columns_.amounts[a];
    readers.emplace_back(text, layout, columns, &labels, &report);
    readers.back().ReadHeader(header.fields());
    std::string shown;
    names_[a] = OneLine(header.Field(columns.amount), kShownName, shown);
  }
  std::map<std::string, int> chains;
  std::string key;
  // Most rows share their state, their account and their currency with
  // the row before: each is looked up once for a run of them.
  std::string state, impact, lastKey;
  bool booked = true;
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
    }
    if (!booked) continue;
    Row row;
    row.line = record.lineNumber();
    if (!first.Date(&row.date)) continue;
    if (DatedRowStatesBalance(first.Texts(), first.Column(first.amountColumn()),
                              first.Field(ColumnRole::kBalance), &labels)) {
      continue;
    }
    bool any = false;
    AmountReading amount;
    for (int a = alternatives_ - 1; a >= 0; --a) {
      if (a > 0) readers[a].Start(record);
      std::string_view shown;
      row.read[a] = readers[a].Amount(&amount, &shown) == AmountStatus::kRead &&
                    readers[a].ApplyDirection(&amount, shown) && WithinLimit(amount.hellers);
      row.amounts[a] = amount.hellers;
      any = any || row.read[a];
    }
    if (!any) continue;
    std::string code;
    first.OtherCurrency(std::string(), amount, &code);
    AmountReading debit;
    if (columns_.amount < 0 &&
        first.Value(ColumnRole::kDebitAmount, &debit) == AmountStatus::kRead &&
        WithinLimit(debit.hellers)) {
      row.debit = debit.hellers;
      if (row.debit > 0) ++debitsPositive_;
      if (row.debit < 0) ++debitsNegative_;
    }
    AmountReading fee;
    if (!first.incoming() && first.Fee(&fee) == AmountStatus::kRead && WithinLimit(fee.hellers)) {
      const std::string feeCode = first.FeeCurrency(fee);
      // A fee in another currency is no part of this balance.
      if (feeCode.empty() || code.empty() || feeCode == code) row.fee = fee.hellers;
      if (row.fee > 0) ++feesPositive_;
      if (row.fee < 0) ++feesNegative_;
    }
    // A net column beside the gross one (the likeliest name) differs from
    // it by the fee's effect.
    for (int a = 1; a < alternatives_ && row.fee != 0; ++a) {
      if (!row.read[0] || !row.read[a]) continue;
      if (row.amounts[a] - row.amounts[0] == row.fee) ++netShowsEffect_;
      if (row.amounts[a] - row.amounts[0] == -row.fee) ++netShowsCharge_;
    }
    const std::string_view balance = first.Field(ColumnRole::kBalance);
    if (!balance.empty()) {
      AmountReading stated = ReadAmount(balance, AmountRules::kBankExport, mark);
      if (stated.status == AmountStatus::kAmbiguous && !markKnown) {
        markKnown = true;
        mark = FileDecimalMark(text, layout, columns_.amount, columns_.date);
        stated = ReadAmount(balance, AmountRules::kBankExport, mark);
      }
      row.hasBalance = stated.status == AmountStatus::kRead && WithinLimit(stated.hellers);
      row.balance = stated.hellers;
    }
    key.assign(first.Column(accountColumn_));
    key += '\n';
    key += code;
    if (key != lastKey || chains.empty()) {
      chain = chains.emplace(key, static_cast<int>(chains.size())).first->second;
      lastKey = key;
    }
    row.chain = chain;
    rows->push_back(row);
  }
  chains_ = static_cast<int>(chains.size());
}

// The rows of each chain in the order the convention takes, each row's
// balance against the one before it and what the rows since have moved.
int BalanceProof::Failures(const std::vector<Row>& rows, const Convention& convention,
                           std::vector<Mismatch>* mismatches) const {
  struct Chain {
    bool started = false;
    int64_t balance = 0;
    int64_t moved = 0;
    // A row whose balance did not follow, kept until the next one shows
    // whether the two were only listed the other way round (a payment
    // started first and completed second).
    bool holding = false;
    Mismatch held = {};
  };
  std::vector<Chain> chains(chains_);
  int failures = 0;
  const auto fail = [&failures, mismatches](const Mismatch& mismatch) {
    ++failures;
    if (mismatches != nullptr) mismatches->push_back(mismatch);
  };
  const size_t count = rows.size();
  for (size_t n = 0; n < count; ++n) {
    const Row& row = rows[convention.newestFirst ? count - 1 - n : n];
    Chain& chain = chains[row.chain];
    // A row whose amount does not read under this way is named when it is
    // read for its item; its balance, unproven, starts the chain anew, so
    // that one damaged amount does not choose another way for the file.
    if (!row.read[convention.amount]) {
      if (chain.holding) fail(chain.held);
      chain.holding = false;
      chain.started = row.hasBalance;
      chain.balance = row.balance;
      chain.moved = 0;
      continue;
    }
    int64_t moved = 0;
    {
      moved = row.amounts[convention.amount];
      if (convention.fee == FeeConvention::kCharge) moved -= row.fee;
      if (convention.fee == FeeConvention::kEffect) moved += row.fee;
      // The amount read takes every debit as paid.
      const int64_t paid = row.debit < 0 ? -row.debit : row.debit;
      if (convention.debits == DebitConvention::kPositive) moved += paid - row.debit;
      if (convention.debits == DebitConvention::kMinus) moved += paid + row.debit;
    }
    if (chain.holding) {
      chain.holding = false;
      const Mismatch& held = chain.held;
      if (row.hasBalance && held.before + moved == row.balance &&
          row.balance + held.moved == held.balance) {
        chain.moved = 0;
        continue;
      }
      fail(held);
    }
    if (!row.hasBalance) {
      chain.moved += moved;
      // Beyond the limit no balance follows.
      if (!WithinLimit(chain.moved)) chain.started = false, chain.moved = 0;
      continue;
    }
    if (chain.started && chain.balance + chain.moved + moved != row.balance) {
      chain.held = {row.line, chain.balance, chain.moved + moved, row.balance};
      chain.holding = true;
    }
    chain.started = true;
    chain.balance = row.balance;
    chain.moved = 0;
  }
  for (const Chain& chain : chains) {
    if (chain.holding) fail(chain.held);
  }
  return failures;
}

// Two amount columns that the rows show to hold one amount (equal, or a
// gross and a net one that differ by the fee) contradict each other on a
// row where they do not: a value damaged, or a net one read where its gross
// one does not. Columns that differ as a rule hold other things.
void BalanceProof::FindContradictions(const std::vector<Row>& rows, int taken) {
  for (int a = 0; a < alternatives_; ++a) {
    if (a == taken) continue;
    const bool net = ((netColumns_ >> a | netColumns_ >> taken) & 1) != 0;
    size_t agree = 0;
    std::vector<int> lines;
    for (const Row& row : rows) {
      if (row.read[a] && row.read[taken]) {
        const int64_t difference = row.amounts[a] - row.amounts[taken];
        if (difference == 0 || difference == row.fee || difference == -row.fee) {
          ++agree;
        } else {
          lines.push_back(row.line);
        }
      } else if (net && row.read[a] != row.read[taken]) {
        lines.push_back(row.line);
      }
    }
    if (lines.empty() || (!net && agree <= 2 * lines.size())) continue;
    for (int line : lines) contradictions_.push_back({line, columns_.amounts[a] + 1, names_[a]});
  }
  std::sort(contradictions_.begin(), contradictions_.end(),
            [](const Contradiction& x, const Contradiction& y) { return x.line < y.line; });
}

// The way of reading under which the fewest rows fail, the layout's own
// among equals; a choice is proven where every other one fails on more.
void BalanceProof::Settle(const std::vector<Row>& rows) {
  Convention own;
  const bool fees = feesPositive_ > 0 || feesNegative_ > 0;
  // A fee column of no documented sign whose every fee is written with one
  // sign writes charges so: a file of refunds alone is none.
  if (feeUnconfirmed_ && (feesNegative_ == 0) != (feesPositive_ == 0)) {
    fee_ = feesNegative_ > 0 ? FeeConvention::kEffect : FeeConvention::kCharge;
  }
  // The net column shows each row's fee sign, the first row's too, which
  // has no balance before it.
  const bool netProves = (netShowsEffect_ > 0) != (netShowsCharge_ > 0);
  const FeeConvention netFee =
      netShowsEffect_ > 0 ? FeeConvention::kEffect : FeeConvention::kCharge;
  if (netProves) fee_ = netFee;
  feeSignProven_ = netProves;
  own.fee = fee_;
  // The dates tell the order, where the first and the last differ.
  const Row* first = nullptr;
  const Row* last = nullptr;
  for (const Row& row : rows) {
    if (!row.hasBalance) continue;
    if (first == nullptr) first = &row;
    last = &row;
  }
  own.newestFirst = newestFirst_;
  if (first != nullptr && Later(first->date, last->date)) own.newestFirst = true;
  if (first != nullptr && Later(last->date, first->date)) own.newestFirst = false;
  newestFirst_ = own.newestFirst;
  if (first == nullptr || first == last) return;

  struct Weighed {
    Convention convention;
    int failures;
  };
  std::vector<Weighed> all;
  Weighed best = {own, Failures(rows, own, nullptr)};
  int bestCost = best.failures * 16;
  const bool mixedDebits = debitsPositive_ > 0 && debitsNegative_ > 0;
  for (int a = 0; a < alternatives_; ++a) {
    for (const FeeConvention fee : kFeeConventions) {
      // Without a fee every reading of fees is the same, and so of debits
      // all written with one sign.
      if (!fees && fee != own.fee) continue;
      for (const DebitConvention debits : kDebitConventions) {
        if (!mixedDebits && debits != own.debits) continue;
        for (const bool newestFirst : {false, true}) {
          const Convention convention = {a, fee, debits, newestFirst};
          const int failures = Failures(rows, convention, nullptr);
          all.push_back({convention, failures});
          const int cost = failures * 16 + (a != own.amount) * 8 + (fee != own.fee) * 4 +
                           (debits != own.debits) * 2 + (newestFirst != own.newestFirst);
          if (cost < bestCost) best = all.back(), bestCost = cost;
        }
      }
    }
  }
  amountProven_ = feeProven_ = feeSignProven_ = debitsProven_ = orderProven_ = true;
  for (const Weighed& other : all) {
    if (other.failures > best.failures) continue;
    const Convention& c = other.convention;
    if (c.amount != best.convention.amount) amountProven_ = false;
    if (c.fee != best.convention.fee) feeProven_ = false;
    // A net amount column that holds the fee moves the balance as the gross
    // one and the fee of the sign taken do; the same column without the fee
    // would leave the sign unproven.
    if (c.fee != best.convention.fee &&
        (c.fee != FeeConvention::kWithinAmount || c.amount == best.convention.amount)) {
      feeSignProven_ = false;
    }
    if (c.debits != best.convention.debits) debitsProven_ = false;
    if (c.newestFirst != best.convention.newestFirst) orderProven_ = false;
  }
  // A fee within the amount is taken only where the balances prove it, or
  // where the column taken is one the rows show to hold the fee already.
  if (best.convention.fee == FeeConvention::kWithinAmount && !feeProven_) {
    best.convention.fee = own.fee;
  }
  if ((netColumns_ >> best.convention.amount & 1) != 0) {
    best.convention.fee = FeeConvention::kWithinAmount;
    feeProven_ = true;
  }
  const Convention& taken = best.convention;
  if (netProves && taken.fee == netFee) feeSignProven_ = true;
  FindContradictions(rows, taken.amount);
  if (taken.amount != 0) {
    std::swap(columns_.amounts[0], columns_.amounts[taken.amount]);
    std::swap(names_[0], names_[taken.amount]);
    columns_.amount = columns_.amounts[0];
  }
  fee_ = taken.fee;
  debits_ = taken.debits;
  newestFirst_ = taken.newestFirst;
  Failures(rows, taken, &mismatches_);
  std::sort(mismatches_.begin(), mismatches_.end(),
            [](const Mismatch& a, const Mismatch& b) { return a.line < b.line; });
}

void BalanceProof::Report(const std::string& path, const LogLine& log) const {
  for (size_t i = 0; i < mismatches_.size() && i < kNamedRows; ++i) {
    const Mismatch& m = mismatches_[i];
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: předchozí zůstatek %.2f + pohyb %.2f = %.2f, ale řádek "
                 "uvádí zůstatek %.2f, rozdíl %.2f\n",
                 {path, m.line, Crowns(m.before), Crowns(m.moved), Crowns(m.before + m.moved),
                  Crowns(m.balance), Crowns(m.balance - m.before - m.moved)});
  }
  if (mismatches_.size() > kNamedRows) {
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s: se zůstatkem nesouhlasí ještě dalších %d řádků\n",
                 {path, static_cast<int32_t>(mismatches_.size() - kNamedRows)});
  }
  if (columns_.tiedAmount >= 0 && !amountProven_) {
    // The equal of the column taken: the tied one, or the one it replaced.
    const int equal = columns_.amount == columns_.tiedAmount ? ownAmount_ : columns_.tiedAmount;
    int other = 0;
    for (int a = 1; a < alternatives_; ++a) {
      if (columns_.amounts[a] == equal) other = a;
    }
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s: sloupce %d (%s) a %d (%s) uvádějí různé částky (poprvé na řádku %d) "
                 "a zůstatek mezi nimi nerozhodne; částky převzaty ze sloupce %d\n",
                 {path, columns_.amounts[0] + 1, names_[0], columns_.amounts[other] + 1,
                  names_[other], columns_.tieLine, columns_.amounts[0] + 1});
  }
  for (size_t i = 0; i < contradictions_.size() && i < kNamedRows; ++i) {
    const Contradiction& c = contradictions_[i];
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: částky ve sloupcích %d (%s) a %d (%s) si odporují, "
                 "zapsána částka ze sloupce %d\n",
                 {path, c.line, c.column, c.name, columns_.amounts[0] + 1, names_[0],
                  columns_.amounts[0] + 1});
  }
  if (columns_.amount != ownAmount_) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: částky převzaty ze sloupce %d (%s), jak dokládá zůstatek\n",
                 {path, columns_.amount + 1, names_[0]});
  }
  if (fee_ == FeeConvention::kWithinAmount) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: poplatky jsou podle zůstatků již v částkách, samostatně nezapsány\n",
                 {path});
  }
  if (debitsPositive_ > 0 && debitsNegative_ > 0 && !debitsProven_) {
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s: sloupec výdajů uvádí částky se znaménkem minus i bez něj a zůstatek "
                 "je neověří; všechny čteny jako výdaje\n",
                 {path});
  }
  // A sign the bank documents is no guess, yet a reader of the log is told
  // which one no balance confirmed.
  if (!feeSignProven_ && (feesPositive_ > 0 || feesNegative_ > 0) &&
      (feeUnconfirmed_ || balanceColumn_)) {
    LogFormatted(log, feeUnconfirmed_ ? LogKind::kItemWarning : LogKind::kInformation,
                 fee_ == FeeConvention::kEffect
                     ? "Soubor %s: znaménko poplatků neověří žádný zůstatek; poplatek se "
                       "znaménkem minus čten jako účtovaný, kladný jako vrácený\n"
                     : "Soubor %s: znaménko poplatků neověří žádný zůstatek; kladný poplatek "
                       "čten jako účtovaný, záporný jako vrácený\n",
                 {path});
  }
}

}  // namespace tarvolo
