#include "conversion/camt/xml_reader.h"

#include <algorithm>
#include <cstring>

#include "conversion/camt/xml_text.h"

#if defined(__SSE2__) && defined(__GNUC__) && !defined(TARVOLO_PLAIN_SCANS)
#include <emmintrin.h>
#define TARVOLO_XML_SSE2 1
#else
#define TARVOLO_XML_SSE2 0
#endif

namespace tarvolo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr bool IsNameStartByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

// Each byte's place in a name, looked up: a document is mostly names.
constexpr unsigned char kNameStart = 1, kNameCharacter = 2;
struct NameBytes {
  unsigned char of[256] = {};
  constexpr NameBytes() {
    for (int c = 0; c < 256; ++c) {
      const unsigned char u = static_cast<unsigned char>(c);
      const bool start = IsNameStartByte(u);
      const bool character = start || (u >= '0' && u <= '9') || u == '-' || u == '.';
      of[c] =
          static_cast<unsigned char>((start ? kNameStart : 0) | (character ? kNameCharacter : 0));
    }
  }
};
constexpr NameBytes kNameBytes;

bool IsNameStart(char c) { return kNameBytes.of[static_cast<unsigned char>(c)] & kNameStart; }

bool IsNameCharacter(char c) {
  return kNameBytes.of[static_cast<unsigned char>(c)] & kNameCharacter;
}

// A character XML allows in a document.
bool IsXmlCharacter(uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The length of the run of ASCII characters XML allows at the start of
// `bytes`: the printable ones, tab and the line ends, which make up nearly
// all of the program's documents.
size_t PlainRun(std::string_view bytes) {
  size_t i = 0;
#if TARVOLO_XML_SSE2
  const __m128i space = _mm_set1_epi8(0x20);
  const __m128i tab = _mm_set1_epi8('\t'), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
  for (; bytes.size() - i >= 16; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
    // Compared as signed, a byte beyond ASCII is below a space as well.
    const __m128i below = _mm_cmplt_epi8(v, space);
    const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, lf)),
                                      _mm_cmpeq_epi8(v, cr));
    const int other = _mm_movemask_epi8(_mm_andnot_si128(ends, below));
    if (other != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(other)));
  }
#else
  // Whether eight bytes are all printable ASCII: a byte below a space
  // borrows from its high bit when the space is taken away.
  const auto printable = [](uint64_t eight) {
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    constexpr uint64_t kSpaces = 0x2020202020202020u;
    return ((eight | ((eight - kSpaces) & ~eight)) & kHighBits) == 0;
  };
  for (uint64_t eight; bytes.size() - i >= sizeof eight; i += sizeof eight) {
    std::memcpy(&eight, bytes.data() + i, sizeof eight);
    if (!printable(eight)) break;
  }
#endif
  for (; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80 || (c < 0x20 && c != '\t' && c != '\n' && c != '\r')) break;
  }
  return i;
}

// Where the character data from `from` on meets markup, a reference or a
// ']' (which may begin "]]>"); the size when it does not.
size_t TextEnd(std::string_view bytes, size_t from) {
#if TARVOLO_XML_SSE2
  const __m128i open = _mm_set1_epi8('<'), amp = _mm_set1_epi8('&'), bracket = _mm_set1_epi8(']');
  for (; bytes.size() - from >= 16; from += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + from));
    const int found = _mm_movemask_epi8(_mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(v, open), _mm_cmpeq_epi8(v, amp)), _mm_cmpeq_epi8(v, bracket)));
    if (found != 0) return from + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(found)));
  }
#endif
  while (from < bytes.size() && bytes[from] != '<' && bytes[from] != '&' && bytes[from] != ']') {
    ++from;
  }
  return from;
}

