#include "conversion/camt/camt_reference.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolo {
namespace {

TEST(CamtReference, TellsItemsApartAsTheirIdsDo) {
  const std::string longId = "TRANSFER-2024-03-01-0000000000000000001";
  const struct {
    const char* what;
    std::string id;
    std::string reference;
  } cases[] = {
      {"none", "", ""},
      {"short", "TRANSFER-1000004", "TRANSFER-1000004"},
      {"35 characters", std::string(35, '7'), std::string(35, '7')},
      {"a UUID without its dashes", "65e1a3f0-0000-4bbb-8ccc-000000000001",
       "65e1a3f000004bbb8ccc000000000001"},
      {"a UUID of capitals", "65E1A3F0-0000-4BBB-8CCC-000000000002",
       "65E1A3F000004BBB8CCC000000000002"},
      {"a longer id: its start and a hash of it all", longId,
       "TRANSFER-2024-03-0:3B9F7AE0D9069935"},
      {"a dash misplaced is no UUID", "65e1a3f00-000-4bbb-8ccc-000000000001",
       "65e1a3f00-000-4bbb:5A2E35D2B8A64372"},
      {"a byte the document would leave out",
       "A\x01"
       "B",
       "AB:FB05FB19A12A284F"},
  };
  for (const auto& c : cases) EXPECT_EQ(CamtReference(c.id), c.reference) << c.what;

  // Ids alike up to their last character keep references of their own.
  std::string other = longId;
  other.back() = '2';
  EXPECT_NE(CamtReference(other), CamtReference(longId));
  EXPECT_LE(CamtReference(other).size(), kCamtReferenceWidth);
}

}  // namespace
}  // namespace tarvolo
