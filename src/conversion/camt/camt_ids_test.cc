#include "conversion/camt/camt_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvolo {
namespace {

// The ids name the statement's account and currency whole, in at most 35
// characters: the documents of one run (an own account and a currency
// each) never share one, and none is cut mid-value.
TEST(CamtIdsTest, IdsNameTheAccountAndCurrencyWhole) {
  const struct {
    const char *account, *currency;
    int32_t number;
    const char *statementId, *messageId;
  } cases[] = {
      {"19-2000145399", "CZK", 7, "19-2000145399-20140930-7", "20141001090507-CZK-19-2000145399"},
      {"19-2000145399", "EUR", 7, "19-2000145399-EUR-20140930-7",
       "20141001090507-EUR-19-2000145399"},
      {"2000145399", "USD", 999, "2000145399-USD-20140930-999", "20141001090507-USD-2000145399"},
      {"670100-2201234567", "EUR", 12, "670100-2201234567-EUR-20140930-12",
       "20141001090507-EUR-6701002201234567"},
      {"2000145399", "euro", 3, "2000145399-XXX-20140930-3", "20141001090507-XXX-2000145399"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "EUR", 7, "E276B7953364D122-EUR-20140930-7",
       "20141001090507-EUR-E276B7953364D122"},
  };
  std::set<std::string> statementIds, messageIds;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.account);
    CamtAccount account;
    account.number = c.account;
    account.currency = c.currency;
    CamtStatementHeader header;
    header.statementNumber = c.number;
    header.toDate = CivilDate{2014, 9, 30};
    CivilTime created;
    created.year = 2014, created.month = 10, created.day = 1;
    created.hour = 9, created.minute = 5, created.second = 7;
    const std::string statementId = CamtStatementId(header, account);
    const std::string messageId = CamtMessageId(created, account);
    EXPECT_EQ(statementId, c.statementId);
    EXPECT_EQ(messageId, c.messageId);
    EXPECT_LE(statementId.size(), 35u);
    EXPECT_LE(messageId.size(), 35u);
    EXPECT_TRUE(statementIds.insert(statementId).second);
    EXPECT_TRUE(messageIds.insert(messageId).second);
  }
}

}  // namespace
}  // namespace tarvolo
