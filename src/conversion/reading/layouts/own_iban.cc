#include "conversion/reading/layouts/own_iban.h"

#include <algorithm>

#include "conversion/reading/text/csv_record.h"
#include "conversion/values/iban.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

// A column named "IBAN" in a file of no known bank may hold anyone's: no
// more of its values than this are taken for the file's own. A bank's
// header documents the column as its own accounts', however many.
constexpr size_t kIbansLooked = 8;

bool IsIbanLabel(std::string_view field) {
  std::string name = NormaliseColumnName(field);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name == "iban";
}

void AddIban(std::string_view text, std::vector<std::string>* ibans) {
  std::string iban = CompactIban(text);
  if (IsIbanForm(iban) && std::find(ibans->begin(), ibans->end(), iban) == ibans->end()) {
    ibans->push_back(std::move(iban));
  }
}

}  // namespace

void CollectOwnIbans(std::string_view text, const StatementLayout& layout,
                     std::vector<std::string>* ibans) {
  if (layout.headerLine <= 0) return;
  int column = -1;
  CsvRecordReader preamble(text, layout.separator);
  while (preamble.Next() && preamble.lineNumber() <= layout.headerLine) {
    const std::vector<std::string_view>& fields = preamble.fields();
    for (size_t i = 0; i < fields.size(); ++i) {
      if (!IsIbanLabel(fields[i])) continue;
      if (preamble.lineNumber() == layout.headerLine) {
        column = static_cast<int>(i);
        break;
      }
      if (i + 1 < fields.size()) AddIban(fields[i + 1], ibans);
    }
    if (preamble.lineNumber() == layout.headerLine) break;
  }
  if (column < 0) return;
  CsvRecordReader rows(text, layout.separator, layout.dataOffset, layout.headerLine + 1);
  std::string_view last;
  while (rows.Next() && (layout.known || ibans->size() < kIbansLooked)) {
    const std::string_view value = rows.Field(column);
    // Most files repeat one account on every row.
    if (value.empty() || value == last) continue;
    last = value;
    AddIban(value, ibans);
  }
}

}  // namespace tarvolo
