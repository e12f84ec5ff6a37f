#include "conversion/camt/camt_statement.h"

#include "conversion/camt/camt_ids.h"
#include "conversion/camt/czech_iban.h"
#include "conversion/camt/xml_text.h"

namespace tarvolo {
namespace {

constexpr char kNamespace[] = "urn:iso:std:iso:20022:tech:xsd:camt.053.001.02";
constexpr size_t kMax35 = 35, kMax34 = 34, kMax70 = 70;

void AppendTwoDigits(std::string* out, int32_t value) {
  out->push_back(static_cast<char>('0' + value / 10 % 10));
  out->push_back(static_cast<char>('0' + value % 10));
}

// ISO date and time without a zone, the form every known reader parses.
std::string DateTime(const CivilDate& date, int32_t hour, int32_t minute, int32_t second) {
  std::string text;
  AppendIsoDate(&text, date);
  text.push_back('T');
  AppendTwoDigits(&text, hour);
  text.push_back(':');
  AppendTwoDigits(&text, minute);
  text.push_back(':');
  AppendTwoDigits(&text, second);
  return text;
}

std::string Decimal(int64_t value) {
  std::string text;
  if (value < 0) text.push_back('-');
  AppendHellerAmount(&text, value);
  return text;
}

std::string Count(int64_t value) {
  std::string text;
  AppendInteger(&text, value);
  return text;
}

void AppendAccount(XmlWriter& xml, const CamtAccount& account, const std::string& currency) {
  xml.Open("Acct");
  xml.Open("Id");
  // Without an IBAN the national number, which some importers refuse.
  if (!account.iban.empty()) {
    xml.Ascii("IBAN", account.iban);
  } else {
    AccountNumber national;
    xml.Open("Othr");
    xml.Text("Id",
             ReadCzechAccount(account.number, &national) ? ShownAccount(national) : account.number,
             kMax34);
    xml.Close();
  }
  xml.Close();
  xml.Ascii("Ccy", currency);
  xml.Text("Nm", account.name, kMax70);
  // Importers find the bank by its code as well as by its BIC; some read no
  // document without its bank, which is then said to be unknown in the
  // schema's own way.
  const bool bankKnown = account.bankCode >= 1 && account.bankCode <= 9999;
  xml.Open("Svcr");
  xml.Open("FinInstnId");
  if (const char* bic = bankKnown ? CzechBankBic(account.bankCode) : nullptr) {
    xml.Ascii("BIC", bic);
  }
  xml.Open("Othr");
  xml.Ascii("Id", bankKnown ? BankCodeText(account.bankCode) : "NOTPROVIDED");
  xml.Close();
  xml.Close();
  xml.Close();
  xml.Close();
}

void AppendBalance(XmlWriter& xml, const char* code, int64_t hellers, const CivilDate& date,
                   const std::string& currency) {
  xml.Open("Bal");
  xml.Open("Tp");
  xml.Open("CdOrPrtry");
  xml.Ascii("Cd", code);
  xml.Close();
  xml.Close();
  xml.Amount("Amt", currency, hellers);
  xml.Ascii("CdtDbtInd", hellers < 0 ? "DBIT" : "CRDT");
  xml.Open("Dt");
  xml.Date("Dt", date);
  xml.Close();
  xml.Close();
}

void AppendSummary(XmlWriter& xml, const CamtStatementHeader& header) {
  const int64_t net = header.creditHellers - header.debitHellers;
  xml.Open("TxsSummry");
  xml.Open("TtlNtries");
  xml.Ascii("NbOfNtries", Count(header.creditCount + header.debitCount));
  xml.Ascii("Sum", Decimal(header.creditHellers + header.debitHellers));
  xml.Ascii("TtlNetNtryAmt", Decimal(net < 0 ? -net : net));
  xml.Ascii("CdtDbtInd", net < 0 ? "DBIT" : "CRDT");
  xml.Close();
  const struct {
    const char* name;
    int64_t count, hellers;
  } sides[] = {{"TtlCdtNtries", header.creditCount, header.creditHellers},
               {"TtlDbtNtries", header.debitCount, header.debitHellers}};
  for (const auto& side : sides) {
    xml.Open(side.name);
    xml.Ascii("NbOfNtries", Count(side.count));
    xml.Ascii("Sum", Decimal(side.hellers));
    xml.Close();
  }
  xml.Close();
}

}  // namespace

void ComposeCamtFrame(const CamtStatementHeader& header, const CamtAccount& account,
                      std::string* head, std::string* tail) {
  std::string& document = *head;
  document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  XmlWriter xml(&document, 0);
  xml.Open("Document", "xmlns", kNamespace);
  xml.Open("BkToCstmrStmt");
  const std::string code = CamtCurrencyCode(account.currency);
  const std::string currency = code.empty() ? "XXX" : code;
  const std::string statementId = CamtStatementId(header, account);
  const CivilTime& created = header.created;
  const std::string createdText = DateTime(created, created.hour, created.minute, created.second);
  xml.Open("GrpHdr");
  std::string messageId;
  AppendXmlText(&messageId, header.messageId, kMax35);
  if (messageId.empty()) AppendXmlText(&messageId, statementId, kMax35);
  xml.Ascii("MsgId", messageId);
  xml.Ascii("CreDtTm", createdText);
  xml.Close();
  xml.Open("Stmt");
  xml.Text("Id", statementId, kMax35);
  xml.Ascii("ElctrncSeqNb", Count(header.statementNumber));
  xml.Ascii("LglSeqNb", Count(header.statementNumber));
  xml.Ascii("CreDtTm", createdText);
  xml.Open("FrToDt");
  xml.Ascii("FrDtTm", DateTime(header.fromDate, 0, 0, 0));
  xml.Ascii("ToDtTm", DateTime(header.toDate, 23, 59, 59));
  xml.Close();
  AppendAccount(xml, account, currency);
  AppendBalance(xml, "OPBD", header.openingHellers, header.fromDate, currency);
  AppendBalance(xml, "CLBD", header.closingHellers, header.toDate, currency);
  AppendSummary(xml, header);
  const size_t entriesAt = document.size();
  xml.Close();
  xml.Close();
  xml.Close();
  tail->assign(document, entriesAt, std::string::npos);
  document.resize(entriesAt);
}

std::string ComposeCamtStatement(const CamtStatementHeader& header, const CamtAccount& account,
                                 std::string_view entries) {
  std::string head, tail;
  ComposeCamtFrame(header, account, &head, &tail);
  head.reserve(head.size() + entries.size() + tail.size());
  return head.append(entries).append(tail);
}

}  // namespace tarvolo
