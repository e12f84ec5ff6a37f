#include "conversion/reading/layouts/column_mapping.h"

#include <algorithm>
#include <iterator>

#include "conversion/reading/layouts/column_vocabulary.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/text_fold.h"

namespace tarvolo {
namespace {

constexpr int kHeaderSearchLines = 40;
constexpr char kSeparators[] = {';', ',', '\t'};

// The roles a user may name, folded as NormaliseColumnName folds them.
struct RoleName {
  const char* name;
  ColumnRole role;
};
constexpr RoleName kRoleNames[] = {
    {.name = "datum", .role = ColumnRole::kBookingDate},
    {.name = "date", .role = ColumnRole::kBookingDate},
    {.name = "valuta", .role = ColumnRole::kValueDate},
    {.name = "value date", .role = ColumnRole::kValueDate},
    {.name = "castka", .role = ColumnRole::kAmount},
    {.name = "amount", .role = ColumnRole::kAmount},
    {.name = "prijem", .role = ColumnRole::kCreditAmount},
    {.name = "credit", .role = ColumnRole::kCreditAmount},
    {.name = "vydaj", .role = ColumnRole::kDebitAmount},
    {.name = "debit", .role = ColumnRole::kDebitAmount},
    {.name = "poplatek", .role = ColumnRole::kFee},
    {.name = "fee", .role = ColumnRole::kFee},
    {.name = "mena", .role = ColumnRole::kCurrency},
    {.name = "currency", .role = ColumnRole::kCurrency},
    {.name = "zustatek", .role = ColumnRole::kBalance},
    {.name = "balance", .role = ColumnRole::kBalance},
    {.name = "protiucet", .role = ColumnRole::kCounterAccount},
    {.name = "counter account", .role = ColumnRole::kCounterAccount},
    {.name = "banka", .role = ColumnRole::kCounterBank},
    {.name = "bank code", .role = ColumnRole::kCounterBank},
    {.name = "nazev", .role = ColumnRole::kCounterName},
    {.name = "name", .role = ColumnRole::kCounterName},
    {.name = "vs", .role = ColumnRole::kVariableSymbol},
    {.name = "ks", .role = ColumnRole::kConstantSymbol},
    {.name = "ss", .role = ColumnRole::kSpecificSymbol},
    {.name = "zprava", .role = ColumnRole::kMessage},
    {.name = "message", .role = ColumnRole::kMessage},
    {.name = "id", .role = ColumnRole::kTransactionId},
    {.name = "stav", .role = ColumnRole::kState},
    {.name = "state", .role = ColumnRole::kState},
    {.name = "typ", .role = ColumnRole::kItemType},
    {.name = "type", .role = ColumnRole::kItemType},
    {.name = "iban", .role = ColumnRole::kCounterIban},
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A text as a message shows it: its control characters as blanks.
std::string Shown(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return shown;
}

bool Has(const ColumnMapping& mapping, ColumnRole role) {
  return std::any_of(mapping.columns.begin(), mapping.columns.end(),
                     [role](const MappedColumn& column) { return column.role == role; });
}

bool IsCurrencyCode(std::string_view text) {
  return text.size() == 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The cell of `cells` named `name`, case, diacritics and surrounding blanks
// aside; -1 for none.
int CellNamed(const std::vector<std::string_view>& cells, const std::string& folded) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (NormaliseColumnName(Trimmed(cells[i])) == folded) return static_cast<int>(i);
  }
  return -1;
}

// Sets the mapping's columns in `layout` from the header `cells`; false,
// with the names the cells lack in `missing`, where they lack one.
bool MapCells(const std::vector<std::string_view>& cells, const ColumnMapping& mapping,
              StatementLayout* layout, std::vector<std::string>* missing) {
  missing->clear();
  for (const MappedColumn& mapped : mapping.columns) {
    const int cell = CellNamed(cells, NormaliseColumnName(Trimmed(mapped.name)));
    if (cell >= 0) {
      layout->column[static_cast<int>(mapped.role)] = cell;
      // "Amount (EUR)" is an amount in euros here as in any header.
      const HeaderWords words = ReadHeaderWords(cells[cell]);
      if (mapped.role == ColumnRole::kAmount && layout->amountUnit[0] == '\0') {
        std::copy(words.currency, words.currency + 4, layout->amountUnit);
      }
    } else if (mapped.role == ColumnRole::kCurrency && IsCurrencyCode(mapped.name)) {
      // A currency that no column holds is the statement's, given whole.
      std::copy(mapped.name.begin(), mapped.name.end(), layout->amountUnit);
    } else {
      missing->push_back(Shown(mapped.name));
    }
  }
  return missing->empty();
}

// The rest of a layout whose columns are set, found on the line `record`
// has just read.
void SetHeader(const CsvRecordReader& record, char separator, StatementLayout* layout) {
  layout->recognised = true;
  layout->name = "zadaný převodem sloupců";
  layout->separator = separator;
  layout->headerLine = record.lineNumber();
  layout->headerColumns = static_cast<int>(record.fields().size());
  layout->dataOffset = record.offset();
  layout->dateCandidates[0] = layout->Column(ColumnRole::kBookingDate);
  layout->amountCandidates[0] = layout->Column(ColumnRole::kAmount);
}

// Whether a cell may be a column's name: not empty, and no value such as
// a date or an amount, which start with a digit or a sign.
bool IsName(std::string_view cell) {
  cell = Trimmed(cell);
  if (cell.empty()) return false;
  const char first = cell.front();
  return !(first >= '0' && first <= '9') && first != '-' && first != '+';
}

}  // namespace

bool ParseColumnMapping(std::string_view text, ColumnMapping* mapping, std::string* error) {
  error->clear();
  *mapping = ColumnMapping();
  mapping->text = std::string(text);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (part.empty()) continue;
    const size_t equals = part.find('=');
    const std::string roleText(Trimmed(part.substr(0, equals)));
    const std::string_view name =
        equals == std::string_view::npos ? std::string_view() : Trimmed(part.substr(equals + 1));
    const std::string folded = NormaliseColumnName(roleText);
    const auto known = std::find_if(std::begin(kRoleNames), std::end(kRoleNames),
                                    [&](const RoleName& role) { return folded == role.name; });
    if (known == std::end(kRoleNames)) {
      Render(*error, "neznámá role \"%s\"", {Shown(roleText)});
      return false;
    }
    if (name.empty()) {
      Render(*error, "role \"%s\" nemá název sloupce (role=sloupec)", {Shown(roleText)});
      return false;
    }
    if (Has(*mapping, known->role)) {
      Render(*error, "role \"%s\" je zadána dvakrát", {Shown(roleText)});
      return false;
    }
    mapping->columns.push_back(
        {.role = known->role, .roleText = roleText, .name = std::string(name)});
  }
  if (!Has(*mapping, ColumnRole::kBookingDate)) {
    *error = "chybí role datum";
    return false;
  }
  if (!Has(*mapping, ColumnRole::kAmount) && !Has(*mapping, ColumnRole::kCreditAmount) &&
      !Has(*mapping, ColumnRole::kDebitAmount)) {
    *error = "chybí role částka (nebo příjem a výdaj)";
    return false;
  }
  return true;
}

