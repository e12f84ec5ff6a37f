#include "conversion/camt/xml_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>

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
  // Whether a byte is written as it is.
  const auto plain = [](char byte) {
    const unsigned char c = static_cast<unsigned char>(byte);
    return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
  };
  size_t written = 0;
  size_t i = 0;
  while (i < windows1250.size() && written < maxCharacters) {
    // A run of plain characters at once: most texts are nothing else.
    const size_t start = i;
    while (i < windows1250.size() && written + (i - start) < maxCharacters &&
           plain(windows1250[i])) {
      ++i;
    }
    if (i > start) {
      out->append(windows1250.data() + start, i - start);
      written += i - start;
      continue;
    }
    const char byte = windows1250[i++];
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

namespace {

// Copies `size` bytes from `from` to `to` (apart) without a call: the
// pieces of a document's lines are a few bytes each, and a call of memcpy
// cost more than the copy. Whole words are copied, the last overlapping
// the one before, and nothing outside either range is touched.
inline void CopyPiece(char* to, const char* from, size_t size) {
  if (size >= 8) {
    for (size_t i = 0; i + 8 < size; i += 8) std::memcpy(to + i, from + i, 8);
    std::memcpy(to + size - 8, from + size - 8, 8);
  } else if (size >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + size - 4, from + size - 4, 4);
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

// Indentation is copied from here, as deep as the program's documents go.
constexpr char kBlanks[] = "                                                                ";

// One line of the document put together apart, as nearly every line fits,
// and appended whole: the document then grows once a line, and is not first
// filled with zeros that are overwritten. A line too long goes to the
// document in parts, in its order.
class Line {
 public:
  Line(std::string* out, int depth) : out_(out) {
    for (size_t blanks = 2 * static_cast<size_t>(depth); blanks > 0;) {
      const size_t part = std::min(blanks, sizeof kBlanks - 1);
      Put(std::string_view(kBlanks, part));
      blanks -= part;
    }
  }
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;
  ~Line() { out_->append(text_, size_); }

  void Put(std::string_view piece) {
    if (piece.size() > sizeof text_ - size_) {
      out_->append(text_, size_);
      size_ = 0;
      if (piece.size() > sizeof text_) {
        out_->append(piece.data(), piece.size());
        return;
      }
    }
    CopyPiece(text_ + size_, piece.data(), piece.size());
    size_ += piece.size();
  }

 private:
  std::string* out_;
  char text_[256];
  size_t size_ = 0;
};

}  // namespace

void XmlWriter::Open(std::string_view name) {
  if (openCount_ == kDeepest) return;
  Line line(out_, depth_);
  line.Put("<");
  line.Put(name);
  line.Put(">\n");
  open_[openCount_++] = name;
  ++depth_;
}

void XmlWriter::Open(std::string_view name, std::string_view attribute, std::string_view ascii) {
  if (openCount_ == kDeepest) return;
  Line line(out_, depth_);
  for (const std::string_view piece :
       {std::string_view("<"), name, std::string_view(" "), attribute, std::string_view("=\""),
        ascii, std::string_view("\">\n")}) {
    line.Put(piece);
  }
  open_[openCount_++] = name;
  ++depth_;
}

void XmlWriter::Close() {
  if (openCount_ == 0) return;
  --depth_;
  Line line(out_, depth_);
  line.Put("</");
  line.Put(open_[--openCount_]);
  line.Put(">\n");
}

void XmlWriter::Ascii(std::string_view name, std::string_view ascii) {
  Line line(out_, depth_);
  line.Put("<");
  line.Put(name);
  line.Put(">");
  line.Put(ascii);
  line.Put("</");
  line.Put(name);
  line.Put(">\n");
}

void XmlWriter::Text(std::string_view name, std::string_view windows1250, size_t maxCharacters) {
  const size_t start = out_->size();
  {
    Line line(out_, depth_);
    line.Put("<");
    line.Put(name);
    line.Put(">");
  }
  if (AppendXmlText(out_, windows1250, maxCharacters) == 0) {
    out_->resize(start);
    return;
  }
  Line line(out_, 0);
  line.Put("</");
  line.Put(name);
  line.Put(">\n");
}

void XmlWriter::Amount(std::string_view name, std::string_view currency, int64_t hellers) {
  std::string amount;
  AppendHellerAmount(&amount, hellers);
  Line line(out_, depth_);
  for (const std::string_view piece :
       {std::string_view("<"), name, std::string_view(" Ccy=\""), currency, std::string_view("\">"),
        std::string_view(amount), std::string_view("</"), name, std::string_view(">\n")}) {
    line.Put(piece);
  }
}

void XmlWriter::Date(std::string_view name, const CivilDate& date) {
  std::string day;
  AppendIsoDate(&day, date);
  Line line(out_, depth_);
  line.Put("<");
  line.Put(name);
  line.Put(">");
  line.Put(day);
  line.Put("</");
  line.Put(name);
  line.Put(">\n");
}

}  // namespace tarvolo
