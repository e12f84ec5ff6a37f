#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_TABLE_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/values/text_fold.h"

namespace tarvolo {

// What a column of a statement holds, as far as the records need it.
enum class ColumnRole {
  kBookingDate,
  kAmount,
  kDirection,  // debit or credit, for amounts written without a sign
  kCurrency,
  kCounterAccount,  // prefix-number/bank, number/bank or the number alone
  kCounterBank,
  kCounterPrefix,
  kCounterIban,
  kCounterName,
  kVariableSymbol,
  kConstantSymbol,
  kSpecificSymbol,
  kMessage,   // the message for the payee
  kItemType,  // the bank's own description or kind of the item
  kTransactionId,
  kState,            // COMPLETED, PENDING, DECLINED...: only booked rows are items
  kFee,              // a fee charged beside the amount, not within it
  kBalance,          // the account's balance after the row
  kAccountCurrency,  // the account's own currency, the same on every row
  kCreditAmount,     // credits and debits in columns of their own
  kDebitAmount,
  kValueDate,
  kFeeCurrency,
  kBalanceImpact,   // PayPal's Memo marks rows that move no money
  kReference,       // the payer's reference, a document number where it is one
  kOpeningBalance,  // the statement's balances, repeated on every row
  kClosingBalance,
  kIncomingAmount,  // a transfer list's amount and currency where money comes in
  kIncomingCurrency,
  kProduct,  // Revolut's account or pocket a row belongs to
  // Business 24 marks rows the bank did not account, and names why an
  // order was not carried out: neither moved the balance.
  kAccountingMark,
  kNonExecution,
  kStatementNumber,  // KB Business: a file may hold rows of several statements
  kOwnAccount,       // the account the row is of, where a file names it on each row
  kRelatedId,        // PayPal's Reference Txn ID: the row a hold or a refund is of
  kCount
};
constexpr int kColumnRoleCount = static_cast<int>(ColumnRole::kCount);

// What a bank's layout does its own way.
struct LayoutRules {
  // The fee column holds the fee's effect on the balance (PayPal: -3.20 for
  // a fee, +2.90 for a fee returned with a refund; Air Bank: -25,00);
  // otherwise a fee is a charge written as a positive number, and a
  // negative one is a fee refunded.
  bool feeIsEffect = false;
  // Dates with '/' are month first (PayPal's M/D/YYYY) unless a file's own
  // dates show otherwise.
  bool monthFirstDates = false;
  // Rows are listed newest first (Wise), which decides where a running
  // balance fits both orders.
  bool newestFirst = false;
  // A transfer list: the amount and currency of an incoming transfer are
  // those it arrives with.
  bool transfers = false;
  // The columns the description comes from, the first that is not empty;
  // none for the usual message, counter name and item type.
  const char* description[3] = {};
  // No export seen shows which sign the fee column gives a charge: where
  // no balance proves it, the signs the file's fees are written with decide.
  bool feeSignUnknown = false;
  // No export seen shows the order of day and month in the layout's N/N/YYYY
  // dates: where the file's own dates do not prove it, the order taken is
  // named.
  bool dateOrderUnknown = false;
  // Revolut Business's exports without a State column (2022) write a
  // charged fee as its effect on the balance, -5.00; later ones as 5.00.
  bool feeEffectWithoutState = false;
  // SumUp writes a date's time after a comma ("03/08/2026, 17:54"), and its
  // German statement only the year's last two digits ("03.08.26, 17:54"):
  // a date no other layout's rows may have.
  bool commaBeforeTime = false;
  bool twoDigitYears = false;
  // Fio's movements on all of a customer's accounts name each row's own
  // account in a column no export documents: the rows show which it is.
  bool ownAccountsByData = false;
};

// The columns of one currency, where a layout gives each currency its own
// ("Paid Out (EUR)", "Paid In (EUR)", "Balance (EUR)"); -1 for a column the
// header lacks.
struct CurrencyColumns {
  char code[4] = {};
  int credit = -1;
  int debit = -1;
  int balance = -1;
};

// How one statement file is laid out, found from its header line.
struct StatementLayout {
  // A header line with a booking date and an amount column (or credit and
  // debit columns) was found.
  bool recognised = false;
  // The header is a bank's own, not only column names the program knows.
  bool known = false;
  char separator = ';';
  int headerLine = 0;     // counted from 1
  int headerColumns = 0;  // the names the header line has
  size_t dataOffset = 0;  // where the line after the header starts
  // Column of each role, from 0; -1 when the file has none.
  int column[kColumnRoleCount];
  // The bank whose header this is, Windows-1250; "obecný CSV" for any other.
  const char* name = "";
  // The code of the Czech bank whose header this is; 0 for a service abroad
  // and for a header of no bank.
  int32_t bankCode = 0;
  LayoutRules rules;

  // Every column whose name may hold the booking date or the amount, the
  // likeliest first, -1 after the last: the data decide among them.
  static constexpr int kCandidates = 4;
  int dateCandidates[kCandidates];
  int amountCandidates[kCandidates];
  // How likely each date candidate's name is, as amountRanks.
  int dateRanks[kCandidates] = {};
  // How likely each amount candidate's name is, the lower the likelier:
  // candidates of one rank are equals that only the data tell apart.
  int amountRanks[kCandidates] = {};
  // The rank of the names of an amount net of its fee ("Net", "Netto").
  static constexpr int kNetAmountRank = 3;

  // The currency the amount column's name gives as its unit ("Amount
  // (EUR)"), "" for none.
  char amountUnit[4] = {};

  // Each currency's columns in the order of the header, where the credit,
  // debit and balance columns name their currency; the role columns are
  // those of the first.
  std::vector<CurrencyColumns> currencies;

  StatementLayout() {
    for (int& c : column) c = -1;
    for (int& c : dateCandidates) c = -1;
    for (int& c : amountCandidates) c = -1;
  }
  int Column(ColumnRole role) const { return column[static_cast<int>(role)]; }
};

// Looks through the first 40 lines of a Windows-1250 statement text for a
// header line separated by ';', ',' or a tab whose column names it knows.
// A name that means one role in one language and another elsewhere takes
// the one the rows below it show.
StatementLayout RecogniseLayout(std::string_view text);

// The names of the layouts known by their header, each once, for the log.
std::vector<const char*> KnownLayoutNames();

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_LAYOUT_TABLE_H_
