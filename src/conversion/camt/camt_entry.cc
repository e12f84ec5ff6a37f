#include <string>
#include <string_view>

#include "conversion/camt/camt_reference.h"
#include "conversion/camt/camt_statement.h"
#include "conversion/camt/czech_iban.h"
#include "conversion/camt/xml_text.h"
#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// The Czech Banking Association's transaction codes (levels 1 to 3): a
// payment, and a fee the bank charged.
constexpr char kPaymentCode[] = "10000101000";
constexpr char kFeeCode[] = "40000601000";

// Schema limits of the elements that hold the item's texts.
constexpr size_t kMax35 = 35, kMax34 = 34, kMax140 = 140, kMax500 = 500;

// A symbol's digits; "" when it has none but zeros, which GPC files write
// for "no symbol".
std::string Symbol(std::string_view text) {
  std::string digits;
  bool nonZero = false;
  for (const char c : text) {
    if (!IsDigit(c)) continue;
    digits.push_back(c);
    nonZero = nonZero || c != '0';
  }
  return nonZero ? digits.substr(0, kMax35 - 3) : std::string();
}

// The IBAN as the schema takes it (blanks dropped, capitals), or "".
std::string SchemaIban(std::string_view text) {
  std::string iban;
  for (const char c : text) {
    if (c == ' ') continue;
    if (!IsAsciiLetter(c) && !IsDigit(c)) return std::string();
    iban.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  if (iban.size() < 5 || iban.size() > 34 || !IsAsciiLetter(iban[0]) || !IsAsciiLetter(iban[1]) ||
      !IsDigit(iban[2]) || !IsDigit(iban[3])) {
    return std::string();
  }
  return iban;
}

// The counter account as the schema identifies it: its IBAN, or else
// another identification (a national number, a foreign account's text).
struct CounterAccount {
  std::string iban, other;
  bool Given() const { return !iban.empty() || !other.empty(); }
};

CounterAccount CounterAccountOf(const CamtEntry& entry) {
  CounterAccount account;
  account.iban = SchemaIban(entry.counterIban);
  if (!account.iban.empty()) return account;
  if (entry.counterNumber != 0) {
    AccountNumber national;
    national.prefix = entry.counterPrefix;
    national.number = entry.counterNumber;
    account.other = ShownAccount(national);
  } else {
    AppendXmlText(&account.other, entry.counterIban, kMax34);
  }
  return account;
}

void AppendCounterParty(XmlWriter& xml, const CamtEntry& entry, bool credit) {
  std::string name;
  AppendXmlText(&name, entry.counterName, kMax140);
  const CounterAccount account = CounterAccountOf(entry);
  if (name.empty() && !account.Given()) return;
  xml.Open("RltdPties");
  if (!name.empty()) {
    xml.Open(credit ? "Dbtr" : "Cdtr");
    xml.Ascii("Nm", name);
    xml.Close();
  }
  if (account.Given()) {
    xml.Open(credit ? "DbtrAcct" : "CdtrAcct");
    xml.Open("Id");
    if (!account.iban.empty()) {
      xml.Ascii("IBAN", account.iban);
    } else {
      xml.Open("Othr");
      xml.Ascii("Id", account.other);
      xml.Close();
    }
    xml.Close();
    xml.Close();
  }
  xml.Close();
}

void AppendCounterAgent(XmlWriter& xml, int32_t bankCode, bool credit) {
  if (bankCode < 1 || bankCode > 9999) return;
  xml.Open("RltdAgts");
  xml.Open(credit ? "DbtrAgt" : "CdtrAgt");
  xml.Open("FinInstnId");
  if (const char* bic = CzechBankBic(bankCode)) xml.Ascii("BIC", bic);
  xml.Open("Othr");
  xml.Ascii("Id", BankCodeText(bankCode));
  xml.Close();
  xml.Close();
  xml.Close();
  xml.Close();
}

void AppendReferences(XmlWriter& xml, const CamtEntry& entry, const std::string& bankReference,
                      const std::string& vs, const std::string& ks, const std::string& ss) {
  std::string reference;
  AppendXmlText(&reference, bankReference, kMax35);
  std::string document;
  AppendXmlText(&document, CamtReference(entry.documentNumber), kMax35);
  if (reference.empty() && document.empty() && vs.empty() && ks.empty() && ss.empty()) return;
  xml.Open("Refs");
  if (!reference.empty()) xml.Ascii("AcctSvcrRef", reference);
  if (!ss.empty()) xml.Ascii("PmtInfId", ss);
  if (!ks.empty()) xml.Ascii("InstrId", ks);
  if (!vs.empty()) xml.Ascii("EndToEndId", vs);
  if (!document.empty()) xml.Ascii("TxId", document);
  xml.Close();
}

void AppendRemittance(XmlWriter& xml, const CamtEntry& entry, const std::string& vs,
                      const std::string& ks, const std::string& ss) {
  std::string message;
  AppendXmlText(&message, entry.description, kMax140);
  if (message.empty() && vs.empty() && ks.empty() && ss.empty()) return;
  xml.Open("RmtInf");
  if (!message.empty()) xml.Ascii("Ustrd", message);
  // The schema allows one reference in each Strd.
  const struct {
    const char* prefix;
    const std::string& digits;
  } symbols[] = {{"VS:", vs}, {"KS:", ks}, {"SS:", ss}};
  for (const auto& symbol : symbols) {
    if (symbol.digits.empty()) continue;
    xml.Open("Strd");
    xml.Open("CdtrRefInf");
    xml.Ascii("Ref", symbol.prefix + symbol.digits);
    xml.Close();
    xml.Close();
  }
  xml.Close();
}

}  // namespace

