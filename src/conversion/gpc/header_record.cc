#include "conversion/gpc/header_record.h"

#include <cstring>

#include "conversion/gpc/gpc_records.h"

namespace tarvolo {
namespace {

void PutText(char* line, HeaderField field, const char* text, char fill) {
  PutRightAligned(line, kHeaderFields[field], text, std::strlen(text), fill);
}

void PutAmount(char* line, HeaderField field, int64_t hellers, char sign) {
  PutDigits(line, kHeaderFields[field], static_cast<uint64_t>(hellers < 0 ? -hellers : hellers));
  line[kHeaderFields[field + 1].first] = sign;
}

}  // namespace

void ComposeHeaderRecord(const HeaderRecord& header, char* line) {
  std::memcpy(line, "074", 3);
  PutText(line, kHeaderAccount, header.account, '0');
  PutLeftAligned(line, kHeaderFields[kHeaderAccountName], header.accountName,
                 strnlen(header.accountName, kHeaderFields[kHeaderAccountName].width), ' ');
  PutText(line, kHeaderOldBalanceDate, header.oldBalanceDate, '0');
  PutAmount(line, kHeaderOldBalance, header.oldBalance, header.oldBalanceSign);
  PutAmount(line, kHeaderNewBalance, header.newBalance, header.newBalanceSign);
  PutAmount(line, kHeaderDebits, header.debits, header.debitsSign);
  PutAmount(line, kHeaderCredits, header.credits, header.creditsSign);
  PutDigits(line, kHeaderFields[kHeaderStatementNumber],
            static_cast<uint64_t>(header.statementNumber < 0 ? 0 : header.statementNumber));
  PutText(line, kHeaderStatementDate, header.statementDate, '0');
  PutLeftAligned(line, kHeaderFields[kHeaderTail], "", 0, ' ');
  std::memcpy(line + kGpcLineWidth, "\r\n", 2);
}

}  // namespace tarvolo
