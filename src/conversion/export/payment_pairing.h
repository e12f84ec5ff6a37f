#ifndef TARVOLO_CONVERSION_EXPORT_PAYMENT_PAIRING_H_
#define TARVOLO_CONVERSION_EXPORT_PAYMENT_PAIRING_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/statement/statement.h"
#include "conversion/values/log_line.h"

namespace tarvolo {

// How an item stands for an accounting program that pairs incoming payments
// with their invoices by variable symbol and amount.
enum class PairingStatus {
  kDebit,              // money that went out: not paired by this
  kSymbol,             // a credit with a variable symbol to pair by
  kFilledFromMessage,  // the one symbol of its message went into its field
  kOnlyInMessage,      // the field is empty, its message holds one symbol
  kAmbiguous,          // the field is empty, its message holds several
  kUnusableSymbol,     // the field holds what no invoice number is
  kNoSymbol,           // neither the field nor the message holds one
};

// Whether the accounting program pairs a credit of this status by itself.
constexpr bool IsPairable(PairingStatus status) {
  return status == PairingStatus::kSymbol || status == PairingStatus::kFilledFromMessage;
}

struct ItemPairing {
  PairingStatus status = PairingStatus::kDebit;
  std::string symbol;  // the one it is paired by, or that its message holds
  std::string reason;  // in Czech, for the log and the report
};

// How `item` stands as the file gives it; with `fillFromMessage`, a symbol
// its message holds alone counts as moved into its empty field.
ItemPairing PairingOf(const StatementItem& item, bool fillFromMessage);

// An item of a statement as the pairing summary and the report show it: its
// own copies of the texts, since an item's views live only for one call.
struct PairedItem {
  std::string file;  // as the log names it
  int32_t line = 0;
  int32_t day = 0, month = 0, year = 0;
  int64_t amount = 0;  // whole hellers, below zero for a debit
  std::string counterName, description;
  std::string variableSymbol, constantSymbol, specificSymbol;  // as written
  bool fee = false;
  ItemPairing pairing;
};

// The pairing of one statement's items, kept as the run takes them: the
// items of a reading being tried stay apart until it is chosen.
class PaymentPairing {
 public:
  // With `fillFromMessage`, an empty variable symbol takes the one its
  // message holds; with `everyItem`, every item is kept for the report,
  // otherwise only the credits the log lists.
  void Configure(bool fillFromMessage, bool everyItem);
  // The items that follow are read from the file `shown`.
  void Try(const std::string& shown);
  // Takes `item`; returns it as the outputs get it: with its variable
  // symbol filled where that was asked for, valid until the next call.
  const StatementItem& Add(const StatementItem& item);
  void Confirm();
  void TakeBack();

  // Names each symbol moved by the reading of the file `shown` just
  // confirmed, beside the file's other lines.
  void LogMoves(const std::string& shown, const LogLine& log);
  // Logs the summary of the statement of `account` in `currency` and the
  // credits that cannot be paired as they stand.
  void Log(const std::string& account, const std::string& currency, const LogLine& log) const;

  // The items kept, in the order of the statement.
  const std::vector<PairedItem>& Items() const { return confirmed_; }
  // The credits of the statement by their status.
  int32_t CountOf(PairingStatus status) const;

 private:
  bool fillFromMessage_ = false;
  bool everyItem_ = false;
  std::string file_;
  std::vector<PairedItem> pending_, confirmed_;
  // A symbol moved from a message: the item's line, the symbol, the message.
  struct Move {
    int32_t line = 0;
    std::string symbol, message;
  };
  std::vector<Move> pendingMoves_, moves_;
  std::vector<int32_t> pendingCounts_, counts_;
  StatementItem given_;
  // Unpaired credits kept for the log, of the statement and of the reading
  // being tried.
  size_t keptUnpaired_ = 0, pendingUnpaired_ = 0;
};

// The unpaired credits the log lists for a statement; the rest are counted.
constexpr size_t kListedUnpaired = 20;

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_PAYMENT_PAIRING_H_
