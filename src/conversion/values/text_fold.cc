#include "conversion/values/text_fold.h"

#include <cstddef>

#include "conversion/values/blanks.h"

namespace tarvolo {
namespace {

// Letters with diacritics in Windows-1250 and the plain letters they fold to.
constexpr char kAccented[] = "ÁÄĄČĆĎÉĚËĘÍĹĽŁŃŇÓÔÖŐŔŘŚŠŤÚŮÜŰÝŹŻŽáäąčćďéěëęíĺľłńňóôöőŕřśšťúůüűýźżž";
constexpr char kPlain[] = "aaaccdeeeeilllnnoooorrsstuuuuyzzzaaaccdeeeeilllnnoooorrsstuuuuyzzz";
static_assert(sizeof kAccented == sizeof kPlain, "one byte per letter in Windows-1250");

// Windows-1250 bytes folded to the lower-case ASCII letter they carry.
struct LetterFold {
  char table[256] = {};
  constexpr LetterFold() {
    for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<char>(c - 'A' + 'a');
    for (size_t i = 0; i + 1 < sizeof kAccented; ++i) {
      table[static_cast<unsigned char>(kAccented[i])] = kPlain[i];
    }
  }
};
constexpr LetterFold kLetterFold;

}  // namespace

char FoldedInitial(std::string_view name) {
  size_t i = 0;
  while (i < name.size() && (name[i] == '"' || name[i] == '#' || IsFieldPadding(name[i]))) ++i;
  return i < name.size() ? kLetterFold.table[static_cast<unsigned char>(name[i])] : '\0';
}

bool NameStartsWith(std::string_view name, std::string_view start) {
  size_t i = 0;
  while (i < name.size() && (name[i] == '"' || name[i] == '#' || IsFieldPadding(name[i]))) ++i;
  for (char wanted : start) {
    if (i == name.size() || kLetterFold.table[static_cast<unsigned char>(name[i])] != wanted) {
      return false;
    }
    ++i;
  }
  return true;
}

std::string NormaliseColumnName(std::string_view name) {
  std::string normal;
  normal.reserve(name.size());
  bool blank = false;
  for (char c : name) {
    if (c == '"') continue;
    if (IsFieldPadding(c)) {
      blank = !normal.empty();
      continue;
    }
    if (c == '#' && normal.empty()) continue;
    if (blank) normal += ' ';
    blank = false;
    normal += kLetterFold.table[static_cast<unsigned char>(c)];
  }
  return normal;
}

}  // namespace tarvolo
