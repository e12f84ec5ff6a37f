#include "conversion/reading/layouts/own_account_rows.h"

#include <string>
#include <vector>

#include "conversion/reading/layouts/column_vocabulary.h"
#include "conversion/reading/layouts/file_self_description.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/values/account_number.h"

namespace tarvolo {
namespace {

// What the rows show of one column: whether each value is an account at
// `bank`, and on which side a column gives the bank to the values written
// without one.
struct ColumnProof {
  bool proven = false;
  int bankColumn = -1;  // the column beside that gives the bank, -1 for none
};

// A value of a column that may hold the rows' own accounts.
enum class OwnValue { kNone, kAtBank, kWithoutBank, kOther };

OwnValue ReadOwnValue(std::string_view value, const std::string& bank) {
  if (value.empty()) return OwnValue::kNone;
  AccountNumber account;
  if (!ReadAccountNumber(value, true, &account)) return OwnValue::kOther;
  if (account.bank == bank) return OwnValue::kAtBank;
  return account.bank.empty() ? OwnValue::kWithoutBank : OwnValue::kOther;
}

ColumnProof ProveColumn(std::string_view text, const StatementLayout& layout, int column,
                        const std::string& bank) {
  bool left = true, right = true, bare = false;
  int values = 0;
  for (CsvRecordReader reader(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
       reader.Next();) {
    switch (ReadOwnValue(reader.Field(column), bank)) {
      case OwnValue::kNone:
        continue;
      case OwnValue::kOther:
        return {};
      case OwnValue::kWithoutBank:
        bare = true;
        left = left && column > 0 && reader.Field(column - 1) == bank;
        right = right && reader.Field(column + 1) == bank;
        if (!left && !right) return {};
        break;
      case OwnValue::kAtBank:
        break;
    }
    ++values;
  }
  if (values == 0) return {};
  return {.proven = true, .bankColumn = !bare ? -1 : right ? column + 1 : column - 1};
}

// The header's cells as the vocabulary reads them.
std::vector<std::string> HeaderWordsOf(std::string_view text, const StatementLayout& layout) {
  CsvRecordReader header(text, layout.separator);
  while (header.Next() && header.lineNumber() < layout.headerLine) {}
  std::vector<std::string> words;
  for (const std::string_view cell : header.fields()) words.push_back(ReadHeaderWords(cell).words);
  return words;
}

}  // namespace

void ProveOwnAccountColumn(std::string_view text, StatementLayout* layout) {
  if (!layout->rules.ownAccountsByData || layout->headerLine <= 0) return;
  const std::string bank = LayoutBankCode(*layout);
  if (bank.empty()) return;
  int& own = layout->column[static_cast<int>(ColumnRole::kOwnAccount)];
  own = -1;
  const std::vector<std::string> names = HeaderWordsOf(text, *layout);
  const int count = static_cast<int>(names.size());
  std::vector<bool> taken(names.size());
  for (const int column : layout->column) {
    if (column >= 0 && column < count) taken[column] = true;
  }
  int& counterBank = layout->column[static_cast<int>(ColumnRole::kCounterBank)];
  int found = -1, foundBank = -1, counterBankElsewhere = -1;
  for (int column = 0; column < count; ++column) {
    if (taken[column]) continue;
    const ColumnProof proof = ProveColumn(text, *layout, column, bank);
    if (!proof.proven) continue;
    // A bank column beside that another role took gives the own bank only
    // where the header has a column of the same name left for that role.
    int elsewhere = -1;
    if (proof.bankColumn >= 0 && taken[proof.bankColumn]) {
      for (int other = 0; other < count && proof.bankColumn == counterBank; ++other) {
        if (other != proof.bankColumn && !taken[other] && names[other] == names[counterBank]) {
          elsewhere = other;
          break;
        }
      }
      if (elsewhere < 0) continue;
    }
    // Two columns of such accounts leave it unproven which is the rows' own.
    if (found >= 0) return;
    found = column;
    foundBank = proof.bankColumn;
    counterBankElsewhere = elsewhere;
  }
  if (found < 0) return;
  own = found;
  if (foundBank >= 0 && foundBank == counterBank) counterBank = counterBankElsewhere;
}

}  // namespace tarvolo
