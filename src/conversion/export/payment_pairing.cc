#include "conversion/export/payment_pairing.h"

#include <string_view>

#include "conversion/values/blanks.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/message_symbol.h"

namespace tarvolo {
namespace {

constexpr size_t kStatusCount = static_cast<size_t>(PairingStatus::kNoSymbol) + 1;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsFieldPadding(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsFieldPadding(text.back())) text.remove_suffix(1);
  return text;
}

// A symbol of 1 to 10 digits, not all zeros and unpadded, as most credits
// carry it: told without trimming it first.
bool IsPlainSymbol(std::string_view symbol) {
  // Digits a word at a time: the symbol of nearly every credit passes here.
  if (symbol.empty() || symbol.size() > kSymbolDigits || !AllDigits(symbol)) return false;
  return symbol.find_first_not_of('0') != std::string_view::npos;
}

bool IsDebit(const StatementItem& item) {
  return item.amount < 0 || (item.amount == 0 && item.amountRest < 0);
}

ItemPairing FromMessage(std::string_view message, bool fillFromMessage) {
  const MessageSymbol found = FindMessageSymbol(message);
  ItemPairing pairing;
  switch (found.kind) {
    case MessageSymbol::Kind::kFound:
      pairing.symbol = found.symbol;
      if (fillFromMessage) {
        pairing.status = PairingStatus::kFilledFromMessage;
        pairing.reason = "VS " + found.symbol + " doplněn ze zprávy";
      } else {
        pairing.status = PairingStatus::kOnlyInMessage;
        pairing.reason = "VS " + found.symbol + " je jen ve zprávě";
      }
      break;
    case MessageSymbol::Kind::kAmbiguous: {
      pairing.status = PairingStatus::kAmbiguous;
      std::string candidates;
      for (const std::string& candidate : found.candidates) {
        candidates += (candidates.empty() ? "" : ", ") + candidate;
      }
      pairing.reason = "bez VS, ve zprávě je více možných VS: " + candidates;
      break;
    }
    case MessageSymbol::Kind::kNone:
      pairing.status = PairingStatus::kNoSymbol;
      pairing.reason = found.tooLong ? "bez VS, číslo ve zprávě má víc než 10 číslic" : "bez VS";
      break;
  }
  return pairing;
}

// A text as a log line quotes it: up to its first NUL, and cut where it is
// longer than any message an item keeps.
std::string Quoted(std::string_view text, size_t limit = kMessageWidth) {
  text = text.substr(0, text.find('\0'));
  if (text.size() <= limit) return std::string(text);
  return std::string(text.substr(0, limit)) + "…";
}

}  // namespace

ItemPairing PairingOf(const StatementItem& item, bool fillFromMessage) {
  ItemPairing pairing;
  if (IsDebit(item)) {
    pairing.reason = "odchozí platba";
    return pairing;
  }
  const std::string_view symbol = Trimmed(item.variableSymbol);
  if (IsEmptySymbol(symbol)) return FromMessage(item.description, fillFromMessage);
  if (IsPairingSymbol(symbol)) {
    pairing.status = PairingStatus::kSymbol;
    pairing.symbol = std::string(symbol);
    return pairing;
  }
  pairing.status = PairingStatus::kUnusableSymbol;
  pairing.reason = "VS „" + Quoted(symbol, 2 * kSymbolDigits) + "“ není číslo o 1 až 10 číslicích";
  return pairing;
}

void PaymentPairing::Configure(bool fillFromMessage, bool everyItem) {
  fillFromMessage_ = fillFromMessage;
  everyItem_ = everyItem;
}

void PaymentPairing::Try(const std::string& shown) {
  file_ = shown;
  pending_.clear();
  pendingCounts_.assign(kStatusCount, 0);
}

const StatementItem& PaymentPairing::Add(const StatementItem& item) {
  if (pendingCounts_.empty()) pendingCounts_.assign(kStatusCount, 0);
  // Most items are debits or credits with a symbol of their own; where no
  // copy of them is kept, their status is all they leave, and the texts of
  // their pairing would cost more than the rest of the item.
  if (!everyItem_) {
    PairingStatus status = PairingStatus::kNoSymbol;
    if (IsDebit(item)) {
      status = PairingStatus::kDebit;
    } else if (IsPlainSymbol(item.variableSymbol) ||
               IsPairingSymbol(Trimmed(item.variableSymbol))) {
      status = PairingStatus::kSymbol;
    }
    if (status != PairingStatus::kNoSymbol) {
      ++pendingCounts_[static_cast<size_t>(status)];
      return item;
    }
  }
  ItemPairing pairing = PairingOf(item, fillFromMessage_);
  ++pendingCounts_[static_cast<size_t>(pairing.status)];
  const bool moved = pairing.status == PairingStatus::kFilledFromMessage;
  if (moved) {
    pendingMoves_.push_back({item.line, pairing.symbol, Quoted(item.description)});
    given_ = item;
    given_.variableSymbol = pendingMoves_.back().symbol;
  }
  const StatementItem& given = moved ? given_ : item;
  const bool unpaired = pairing.status != PairingStatus::kDebit && !IsPairable(pairing.status);
  // Beyond the credits the log lists, a count is all that is kept, so that
  // a file of a million unpaired credits costs no copy of each.
  if (!everyItem_ && (!unpaired || keptUnpaired_ + pendingUnpaired_ >= kListedUnpaired)) {
    return given;
  }
  if (unpaired) ++pendingUnpaired_;
  pending_.push_back({.file = file_,
                      .line = item.line,
                      .day = item.day,
                      .month = item.month,
                      .year = item.year,
                      .amount = item.amount,
                      .counterName = std::string(item.counterName),
                      .description = std::string(item.description),
                      .variableSymbol = std::string(item.variableSymbol),
                      .constantSymbol = std::string(item.constantSymbol),
                      .specificSymbol = std::string(item.specificSymbol),
                      .fee = item.fee,
                      .pairing = std::move(pairing)});
  return given;
}

