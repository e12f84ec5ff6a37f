#ifndef TARVOLO_CONVERSION_CAMT_CAMT_CHECK_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_CHECK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// What the GPC file of the same run holds, in hellers.
struct CamtExpectation {
  int64_t openingHellers = 0, closingHellers = 0;
  int64_t itemCount = 0;
  int64_t creditHellers = 0, debitHellers = 0;  // both magnitudes
};

// Checks a camt.053 statement as the program writes it and returns its
// problems in Czech, Windows-1250: well-formed XML with the camt.053.001.02
// document at its root, one statement with its opening (OPBD) and closing
// (CLBD) balance, opening + credits - debits = closing over the entries,
// TxsSummry's counts and sums equal to the entries', and the entries equal
// to the GPC file's. No problems: an empty list.
std::vector<std::string> CheckCamtStatement(std::string_view xml, const CamtExpectation& expected);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_CHECK_H_
