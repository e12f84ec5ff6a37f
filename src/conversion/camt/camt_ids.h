#ifndef TARVOLO_CONVERSION_CAMT_CAMT_IDS_H_
#define TARVOLO_CONVERSION_CAMT_CAMT_IDS_H_

#include <string>

#include "conversion/camt/camt_statement.h"

namespace tarvolo {

// The ids an importer remembers a document and its statement by. Each
// names the statement's own account and, beside the koruna, its currency,
// so the documents of one run (one a currency and own account) never share
// one; each fits the schema's 35 characters whole: an account too long for
// them is written as its digits, and where even those do not fit, as a
// hash of its text, never cut.

// "19-2000145399-20140930-7", "19-2000145399-EUR-20140930-7": the account,
// the currency, the statement date and number, as the banks compose it.
std::string CamtStatementId(const CamtStatementHeader& header, const CamtAccount& account);

// "20141001090507-CZK-19-2000145399": the moment the document was made,
// to the second, the currency and the account.
std::string CamtMessageId(const CivilTime& created, const CamtAccount& account);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_CAMT_IDS_H_
