#ifndef TARVOLO_CONVERSION_CAMT_XML_TEXT_H_
#define TARVOLO_CONVERSION_CAMT_XML_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/civil_date.h"

namespace tarvolo {

// Appends the character `c` (at most U+10FFFF) in UTF-8.
void AppendUtf8(std::string* out, char32_t c);

// Appends a Windows-1250 text as UTF-8 character data of an XML file: & < >
// " ' escaped, control characters dropped, and a byte that stands for no
// character written as '?'. At most `maxCharacters` characters are kept
// (counted after dropping), so a schema's length limit holds. Returns the
// number of characters written.
size_t AppendXmlText(std::string* out, std::string_view windows1250,
                     size_t maxCharacters = SIZE_MAX);

// Appends the magnitude of an amount in hellers as "1234.50".
void AppendHellerAmount(std::string* out, int64_t hellers);

// Appends an integer in decimal digits, "-" in front of a negative one.
void AppendInteger(std::string* out, int64_t value);

// Appends "2014-09-24".
void AppendIsoDate(std::string* out, const CivilDate& date);

// Writes an indented XML document part by part, two blanks a level, one
// element a line, at most kDeepest levels of open elements. Element names
// and values given as `ascii` are the program's own and are written as
// they are.
class XmlWriter {
 public:
  XmlWriter(std::string* out, int depth) : out_(out), depth_(depth) {}

  void Open(std::string_view name);
  void Open(std::string_view name, std::string_view attribute, std::string_view ascii);
  void Close();
  // <name>value</name>
  void Ascii(std::string_view name, std::string_view ascii);
  // <name>text</name> from a Windows-1250 text; nothing at all when the
  // text leaves no character.
  void Text(std::string_view name, std::string_view windows1250, size_t maxCharacters);
  // <name Ccy="CZK">1234.50</name>
  void Amount(std::string_view name, std::string_view currency, int64_t hellers);
  void Date(std::string_view name, const CivilDate& date);

 private:
  static constexpr size_t kDeepest = 16;

  std::string* out_;
  int depth_;
  // The names of the open elements; none is kept past kDeepest, which the
  // program's documents never reach.
  std::string_view open_[kDeepest];
  size_t openCount_ = 0;
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_XML_TEXT_H_
