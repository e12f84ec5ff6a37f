#ifndef TARVOLO_CONVERSION_CAMT_XML_READER_H_
#define TARVOLO_CONVERSION_CAMT_XML_READER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// A reader of the XML the program writes, enough for the check of a camt.053
// document: elements, attributes and text handed over as they come.
struct XmlAttribute {
  std::string_view name;
  std::string value;  // references resolved
};

// What a reading of an XML document reports, element by element.
class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // `name` as written, with its prefix, if any.
  virtual void OnStart(std::string_view name, const std::vector<XmlAttribute>& attributes) = 0;
  // The element's own character data up to its first child element (all
  // of it for an element without children, which holds a value),
  // references resolved, UTF-8.
  virtual void OnEnd(std::string_view name, std::string_view text) = 0;
};

// Reads a UTF-8 document as far as the program's checks need XML: the
// declaration, elements and attributes, character data with the five
// entities and character references, CDATA, comments and processing
// instructions; a DOCTYPE is refused. Returns false at the first fault of
// well-formedness, with its Czech description (Windows-1250) and line.
bool ReadXmlDocument(std::string_view bytes, XmlHandler* handler, std::string* problem,
                     int32_t* line);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_CAMT_XML_READER_H_
