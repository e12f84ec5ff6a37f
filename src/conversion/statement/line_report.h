#ifndef TARVOLO_CONVERSION_STATEMENT_LINE_REPORT_H_
#define TARVOLO_CONVERSION_STATEMENT_LINE_REPORT_H_

#include <string>

namespace tarvolo {

// What a reader or the record writer reports about one line: by default a
// value that was wider than its field of a "075" record and was cut to the
// field's last characters.
struct FieldCut {
  enum class Kind {
    kCut,
    kAmountTooLarge,    // beyond the range of numbers, read as 0
    kUnreadableDate,    // not year/month/day: the parts it lacks stay as before
    kAmountPartlyRead,  // characters left after the number; `text` holds it
    kImpossibleDate,    // year/month/day that is no day of the calendar; `text` holds it
  };
  int lineNumber;     // line of the statement file, the header being line 1
  const char* field;  // the field's Czech name, Windows-1250
  Kind kind = Kind::kCut;
  std::string text = {};
};

// The Czech name of the amount field in reports.
extern const char kAmountField[];

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_STATEMENT_LINE_REPORT_H_
