#pragma once
// The vocabulary the whole engine shares: category names, the grammar codes
// that lexicon senses carry, the dependency relations, the dependency node
// every parse is made of, and the link rules that are the grammar itself.
//
// All of it is constant data compiled into the program.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/grammar/category.h"

namespace wb {

// ---------------------------------------------------------------------------
// Categories

constexpr int kPartOfSpeechCount = 27;     // codes 0..26
constexpr int kPhraseCategoryCount = 50;   // codes 100..149
constexpr Category kFirstPhraseCategory = 100;

// The printed name of a category: a part of speech, a phrase category,
// "REF" for 200, "???" for anything else.
std::string_view CategoryName(Category c);

// The code of a category name, compared exactly: "REF" is 200, a name with an
// upper-case first letter is a phrase category, any other a part of speech.
// Unknown names and the empty name give cat::kNone.
Category CategoryCode(std::string_view name);

// ---------------------------------------------------------------------------
// Grammar codes of senses

// A verb sense's complement patterns, bit k = verb code k.
using VerbCodeSet = std::uint64_t;
// A noun sense's codes, bit k = noun code k.
using NounCodeSet = std::uint16_t;

constexpr int kVerbCodeCount = 64;
constexpr int kNounCodeCount = 16;

// Bit numbers of the verb codes. The letter is the pattern family
// (i intransitive, l linking, t transitive, d two complements, v object plus
// verb, x complex transitive), the digit the kind of complement.
namespace vc {
constexpr int i0 = 0, i2 = 1, i3 = 2, i4 = 3, i5a = 4, i6a = 5, i8 = 6;
constexpr int l1 = 10, l3 = 11, l4 = 12, l5 = 13, l6 = 14, l6a = 15, l7 = 16, l8 = 17, l9 = 18;
constexpr int t1 = 20, t2 = 21, t3 = 22, t4 = 23, t5 = 24, t5a = 25, t6 = 26, t6a = 27;
constexpr int d1 = 30, d5 = 31, d5a = 32, d6 = 33, d6a = 34;
constexpr int v2 = 40, v3 = 41, v4 = 42, v8 = 43;
constexpr int x1 = 50, x7 = 51, x9 = 52;
constexpr int wv4 = 60, wv5 = 61;
}  // namespace vc

// Bit numbers of the noun codes that have a name fit for code.
namespace nc {
constexpr int C = 0, U = 1, CY = 2, PN = 3, LN = 4, NE = 5, IN = 6;
constexpr int OF = 10, NG = 11;
constexpr int kStar = 14;  // "*"; sense choice also reads it as a preference
}  // namespace nc

constexpr VerbCodeSet VerbCodeBit(int code) {
  return code >= 0 && code < kVerbCodeCount ? VerbCodeSet{1} << code : 0;
}
constexpr NounCodeSet NounCodeBit(int code) {
  return code >= 0 && code < kNounCodeCount ? static_cast<NounCodeSet>(1u << code) : 0;
}
constexpr bool HasVerbCode(VerbCodeSet s, int code) { return (s & VerbCodeBit(code)) != 0; }
constexpr bool HasNounCode(NounCodeSet s, int code) { return (s & NounCodeBit(code)) != 0; }

// The name of one code; empty for codes without a name and out of range.
std::string_view VerbCodeName(int code);
std::string_view NounCodeName(int code);

// The names of the codes present, in bit order, joined by commas. A present
// code without a name still contributes its (empty) place.
std::string VerbCodesText(VerbCodeSet codes);
std::string NounCodesText(NounCodeSet codes);

// ---------------------------------------------------------------------------
// Relations: the link from a dependent to its head.

enum Relation : std::uint8_t {
  rmod = 0,   // modifier
  rsub = 1,   // subject
  robj1 = 2,  // first object
  robj2 = 3,  // second object
  rpred = 4,  // predicative
  rclause = 5,  // clause governed by "that", a wh-word or a conjunction
  rcmod = 6,    // clause or verb attached to a noun, verb or function word
  rv2n = 7,     // determiner of a verb used as a noun
  rtomod = 8,   // "to" attached to what it follows
  rcon = 9,     // conjunct
  rfuzzy = 10,  // argument not yet told subject or object; phrase member
  renmod = 11,
  rqmod = 12,
};
constexpr int kRelationCount = 13;

// The relation's name; "???" for a code outside the table.
std::string_view RelationName(Relation r);

// ---------------------------------------------------------------------------
// Dependency nodes

constexpr int MAXDNO = 7;           // dependents a node can hold
constexpr int kParseNodeCount = 50;  // word positions 1..50

// One word position in one parse. The relation of a dependent is kept in the
// dependent's own node, never in its head's list.
struct DepNode {
  Category category = 0;
  std::uint8_t head = 0;  // position of the head; 0 for a root
  Relation relation = rmod;
  std::uint8_t partner = 0;  // coordination partner set by repair; 0 = none
  // 0 for a word, 8 for a multi-word phrase; raised by 1 for a root that
  // stands between a pair of marks.
  std::uint8_t marks = 0;
  std::uint8_t genCode = 0;  // owned by generation
  std::uint8_t depCount = 0;
  std::array<std::uint8_t, MAXDNO> deps{};  // in order of attachment
};
static_assert(sizeof(DepNode) == 7 + MAXDNO, "a node is a row of bytes, copied whole between parses");

// The nodes of one parse, indexed by word position 1..50. Every other index
// (0 included, which is what a root's head reads) lands on a spare node that
// no position owns, so a stray position can never reach outside the buffer.
struct ParseBuffer {
  std::array<DepNode, kParseNodeCount + 1> nodes{};

  static constexpr bool IsPosition(int pos) { return pos >= 1 && pos <= kParseNodeCount; }
  DepNode& operator[](int pos) { return nodes[IsPosition(pos) ? pos : 0]; }
  const DepNode& operator[](int pos) const { return nodes[IsPosition(pos) ? pos : 0]; }
};

// ---------------------------------------------------------------------------
// Link rules

// Where a dependent may stand relative to its head.
enum LinkDirection : std::uint8_t {
  kAfterHead = 0,   // the dependent has the greater position
  kBeforeHead = 1,  // the dependent has the smaller position
  kEitherSide = 2,
};

// A word of category `dependent` may depend on a word of category `head`,
// with `relation` unless check number `check` (0..41) changes it.
struct LinkRule {
  Category dependent;
  Category head;
  LinkDirection direction;
  Relation relation;
  std::uint8_t check;
};

constexpr int kLinkRuleCount = 73;

// Rule number n, 1..kLinkRuleCount; nullptr for any other number.
const LinkRule* LinkRuleNumber(int n);

// The rules of one dependent category: `count` consecutive rules starting at
// rule number `first` (0 when there are none).
struct RuleRange {
  int count = 0;
  int first = 0;
};

struct RuleIndex {
  std::array<RuleRange, kPartOfSpeechCount> byDependent{};
};

// Builds the index of the rule table by dependent category. The engine's own
// copy is built when the program is compiled; this is for checking it.
RuleIndex BuildRuleIndex();

// The rules for a dependent category; none for phrase categories and codes
// outside the parts of speech.
RuleRange RulesFor(Category dependent);

// The number of the first rule linking dependent to head, in table order (the
// only rule the parser applies to that pair); 0 when none does.
int FindLinkRule(Category dependent, Category head);

}  // namespace wb
