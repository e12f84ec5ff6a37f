#include "conversion/camt/xml_text.h"

#include <charconv>

#include "conversion/values/windows1250.h"

namespace tarvolo {
namespace {

void AppendUnsigned(std::string* out, uint64_t value, int minDigits) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  for (int n = static_cast<int>(result.ptr - digits); n < minDigits; ++n) out->push_back('0');
  out->append(digits, result.ptr);
}

}  // namespace

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

size_t AppendXmlText(std::string* out, std::string_view windows1250, size_t maxCharacters) {
  size_t written = 0;
  for (const char byte : windows1250) {
    if (written == maxCharacters) break;
    const unsigned char c = static_cast<unsigned char>(byte);
    if (c < 0x20 || c == 0x7F) continue;
    ++written;
    switch (c) {
      case '&':
        out->append("&amp;");
        break;
      case '<':
        out->append("&lt;");
        break;
      case '>':
        out->append("&gt;");
        break;
      case '"':
        out->append("&quot;");
        break;
      case '\'':
        out->append("&apos;");
        break;
      default:
        if (c < 0x80) {
          out->push_back(byte);
        } else {
          const char16_t wide = kWindows1250High[c - 0x80];
          AppendUtf8(out, wide == 0 ? U'?' : wide);
        }
    }
  }
  return written;
}

void AppendHellerAmount(std::string* out, int64_t hellers) {
  // Through unsigned arithmetic, so that the lowest count has a magnitude.
  const uint64_t magnitude =
      hellers < 0 ? 0 - static_cast<uint64_t>(hellers) : static_cast<uint64_t>(hellers);
  AppendUnsigned(out, magnitude / 100, 1);
  out->push_back('.');
  AppendUnsigned(out, magnitude % 100, 2);
}

void AppendInteger(std::string* out, int64_t value) {
  char digits[24];
  out->append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendIsoDate(std::string* out, const CivilDate& date) {
  AppendUnsigned(out, static_cast<uint32_t>(date.year), 4);
  out->push_back('-');
  AppendUnsigned(out, static_cast<uint32_t>(date.month), 2);
  out->push_back('-');
  AppendUnsigned(out, static_cast<uint32_t>(date.day), 2);
}

void XmlWriter::Indent() { out_->append(2 * static_cast<size_t>(depth_), ' '); }

void XmlWriter::Open(const char* name) {
  Indent();
  out_->append("<").append(name).append(">\n");
  open_.push_back(name);
  ++depth_;
}

void XmlWriter::Open(const char* name, const char* attribute, std::string_view ascii) {
  Indent();
  out_->append("<").append(name).append(" ").append(attribute).append("=\"");
  out_->append(ascii).append("\">\n");
  open_.push_back(name);
  ++depth_;
}

void XmlWriter::Close() {
  if (open_.empty()) return;
  --depth_;
  Indent();
  out_->append("</").append(open_.back()).append(">\n");
  open_.pop_back();
}

void XmlWriter::Ascii(const char* name, std::string_view ascii) {
  Indent();
  out_->append("<").append(name).append(">");
  out_->append(ascii).append("</").append(name).append(">\n");
}

void XmlWriter::Text(const char* name, std::string_view windows1250, size_t maxCharacters) {
  const size_t start = out_->size();
  Indent();
  out_->append("<").append(name).append(">");
  if (AppendXmlText(out_, windows1250, maxCharacters) == 0) {
    out_->resize(start);
    return;
  }
  out_->append("</").append(name).append(">\n");
}

void XmlWriter::Amount(const char* name, std::string_view currency, int64_t hellers) {
  Indent();
  out_->append("<").append(name).append(" Ccy=\"").append(currency).append("\">");
  AppendHellerAmount(out_, hellers);
  out_->append("</").append(name).append(">\n");
}

void XmlWriter::Date(const char* name, const CivilDate& date) {
  Indent();
  out_->append("<").append(name).append(">");
  AppendIsoDate(out_, date);
  out_->append("</").append(name).append(">\n");
}

}  // namespace tarvolo