std::string CamtCurrencyCode(std::string_view text) {
  if (text.size() != 3) return std::string();
  std::string code;
  for (const char c : text) {
    if (!IsAsciiLetter(c)) return std::string();
    code.push_back(c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return code;
}

CamtEntry CamtEntryOf(const StatementItem& item, int64_t amountHellers,
                      std::string_view accountCurrency) {
  CamtEntry entry;
  entry.amountHellers = amountHellers;
  entry.currency = CamtCurrencyCode(item.currency);
  if (entry.currency.empty()) entry.currency = std::string(accountCurrency);
  entry.booking = {item.year, item.month, item.day};
  entry.value = {item.valueYear, item.valueMonth, item.valueDay};
  entry.counterPrefix = item.counterPrefix;
  entry.counterNumber = item.counterNumber;
  entry.bankCode = item.bankCode;
  entry.counterIban = item.counterIban;
  entry.counterName = item.counterName;
  entry.documentNumber = item.documentNumber;
  entry.variableSymbol = item.variableSymbol;
  entry.constantSymbol = item.constantSymbol;
  entry.specificSymbol = item.specificSymbol;
  entry.description = item.description;
  entry.bankReference = item.bankReference;
  entry.fee = item.fee;
  return entry;
}

void AppendCamtEntry(const CamtEntry& entry, std::string* xmlEntries) {
  const bool credit = entry.amountHellers >= 0;
  XmlWriter xml(xmlEntries, 3);
  xml.Open("Ntry");
  const std::string currency = CamtCurrencyCode(entry.currency);
  xml.Amount("Amt", currency.empty() ? "XXX" : currency, entry.amountHellers);
  xml.Ascii("CdtDbtInd", credit ? "CRDT" : "DBIT");
  xml.Ascii("Sts", "BOOK");
  if (IsRealDate(entry.booking)) {
    xml.Open("BookgDt");
    xml.Date("Dt", entry.booking);
    xml.Close();
  }
  // Readers take the value date as the day of the payment; an item without
  // one was valued on its booking day.
  const CivilDate& value = IsRealDate(entry.value) ? entry.value : entry.booking;
  if (IsRealDate(value)) {
    xml.Open("ValDt");
    xml.Date("Dt", value);
    xml.Close();
  }
  const std::string reference = CamtReference(entry.bankReference);
  xml.Text("AcctSvcrRef", reference, kMax35);
  xml.Open("BkTxCd");
  xml.Open("Prtry");
  xml.Ascii("Cd", entry.fee ? kFeeCode : kPaymentCode);
  xml.Ascii("Issr", "CBA");
  xml.Close();
  xml.Close();

  const std::string vs = Symbol(entry.variableSymbol);
  const std::string ks = Symbol(entry.constantSymbol);
  const std::string ss = Symbol(entry.specificSymbol);
  xml.Open("NtryDtls");
  xml.Open("TxDtls");
  AppendReferences(xml, entry, reference, vs, ks, ss);
  // Money that came in came from the counterparty; money that went out
  // went to it.
  AppendCounterParty(xml, entry, credit);
  AppendCounterAgent(xml, entry.bankCode, credit);
  AppendRemittance(xml, entry, vs, ks, ss);
  xml.Text("AddtlTxInf", entry.description, kMax500);
  xml.Close();
  xml.Close();
  xml.Close();
}

}  // namespace tarvolo
