#ifndef TARVOLO_CONVERSION_VALUES_FIXED_WIDTH_H_
#define TARVOLO_CONVERSION_VALUES_FIXED_WIDTH_H_

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tarvolo {

// One argument of a format text: a text for %s, an integer for %d, an amount
// for %f.
struct FormatArg {
  enum class Kind { kText, kInteger, kAmount };
  FormatArg(const char* text) : kind(Kind::kText), text(text) {}
  FormatArg(const std::string& text) : kind(Kind::kText), text(text.c_str()) {}
  FormatArg(int32_t value) : kind(Kind::kInteger), integer(value) {}
  FormatArg(int64_t value) : kind(Kind::kInteger), integer(value) {}
  FormatArg(double value) : kind(Kind::kAmount), amount(value) {}

  Kind kind;
  const char* text = "";
  int64_t integer = 0;
  double amount = 0;
};

// Appends `format` to `out`, each conversion rendering the next argument by
// the program's own fixed rules, independent of any C library or locale:
//   %0Ns   zero-filled text: zeros in front up to N characters, never cut
//   %Ns    blank-filled text, likewise with blanks
//   %-N.Ms text cut to its first M characters, blank-filled on the right to N
//   %s     plain text
//   %0Nd   zero-filled integer: "-" and digits, zeros between, never cut
//   %d     plain integer
//   %0N.Pf amount rounded to P places (exact halves away from zero), zeros
//          between sign and digits up to N; %.Pf without the fill
// A conversion whose argument is missing or of another kind renders the empty
// text or zero, so a wrong format can never read past its arguments.
void Render(std::string& out, const char* format, std::initializer_list<FormatArg> args);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_FIXED_WIDTH_H_
