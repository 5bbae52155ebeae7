#pragma once
// The per-sentence tables every stage of the engine reads and writes: the
// word table, the sense table, the text pool and the sentence flags.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/analysis/short_string.h"
#include "engine/grammar/category.h"

namespace wb {

struct LexEntry;  // a lexicon entry (the lexicon defines it)
struct Sense;     // one sense record of an entry

// Form of a word. The inflection names are the ones the rule language uses
// after "&".
namespace wf {
constexpr std::uint16_t SINGULAR = 0x0001;
constexpr std::uint16_t PLURAL = 0x0002;
constexpr std::uint16_t S = 0x0003;
constexpr std::uint16_t ING = 0x0004;
constexpr std::uint16_t EN = 0x0010;
constexpr std::uint16_t ED = 0x0020;
constexpr std::uint16_t PAST = 0x0030;
constexpr std::uint16_t BED = 0x0060;
constexpr std::uint16_t ER = 0x0400;
constexpr std::uint16_t EST = 0x0800;
constexpr std::uint16_t ABBR = 0x2000;
constexpr std::uint16_t WF_VERB = 0x0040;
constexpr std::uint16_t WF_NOTFOUND = 0x1000;
constexpr std::uint16_t WF_MARKED = 0x4000;
}  // namespace wf

using WordFlags = std::uint16_t;

// A reference to a string in the text pool: the offset of its length byte.
using PoolRef = std::uint16_t;
constexpr PoolRef kNoText = 0xFFFF;

constexpr int kMaxWords = 50;
constexpr int kMaxCats = 8;
constexpr int kMaxSenses = 256;
constexpr std::size_t kTextPoolSize = 1024;

struct WordRecord {
  const LexEntry* entry = nullptr;
  WordFlags flags = 0;
  std::uint8_t catCount = 0;
  std::array<Category, kMaxCats + 1> cats{};  // positions 1..catCount are used
  Category prefCat = 0;
  std::int32_t prefScore = 0;
  std::uint8_t senseCount = 0;
  std::uint8_t firstSense = 0;
  PoolRef text = kNoText;
  PoolRef baseText = kNoText;
  std::uint8_t phraseLen = 0;
  const LexEntry* phraseEntry = nullptr;
};

// The word text of one sentence, each string stored with its length byte;
// strings are only ever added during a sentence.
class TextPool {
 public:
  void Clear() { used_ = 0; }
  // Stores s; returns kNoText when it does not fit (the caller stops scanning).
  PoolRef Add(std::string_view s) {
    if (s.size() > 255 || used_ + 1 + s.size() > kTextPoolSize) return kNoText;
    PoolRef ref = static_cast<PoolRef>(used_);
    bytes_[used_] = static_cast<char>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) bytes_[used_ + 1 + i] = s[i];
    used_ += 1 + s.size();
    return ref;
  }
  std::string_view Get(PoolRef ref) const {
    if (ref == kNoText || ref >= used_) return {};
    return std::string_view(bytes_.data() + ref + 1, static_cast<std::uint8_t>(bytes_[ref]));
  }
  std::size_t Used() const { return used_; }

 private:
  std::array<char, kTextPoolSize> bytes_{};
  std::size_t used_ = 0;
};

// Everything one sentence owns. Only the page counters outlive a sentence.
struct SentenceState {
  std::array<WordRecord, kMaxWords + 1> words{};  // position 0 is never a word
  int sentenceLen = 0;
  std::array<const Sense*, kMaxSenses> senseTable{};
  int senseCount = 0;
  TextPool textPool;
  // The mark that ended the sentence: ! , . : ? @ |, kEndPunctDots for a run
  // of full stops, or a blank.
  char endPunct = ' ';
  bool quoteClosed = false;
  bool outsideQuotes = true;
  ShortString<50> verbPositions;
  // The sentence goes on in a further piece (it holds more words than the
  // table): generation writes no closing mark for this one.
  bool pieceContinues = false;
};

constexpr char kEndPunctDots = 1;

// Semantic class 5: what a pronoun stands for wherever classes are tested.
constexpr int kPronounClass = 5;

}  // namespace wb
