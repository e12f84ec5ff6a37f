#include "conversion/values/fixed_width.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "conversion/values/decimal_rounding.h"

namespace tarvolo {
namespace {

struct Conversion {
  bool zeroFill = false;
  bool leftAlign = false;
  size_t width = 0;
  bool hasPrecision = false;
  size_t precision = 0;
  char letter = 0;
};

// Reads a conversion after its '%'; returns the position after its letter, or
// nullptr when the text there is no conversion.
const char* ParseConversion(const char* p, Conversion* c) {
  if (*p == '0') {
    c->zeroFill = true;
    ++p;
  } else if (*p == '-') {
    c->leftAlign = true;
    ++p;
  }
  while (*p >= '0' && *p <= '9') c->width = c->width * 10 + (*p++ - '0');
  if (*p == '.') {
    c->hasPrecision = true;
    ++p;
    while (*p >= '0' && *p <= '9') c->precision = c->precision * 10 + (*p++ - '0');
  }
  if (*p != 's' && *p != 'd' && *p != 'f') return nullptr;
  c->letter = *p;
  return p + 1;
}

// Places `body` (after `sign`) into at least c.width characters.
void AppendPadded(std::string& out, const Conversion& c, const char* sign, const char* body,
                  size_t bodyLength) {
  const size_t length = std::strlen(sign) + bodyLength;
  const size_t fill = c.width > length ? c.width - length : 0;
  if (c.leftAlign) {
    out += sign;
    out.append(body, bodyLength);
    out.append(fill, ' ');
  } else if (c.zeroFill) {
    out += sign;
    out.append(fill, '0');
    out.append(body, bodyLength);
  } else {
    out.append(fill, ' ');
    out += sign;
    out.append(body, bodyLength);
  }
}

void AppendText(std::string& out, const Conversion& c, const char* text) {
  // With a precision no more than that many bytes are read, so a field
  // without a terminating NUL is rendered safely.
  const size_t length = c.hasPrecision ? strnlen(text, c.precision) : std::strlen(text);
  AppendPadded(out, c, "", text, length);
}

void AppendInteger(std::string& out, const Conversion& c, int64_t value) {
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  AppendPadded(out, c, value < 0 ? "-" : "", digits, static_cast<size_t>(end - digits));
}

void AppendAmount(std::string& out, const Conversion& c, double value) {
  std::string body;
  AppendRoundedMagnitude(body, value, c.hasPrecision ? static_cast<int>(c.precision) : 6);
  Conversion fill = c;
  if (!std::isfinite(value)) fill.zeroFill = false;  // never "000inf"
  AppendPadded(out, fill, std::signbit(value) ? "-" : "", body.data(), body.size());
}

}  // namespace

void Render(std::string& out, const char* format, std::initializer_list<FormatArg> args) {
  const FormatArg* next = args.begin();
  const char* p = format;
  while (*p != '\0') {
    if (*p != '%') {
      const char* literalEnd = std::strchr(p, '%');
      if (literalEnd == nullptr) literalEnd = p + std::strlen(p);
      out.append(p, literalEnd - p);
      p = literalEnd;
      continue;
    }
    if (p[1] == '%') {
      out.push_back('%');
      p += 2;
      continue;
    }
    Conversion c;
    const char* after = ParseConversion(p + 1, &c);
    if (after == nullptr) {
      out.push_back(*p++);
      continue;
    }
    p = after;
    const FormatArg* arg = next != args.end() ? next++ : nullptr;
    switch (c.letter) {
      case 's':
        AppendText(out, c,
                   arg && arg->kind == FormatArg::Kind::kText && arg->text ? arg->text : "");
        break;
      case 'd':
        AppendInteger(out, c, arg && arg->kind == FormatArg::Kind::kInteger ? arg->integer : 0);
        break;
      case 'f':
        AppendAmount(out, c, arg && arg->kind == FormatArg::Kind::kAmount ? arg->amount : 0.0);
        break;
    }
  }
}

}  // namespace tarvolo
