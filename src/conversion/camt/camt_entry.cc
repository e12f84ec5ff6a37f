#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// Stands where a value goes in a fragment while it is composed.
constexpr std::string_view kValue = "\x01";

// Elements around values, composed once by the document's writer and kept as
// the text between the values: an entry then copies its nested elements in
// a few pieces instead of composing them line by line, and its bytes are
// the writer's own.
class Fragment {
 public:
  Fragment() = default;
  // `compose` writes the elements at `depth` with kValue where each value
  // goes; elements it leaves open stay open.
  template <typename Compose>
  Fragment(int depth, Compose compose) {
    std::string text;
    XmlWriter xml(&text, depth);
    compose(xml);
    for (size_t at; (at = text.find(kValue)) != std::string::npos;) {
      pieces_.push_back(text.substr(0, at));
      text.erase(0, at + kValue.size());
    }
    pieces_.push_back(text);
  }

  // The fragment with `values` in their places.
  void Append(std::string* out, std::initializer_list<std::string_view> values = {}) const {
    size_t i = 0;
    for (const std::string_view value : values) {
      if (i + 1 >= pieces_.size()) break;
      out->append(pieces_[i++]);
      out->append(value);
    }
    for (; i < pieces_.size(); ++i) out->append(pieces_[i]);
  }

 private:
  std::vector<std::string> pieces_;
};

// The lines that open elements and the lines that close them again.
struct Around {
  std::string open, close;
};

Around AroundOf(int depth, std::initializer_list<std::string_view> names) {
  std::string opened, whole;
  XmlWriter opening(&opened, depth), both(&whole, depth);
  for (const std::string_view name : names) {
    opening.Open(name);
    both.Open(name);
  }
  for (size_t i = 0; i < names.size(); ++i) both.Close();
  return {opened, whole.substr(opened.size())};
}

// The fragments of an entry. Those indexed by the direction of the money
// name the counterparty's elements ([0] a debit, [1] a credit);
// codeAndDetails is indexed by whether the item is a fee.
struct EntryFragments {
  Around entry, references, parties, remittance;
  Fragment signAndStatus[2], booking, valuation, codeAndDetails[2];
  Fragment reference[5], name[2], iban[2], other[2];
  Fragment agentWithBic[2], agent[2];
  Fragment message, symbol[3];
};

// Where the elements of an entry stand, the entries' own being 3.
constexpr int kEntryDepth = 3, kDetailsDepth = kEntryDepth + 3;

const char* const kReferenceNames[] = {"AcctSvcrRef", "PmtInfId", "InstrId", "EndToEndId", "TxId"};
const char* const kSymbolPrefixes[] = {"VS:", "KS:", "SS:"};

EntryFragments ComposeFragments() {
  EntryFragments f;
  const std::string_view value = kValue;
  f.entry = AroundOf(kEntryDepth, {"Ntry", "NtryDtls", "TxDtls"});
  f.references = AroundOf(kDetailsDepth, {"Refs"});
  f.parties = AroundOf(kDetailsDepth, {"RltdPties"});
  f.remittance = AroundOf(kDetailsDepth, {"RmtInf"});
  for (const bool fee : {false, true}) {
    f.codeAndDetails[fee] = Fragment(kEntryDepth + 1, [&](XmlWriter& x) {
      x.Open("BkTxCd");
      x.Open("Prtry");
      x.Ascii("Cd", fee ? kFeeCode : kPaymentCode);
      x.Ascii("Issr", "CBA");
      x.Close();
      x.Close();
      x.Open("NtryDtls");
      x.Open("TxDtls");
    });
  }
  for (const bool credit : {false, true}) {
    f.signAndStatus[credit] = Fragment(kEntryDepth + 1, [&](XmlWriter& x) {
      x.Ascii("CdtDbtInd", credit ? "CRDT" : "DBIT");
      x.Ascii("Sts", "BOOK");
    });
    f.name[credit] = Fragment(kDetailsDepth + 1, [&](XmlWriter& x) {
      x.Open(credit ? "Dbtr" : "Cdtr");
      x.Ascii("Nm", value);
      x.Close();
    });
    const auto account = [&](bool iban) {
      return Fragment(kDetailsDepth + 1, [&](XmlWriter& x) {
        x.Open(credit ? "DbtrAcct" : "CdtrAcct");
        x.Open("Id");
        if (iban) {
          x.Ascii("IBAN", value);
        } else {
          x.Open("Othr");
          x.Ascii("Id", value);
          x.Close();
        }
        x.Close();
        x.Close();
      });
    };
    f.iban[credit] = account(true);
    f.other[credit] = account(false);
    const auto agent = [&](bool bic) {
      return Fragment(kDetailsDepth, [&](XmlWriter& x) {
        x.Open("RltdAgts");
        x.Open(credit ? "DbtrAgt" : "CdtrAgt");
        x.Open("FinInstnId");
        if (bic) x.Ascii("BIC", value);
        x.Open("Othr");
        x.Ascii("Id", value);
        x.Close();
        x.Close();
        x.Close();
        x.Close();
      });
    };
    f.agentWithBic[credit] = agent(true);
    f.agent[credit] = agent(false);
  }
  const auto date = [&](const char* name) {
    return Fragment(kEntryDepth + 1, [&](XmlWriter& x) {
      x.Open(name);
      x.Ascii("Dt", value);
      x.Close();
    });
  };
  f.booking = date("BookgDt");
  f.valuation = date("ValDt");
  for (size_t i = 0; i < std::size(kReferenceNames); ++i) {
    f.reference[i] =
        Fragment(kDetailsDepth + 1, [&](XmlWriter& x) { x.Ascii(kReferenceNames[i], value); });
  }
  f.message = Fragment(kDetailsDepth + 1, [&](XmlWriter& x) { x.Ascii("Ustrd", value); });
  for (size_t i = 0; i < std::size(kSymbolPrefixes); ++i) {
    f.symbol[i] = Fragment(kDetailsDepth + 1, [&](XmlWriter& x) {
      x.Open("Strd");
      x.Open("CdtrRefInf");
      x.Ascii("Ref", std::string(kSymbolPrefixes[i]) + std::string(value));
      x.Close();
      x.Close();
    });
  }
  return f;
}

