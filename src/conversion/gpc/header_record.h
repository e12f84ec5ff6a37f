#ifndef TARVOLO_CONVERSION_GPC_HEADER_RECORD_H_
#define TARVOLO_CONVERSION_GPC_HEADER_RECORD_H_

#include <cstdint>

namespace tarvolo {

// The values of a "074" header line. Amounts are magnitudes in hellers with
// their sign character ('+', '-', or '0' for a turnover of zero or more).
struct HeaderRecord {
  const char* account = "";         // zero-filled in front to 16 characters
  const char* accountName = "";     // its first 20 characters, blanks after
  const char* oldBalanceDate = "";  // DDMMYY
  int64_t oldBalance = 0;
  char oldBalanceSign = '+';
  int64_t newBalance = 0;
  char newBalanceSign = '+';
  int64_t debits = 0;
  char debitsSign = '0';
  int64_t credits = 0;
  char creditsSign = '0';
  int32_t statementNumber = 0;
  const char* statementDate = "";  // DDMMYY
};

// Fills `line` (130 bytes) with the header and its CR LF. The caller has
// made sure every value fits its field; one that does not keeps its last
// characters.
void ComposeHeaderRecord(const HeaderRecord& header, char* line);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_HEADER_RECORD_H_
