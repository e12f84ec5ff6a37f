#include "conversion/camt/xml_reader.h"

#include <algorithm>

#include "conversion/camt/xml_text.h"

namespace tarvolo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameStart(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameCharacter(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// A character XML allows in a document.
bool IsXmlCharacter(uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The offset of the first byte that is not UTF-8 or no XML character, or
// the size when every character is sound.
size_t FirstBadCharacter(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    size_t length = 1;
    uint32_t c = lead, lowest = 0;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, c = lead & 0x07, lowest = 0x10000;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, c = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, c = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0x80) {
      return i;
    }
    if (bytes.size() - i < length) return i;
    for (size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return i;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < lowest || !IsXmlCharacter(c)) return i;
    i += length;
  }
  return i;
}

class Reader {
 public:
  Reader(std::string_view bytes, XmlHandler* handler) : bytes_(bytes), handler_(handler) {}

  bool Read() {
    if (bytes_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    const size_t bad = FirstBadCharacter(bytes_);
    if (bad < bytes_.size()) return Fail(bad, "znak, který není v UTF-8 nebo jej XML nepřipouští");
    bool sawRoot = false;
    while (pos_ < bytes_.size()) {
      if (bytes_[pos_] != '<') {
        if (open_.empty() && !IsBlank(bytes_[pos_])) return Fail(pos_, "text mimo kořenový prvek");
        if (!ReadText()) return false;
        continue;
      }
      if (At("<?")) {
        if (!Skip("?>")) return false;
      } else if (At("<!--")) {
        if (!Skip("-->")) return false;
      } else if (At("<![CDATA[")) {
        if (open_.empty()) return Fail(pos_, "CDATA mimo kořenový prvek");
        const size_t start = pos_ + 9;
        if (!Skip("]]>")) return false;
        texts_.back().append(bytes_.substr(start, pos_ - 3 - start));
      } else if (At("<!")) {
        return Fail(pos_, "deklarace <! (DOCTYPE) není podporována");
      } else if (At("</")) {
        if (!ReadEndTag()) return false;
      } else {
        if (open_.empty() && sawRoot) return Fail(pos_, "druhý kořenový prvek");
        sawRoot = true;
        if (!ReadStartTag()) return false;
      }
    }
    if (!open_.empty()) {
      return Fail(bytes_.size(), "neukončený prvek <" + std::string(open_.back()) + ">");
    }
    if (!sawRoot) return Fail(bytes_.size(), "dokument nemá kořenový prvek");
    return true;
  }

  const std::string& problem() const { return problem_; }
  int32_t line() const { return line_; }

 private:
  bool At(std::string_view text) const { return bytes_.substr(pos_, text.size()) == text; }

  bool Fail(size_t at, const std::string& text) {
    problem_ = text;
    const size_t end = std::min(at, bytes_.size());
    line_ = 1 + static_cast<int32_t>(std::count(bytes_.begin(), bytes_.begin() + end, '\n'));
    return false;
  }

  // Passes what follows to the end of `end`.
  bool Skip(std::string_view end) {
    const size_t found = bytes_.find(end, pos_ + 2);
    if (found == std::string_view::npos) return Fail(pos_, "neukončená značka");
    pos_ = found + end.size();
    return true;
  }

  void SkipBlanks() {
    while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) ++pos_;
  }

  bool ReadName(std::string_view* name) {
    const size_t start = pos_;
    if (pos_ >= bytes_.size() || !IsNameStart(bytes_[pos_])) return Fail(pos_, "chybí název");
    while (pos_ < bytes_.size() && IsNameCharacter(bytes_[pos_])) ++pos_;
    *name = bytes_.substr(start, pos_ - start);
    return true;
  }

  // A reference after '&', appended to `out`.
  bool ReadReference(std::string* out) {
    const size_t start = pos_;
    const size_t end = bytes_.find(';', pos_);
    if (end == std::string_view::npos || end - pos_ > 12)
      return Fail(start, "znak & bez platného odkazu");
    const std::string_view name = bytes_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = end + 1;
    static constexpr struct {
      std::string_view name;
      char c;
    } kEntities[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& entity : kEntities) {
      if (name == entity.name) {
        out->push_back(entity.c);
        return true;
      }
    }
    if (name.empty() || !std::all_of(name.begin() + 1, name.end(), IsNameCharacter)) {
      return Fail(start, "znak & bez platného odkazu");
    }
    if (name.size() < 2 || name[0] != '#') return Fail(start, "neznámá entita &");
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    uint32_t c = 0;
    for (const char d : digits) {
      uint32_t value = 0;
      if (d >= '0' && d <= '9') {
        value = static_cast<uint32_t>(d - '0');
      } else if (hex && d >= 'a' && d <= 'f') {
        value = static_cast<uint32_t>(d - 'a' + 10);
      } else if (hex && d >= 'A' && d <= 'F') {
        value = static_cast<uint32_t>(d - 'A' + 10);
      } else {
        return Fail(start, "neplatný odkaz na znak");
      }
      c = c * (hex ? 16 : 10) + value;
      if (c > 0x10FFFF) return Fail(start, "neplatný odkaz na znak");
    }
    if (digits.empty() || !IsXmlCharacter(c)) return Fail(start, "neplatný odkaz na znak");
    AppendUtf8(out, c);
    return true;
  }

  bool ReadText() {
    while (pos_ < bytes_.size() && bytes_[pos_] != '<') {
      if (bytes_[pos_] == '&') {
        if (open_.empty()) return Fail(pos_, "text mimo kořenový prvek");
        if (!ReadReference(&texts_.back())) return false;
        continue;
      }
      if (At("]]>")) return Fail(pos_, "\"]]>\" v textu");
      if (!open_.empty()) texts_.back().push_back(bytes_[pos_]);
      ++pos_;
    }
    return true;
  }

  bool ReadAttribute(std::vector<XmlAttribute>* attributes) {
    XmlAttribute attribute;
    if (!ReadName(&attribute.name)) return false;
    SkipBlanks();
    if (pos_ >= bytes_.size() || bytes_[pos_] != '=') return Fail(pos_, "u atributu chybí \"=\"");
    ++pos_;
    SkipBlanks();
    const char quote = pos_ < bytes_.size() ? bytes_[pos_] : '\0';
    if (quote != '"' && quote != '\'') return Fail(pos_, "hodnota atributu bez uvozovek");
    ++pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != quote) {
      if (bytes_[pos_] == '<') return Fail(pos_, "znak < v hodnotě atributu");
      if (bytes_[pos_] == '&') {
        if (!ReadReference(&attribute.value)) return false;
        continue;
      }
      attribute.value.push_back(bytes_[pos_++]);
    }
    if (pos_ >= bytes_.size()) return Fail(pos_, "neukončená hodnota atributu");
    ++pos_;
    for (const XmlAttribute& other : *attributes) {
      if (other.name == attribute.name) {
        return Fail(pos_, "atribut " + std::string(attribute.name) + " uveden dvakrát");
      }
    }
    attributes->push_back(std::move(attribute));
    return true;
  }

  bool ReadStartTag() {
    ++pos_;
    std::string_view name;
    if (!ReadName(&name)) return false;
    std::vector<XmlAttribute> attributes;
    for (;;) {
      const size_t before = pos_;
      SkipBlanks();
      if (pos_ >= bytes_.size()) return Fail(pos_, "neukončená značka <" + std::string(name));
      if (At("/>")) {
        pos_ += 2;
        handler_->OnStart(name, attributes);
        handler_->OnEnd(name, std::string_view());
        return true;
      }
      if (bytes_[pos_] == '>') {
        ++pos_;
        handler_->OnStart(name, attributes);
        open_.push_back(name);
        texts_.emplace_back();
        return true;
      }
      if (pos_ == before) return Fail(pos_, "chybí mezera před atributem");
      if (!ReadAttribute(&attributes)) return false;
    }
  }

  bool ReadEndTag() {
    const size_t start = pos_;
    pos_ += 2;
    std::string_view name;
    if (!ReadName(&name)) return false;
    SkipBlanks();
    if (pos_ >= bytes_.size() || bytes_[pos_] != '>')
      return Fail(pos_, "neukončená koncová značka");
    ++pos_;
    if (open_.empty() || open_.back() != name) {
      return Fail(start, "koncová značka </" + std::string(name) + "> neodpovídá otevřenému prvku");
    }
    handler_->OnEnd(name, texts_.back());
    open_.pop_back();
    texts_.pop_back();
    return true;
  }

  std::string_view bytes_;
  XmlHandler* handler_;
  size_t pos_ = 0;
  std::vector<std::string_view> open_;
  std::vector<std::string> texts_;
  std::string problem_;
  int32_t line_ = 0;
};

}  // namespace

bool ReadXmlDocument(std::string_view bytes, XmlHandler* handler, std::string* problem,
                     int32_t* line) {
  Reader reader(bytes, handler);
  if (reader.Read()) return true;
  *problem = reader.problem();
  *line = reader.line();
  return false;
}

}  // namespace tarvolo
