#include "conversion/reading/layouts/row_kinds.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "conversion/values/blanks.h"
#include "conversion/values/digits.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// Whether a state folded as NormaliseColumnName folds it waits to be booked.
bool IsPendingName(const std::string& name) {
  for (const char* pending :
       {"pending", "held", "placed", "en attente", "ausstehend", "ceka", "processing",
        "incoming_payment_waiting", "waiting_recipient_input_to_proceed", "in bearbeitung"}) {
    if (name == pending) return true;
  }
  return false;
}

// Whether `word`, in any case, is one of `words`.
bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  for (const std::string_view candidate : words) {
    if (word.size() != candidate.size()) continue;
    bool same = true;
    for (size_t i = 0; i < word.size() && same; ++i) {
      same = (word[i] | 0x20) == candidate[i];
    }
    if (same) return true;
  }
  return false;
}

}  // namespace

bool IsEmptyRow(const std::vector<std::string_view>& fields) {
  for (std::string_view field : fields) {
    if (!field.empty()) return false;
  }
  return true;
}

bool IsTotalRow(const std::vector<std::string_view>& fields) {
  for (std::string_view field : fields) {
    if (field.empty() || field.size() > 40) continue;
    const char initial = FoldedInitial(field);
    if (initial != 's' && initial != 'c' && initial != 't' && initial != 'o') continue;
    bool likely = false;
    for (const char* word : {"suma", "celkem", "soucet", "total", "obraty", "turnover"}) {
      likely = likely || NameStartsWith(field, word);
    }
    if (!likely) continue;
    const std::string name = NormaliseColumnName(field);
    for (const char* label : {"suma", "celkem", "soucet", "total", "obraty", "turnover"}) {
      const size_t length = std::strlen(label);
      if (name.compare(0, length, label) == 0 &&
          (name.size() == length || name[length] == ' ' || name[length] == ':')) {
        return true;
      }
    }
  }
  return false;
}

bool IsTotalWord(std::string_view text) {
  // Every dated row's fields are looked at: most are told apart by their
  // length and first letter alone.
  if (text.size() < 4 || text.size() > 9) return false;
  const char initial = FoldedInitial(text);
  if (initial != 's' && initial != 'c' && initial != 't' && initial != 'g') return false;
  std::string name = NormaliseColumnName(text);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  for (const char* word : {"celkem", "soucet", "suma", "total", "totale", "summe", "gesamt"}) {
    if (name == word) return true;
  }
  return false;
}

bool IsWholeBalanceLabel(std::string_view text) {
  // Every label begins with "Po", "Ko", "Zů", "Zu", "Za", "Op", "Cl" or
  // "Fi": most texts are told apart by them without folding.
  while (!text.empty() &&
         (IsFieldPadding(text.front()) || text.front() == '"' || text.front() == '#')) {
    text.remove_prefix(1);
  }
  if (text.size() < 5) return false;
  const char first = static_cast<char>(text[0] | 0x20);
  const char second = static_cast<char>(text[1] | 0x20);
  const bool plainSecond = (text[1] >= 'A' && text[1] <= 'Z') || (text[1] >= 'a' && text[1] <= 'z');
  switch (first) {
    case 'p':
    case 'k':
      if (second != 'o') return false;
      break;
    case 'z':
      if (plainSecond && second != 'a' && second != 'u') return false;
      break;
    case 'o':
      if (second != 'p') return false;
      break;
    case 'c':
      if (second != 'l') return false;
      break;
    case 'f':
      if (second != 'i') return false;
      break;
    default:
      return false;
  }
  std::string name = NormaliseColumnName(text);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  for (const char* label :
       {"pocatecni zustatek", "konecny zustatek", "zaverecny zustatek", "pocatecni stav uctu",
        "konecny stav uctu", "koncovy stav uctu", "zustatek", "opening balance", "closing balance",
        "final balance", "openingbalance", "closingbalance"}) {
    const size_t length = std::strlen(label);
    if (name.compare(0, length, label) != 0) continue;
    if (name.size() == length) return true;
    // The label's day, whole: "k 31.01.2024", "k 31. 1. 24", "k 2024-01-31";
    // "k 31" is a text cut short.
    if (name.compare(length, 3, " k ") != 0 || name.size() == length + 3) return false;
    int marks = 0;
    bool digitBefore = false;
    for (size_t i = length + 3; i < name.size(); ++i) {
      const char c = name[i];
      if (IsDigit(c)) {
        digitBefore = true;
      } else if (c == '.' || c == '/' || c == '-') {
        if (!digitBefore) return false;
        ++marks;
        digitBefore = false;
      } else if (c != ' ') {
        return false;
      }
    }
    return marks >= 2;
  }
  return false;
}

