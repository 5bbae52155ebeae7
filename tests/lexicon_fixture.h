#pragma once
// A small lexicon built in code, for tests and fuzz targets: enough words to
// exercise morphology, references, contractions, phrases (fixed, grouped,
// wildcard, end-of-sentence and "not a noun" forms), special-word handlers
// and the token handlers' compounds.
//
// Header-only, so that any test or fuzz program can use it without linking
// anything beyond the engine libraries.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"
#include "engine/grammar/sense.h"

namespace wb::fixture {

inline Sense MakeSense(Category c, std::string text, std::uint16_t type = sense_type::kPlain) {
  Sense s = Sense::OfType(type);
  s.category = c;
  s.text = std::move(text);
  s.label = SenseLabel(s);
  return s;
}

inline Sense Noun(std::string text, NounCodeSet codes = NounCodeBit(nc::C)) {
  Sense s = MakeSense(cat::kN, std::move(text), sense_type::kNoun);
  s.Noun()->codes = codes;
  return s;
}

inline Sense Verb(std::string text, VerbCodeSet codes = VerbCodeBit(vc::t1)) {
  Sense s = MakeSense(cat::kV, std::move(text), sense_type::kVerb);
  s.Verb()->codes = codes;
  return s;
}

// A reference to another headword, with the form flags it gives.
inline Sense Ref(std::string target, std::uint16_t flags) {
  Sense s = MakeSense(cat::kRef, std::move(target), sense_type::kValue);
  std::get<WordField>(s.fields).value = flags;
  return s;
}

inline LexEntry Entry(std::string headword, std::vector<Sense> senses, std::uint8_t first = 0,
                      std::uint8_t second = 0, std::vector<LexPhrase> phrases = {}, std::uint8_t handler = 0) {
  LexEntry e;
  e.headword = std::move(headword);
  e.senses = std::move(senses);
  e.entryFlags = static_cast<std::uint16_t>(first | (second << 8));
  e.phrases = std::move(phrases);
  e.handler = handler;
  return e;
}

// Chinese texts (GBK).
namespace gb {
inline const std::string kBook = "\xCA\xE9";                  // 书
inline const std::string kCat = "\xC3\xA8";                   // 猫
inline const std::string kBox = "\xBA\xD0\xD7\xD3";           // 盒子
inline const std::string kChurch = "\xBD\xCC\xCC\xC3";        // 教堂
inline const std::string kFlyN = "\xB2\xD4\xD3\xAC";          // 苍蝇
inline const std::string kFlyV = "\xB7\xC9";                  // 飞
inline const std::string kTable = "\xD7\xC0\xD7\xD3";         // 桌子
inline const std::string kMary = "\xC2\xEA\xC0\xF6";          // 玛丽
inline const std::string kGo = "\xC8\xA5";                    // 去
inline const std::string kMake = "\xD7\xF6";                  // 做
inline const std::string kKnow = "\xD6\xAA\xB5\xC0";          // 知道
inline const std::string kHappy = "\xBF\xEC\xC0\xD6";         // 快乐
inline const std::string kBig = "\xB4\xF3";                   // 大
inline const std::string kFast = "\xBF\xEC";                  // 快
inline const std::string kWell = "\xBA\xC3";                  // 好
inline const std::string kHigh = "\xB8\xDF";                  // 高
inline const std::string kLevel = "\xCB\xAE\xC6\xBD";         // 水平
inline const std::string kOf = "\xB5\xC4";                    // 的
inline const std::string kIn = "\xD4\xDA";                    // 在
inline const std::string kOnSlot = "\xD4\xDA\\1\xC9\xCF";     // 在\1上 (the object goes in the slot)
inline const std::string kAnd = "\xBA\xCD";                   // 和
inline const std::string kOr = "\xBB\xF2";                    // 或
inline const std::string kIs = "\xCA\xC7";                    // 是
inline const std::string kI = "\xCE\xD2";                     // 我
inline const std::string kIt = "\xCB\xFC";                    // 它
inline const std::string kNot = "\xB2\xBB";                   // 不
inline const std::string kInFront = "\xD4\xDA\xC7\xB0\xC3\xE6";  // 在前面
inline const std::string kMakeHappy = "\xCA\xB9*\xBF\xEC\xC0\xD6";  // 使*快乐
inline const std::string kAtAll = "\xB8\xF9\xB1\xBE";         // 根本
inline const std::string kAlso = "\xD2\xB2";                  // 也
inline const std::string kBankRiver = "\xBA\xD3\xB0\xB6";     // 河岸
inline const std::string kBankMoney = "\xD2\xF8\xD0\xD0";     // 银行
inline const std::string kPolice = "\xBE\xAF\xB2\xEC";        // 警察
inline const std::string kJanuary = "\xD2\xBB\xD4\xC2";       // 一月
inline const std::string kMay = "\xCE\xE5\xD4\xC2";           // 五月
inline const std::string kMaybe = "\xBF\xC9\xC4\xDC";         // 可能
inline const std::string kTwenty = "\xB6\xFE\xCA\xAE";        // 二十
inline const std::string kOne = "\xD2\xBB";                   // 一
inline const std::string kFirst = "\xB5\xDA\xD2\xBB";         // 第一
inline const std::string kTwo = "\xB6\xFE";                   // 二
inline const std::string kThird = "\xB5\xDA\xC8\xFD";         // 第三
inline const std::string kEmail = "\xB5\xE7\xD7\xD3\xD3\xCA\xBC\xFE";  // 电子邮件
inline const std::string kCheck = "\xBC\xEC\xB2\xE9";         // 检查
inline const std::string kHome = "\xBC\xD2";                  // 家
inline const std::string kLookAfter = "\xD5\xD5\xB9\xCB";     // 照顾
inline const std::string kLook = "\xBF\xB4";                  // 看
inline const std::string kSay = "\xCB\xB5";                   // 说
inline const std::string kInUs = "\xD4\xDA\xC3\xC0\xB9\xFA";  // 在美国
inline const std::string kComma = "\xA3\xAC";                 // ，
inline const std::string kPoss = "\xB5\xC4";                  // 的
inline const std::string kWater = "\xCB\xAE";                 // 水
}  // namespace gb

inline void FillFixtureLexicon(Lexicon& lex) {
  using namespace gb;
  const std::uint8_t kFixed = ef1::kFixedPhrase;
  // Nouns.
  lex.Insert(Entry("book", {Noun(kBook)}));
  lex.Insert(Entry("cat", {Noun(kCat)}));
  lex.Insert(Entry("box", {Noun(kBox)}));
  lex.Insert(Entry("church", {Noun(kChurch)}));
  lex.Insert(Entry("fly", {Noun(kFlyN), Verb(kFlyV, VerbCodeBit(vc::i0))}));
  lex.Insert(Entry("table", {Noun(kTable)}));
  lex.Insert(Entry("Mary", {Noun(kMary, NounCodeBit(nc::PN))}));
  lex.Insert(Entry("level", {Noun(kLevel)}));
  lex.Insert(Entry("email", {Noun(kEmail)}));
  lex.Insert(Entry("water", {Noun(kWater, NounCodeBit(nc::U))}));
  lex.Insert(Entry("home", {Noun(kHome, NounCodeBit(nc::IN))}, 0, 0, {{7, "go home"}}));
  lex.Insert(Entry("front", {Noun("\xC7\xB0\xC3\xE6")}, 0, 0, {{1, "in front of"}}));  // 前面
  lex.Insert(Entry("police", {Noun(kPolice)}, ef1::kHandler, 0, {}, 0));
  // A handler number beyond the table does nothing.
  lex.Insert(Entry("zap", {Noun(kPolice)}, ef1::kHandler, 0, {}, 200));
  // Two entries with one headword: the later one hides the earlier.
  lex.Insert(Entry("bank", {Noun(kBankRiver)}));
  lex.Insert(Entry("bank", {Noun(kBankMoney)}));

  // Verbs; "put" is its own past tense and participle.
  lex.Insert(Entry("go", {Verb(kGo, VerbCodeBit(vc::i0))}));
  lex.Insert(Entry("make", {Verb(kMake)}, 0, 0, {{2, "make * happy"}}));
  lex.Insert(Entry("run", {Verb("\xC5\xDC")}));   // 跑
  lex.Insert(Entry("walk", {Verb("\xD7\xDF")}));  // 走
  lex.Insert(Entry("stop", {Verb("\xCD\xA3")}));  // 停
  lex.Insert(Entry("try", {Verb("\xCA\xD4")}));   // 试
  lex.Insert(Entry("play", {Verb("\xCD\xE6")}));  // 玩
  lex.Insert(Entry("bake", {Verb("\xBF\xBE")}));  // 烤
  lex.Insert(Entry("free", {MakeSense(cat::kAdj, "\xD7\xD4\xD3\xC9"), Verb("\xCA\xCD\xB7\xC5")}));  // 自由, 释放
  lex.Insert(Entry("put", {Verb("\xB7\xC5")}, 0, ef2::kBaseIsPast | ef2::kBaseIsParticiple));  // 放
  lex.Insert(Entry("know", {Verb(kKnow)}));
  lex.Insert(Entry("check", {Verb(kCheck)}));
  lex.Insert(Entry("say", {Verb(kSay)}));
  lex.Insert(Entry("look", {Verb(kLook, VerbCodeBit(vc::i0))}, 0, 0, {{3, "look after"}}));
  // Irregular forms refer to their verbs.
  lex.Insert(Entry("went", {Ref("go", wf::PAST)}));
  lex.Insert(Entry("made", {Ref("make", wf::PAST)}));
  lex.Insert(Entry("known", {Ref("know", wf::EN)}));
  // A reference whose target is an inflected form.
  lex.Insert(Entry("sez", {Ref("says", 0)}));
  // References in a circle.
  lex.Insert(Entry("ping", {Ref("pong", 0)}));
  lex.Insert(Entry("pong", {Ref("ping", 0)}));

  // Adjectives and adverbs.
  lex.Insert(Entry("happy", {MakeSense(cat::kAdj, kHappy)}));
  lex.Insert(Entry("big", {MakeSense(cat::kAdj, kBig)}));
  lex.Insert(Entry("large", {MakeSense(cat::kAdj, kBig)}));
  lex.Insert(Entry("fast", {MakeSense(cat::kAdj, kFast), MakeSense(cat::kAdv, kFast)}));
  lex.Insert(Entry("high", {MakeSense(cat::kAdj, kHigh)}));
  lex.Insert(Entry("well", {MakeSense(cat::kAdv, kWell)}, 0, 0, {{4, "as well n~"}}));
  lex.Insert(Entry("all", {MakeSense(cat::kDet, "\xCB\xF9\xD3\xD0")}, 0, 0, {{5, "at all ."}}));  // 所有
  lex.Insert(Entry("not", {MakeSense(cat::kAdv, kNot)}));

  // Function words.
  lex.Insert(Entry("the", {MakeSense(cat::kDet, "")}));
  lex.Insert(Entry("a", {MakeSense(cat::kDet, "\xD2\xBB\xB8\xF6")}));  // 一个
  lex.Insert(Entry("of", {MakeSense(cat::kPrep, kOf)}));
  lex.Insert(Entry("in", {MakeSense(cat::kPrep, kIn)}, 0, 0, {{6, "in the `US"}}));
  lex.Insert(Entry("on", {MakeSense(cat::kPrep, kOnSlot)}));
  lex.Insert(Entry("at", {MakeSense(cat::kPrep, kIn)}));
  lex.Insert(Entry("as", {MakeSense(cat::kAs, "\xD7\xF7\xCE\xAA")}));  // 作为
  lex.Insert(Entry("after", {MakeSense(cat::kPrep, "\xD6\xAE\xBA\xF3")}));  // 之后
  lex.Insert(Entry("to", {MakeSense(cat::kTo, "")}, 0, 0, {{8, "according to"}}));
  lex.Insert(Entry("and", {MakeSense(cat::kConj, kAnd)}));
  lex.Insert(Entry("or", {MakeSense(cat::kConj, kOr)}));
  lex.Insert(Entry("is", {MakeSense(cat::kBe, kIs)}));
  lex.Insert(Entry("am", {MakeSense(cat::kBe, kIs)}));
  lex.Insert(Entry("be", {MakeSense(cat::kBe, kIs)}));
  lex.Insert(Entry("do", {MakeSense(cat::kAux, "")}));
  lex.Insert(Entry("will", {MakeSense(cat::kAux, "\xBD\xAB")}));  // 将
  lex.Insert(Entry("may", {MakeSense(cat::kAux, kMaybe)}));
  lex.Insert(Entry("I", {MakeSense(cat::kPron, kI)}));
  lex.Insert(Entry("it", {MakeSense(cat::kPron, kIt)}));
  lex.Insert(Entry("$s", {MakeSense(cat::kPoss, kPoss)}));
  lex.Insert(Entry(",", {MakeSense(cat::kComma, kComma)}));
  lex.Insert(Entry("\"", {MakeSense(cat::kQuote, "\"")}));

  // Contractions list the words they stand for.
  const std::uint8_t kContr = ef1::kContraction;
  lex.Insert(Entry("don't", {MakeSense(cat::kAux, "do not")}, kContr));
  lex.Insert(Entry("it's", {MakeSense(cat::kPron, "it is")}, kContr));
  lex.Insert(Entry("won't", {MakeSense(cat::kAux, "will nott")}, kContr));  // names a word that is missing

  // Numbers.
  lex.Insert(Entry("one", {MakeSense(cat::kNum, kOne)}));
  lex.Insert(Entry("two", {MakeSense(cat::kNum, kTwo)}));
  lex.Insert(Entry("twenty", {MakeSense(cat::kNum, kTwenty)}));
  lex.Insert(Entry("first", {MakeSense(cat::kNum, kFirst)}));
  lex.Insert(Entry("third", {MakeSense(cat::kNum, kThird)}));

  // Months run the date recogniser.
  lex.Insert(Entry("January", {Noun(kJanuary)}, ef1::kHandler, 0, {}, 1));
  lex.Insert(Entry("May", {Noun(kMay)}, ef1::kHandler, 0, {}, 1));

  // Phrase entries.
  lex.Insert(Entry("in front of", {MakeSense(cat::kPrep, kInFront)}, kFixed));
  lex.Insert(Entry("according to", {MakeSense(cat::kPrep, kInFront)}, kFixed));
  lex.Insert(Entry("make * happy", {Verb(kMakeHappy)}, kFixed));
  lex.Insert(Entry("look after", {Verb(kLookAfter)}));
  lex.Insert(Entry("at all .", {MakeSense(cat::kAdv, kAtAll)}, kFixed));
  lex.Insert(Entry("as well n~", {MakeSense(cat::kAdv, kAlso)}, kFixed));
  lex.Insert(Entry("in the `US", {MakeSense(cat::kPrep, kInUs)}, kFixed));
  // Takes the form of its first word: "went home" is a past "go home".
  lex.Insert(Entry("go home", {Verb("\xBB\xD8\xBC\xD2", VerbCodeBit(vc::i0))}, kFixed | ef1::kKeepStartForm));  // 回家
}

// One shared copy, built on first use.
inline const Lexicon& FixtureLexicon() {
  struct Holder {
    Lexicon lex;
    Holder() { FillFixtureLexicon(lex); }
  };
  static const Holder holder;
  return holder.lex;
}

}  // namespace wb::fixture
