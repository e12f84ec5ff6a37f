#ifndef TARVOLO_CONVERSION_VALUES_BLANKS_H_
#define TARVOLO_CONVERSION_VALUES_BLANKS_H_

namespace tarvolo {

// The three kinds of blank the program's rules know, side by side so that
// their differences show.

// Bytes 1 to 32: the space, the tab and every other control character, as
// the field reader trims them. Bytes 0x80 and above (letters with
// diacritics, the no-break space) are not.
inline bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

// Bytes that surround values of a bank's export without being part of
// them: blanks and the no-break space.
inline bool IsFieldPadding(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return IsBlank(byte) || byte == 0xA0;
}

// Whitespace as the pattern scan and the decimal reader skip it: tab, LF,
// VT, FF, CR and blank.
inline bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_BLANKS_H_
