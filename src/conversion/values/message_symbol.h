#ifndef TARVOLO_CONVERSION_VALUES_MESSAGE_SYMBOL_H_
#define TARVOLO_CONVERSION_VALUES_MESSAGE_SYMBOL_H_

#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// The variable symbol a payer wrote into the message instead of its field
// ("VS 2026001", "/VS/2026001", "Faktura 2026001", "FA2026001").
struct MessageSymbol {
  enum class Kind {
    kNone,       // no number of up to 10 digits after a marker
    kFound,      // exactly one: `symbol`
    kAmbiguous,  // several different ones: `candidates`
  };
  Kind kind = Kind::kNone;
  std::string symbol;                   // its digits as the message writes them
  std::vector<std::string> candidates;  // every different one, in the message's order
  // A number after a marker was longer than a variable symbol can be.
  bool tooLong = false;
};

// The longest variable symbol.
constexpr size_t kSymbolDigits = 10;

// Looks for numbers of 1 to 10 digits after a marker of a variable symbol
// or an invoice, in a Windows-1250 message. A number that goes on as a date,
// a decimal amount or an amount in a currency is no symbol; neither is one
// of zeros alone. The same number twice is one candidate.
MessageSymbol FindMessageSymbol(std::string_view message);

// Whether `symbol` is a variable symbol an accounting program pairs by:
// 1 to 10 digits, not all of them zeros.
bool IsPairingSymbol(std::string_view symbol);

// Whether a variable symbol field says nothing: empty, blank or zeros alone,
// as a record writes a missing one.
bool IsEmptySymbol(std::string_view symbol);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_MESSAGE_SYMBOL_H_
