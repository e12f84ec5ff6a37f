#include "conversion/gpc/currency_number.h"

#include <cstring>

#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

struct CurrencyRow {
  const char* code;
  const char* number;
};

// The currencies of the statements the program meets: Czech banks'
// foreign-currency accounts, PayPal, Revolut and Wise balances.
constexpr CurrencyRow kCurrencies[] = {
    {.code = "AED", .number = "784"}, {.code = "ALL", .number = "008"},
    {.code = "ARS", .number = "032"}, {.code = "AUD", .number = "036"},
    {.code = "BAM", .number = "977"}, {.code = "BGN", .number = "975"},
    {.code = "BRL", .number = "986"}, {.code = "CAD", .number = "124"},
    {.code = "CHF", .number = "756"}, {.code = "CLP", .number = "152"},
    {.code = "CNY", .number = "156"}, {.code = "COP", .number = "170"},
    {.code = "CZK", .number = "203"}, {.code = "DKK", .number = "208"},
    {.code = "EGP", .number = "818"}, {.code = "EUR", .number = "978"},
    {.code = "GBP", .number = "826"}, {.code = "GEL", .number = "981"},
    {.code = "HKD", .number = "344"}, {.code = "HRK", .number = "191"},
    {.code = "HUF", .number = "348"}, {.code = "IDR", .number = "360"},
    {.code = "ILS", .number = "376"}, {.code = "INR", .number = "356"},
    {.code = "ISK", .number = "352"}, {.code = "JPY", .number = "392"},
    {.code = "KES", .number = "404"}, {.code = "KRW", .number = "410"},
    {.code = "KZT", .number = "398"}, {.code = "MAD", .number = "504"},
    {.code = "MDL", .number = "498"}, {.code = "MKD", .number = "807"},
    {.code = "MXN", .number = "484"}, {.code = "MYR", .number = "458"},
    {.code = "NGN", .number = "566"}, {.code = "NOK", .number = "578"},
    {.code = "NZD", .number = "554"}, {.code = "PEN", .number = "604"},
    {.code = "PHP", .number = "608"}, {.code = "PLN", .number = "985"},
    {.code = "QAR", .number = "634"}, {.code = "RON", .number = "946"},
    {.code = "RSD", .number = "941"}, {.code = "RUB", .number = "643"},
    {.code = "SAR", .number = "682"}, {.code = "SEK", .number = "752"},
    {.code = "SGD", .number = "702"}, {.code = "THB", .number = "764"},
    {.code = "TRY", .number = "949"}, {.code = "TWD", .number = "901"},
    {.code = "UAH", .number = "980"}, {.code = "USD", .number = "840"},
    {.code = "VND", .number = "704"}, {.code = "ZAR", .number = "710"},
};

}  // namespace

const char* CurrencyNumber(std::string_view code) {
  for (const CurrencyRow& row : kCurrencies) {
    if (code == row.code) return row.number;
  }
  return nullptr;
}

CurrencyField CurrencyFieldOf(std::string_view currency) {
  CurrencyField field;
  if (CurrencyOrKoruna(currency) == kKorunaCode) return field;
  const char* number = CurrencyNumber(currency);
  field.known = number != nullptr;
  std::memcpy(field.debit, "00000", 5);
  if (number != nullptr) std::memcpy(field.debit + 2, number, 3);
  std::memcpy(field.credit, field.debit, sizeof field.debit);
  return field;
}

}  // namespace tarvolo
