#include "conversion/reading/balances/balance_proof.h"

#include <algorithm>

#include "conversion/reading/balances/hold_pairs.h"
#include "conversion/reading/balances/stated_balances.h"
#include "conversion/reading/layouts/file_self_description.h"
#include "conversion/reading/layouts/own_balances.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// Rows named one by one where their balances do not add up; a file whose
// balances fail on more says how many.
constexpr size_t kNamedRows = 10;

bool WithinLimit(int64_t hellers) { return hellers <= kHellerLimit && hellers >= -kHellerLimit; }

bool Later(const ItemDate& a, const ItemDate& b) {
  if (a.year != b.year) return a.year > b.year;
  if (a.month != b.month) return a.month > b.month;
  return a.day > b.day;
}

// A column that names which of the customer's accounts or pockets at a
// payment service the row is of (Revolut's "Account" and "Product"), each
// with a balance of its own: -1 for none. Only the layout's documentation
// or the balances themselves make a column one: a "Produkt" may name what
// was sold.
int PocketColumn(std::string_view text, const StatementLayout& layout) {
  const int product = layout.Column(ColumnRole::kProduct);
  if (product >= 0) {
    return layout.known || KeepsOwnBalances(text, layout, product) ? product : -1;
  }
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
    if (!taken && (layout.known || KeepsOwnBalances(text, layout, static_cast<int>(i)))) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// How the layout reads its rows where no balance proves otherwise, with the
// columns the data choose.
RowConventions LayoutConventions(std::string_view text, const StatementLayout& layout) {
  RowConventions conventions;
  conventions.columns = ChooseColumns(text, layout);
  conventions.fee = layout.rules.feeIsEffect ? FeeConvention::kEffect : FeeConvention::kCharge;
  conventions.newestFirst = layout.rules.newestFirst;
  conventions.accountColumn = OwnAccountColumn(text, layout, std::string());
  if (conventions.accountColumn < 0) conventions.accountColumn = PocketColumn(text, layout);
  return conventions;
}

// What a row moves the balance by, read by `convention`.
template <typename Convention>
int64_t Moved(const ProofRow& row, const Convention& convention) {
  int64_t moved = row.amounts[convention.amount];
  if (convention.fee == FeeConvention::kCharge) moved -= row.fee;
  if (convention.fee == FeeConvention::kEffect) moved += row.fee;
  // The amount read takes every debit as paid.
  const int64_t paid = row.debit < 0 ? -row.debit : row.debit;
  if (convention.debits == DebitConvention::kPositive) moved += paid - row.debit;
  if (convention.debits == DebitConvention::kMinus) moved += paid + row.debit;
  return moved;
}

// The opening balance the lines before the header state (mBank's
// "#Počáteční zůstatek:"): the balance before the file's first row.
bool PreambleOpening(std::string_view text, const StatementLayout& layout, int64_t* opening) {
  BalanceCheck lines;
  CsvRecordReader preamble(text, layout.separator);
  while (preamble.Next() && preamble.lineNumber() < layout.headerLine) {
    lines.ReadBalanceLine(preamble.fields());
  }
  *opening = lines.LineBalances().opening;
  return lines.LineBalances().hasOpening;
}

constexpr FeeConvention kFeeConventions[] = {FeeConvention::kCharge, FeeConvention::kEffect,
                                             FeeConvention::kWithinAmount};
constexpr DebitConvention kDebitConventions[] = {
    DebitConvention::kEitherSign, DebitConvention::kPositive, DebitConvention::kMinus};

}  // namespace

