#ifndef TARVOLO_CONVERSION_VALUES_TEXT_FOLD_H_
#define TARVOLO_CONVERSION_VALUES_TEXT_FOLD_H_

#include <string>
#include <string_view>

namespace tarvolo {

// Texts compared as people read them: Windows-1250 letters folded to
// lower-case ASCII without diacritics, blanks run together. Column names,
// states, labels and directions are all compared so.

// A column name as it is compared: lower case, without diacritics, quotes
// and a leading '#', every run of blanks and no-break spaces one blank.
std::string NormaliseColumnName(std::string_view name);

// Whether a name folded as NormaliseColumnName folds it starts with `start`
// (lower case, no diacritics, no blanks in it), without building the name.
bool NameStartsWith(std::string_view name, std::string_view start);

// The first letter of a name as NormaliseColumnName folds it, '\0' for none.
char FoldedInitial(std::string_view name);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_TEXT_FOLD_H_