StatementLayout MappedLayout(std::string_view text, const ColumnMapping& mapping,
                             std::vector<std::string>* missing) {
  missing->clear();
  StatementLayout best;
  for (const char separator : kSeparators) {
    CsvRecordReader record(text, separator);
    while (record.Next() && record.lineNumber() <= kHeaderSearchLines) {
      if (best.recognised && record.lineNumber() >= best.headerLine) break;
      StatementLayout layout;
      std::vector<std::string> lacks;
      if (MapCells(record.fields(), mapping, &layout, &lacks)) {
        SetHeader(record, separator, &layout);
        best = layout;
        break;
      }
      if (missing->empty() || lacks.size() < missing->size()) *missing = lacks;
    }
  }
  if (best.recognised) missing->clear();
  return best;
}

std::vector<std::string> HeaderCells(std::string_view text, const StatementLayout& layout) {
  std::vector<std::string> cells;
  CsvRecordReader record(text, layout.separator);
  while (record.Next() && record.lineNumber() < layout.headerLine) {}
  if (record.lineNumber() != layout.headerLine) return cells;
  for (const std::string_view cell : record.fields()) cells.emplace_back(Trimmed(cell));
  return cells;
}

bool KeptMappingFits(std::string_view text, const ColumnMapping& mapping, StatementLayout* layout) {
  for (const char separator : kSeparators) {
    CsvRecordReader record(text, separator);
    while (record.Next() && record.lineNumber() <= kHeaderSearchLines) {
      const std::vector<std::string_view>& cells = record.fields();
      if (cells.size() != mapping.header.size() ||
          !std::equal(cells.begin(), cells.end(), mapping.header.begin(),
                      [](std::string_view cell, const std::string& kept) {
                        return Trimmed(cell) == kept;
                      })) {
        continue;
      }
      StatementLayout fitted;
      std::vector<std::string> missing;
      if (!MapCells(cells, mapping, &fitted, &missing)) return false;
      SetHeader(record, separator, &fitted);
      *layout = fitted;
      return true;
    }
  }
  return false;
}

std::vector<std::string> LikelyHeaderCells(std::string_view text) {
  std::vector<std::string> best;
  bool followed = false;
  for (const char separator : kSeparators) {
    CsvRecordReader record(text, separator);
    bool found = false;
    while (record.Next() && record.lineNumber() <= kHeaderSearchLines) {
      const std::vector<std::string_view>& cells = record.fields();
      if (found && !(cells.size() == 1 && Trimmed(cells[0]).empty())) {
        followed = true;
        found = false;
      }
      if (cells.size() < 2 || cells.size() <= best.size() ||
          !std::all_of(cells.begin(), cells.end(), IsName)) {
        continue;
      }
      best.clear();
      for (const std::string_view cell : cells) best.emplace_back(Trimmed(cell));
      found = true;
      followed = false;
    }
  }
  // A line of values, or one with nothing after it, is no header to map.
  if (!followed) best.clear();
  return best;
}

}  // namespace tarvolo