BalanceProof::BalanceProof(std::string_view text, const StatementLayout& layout)
    : conventions_(LayoutConventions(text, layout)),
      ownAmount_(conventions_.columns.amount),
      feeUnconfirmed_(!layout.known || layout.rules.feeSignUnknown),
      balanceColumn_(layout.Column(ColumnRole::kBalance) >= 0) {
  while (alternatives_ < StatementLayout::kCandidates &&
         conventions_.columns.amounts[alternatives_] >= 0) {
    ++alternatives_;
  }
  for (int a = 0; a < alternatives_; ++a) {
    for (int i = 0; i < StatementLayout::kCandidates; ++i) {
      if (layout.amountCandidates[i] == conventions_.columns.amounts[a] &&
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
  openingStated_ = PreambleOpening(text, layout, &opening_);
  ProofRows rows;
  CollectProofRows(text, layout, conventions_.columns, alternatives_, conventions_.accountColumn,
                   names_, &rows);
  signs_ = rows.signs;
  Settle(rows);
}

// The rows of each chain in the order the convention takes, each row's
// balance against the one before it and what the rows since have moved.
int BalanceProof::Failures(const ProofRows& proof, const Convention& convention,
                           std::vector<Mismatch>* mismatches, std::vector<int8_t>* counted) const {
  const std::vector<ProofRow>& rows = proof.rows;
  struct Chain {
    bool started = false;
    int64_t balance = 0;
    int64_t moved = 0;
    // A row whose balance did not follow, kept until the next one shows
    // whether the two were only listed the other way round (a payment
    // started first and completed second).
    bool holding = false;
    Mismatch held = {};
    // What the rows up to the last balance moved since the one before it.
    int64_t lastStep = 0;
  };
  std::vector<Chain> chains(proof.chains);
  // The first row of a file of one account and currency follows from the
  // balance the file states before it; of several, no stated balance is
  // each one's.
  if (openingStated_ && chains.size() == 1) {
    chains.front().started = true;
    chains.front().balance = opening_;
  }
  int failures = 0;
  const auto fail = [&failures, mismatches](const Mismatch& mismatch) {
    ++failures;
    if (mismatches != nullptr) mismatches->push_back(mismatch);
  };
  const size_t count = rows.size();
  for (size_t n = 0; n < count; ++n) {
    const size_t index = convention.newestFirst ? count - 1 - n : n;
    const ProofRow& row = rows[index];
    Chain& chain = chains[row.chain];
    if (row.open != OpenBooking::kNone) {
      // Counted where the balance after it moved by its amount, not where
      // it stayed; a row that shows neither is left to its state.
      int8_t decided = -1;
      if (row.read[convention.amount] && row.hasBalance && chain.started) {
        const int64_t before = chain.balance + chain.moved;
        if (before + Moved(row, convention) == row.balance) {
          decided = 1;
        } else if (before == row.balance) {
          decided = 0;
        }
      }
      if (counted != nullptr) (*counted)[index] = decided;
      if (decided != 1) continue;
    }
    // A row whose amount does not read under this way is named when it is
    // read for its item; its balance, unproven, starts the chain anew, so
    // that one damaged amount does not choose another way for the file.
    if (!row.read[convention.amount]) {
      if (chain.holding) fail(chain.held);
      chain.holding = false;
      chain.started = row.hasBalance;
      chain.balance = row.balance;
      chain.moved = 0;
      chain.lastStep = 0;
      continue;
    }
    const int64_t moved = Moved(row, convention);
    if (chain.holding) {
      chain.holding = false;
      const Mismatch& held = chain.held;
      // A row that repeats the one before it, its amount and its balance,
      // is the same row written twice: were the next row's amount to undo
      // it, the two would read as listed the other way round, and the row
      // would be booked twice in silence.
      const bool repeat = held.balance == held.before && held.moved == chain.lastStep;
      if (row.hasBalance && !repeat && held.before + moved == row.balance &&
          row.balance + held.moved == held.balance) {
        chain.moved = 0;
        chain.lastStep = held.moved;
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
    const int64_t step = chain.moved + moved;
    if (chain.started && chain.balance + step != row.balance) {
      chain.held = {row.line, chain.balance, step, row.balance};
      chain.holding = true;
    } else {
      chain.lastStep = step;
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
void BalanceProof::FindContradictions(const std::vector<ProofRow>& rows, int taken) {
  for (int a = 0; a < alternatives_; ++a) {
    if (a == taken) continue;
    const bool net = ((netColumns_ >> a | netColumns_ >> taken) & 1) != 0;
    size_t agree = 0;
    std::vector<int> lines;
    for (const ProofRow& row : rows) {
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
    for (int line : lines)
      contradictions_.push_back({line, conventions_.columns.amounts[a] + 1, names_[a]});
  }
  std::sort(contradictions_.begin(), contradictions_.end(),
            [](const Contradiction& x, const Contradiction& y) { return x.line < y.line; });
}

// The way of reading under which the fewest rows fail, the layout's own
// among equals; a choice is proven where every other one fails on more.
void BalanceProof::Settle(ProofRows& proof) {
  const std::vector<ProofRow>& rows = proof.rows;
  Convention own;
  const bool fees = signs_.feesPositive > 0 || signs_.feesNegative > 0;
  // A fee column of no documented sign whose every fee is written with one
  // sign writes charges so: a file of refunds alone is none.
  if (feeUnconfirmed_ && (signs_.feesNegative == 0) != (signs_.feesPositive == 0)) {
    conventions_.fee = signs_.feesNegative > 0 ? FeeConvention::kEffect : FeeConvention::kCharge;
  }
  // The net column shows each row's fee sign, the first row's too, which
  // has no balance before it.
  const bool netProves = (signs_.netShowsEffect > 0) != (signs_.netShowsCharge > 0);
  const FeeConvention netFee =
      signs_.netShowsEffect > 0 ? FeeConvention::kEffect : FeeConvention::kCharge;
  if (netProves) conventions_.fee = netFee;
  proven_.feeSign = netProves;
  own.fee = conventions_.fee;
  // The dates tell the order, where the first and the last differ.
  const ProofRow* first = nullptr;
  const ProofRow* last = nullptr;
  for (const ProofRow& row : rows) {
    if (!row.hasBalance) continue;
    if (first == nullptr) first = &row;
    last = &row;
  }
  own.newestFirst = conventions_.newestFirst;
  if (first != nullptr && Later(first->date, last->date)) own.newestFirst = true;
  if (first != nullptr && Later(last->date, first->date)) own.newestFirst = false;
  conventions_.newestFirst = own.newestFirst;
  // A lone balance proves a step only from the one the file opens with.
  if (first == nullptr || (first == last && !openingStated_)) return;

  struct Weighed {
    Convention convention;
    int failures;
  };
  std::vector<Weighed> all;
  Weighed best = {own, Failures(proof, own, nullptr)};
  int bestCost = best.failures * 16;
  const bool mixedDebits = signs_.debitsPositive > 0 && signs_.debitsNegative > 0;
  for (int a = 0; a < alternatives_; ++a) {
    for (const FeeConvention fee : kFeeConventions) {
      // Without a fee every reading of fees is the same, and so of debits
      // all written with one sign.
      if (!fees && fee != own.fee) continue;
      for (const DebitConvention debits : kDebitConventions) {
        if (!mixedDebits && debits != own.debits) continue;
        for (const bool newestFirst : {false, true}) {
          const Convention convention = {a, fee, debits, newestFirst};
          const int failures = Failures(proof, convention, nullptr);
          all.push_back({convention, failures});
          const int cost = failures * 16 + (a != own.amount) * 8 + (fee != own.fee) * 4 +
                           (debits != own.debits) * 2 + (newestFirst != own.newestFirst);
          if (cost < bestCost) best = all.back(), bestCost = cost;
        }
      }
    }
  }
  proven_.amount = proven_.fee = proven_.feeSign = proven_.debits = conventions_.orderProven = true;
  for (const Weighed& other : all) {
    if (other.failures > best.failures) continue;
    const Convention& c = other.convention;
    if (c.amount != best.convention.amount) proven_.amount = false;
    if (c.fee != best.convention.fee) proven_.fee = false;
    // A net amount column that holds the fee moves the balance as the gross
    // one and the fee of the sign taken do; the same column without the fee
    // would leave the sign unproven.
    if (c.fee != best.convention.fee &&
        (c.fee != FeeConvention::kWithinAmount || c.amount == best.convention.amount)) {
      proven_.feeSign = false;
    }
    if (c.debits != best.convention.debits) proven_.debits = false;
    if (c.newestFirst != best.convention.newestFirst) conventions_.orderProven = false;
  }
  // A fee within the amount is taken only where the balances prove it, or
  // where the column taken is one the rows show to hold the fee already.
  if (best.convention.fee == FeeConvention::kWithinAmount && !proven_.fee) {
    best.convention.fee = own.fee;
  }
  if ((netColumns_ >> best.convention.amount & 1) != 0) {
    best.convention.fee = FeeConvention::kWithinAmount;
    proven_.fee = true;
  }
  const Convention& taken = best.convention;
  if (netProves && taken.fee == netFee) proven_.feeSign = true;
  DecideOpenRows(proof, taken);
  FindContradictions(rows, taken.amount);
  if (taken.amount != 0) {
    std::swap(conventions_.columns.amounts[0], conventions_.columns.amounts[taken.amount]);
    std::swap(names_[0], names_[taken.amount]);
    conventions_.columns.amount = conventions_.columns.amounts[0];
  }
  conventions_.fee = taken.fee;
  conventions_.debits = taken.debits;
  conventions_.newestFirst = taken.newestFirst;
  Failures(proof, taken, &mismatches_);
  std::sort(mismatches_.begin(), mismatches_.end(),
            [](const Mismatch& a, const Mismatch& b) { return a.line < b.line; });
}

// The balance decides each open row the way the file is read; a hold and
// its release then go together, booked where the balance counts either.
// Rows left out leave the proof, and rows booked stay in it as any other:
// one the balance does not follow is named.
void BalanceProof::DecideOpenRows(ProofRows& proof, const Convention& convention) {
  std::vector<ProofRow>& rows = proof.rows;
  std::vector<int8_t> counted(rows.size(), -1);
  Failures(proof, convention, nullptr, &counted);
  const std::vector<int> pairs = PairHolds(proof, convention.amount, convention.newestFirst);
  std::vector<bool> alone(rows.size(), false);
  for (size_t k = 0; k < pairs.size(); ++k) {
    const size_t row = proof.holds[k].row;
    if (pairs[k] < 0) {
      alone[row] = true;
      continue;
    }
    int8_t& own = counted[row];
    int8_t& other = counted[proof.holds[static_cast<size_t>(pairs[k])].row];
    const int8_t both = own == 1 || other == 1 ? 1 : own == 0 || other == 0 ? 0 : -1;
    own = other = both;
  }
  size_t kept = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].open != OpenBooking::kNone) {
      if (counted[i] >= 0) {
        verdicts_.push_back({.line = rows[i].line,
                             .open = rows[i].open,
                             .counted = counted[i] == 1,
                             .alone = alone[i]});
      }
      if (counted[i] != 1) continue;
      rows[i].open = OpenBooking::kNone;
    }
    rows[kept++] = rows[i];
  }
  rows.resize(kept);
  proof.holds.clear();
  std::sort(verdicts_.begin(), verdicts_.end(),
            [](const BalanceVerdict& a, const BalanceVerdict& b) { return a.line < b.line; });
}

const BalanceVerdict* BalanceProof::VerdictOf(int line) const {
  const auto found = std::lower_bound(
      verdicts_.begin(), verdicts_.end(), line,
      [](const BalanceVerdict& verdict, int wanted) { return verdict.line < wanted; });
  return found != verdicts_.end() && found->line == line ? &*found : nullptr;
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
  for (size_t i = 0; i < contradictions_.size() && i < kNamedRows; ++i) {
    const Contradiction& c = contradictions_[i];
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s, řádek %d: částky ve sloupcích %d (%s) a %d (%s) si odporují, "
                 "zapsána částka ze sloupce %d\n",
                 {path, c.line, c.column, c.name, conventions_.columns.amounts[0] + 1, names_[0],
                  conventions_.columns.amounts[0] + 1});
  }
  if (conventions_.columns.amount != ownAmount_) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: částky převzaty ze sloupce %d (%s), jak dokládá zůstatek\n",
                 {path, conventions_.columns.amount + 1, names_[0]});
  }
  if (conventions_.fee == FeeConvention::kWithinAmount) {
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s: poplatky jsou podle zůstatků již v částkách, samostatně nezapsány\n",
                 {path});
  }
  if (signs_.debitsPositive > 0 && signs_.debitsNegative > 0 && !proven_.debits) {
    LogFormatted(log, LogKind::kItemWarning,
                 "Soubor %s: sloupec výdajů uvádí částky se znaménkem minus i bez něj a zůstatek "
                 "je neověří; všechny čteny jako výdaje\n",
                 {path});
  }
  // A sign the bank documents is no guess, yet a reader of the log is told
  // which one no balance confirmed.
  if (!proven_.feeSign && (signs_.feesPositive > 0 || signs_.feesNegative > 0) &&
      (feeUnconfirmed_ || balanceColumn_)) {
    LogFormatted(log, feeUnconfirmed_ ? LogKind::kItemWarning : LogKind::kInformation,
                 conventions_.fee == FeeConvention::kEffect
                     ? "Soubor %s: znaménko poplatků neověří žádný zůstatek; poplatek se "
                       "znaménkem minus čten jako účtovaný, kladný jako vrácený\n"
                     : "Soubor %s: znaménko poplatků neověří žádný zůstatek; kladný poplatek "
                       "čten jako účtovaný, záporný jako vrácený\n",
                 {path});
  }
}

}  // namespace tarvolo
