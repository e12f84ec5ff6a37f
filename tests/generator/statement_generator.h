// Statement files made as each bank writes them, from random items whose
// records are known in advance: the conversion of such a file must give
// exactly those records, and a damaged copy must be warned about or refused.
#ifndef TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_
#define TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_

#include <cstdint>
#include <map>
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
  // Rows of a second own account of the currency, named beside "Main" and
  // keeping a balance of its own, and rows of a second currency.
  kPockets,
  // Rows of a second own account, numbered, with its statement's values.
  kAccounts,
  // PayPal's hold and its release, and a row waiting to be booked, each
  // booked where the running balance moves with it and left out where it
  // stays as it was.
  kHolds,
};
constexpr Variation kVariations[] = {
    Variation::kPlain,      Variation::kPending,      Variation::kFees,       Variation::kForeign,
    Variation::kSeparators, Variation::kBalanceWords, Variation::kCrLineEnds, Variation::kPockets,
    Variation::kAccounts,   Variation::kHolds};
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
  // The "075" records the profile's statement must hold, each as RecordKey
  // writes it, in the file's order of rows.
  std::vector<std::string> records;
  // For each line of the file (from 1; index 0 unused), the records its
  // row gives, whichever statement holds them.
  std::vector<std::vector<std::string>> recordsOfLine;
  std::vector<int> dataLines;  // lines of item rows, booked or not
  // For each line, the statement its records are in, by what its file's
  // name carries beside "export": "" for the profile's, "-EUR", and
  // kPocketSuffix for the second own account's.
  std::vector<std::string> statementOfLine;
  // The statements, by the same names, whose opening balance no line of
  // the file states, nor the profile: the run asks for it.
  std::vector<std::string> openingsUnstated;
  char separator = ';';
  int headerLine = 0;
  bool lastLineIsData = true;  // no closing line after the rows
};

// The second own account of kPockets, and its statement's name.
constexpr char kPocketName[] = "Tax reserve";
constexpr char kPocketSuffix[] = "-Tax-reserve";
// The second own account of kAccounts, and its statement's name.
constexpr char kSecondAccount[] = "51-1234567890";
constexpr char kSecondAccountSuffix[] = "-51-1234567890";

// The records each statement of the file holds, by the name of its file
// beside "export", in the order of the rows; of the lines that `skipped`
// leaves out (0: none) and with the records of line `repeated` twice.
std::map<std::string, std::vector<std::string>> StatementRecords(const GeneratedFile& file,
                                                                 int skipped = 0, int repeated = 0);

GeneratedFile GenerateStatement(const BankLayout& layout, Variation variation, uint32_t seed);

// The compared values of a "075" record of 128 characters: counter account,
// amount and code, variable, constant and specific symbol and bank code
// without their leading zeros, both dates.
std::string RecordKey(const std::string& line);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_GENERATOR_STATEMENT_GENERATOR_H_
