#include "conversion/camt/camt_entries.h"

#include <cstring>
#include <type_traits>

#include "conversion/camt/camt_statement.h"
#include "conversion/values/koruna_default.h"

namespace tarvolo {
namespace {

// The texts of an entry, in the order they are kept.
constexpr size_t kTexts = 9;

std::string_view* TextsOf(CamtEntry& entry, std::string_view* currency, size_t i) {
  std::string_view* const texts[kTexts] = {currency,
                                           &entry.counterIban,
                                           &entry.counterName,
                                           &entry.documentNumber,
                                           &entry.variableSymbol,
                                           &entry.constantSymbol,
                                           &entry.specificSymbol,
                                           &entry.description,
                                           &entry.bankReference};
  return texts[i];
}

// What an entry holds besides its texts, which follow it with these sizes.
struct Values {
  int64_t amountHellers;
  int64_t counterNumber;
  CivilDate booking, value;
  int32_t counterPrefix, bankCode;
  uint32_t sizes[kTexts];
  bool fee;
};
static_assert(std::is_trivially_copyable<Values>::value, "kept as bytes");

// Takes the first entry kept in `bytes`, which holds whole ones.
void TakeKept(std::string_view* bytes, CamtEntry* entry) {
  Values values;
  std::memcpy(&values, bytes->data(), sizeof values);
  bytes->remove_prefix(sizeof values);
  entry->amountHellers = values.amountHellers;
  entry->counterNumber = values.counterNumber;
  entry->booking = values.booking;
  entry->value = values.value;
  entry->counterPrefix = values.counterPrefix;
  entry->bankCode = values.bankCode;
  entry->fee = values.fee;
  std::string_view currency;
  for (size_t i = 0; i < kTexts; ++i) {
    *TextsOf(*entry, &currency, i) = bytes->substr(0, values.sizes[i]);
    bytes->remove_prefix(values.sizes[i]);
  }
  entry->currency.assign(currency.data(), currency.size());
}

// The pieces the document is written in: a few hundred kilobytes stay in the
// processor's cache between rendering and writing, and are few calls.
constexpr size_t kWrittenPiece = 256 * 1024;

}  // namespace

void CamtEntries::Add(const StatementItem& item, std::string_view statementCurrency) {
  // An amount of no hellers is a credit of zero, as its entry says.
  const bool debit = item.amount < 0;
  // Servis24 items name no currency, and set the statement's only after
  // its first file: theirs is the koruna.
  const std::string_view currency = CurrencyOrKoruna(statementCurrency);
  CamtEntry entry = CamtEntryOf(item, item.amount, currency);
  std::string_view entryCurrency = entry.currency;
  Values values = {};
  values.amountHellers = entry.amountHellers;
  values.counterNumber = entry.counterNumber;
  values.booking = entry.booking;
  values.value = entry.value;
  values.counterPrefix = entry.counterPrefix;
  values.bankCode = entry.bankCode;
  values.fee = entry.fee;
  for (size_t i = 0; i < kTexts; ++i) {
    values.sizes[i] = static_cast<uint32_t>(TextsOf(entry, &entryCurrency, i)->size());
  }
  record_.assign(reinterpret_cast<const char*>(&values), sizeof values);
  for (size_t i = 0; i < kTexts; ++i) record_.append(*TextsOf(entry, &entryCurrency, i));
  kept_.Append(record_);
  ++(debit ? debitCount_ : creditCount_);
}

void CamtEntries::TakeBack(const Mark& mark) {
  kept_.Truncate(mark.size);
  creditCount_ = mark.creditCount;
  debitCount_ = mark.debitCount;
}

bool CamtEntries::Drain(const BytesWriter& write) {
  std::string xml;
  xml.reserve(2 * kWrittenPiece);
  CamtEntry entry;
  bool written = true;
  const bool drained = kept_.Drain([&](std::string_view block) {
    while (written && !block.empty()) {
      TakeKept(&block, &entry);
      AppendCamtEntry(entry, &xml);
      if (xml.size() >= kWrittenPiece) {
        written = write(xml);
        xml.clear();
      }
    }
    return written;
  });
  return drained && written && (xml.empty() || write(xml));
}

}  // namespace tarvolo