const EntryFragments& Fragments() {
  static const EntryFragments fragments = ComposeFragments();
  return fragments;
}

void AppendCounterParty(std::string* out, const EntryFragments& f, const CamtEntry& entry,
                        bool credit) {
  std::string name;
  AppendXmlText(&name, entry.counterName, kMax140);
  const CounterAccount account = CounterAccountOf(entry);
  if (name.empty() && !account.Given()) return;
  out->append(f.parties.open);
  if (!name.empty()) f.name[credit].Append(out, {name});
  if (!account.iban.empty()) {
    f.iban[credit].Append(out, {account.iban});
  } else if (account.Given()) {
    f.other[credit].Append(out, {account.other});
  }
  out->append(f.parties.close);
}

void AppendCounterAgent(std::string* out, const EntryFragments& f, int32_t bankCode, bool credit) {
  if (bankCode < 1 || bankCode > 9999) return;
  if (const char* bic = CzechBankBic(bankCode)) {
    f.agentWithBic[credit].Append(out, {bic, BankCodeText(bankCode)});
  } else {
    f.agent[credit].Append(out, {BankCodeText(bankCode)});
  }
}

void AppendReferences(std::string* out, const EntryFragments& f, const CamtEntry& entry,
                      const std::string& bankReference, const std::string& vs,
                      const std::string& ks, const std::string& ss) {
  std::string reference;
  AppendXmlText(&reference, bankReference, kMax35);
  std::string document;
  AppendXmlText(&document, CamtReference(entry.documentNumber), kMax35);
  if (reference.empty() && document.empty() && vs.empty() && ks.empty() && ss.empty()) return;
  out->append(f.references.open);
  // In the order of kReferenceNames.
  const std::string* const values[] = {&reference, &ss, &ks, &vs, &document};
  for (size_t i = 0; i < std::size(values); ++i) {
    if (!values[i]->empty()) f.reference[i].Append(out, {*values[i]});
  }
  out->append(f.references.close);
}

void AppendRemittance(std::string* out, const EntryFragments& f, const CamtEntry& entry,
                      const std::string& vs, const std::string& ks, const std::string& ss) {
  std::string message;
  AppendXmlText(&message, entry.description, kMax140);
  if (message.empty() && vs.empty() && ks.empty() && ss.empty()) return;
  out->append(f.remittance.open);
  if (!message.empty()) f.message.Append(out, {message});
  // The schema allows one reference in each Strd; in the order of
  // kSymbolPrefixes.
  const std::string* const symbols[] = {&vs, &ks, &ss};
  for (size_t i = 0; i < std::size(symbols); ++i) {
    if (!symbols[i]->empty()) f.symbol[i].Append(out, {*symbols[i]});
  }
  out->append(f.remittance.close);
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
  const EntryFragments& f = Fragments();
  std::string* const out = xmlEntries;
  const bool credit = entry.amountHellers >= 0;
  // The entry's first line; its details stay open for the lines below.
  out->append(std::string_view(f.entry.open).substr(0, f.entry.open.find('\n') + 1));
  const std::string currency = CamtCurrencyCode(entry.currency);
  XmlWriter(out, kEntryDepth + 1)
      .Amount("Amt", currency.empty() ? "XXX" : currency, entry.amountHellers);
  f.signAndStatus[credit].Append(out);
  std::string day;
  if (IsRealDate(entry.booking)) {
    AppendIsoDate(&day, entry.booking);
    f.booking.Append(out, {day});
  }
  // Readers take the value date as the day of the payment; an item without
  // one was valued on its booking day.
  const CivilDate& value = IsRealDate(entry.value) ? entry.value : entry.booking;
  if (IsRealDate(value)) {
    day.clear();
    AppendIsoDate(&day, value);
    f.valuation.Append(out, {day});
  }
  const std::string reference = CamtReference(entry.bankReference);
  XmlWriter(out, kEntryDepth + 1).Text("AcctSvcrRef", reference, kMax35);
  f.codeAndDetails[entry.fee].Append(out);

  const std::string vs = Symbol(entry.variableSymbol);
  const std::string ks = Symbol(entry.constantSymbol);
  const std::string ss = Symbol(entry.specificSymbol);
  AppendReferences(out, f, entry, reference, vs, ks, ss);
  // Money that came in came from the counterparty; money that went out
  // went to it.
  AppendCounterParty(out, f, entry, credit);
  AppendCounterAgent(out, f, entry.bankCode, credit);
  AppendRemittance(out, f, entry, vs, ks, ss);
  XmlWriter(out, kDetailsDepth).Text("AddtlTxInf", entry.description, kMax500);
  out->append(f.entry.close);
}

}  // namespace tarvolo