void PaymentPairing::Confirm() {
  if (confirmed_.empty()) {
    confirmed_.swap(pending_);
  } else {
    confirmed_.insert(confirmed_.end(), std::make_move_iterator(pending_.begin()),
                      std::make_move_iterator(pending_.end()));
  }
  moves_.insert(moves_.end(), std::make_move_iterator(pendingMoves_.begin()),
                std::make_move_iterator(pendingMoves_.end()));
  pendingMoves_.clear();
  if (counts_.empty()) counts_.assign(kStatusCount, 0);
  for (size_t i = 0; i < pendingCounts_.size(); ++i) counts_[i] += pendingCounts_[i];
  pending_.clear();
  pendingCounts_.assign(kStatusCount, 0);
  keptUnpaired_ += pendingUnpaired_;
  pendingUnpaired_ = 0;
}

void PaymentPairing::TakeBack() {
  pendingUnpaired_ = 0;
  pendingMoves_.clear();
  pending_.clear();
  pendingCounts_.assign(kStatusCount, 0);
}

void PaymentPairing::LogMoves(const std::string& shown, const LogLine& log) {
  for (const Move& move : moves_) {
    LogFormatted(log, LogKind::kInformation, "Soubor %s, řádek %d: VS %s doplněn ze zprávy „%s“\n",
                 {shown, move.line, move.symbol, move.message});
  }
  moves_.clear();
}

int32_t PaymentPairing::CountOf(PairingStatus status) const {
  const size_t index = static_cast<size_t>(status);
  return index < counts_.size() ? counts_[index] : 0;
}

void PaymentPairing::Log(const std::string& account, const std::string& currency,
                         const LogLine& log) const {
  const int32_t withSymbol =
      CountOf(PairingStatus::kSymbol) + CountOf(PairingStatus::kFilledFromMessage);
  const int32_t inMessage = CountOf(PairingStatus::kOnlyInMessage);
  const int32_t without = CountOf(PairingStatus::kAmbiguous) +
                          CountOf(PairingStatus::kUnusableSymbol) +
                          CountOf(PairingStatus::kNoSymbol);
  const int32_t credits = withSymbol + inMessage + without;
  // A statement of debits alone has nothing to pair.
  if (credits == 0) return;
  if (fillFromMessage_) {
    LogFormatted(log, LogKind::kInformation,
                 "Párování příchozích plateb výpisu účtu %s v %s: %d plateb, %d s VS (z toho %d "
                 "doplněno ze zprávy), %d bez použitelného VS\n",
                 {account, currency, credits, withSymbol,
                  CountOf(PairingStatus::kFilledFromMessage), without});
  } else {
    LogFormatted(log, LogKind::kInformation,
                 "Párování příchozích plateb výpisu účtu %s v %s: %d plateb, %d s VS, %d s VS jen "
                 "ve zprávě, %d bez použitelného VS\n",
                 {account, currency, credits, withSymbol, inMessage, without});
  }
  const std::string unit = CurrencyUnit(currency);
  int32_t listed = 0;
  for (const PairedItem& item : confirmed_) {
    const PairingStatus status = item.pairing.status;
    if (status == PairingStatus::kDebit || IsPairable(status)) continue;
    if (listed == static_cast<int32_t>(kListedUnpaired)) continue;
    ++listed;
    // A payer the file does not name is left out of the line, not quoted empty.
    const std::string payer = Quoted(item.counterName);
    LogFormatted(log, LogKind::kInformation,
                 "Soubor %s, řádek %d: platbu %02d.%02d.%d %.2f %s%s%s%s, zpráva „%s“, nelze "
                 "spárovat: %s\n",
                 {item.file, item.line, item.day, item.month, item.year, Crowns(item.amount), unit,
                  payer.empty() ? "" : " od „", payer, payer.empty() ? "" : "“",
                  Quoted(item.description), item.pairing.reason});
  }
  const int32_t unlisted = inMessage + without - listed;
  if (unlisted > 0) {
    LogFormatted(log, LogKind::kInformation,
                 "Dalších %d příchozích plateb výpisu účtu %s v %s nelze spárovat\n",
                 {unlisted, account, currency});
  }
}

}  // namespace tarvolo
