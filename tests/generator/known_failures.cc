#include "generator/known_failures.h"

#include <cstring>

namespace tarvolo {

const std::vector<KnownFailure> kKnownFailures = {
    // Servis24's "Měna" column is not read: a row in EUR is booked as koruna.
    {"servis24", "foreign"},
    // More PENDING rows than COMPLETED ones: the reading is not confirmed and the
    // file is refused whole.
    {"revolut", "pending"},
    {"revolut-personal", "pending"},
    // A charged fee written negative is read as a refund, though the balance after
    // each row proves its sign.
    {"revolut-2022", "fees"},
    // A dated item whose message begins as a stated balance does ("Zůstatek k",
    // "Konečný zůstatek") is taken for a balance row and left out.
    {"*", "balance-words"},
    // A Servis24 file with CR-only line ends is one header line: nothing read.
    {"servis24", "cr-line-ends"},
    // A Servis24 file without its header line loses its first row unnamed.
    {"servis24", "no-header"},
    // A row with fewer or more fields than the header (in every layout): read
    // with its values from the wrong columns, or left out, and its line not named.
    {"*", "cut"},
    {"*", "shift"},
    {"*", "separator"},
    // A row given twice where a balance follows each row: only the closing
    // difference is logged, not the row that breaks the running balance.
    {"csob", "duplicate"},
    {"mbank", "duplicate"},
    {"revolut", "duplicate"},
    {"revolut-2022", "duplicate"},
    {"revolut-personal", "duplicate"},
    {"wise", "duplicate"},
    {"paypal", "duplicate"},
    {"paypal-de", "duplicate"},
};

const KnownFailure* KnownFailureOf(const char* layout, const char* what) {
  for (const KnownFailure& known : kKnownFailures) {
    if ((std::strcmp(known.layout, "*") == 0 || std::strcmp(known.layout, layout) == 0) &&
        std::strcmp(known.what, what) == 0) {
      return &known;
    }
  }
  return nullptr;
}

}  // namespace tarvolo
