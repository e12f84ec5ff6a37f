#include "conversion/camt/camt_ids.h"

#include "conversion/camt/czech_iban.h"
#include "conversion/camt/xml_text.h"
#include "conversion/values/account_number.h"
#include "conversion/values/byte_hash.h"
#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

constexpr size_t kIdWidth = 35;

// The account in at most `room` characters: as people write it, else its
// digits alone, else a hash of its text.
std::string AccountPart(const CamtAccount& account, size_t room) {
  AccountNumber national;
  const bool czech = ReadCzechAccount(account.number, &national);
  const std::string shown = czech ? ShownAccount(national) : account.number;
  if (shown.size() <= room) return shown;
  if (czech) {
    std::string digits = AccountField(national);
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() <= room) return digits;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string hashed;
  for (uint64_t hash = ByteHash(account.number); hashed.size() < 16; hash >>= 4) {
    hashed.insert(hashed.begin(), kHex[hash & 15]);
  }
  return hashed.substr(hashed.size() > room ? hashed.size() - room : 0);
}

// "-EUR" beside the koruna, "" in it.
std::string CurrencyPart(const CamtAccount& account) {
  const std::string code = CamtCurrencyCode(account.currency);
  if (code == kKorunaCode) return std::string();
  return "-" + (code.empty() ? std::string("XXX") : code);
}

void AppendDigits(std::string* out, int64_t value, size_t width) {
  std::string digits;
  AppendInteger(&digits, value);
  if (digits.size() < width) out->append(width - digits.size(), '0');
  out->append(digits);
}

}  // namespace

std::string CamtStatementId(const CamtStatementHeader& header, const CamtAccount& account) {
  std::string tail = CurrencyPart(account) + "-";
  std::string date;
  AppendIsoDate(&date, header.toDate);
  for (const char c : date) {
    if (c != '-') tail.push_back(c);
  }
  tail.push_back('-');
  AppendInteger(&tail, header.statementNumber);
  const size_t room = tail.size() < kIdWidth ? kIdWidth - tail.size() : 0;
  return AccountPart(account, room) + tail;
}

std::string CamtMessageId(const CivilTime& created, const CamtAccount& account) {
  std::string id;
  AppendDigits(&id, created.year, 4);
  for (const int32_t part :
       {created.month, created.day, created.hour, created.minute, created.second}) {
    AppendDigits(&id, part, 2);
  }
  const std::string currency = CurrencyPart(account);
  id += currency.empty() ? "-" + std::string(kKorunaCode) : currency;
  id.push_back('-');
  return id + AccountPart(account, id.size() < kIdWidth ? kIdWidth - id.size() : 0);
}

}  // namespace tarvolo
