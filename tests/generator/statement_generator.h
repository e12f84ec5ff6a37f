// Statement files made as each bank writes them, from random items whose
// records are known in advance: the conversion of such a file must give
// exactly those records, and a damaged copy must be warned about or refused.
#ifndef TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_
#define TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_

#include <cstdint>
#include <string>
#include <vector>

namespace tarvolo {

// What a generated file holds besides plain booked items of the account's
// currency.
enum class Variation {
  kPlain,
  kFees,          // a fee charged beside some items
  kPending,       // rows the bank did not book
  kForeign,       // rows of a second currency
  kSeparators,    // separators and quotes inside texts
  kBalanceWords,  // messages that begin as a stated balance does
  kCrLineEnds,    // lines ended by CR alone
};
constexpr Variation kVariations[] = {
    Variation::kPlain,      Variation::kPending,      Variation::kFees,      Variation::kForeign,
    Variation::kSeparators, Variation::kBalanceWords, Variation::kCrLineEnds};
const char* VariationName(Variation variation);

struct BankLayout;
// The layouts the generator writes, Servis24's first.
const std::vector<const BankLayout*>& GeneratedLayouts();
const char* LayoutName(const BankLayout& layout);
bool LayoutAllows(const BankLayout& layout, Variation variation);
// Whether the file states balances (a balance after each row, or opening
// and closing balances), by which a missing or added row shows.
bool LayoutStatesBalances(const BankLayout& layout);
// Whether the file states its closing balance, which a missing last row
// changes.
bool LayoutStatesClosing(const BankLayout& layout);
bool LayoutHasRole(const BankLayout& layout, const char* role);

struct GeneratedFile {
  std::string bytes;
  // The "075" records the file must give, each as RecordKey writes it, in
  // the file's order of rows.
  std::vector<std::string> records;
  // For each line of the file (from 1; index 0 unused), the records its
  // row gives; rows in another currency give theirs to `foreignRecords`.
  std::vector<std::vector<std::string>> recordsOfLine;
  std::vector<int> dataLines;  // lines of item rows, booked or not
  // The records of the rows in another currency (EUR), which its own
  // statement holds.
  std::vector<std::string> foreignRecords;
  char separator = ';';
  int headerLine = 0;
  bool lastLineIsData = true;  // no closing line after the rows
};

GeneratedFile GenerateStatement(const BankLayout& layout, Variation variation, uint32_t seed);

// The compared values of a "075" record of 128 characters: counter account,
// amount and code, variable, constant and specific symbol and bank code
// without their leading zeros, both dates.
std::string RecordKey(const std::string& line);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_
