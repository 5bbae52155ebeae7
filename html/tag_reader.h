#pragma once
// The HTML tag reader: walks a page from start to end and hands out one
// element at a time, either a run of text or one item of mark-up. It builds
// no tree and checks no nesting; it only names each tag by the table below.
// Everything it hands out can be written back to reproduce the page.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

constexpr int kMaxTagAttrs = 20;

struct TagAttr {
  std::string Name;   // as written, case kept
  std::string Value;  // exactly as written, quotes included; empty without "="
  // Where the value stands in the page (byte offsets, end exclusive), so that
  // a rewritten value can be put in its place and the rest of the tag kept.
  std::size_t ValueBegin = 0;
  std::size_t ValueEnd = 0;
};

struct HtmlElement {
  std::uint8_t Kind = 0;  // index into TagNames; 0 for text and unknown tags
  std::string Name;       // mark-up between "<" and the attributes; empty for text
  std::string Text;       // the text of a text element
  bool IsEnd = false;
  bool Closed = false;  // mark-up that ended at its own ">" (not at the page's end)
  int AttrCount = 0;
  std::array<TagAttr, kMaxTagAttrs + 1> Attrs;  // slots 1..AttrCount are used
  // The element's own bytes in the page (offsets, end exclusive).
  std::size_t SourceBegin = 0;
  std::size_t SourceEnd = 0;

  bool IsText() const { return Name.empty(); }
};

// Element kinds the page filter acts on, and those the reader gives to raw
// elements.
namespace tag {
constexpr std::uint8_t kA = 1;
constexpr std::uint8_t kBasefont = 6;
constexpr std::uint8_t kBlockquote = 8;
constexpr std::uint8_t kComment = 14;
constexpr std::uint8_t kFont = 21;
constexpr std::uint8_t kFrame = 23;
constexpr std::uint8_t kImg = 33;
constexpr std::uint8_t kInput = 34;
constexpr std::uint8_t kMeta = 42;
constexpr std::uint8_t kPlaintext = 47;
constexpr std::uint8_t kPre = 48;
constexpr std::uint8_t kScript = 51;
constexpr std::uint8_t kStyle = 56;
}  // namespace tag

constexpr int kTagNameCount = 67;
extern const std::array<std::string_view, kTagNameCount> TagNames;

// The kind of a tag name (without its "/"), compared without regard to case.
std::uint8_t TagKind(std::string_view name);

class HtmlReader {
 public:
  void HtmlOpen(std::string_view page);
  // Reads the next element into e; false once the page is used up.
  bool HtmlNext(HtmlElement& e);
  // The 1-based index of the last byte consumed (0 before the first element).
  std::size_t HtmlPosition() const { return pos_; }

 private:
  // Bytes are addressed 1-based, as the position is.
  unsigned char At(std::size_t i) const { return static_cast<unsigned char>(page_[i - 1]); }
  bool InPage(std::size_t i) const { return i >= 1 && i <= page_.size(); }
  std::size_t ReadWord(std::size_t from, std::string& word) const;
  std::size_t SkipBlanks(std::size_t i) const;
  void ReadText(HtmlElement& e);
  void ReadTag(HtmlElement& e);
  std::size_t ReadAttrValue(std::size_t eq, TagAttr& attr) const;
  std::size_t ReadAttributes(std::size_t cur, HtmlElement& e) const;
  void ReadRaw(HtmlElement& e, std::string_view word, std::size_t cur);

  std::string_view page_;
  std::size_t pos_ = 0;
};

// True when the text's last byte is a capital letter or "-" standing alone:
// the text is that one byte, or the byte before it is a blank.
bool EndsInLoneCapital(std::string_view text);

// Puts the Chinese font first in every "font-family: " of a style rule.
std::string AddChineseFontFamily(std::string_view text);
// The same with the inserted text given (the font name in another encoding).
std::string AddChineseFontFamily(std::string_view text, std::string_view insertion);

bool IsHtmlBlank(unsigned char c);

}  // namespace wb
