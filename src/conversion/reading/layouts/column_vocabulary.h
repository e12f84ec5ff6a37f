#ifndef TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_VOCABULARY_H_
#define TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_VOCABULARY_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "conversion/reading/layouts/layout_table.h"

namespace tarvolo {

// The words of a header cell as the vocabulary compares them: folded as
// NormaliseColumnName folds names, '_' and a '.' before a word read as a
// blank, a closing '.' or ':' left out, and a unit set apart: a currency in
// brackets ("Amount (EUR)", "SALDO (€)") or as the last word ("IMPORTE
// EUR"), or a time zone of UTC ("Created (UTC)", "created_utc").
struct HeaderWords {
  std::string words;
  // The unit's currency code in capitals, "" where the cell names none.
  char currency[4] = {};
  bool utc = false;
};
HeaderWords ReadHeaderWords(std::string_view cell);

// A name a header cell may have, as ReadHeaderWords gives its words, and
// the role it gives the column.
struct ColumnName {
  const char* name;
  ColumnRole role;
  int rank;  // where two columns could serve, the lower rank wins
};

// The names of columns in the languages statements come in (Czech, Slovak,
// English, German, French, Italian, Spanish, Dutch, Polish, Hungarian); a
// name may give several roles.
struct ColumnVocabulary {
  const ColumnName* begin() const;
  const ColumnName* end() const;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_READING_LAYOUTS_COLUMN_VOCABULARY_H_