// The offset of the first byte that is not UTF-8 or no XML character, or
// the size when every character is sound.
size_t FirstBadCharacter(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    i += PlainRun(bytes.substr(i));
    if (i == bytes.size()) break;
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
    if (Parse() && ValidateTo(bytes_.size())) return true;
    // A bad character is the document's fault wherever it stands, as if
    // every character had been checked before the reading began.
    ValidateTo(bytes_.size());
    return false;
  }

  const std::string& problem() const { return problem_; }
  int32_t line() const { return line_; }

 private:
  // The characters are checked a block ahead of the reading, rather than
  // all of them first: a block is then still in the processor's cache when
  // it is read, and a document of a gigabyte passes through memory once.
  static constexpr size_t kCheckedAhead = 64 * 1024;

  // Checks the characters up to `end` (moved back to the start of a
  // character), unless that is done; false at the first bad one.
  bool ValidateTo(size_t end) {
    end = std::min(end, bytes_.size());
    if (end <= validated_) return true;
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    for (int back = 0;
         back < 3 && end < bytes_.size() && end - 1 > validated_ && continuation(bytes_[end]);
         ++back) {
      --end;
    }
    const size_t bad = validated_ + FirstBadCharacter(bytes_.substr(validated_, end - validated_));
    if (bad < end) {
      validated_ = bytes_.size();
      return Fail(bad, "znak, který není v UTF-8 nebo jej XML nepřipouští");
    }
    validated_ = end;
    return true;
  }

  bool Parse() {
    bool sawRoot = false;
    while (pos_ < bytes_.size()) {
      if (pos_ >= validated_ && !ValidateTo(pos_ + kCheckedAhead)) return false;
      if (bytes_[pos_] != '<') {
        if (open_.empty() && !IsBlank(bytes_[pos_])) return Fail(pos_, "text mimo kořenový prvek");
        if (!ReadText()) return false;
        continue;
      }
      // Elements by far outnumber everything else; the rest begins "<?" or "<!".
      const char next = pos_ + 1 < bytes_.size() ? bytes_[pos_ + 1] : '\0';
      if (next == '/') {
        if (!ReadEndTag()) return false;
      } else if (next != '?' && next != '!') {
        if (open_.empty() && sawRoot) return Fail(pos_, "druhý kořenový prvek");
        sawRoot = true;
        if (!ReadStartTag()) return false;
      } else if (At("<?")) {
        if (!Skip("?>")) return false;
      } else if (At("<!--")) {
        if (!Skip("-->")) return false;
      } else if (At("<![CDATA[")) {
        if (open_.empty()) return Fail(pos_, "CDATA mimo kořenový prvek");
        const size_t start = pos_ + 9;
        if (!Skip("]]>")) return false;
        CopiedText().append(bytes_.substr(start, pos_ - 3 - start));
      } else {
        return Fail(pos_, "deklarace <! (DOCTYPE) není podporována");
      }
    }
    if (!open_.empty()) {
      return Fail(bytes_.size(), "neukončený prvek <" + std::string(open_.back()) + ">");
    }
    if (!sawRoot) return Fail(bytes_.size(), "dokument nemá kořenový prvek");
    return true;
  }

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
    // Every element has a name or two: its bytes are passed by pointer.
    const char* p = bytes_.data() + pos_ + 1;
    const char* const end = bytes_.data() + bytes_.size();
    while (p != end && IsNameCharacter(*p)) ++p;
    pos_ = static_cast<size_t>(p - bytes_.data());
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

  // The character data up to the next markup, a run at a time.
  bool ReadText() {
    while (pos_ < bytes_.size()) {
      const size_t end = TextEnd(bytes_, pos_);
      if (!open_.empty()) AddText(pos_, end);
      pos_ = end;
      if (pos_ == bytes_.size() || bytes_[pos_] == '<') return true;
      if (bytes_[pos_] == '&') {
        if (open_.empty()) return Fail(pos_, "text mimo kořenový prvek");
        if (!ReadReference(&CopiedText())) return false;
        continue;
      }
      if (At("]]>")) return Fail(pos_, "\"]]>\" v textu");
      if (!open_.empty()) AddText(pos_, pos_ + 1);
      ++pos_;
    }
    return true;
  }

  // The text of one open element: where it lies in the document while it
  // is one piece there, which spares copying nearly every value.
  struct Text {
    size_t start = 0, end = 0;
    bool copied = false;  // it is in `copy`, which keeps its room for the next element
    bool sealed = false;  // a child element has begun: the rest is not kept
    std::string copy;
  };

  Text& Innermost() { return texts_[open_.size() - 1]; }

  void AddText(size_t from, size_t to) {
    Text& text = Innermost();
    if (text.sealed || from == to) return;
    if (!text.copied && (text.start == text.end || text.end == from)) {
      if (text.start == text.end) text.start = from;
      text.end = to;
      return;
    }
    CopiedText().append(bytes_.data() + from, to - from);
  }

  // The innermost element's text as its own string, for what the document
  // does not hold as it is read (references, CDATA).
  std::string& CopiedText() {
    Text& text = Innermost();
    if (text.sealed) {
      scratch_.clear();
      return scratch_;
    }
    if (!text.copied) {
      text.copy.assign(bytes_.substr(text.start, text.end - text.start));
      text.copied = true;
    }
    return text.copy;
  }

  std::string_view TextOf(const Text& text) const {
    return text.copied ? std::string_view(text.copy)
                       : bytes_.substr(text.start, text.end - text.start);
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
    // Kept from tag to tag: most tags have none, and the few that have one
    // then find its room.
    std::vector<XmlAttribute>& attributes = attributes_;
    attributes.clear();
    for (;;) {
      const size_t before = pos_;
      SkipBlanks();
      if (pos_ >= bytes_.size()) return Fail(pos_, "neukončená značka <" + std::string(name));
      if (bytes_[pos_] == '/' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '>') {
        pos_ += 2;
        handler_->OnStart(name, attributes);
        if (!open_.empty()) Innermost().sealed = true;
        handler_->OnEnd(name, std::string_view());
        return true;
      }
      if (bytes_[pos_] == '>') {
        ++pos_;
        handler_->OnStart(name, attributes);
        if (!open_.empty()) Innermost().sealed = true;
        open_.push_back(name);
        if (texts_.size() < open_.size()) texts_.emplace_back();
        Text& text = Innermost();
        text.start = text.end = 0;
        text.copied = text.sealed = false;
        text.copy.clear();
        return true;
      }
      if (pos_ == before) return Fail(pos_, "chybí mezera před atributem");
      if (!ReadAttribute(&attributes)) return false;
    }
  }

  bool ReadEndTag() {
    const size_t start = pos_;
    pos_ += 2;
    // Nearly always the open element's name and '>' follow, which need no
    // reading of a name.
    if (!open_.empty()) {
      const std::string_view open = open_.back();
      if (bytes_.size() - pos_ > open.size() && bytes_[pos_ + open.size()] == '>' &&
          bytes_.compare(pos_, open.size(), open) == 0) {
        pos_ += open.size() + 1;
        handler_->OnEnd(open, TextOf(Innermost()));
        open_.pop_back();
        return true;
      }
    }
    std::string_view name;
    if (!ReadName(&name)) return false;
    SkipBlanks();
    if (pos_ >= bytes_.size() || bytes_[pos_] != '>')
      return Fail(pos_, "neukončená koncová značka");
    ++pos_;
    if (open_.empty() || open_.back() != name) {
      return Fail(start, "koncová značka </" + std::string(name) + "> neodpovídá otevřenému prvku");
    }
    handler_->OnEnd(name, TextOf(Innermost()));
    open_.pop_back();
    return true;
  }

  std::string_view bytes_;
  XmlHandler* handler_;
  size_t pos_ = 0;
  size_t validated_ = 0;  // the characters before it are sound
  std::vector<std::string_view> open_;
  std::vector<Text> texts_;
  std::vector<XmlAttribute> attributes_;  // of the tag being read
  std::string scratch_;                   // the text of an element that keeps none
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