std::string_view LabelledBalance(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {};
  std::string_view value = text.substr(colon + 1);
  while (!value.empty() && IsFieldPadding(value.front())) value.remove_prefix(1);
  if (value.empty() || !IsWholeBalanceLabel(text.substr(0, colon))) return {};
  return value;
}

BookingState BookingOf(std::string_view state, std::string_view impact) {
  // PayPal's memo rows (authorisations, orders, invoices) move no money.
  // Most layouts have no such column: an empty value is not folded.
  if (!impact.empty() && NormaliseColumnName(impact) == "memo") return BookingState::kNotBooked;
  if (state.empty()) return BookingState::kBooked;
  const std::string name = NormaliseColumnName(state);
  // A payment refunded later moved money all the same: the refund is a
  // row of its own. PayPal's hold "Placed" takes money from the balance and
  // its end "Removed" gives it back, where a running balance does not show
  // them to have moved nothing.
  for (const char* booked : {"completed",    "booked",        "zauctovano",  "zauctovana",
                             "provedeno",    "cleared",       "refunded",    "partially refunded",
                             "termine",      "abgeschlossen", "completato",  "dokonceno",
                             "rembourse",    "erstattet",     "zakonczono",  "voltooid",
                             "teruggeboekt", "successful",    "erfolgreich", "paid",
                             "paid out",     "placed",        "removed"}) {
    if (name == booked) return BookingState::kBooked;
  }
  if (IsPendingName(name)) return BookingState::kNotBooked;
  for (const char* ended :
       {"declined", "reverted", "failed", "cancelled", "canceled", "rejected", "reversed",
        "expired", "denied", "funds_refunded", "bounced_back", "charged_back", "zruseno",
        "geweigerd", "fehlgeschlagen", "abgelehnt", "storniert"}) {
    if (name == ended) return BookingState::kNotBooked;
  }
  return BookingState::kUnknown;
}

bool IsPendingState(std::string_view state) {
  return !state.empty() && IsPendingName(NormaliseColumnName(state));
}

HoldKind HoldKindOf(std::string_view type, std::string_view state) {
  // The words are plain ASCII in every export seen: no text is folded for
  // the rows of other types, which are nearly all.
  bool held = false, subject = false, ended = false;
  size_t start = 0;
  for (size_t i = 0; i <= type.size(); ++i) {
    const bool letter = i < type.size() && (((type[i] | 0x20) >= 'a' && (type[i] | 0x20) <= 'z'));
    if (letter) continue;
    const std::string_view word = type.substr(start, i - start);
    start = i + 1;
    if (word.size() < 4) continue;
    held = held || IsOneOf(word, {"hold", "vastgehouden"});
    // "Reserve Release", "Payment Review Release": a reserve or a review
    // names no hold alone.
    subject = subject || IsOneOf(word, {"reserve", "review"});
    ended = ended || IsOneOf(word, {"release", "cancellation", "reversal"});
  }
  if (ended && (held || subject)) return HoldKind::kRelease;
  if (held) return HoldKind::kHold;
  const char initial = state.empty() ? '\0' : static_cast<char>(state.front() | 0x20);
  if ((initial == 'p' || initial == 'r') && (state.size() == 6 || state.size() == 7)) {
    const std::string name = NormaliseColumnName(state);
    if (name == "placed") return HoldKind::kHold;
    if (name == "removed") return HoldKind::kRelease;
  }
  return HoldKind::kNone;
}

BookingState AccountingMarkOf(std::string_view mark) {
  const std::string name = NormaliseColumnName(mark);
  for (const char* booked : {"accounting", "accounting item", "ucetni", "ucetni polozka"}) {
    if (name == booked) return BookingState::kBooked;
  }
  for (const char* other : {"non-accounting", "non-accounting item", "nonaccounting",
                            "non accounting", "neucetni", "neucetni polozka"}) {
    if (name == other) return BookingState::kNotBooked;
  }
  return BookingState::kUnknown;
}

bool StatesNonExecution(std::string_view reason) {
  for (const char c : reason) {
    if (c != '-' && c != '0' && c != '.' && !IsFieldPadding(c)) return true;
  }
  return false;
}

}  // namespace tarvolo
