#include "conversion/values/message_symbol.h"

#include <cstddef>

#include "conversion/values/blanks.h"
#include "conversion/values/digits.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// A marker as the folded message writes it (lower case, no diacritics, one
// blank between words). A stem goes on with any letters ("faktury",
// "invoices"); any other marker must not go on with a letter ("fa" is not
// "fax").
struct SymbolMarker {
  std::string_view text;
  bool stem = false;
};

// Longer markers first, so that "var. symbol" is not taken as "v".
constexpr SymbolMarker kMarkers[] = {
    {.text = "variabilni symbol"},
    {.text = "var. symbol"},
    {.text = "var.symbol"},
    {.text = "var symbol"},
    {.text = "v.s."},
    {.text = "vs"},
    {.text = "faktur", .stem = true},  // faktura, faktúra, faktury, fakturu
    {.text = "invoice", .stem = true},
    {.text = "rechnung", .stem = true},
    {.text = "fa"},
};

// Words between a marker and its number: "č.", "číslo", "no.", "nr.".
constexpr std::string_view kNumberWords[] = {"cislo", "c", "no", "nr", "nummer", "number"};

// Currencies an amount is written with, folded: "1500 Kč" is no symbol.
constexpr std::string_view kCurrencyWords[] = {"kc", "czk", "eur", "usd", "gbp", "chf", ",-"};

bool IsLetter(char c) { return IsAsciiLetter(c); }
bool IsWordCharacter(char c) { return IsLetter(c) || IsDigit(c); }

bool StartsWith(std::string_view text, size_t at, std::string_view start) {
  return text.size() - at >= start.size() && text.compare(at, start.size(), start) == 0;
}

size_t SkipSeparators(std::string_view text, size_t at) {
  while (at < text.size() &&
         std::string_view(" :.#/=-_").find(text[at]) != std::string_view::npos) {
    ++at;
  }
  return at;
}

// Past a word like "č." that stands between a marker and its number.
size_t SkipNumberWord(std::string_view text, size_t at) {
  for (std::string_view word : kNumberWords) {
    const size_t end = at + word.size();
    if (StartsWith(text, at, word) && (end == text.size() || !IsLetter(text[end]))) {
      return SkipSeparators(text, end);
    }
  }
  return at;
}

// Where the marker at `at` ends, or 0 when none starts there.
size_t MarkerEnd(std::string_view text, size_t at) {
  if (at > 0 && IsWordCharacter(text[at - 1])) return 0;
  for (const SymbolMarker& marker : kMarkers) {
    if (!StartsWith(text, at, marker.text)) continue;
    size_t end = at + marker.text.size();
    if (marker.stem) {
      while (end < text.size() && IsLetter(text[end])) ++end;
    } else if (end < text.size() && IsLetter(text[end])) {
      continue;
    }
    return end;
  }
  return 0;
}

// Whether the number that ends at `end` goes on as something else: a date
// or a decimal amount (12.09.2014, 1500,50, 2026/001), a word (2026001A),
// or an amount in a currency, its thousands apart or not (1 500 Kč).
bool GoesOn(std::string_view text, size_t end) {
  if (end == text.size()) return false;
  const char next = text[end];
  if (IsLetter(next)) return true;
  if (std::string_view(".,/-").find(next) != std::string_view::npos && end + 1 < text.size() &&
      IsDigit(text[end + 1])) {
    return true;
  }
  size_t at = end;
  while (at + 4 <= text.size() && text[at] == ' ' && IsDigit(text[at + 1]) &&
         IsDigit(text[at + 2]) && IsDigit(text[at + 3]) &&
         (at + 4 == text.size() || !IsDigit(text[at + 4]))) {
    at += 4;
  }
  while (at < text.size() && text[at] == ' ') ++at;
  for (std::string_view currency : kCurrencyWords) {
    const size_t after = at + currency.size();
    if (StartsWith(text, at, currency) && (after == text.size() || !IsLetter(text[after]))) {
      return true;
    }
  }
  return false;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  return digits;
}

void AddCandidate(std::string_view digits, MessageSymbol* found) {
  for (const std::string& known : found->candidates) {
    if (WithoutLeadingZeros(known) == WithoutLeadingZeros(digits)) return;
  }
  found->candidates.emplace_back(digits);
}

}  // namespace

bool IsPairingSymbol(std::string_view symbol) {
  return symbol.size() <= kSymbolDigits && IsDigitsOnly(symbol) &&
         !WithoutLeadingZeros(symbol).empty();
}

bool IsEmptySymbol(std::string_view symbol) {
  for (char c : symbol) {
    if (c != '0' && !IsFieldPadding(c)) return false;
  }
  return true;
}

MessageSymbol FindMessageSymbol(std::string_view message) {
  const std::string folded = NormaliseColumnName(message);
  const std::string_view text = folded;
  MessageSymbol found;
  size_t at = 0;
  while (at < text.size()) {
    const size_t marker = MarkerEnd(text, at);
    if (marker == 0) {
      ++at;
      continue;
    }
    const size_t start = SkipNumberWord(text, SkipSeparators(text, marker));
    size_t end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    at = end > start ? end : marker;
    if (end == start || GoesOn(text, end)) continue;
    const std::string_view digits = text.substr(start, end - start);
    if (digits.size() > kSymbolDigits) {
      found.tooLong = true;
    } else if (IsPairingSymbol(digits)) {
      AddCandidate(digits, &found);
    }
  }
  if (found.candidates.size() == 1) {
    found.kind = MessageSymbol::Kind::kFound;
    found.symbol = found.candidates.front();
  } else if (found.candidates.size() > 1) {
    found.kind = MessageSymbol::Kind::kAmbiguous;
  }
  return found;
}

}  // namespace tarvolo
