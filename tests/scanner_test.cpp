#include "engine/analysis/scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb {
namespace {

std::vector<std::string> Tokens(std::string_view text, Scanner* out = nullptr) {
  Scanner local;
  Scanner& s = out ? *out : local;
  s.Init(text, LexicalSeparators());
  std::vector<std::string> tokens;
  Str255 t;
  while (s.NextToken(t)) tokens.push_back(t.str());
  return tokens;
}

using V = std::vector<std::string>;

TEST(Scanner, WordsAndPunctuation) {
  EXPECT_EQ(Tokens("Hello, world!"), (V{"Hello", ",", "world", "!"}));
  EXPECT_EQ(Tokens(" \t\r\n\v\fa  b\t"), (V{"a", "b"}));
  EXPECT_EQ(Tokens("don't stop; x=y/z"), (V{"don't", "stop", ";", "x=y/z"}));
  EXPECT_EQ(Tokens("a,b"), (V{"a", ",", "b"}));
  EXPECT_EQ(Tokens("x1,000 x1,y"), (V{"x1,000", "x1", ",", "y"}));
  // A NUL byte is a character like any other, not the end of the text.
  EXPECT_EQ(Tokens(std::string_view("a\0b", 3)), (V{"a", std::string(1, '\0'), "b"}));
}

TEST(Scanner, NothingButSeparators) {
  EXPECT_TRUE(Tokens("").empty());
  EXPECT_TRUE(Tokens(" \t \r\n").empty());
  EXPECT_TRUE(Tokens("&nbsp;&nbsp; &nbsp;").empty());
  Scanner s;
  s.Init("", LexicalSeparators());
  Str255 t("stale");
  EXPECT_FALSE(s.NextToken(t));
  EXPECT_TRUE(t.empty());
  EXPECT_FALSE(s.NextToken(t));  // and stays at the end
}

TEST(Scanner, Numbers) {
  EXPECT_EQ(Tokens("1,000,000 people"), (V{"1,000,000", "people"}));
  // The trailing comma of a number is punctuation of its own.
  EXPECT_EQ(Tokens("1990, 1991,"), (V{"1990", ",", "1991", ","}));
  EXPECT_EQ(Tokens("3.14 10:30 1990's 3rd 1/2 5-6"), (V{"3.14", "10:30", "1990's", "3rd", "1/2", "5-6"}));
  EXPECT_EQ(Tokens("5%"), (V{"5", "%"}));
}

TEST(Scanner, PossessiveWrittenApart) {
  Scanner s;
  EXPECT_EQ(Tokens("John 's book", &s), (V{"John", "$s", "book"}));
  EXPECT_EQ(s.Text(), "John $s book");
  EXPECT_EQ(Tokens("the boys '"), (V{"the", "boys", "'"}));
  EXPECT_EQ(Tokens("James 's"), (V{"James", "$s"}));
  // Joined to the word, the possessive stays in it.
  EXPECT_EQ(Tokens("John's book"), (V{"John's", "book"}));
  EXPECT_EQ(Tokens("the boys' toys"), (V{"the", "boys'", "toys"}));
  // Only a blank or the end may follow the pair; otherwise the apostrophe
  // opens a quotation.
  Scanner q;
  EXPECT_EQ(Tokens("'sx", &q), (V{"'", "sx"}));
  EXPECT_TRUE(q.InQuote());
}

TEST(Scanner, TypewriterAndTeXQuotes) {
  Scanner s;
  EXPECT_EQ(Tokens("``Hello'' he said", &s), (V{"``", "Hello", "''", "he", "said"}));
  EXPECT_FALSE(s.InQuote());
  EXPECT_EQ(Tokens("`Hello''"), (V{"`", "Hello", "''"}));
  // Outside a quotation a closing pair still ends the word.
  EXPECT_EQ(Tokens("Hello'' x"), (V{"Hello", "''", "x"}));
  EXPECT_EQ(Tokens("'`x"), (V{"'`", "x"}));
}

TEST(Scanner, SingleQuotedPassage) {
  Scanner s;
  // The closing apostrophe starts a token of its own, which opens again.
  EXPECT_EQ(Tokens("he said 'yes' and", &s), (V{"he", "said", "'", "yes", "'", "and"}));
  EXPECT_TRUE(s.InQuote());
  EXPECT_EQ(Tokens("'yes', no"), (V{"'", "yes", "'", ",", "no"}));
  EXPECT_EQ(Tokens("'yes'"), (V{"'", "yes", "'"}));
  // Inside a quotation an apostrophe followed by a letter is still a word's.
  EXPECT_EQ(Tokens("'it's fine'"), (V{"'", "it's", "fine", "'"}));
  // Init forgets the open quotation.
  s.Init("can't", LexicalSeparators());
  EXPECT_FALSE(s.InQuote());
}

TEST(Scanner, DoubleQuotes) {
  EXPECT_EQ(Tokens("say \"hi\" now"), (V{"say", "\"", "hi", "\"", "now"}));
  EXPECT_EQ(Tokens("the letter \"x\" here"), (V{"the", "letter", "\"x\"", "here"}));
  EXPECT_EQ(Tokens("\"x"), (V{"\"", "x"}));
  EXPECT_EQ(Tokens("\""), (V{"\""}));
}

TEST(Scanner, BracketsAndDashes) {
  EXPECT_EQ(Tokens("(a) first (1) second"), (V{"(a)", "first", "(", "1", ")", "second"}));
  EXPECT_EQ(Tokens("(ab) (a"), (V{"(", "ab", ")", "(", "a"}));
  EXPECT_EQ(Tokens("("), (V{"("}));
  EXPECT_EQ(Tokens("a -- b --- c"), (V{"a", "--", "b", "---", "c"}));
  EXPECT_EQ(Tokens("well--known well-known x-"), (V{"well", "--", "known", "well-known", "x-"}));
}

TEST(Scanner, Entities) {
  EXPECT_EQ(Tokens("a&nbsp;b"), (V{"a", "b"}));
  EXPECT_EQ(Tokens("&quot;Hi&quot;"), (V{"\"", "Hi", "\""}));
  EXPECT_EQ(Tokens("a &amp; b"), (V{"a", "&", "amp", ";", "b"}));
  EXPECT_EQ(Tokens("AT&T R&#38;D"), (V{"AT", "&", "T", "R", "&", "#", "38", ";", "D"}));
  // No entity name after the ampersand: it stays in the word.
  EXPECT_EQ(Tokens("a&&b a& b"), (V{"a&", "&", "b", "a&", "b"}));
  // Names are compared exactly and need their semicolon.
  EXPECT_EQ(Tokens("&quot &QUOT;"), (V{"&", "quot", "&", "QUOT", ";"}));
  EXPECT_EQ(Tokens("&"), (V{"&"}));
  EXPECT_EQ(Tokens("x&nbsp;"), (V{"x"}));
}

TEST(Scanner, FullStopsAndQuestionMarks) {
  EXPECT_EQ(Tokens("wait... then"), (V{"wait...", "then"}));
  EXPECT_EQ(Tokens("U.S. e.g. end."), (V{"U.S.", "e.g.", "end."}));
  EXPECT_EQ(Tokens("... x"), (V{".", ".", ".", "x"}));
  EXPECT_EQ(Tokens("wait..x"), (V{"wait..", "x"}));
  EXPECT_EQ(Tokens("page?id=3 what? Why?Not"), (V{"page?id=3", "what", "?", "Why", "?", "Not"}));
}

TEST(Scanner, HighBytes) {
  EXPECT_EQ(Tokens("\xC4\xE3\xBA\xC3 ok"), (V{"\xC4\xE3\xBA\xC3", "ok"}));
  EXPECT_EQ(Tokens("abc\xC4\xE3"), (V{"abc", "\xC4\xE3"}));
  // The Windows typographic apostrophe continues a word but starts none.
  EXPECT_EQ(Tokens("don\x92t \x92\x80"), (V{"don\x92t", "\x92\x80"}));
}

TEST(Scanner, LongTokensAreCut) {
  std::string word(300, 'a');
  auto tokens = Tokens(word + " next " + std::string(400, '\xB0'));
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0], std::string(255, 'a'));
  EXPECT_EQ(tokens[1], "next");
  EXPECT_EQ(tokens[2].size(), 255u);
}

TEST(Scanner, Fields) {
  Scanner s;
  s.Init("  a,b 'c'\td\n" + std::string(300, 'x'), LexicalSeparators());
  Str255 f;
  V fields;
  while (s.NextField(f)) fields.push_back(f.str());
  EXPECT_EQ(fields, (V{"a,b", "'c'", "d", std::string(255, 'x')}));
  EXPECT_FALSE(s.InQuote());

  s.Init(",,one,,two,", MakeSeparators(","));
  fields.clear();
  while (s.NextField(f)) fields.push_back(f.str());
  EXPECT_EQ(fields, (V{"one", "two"}));
}

TEST(Scanner, SeparatorsAreTheCallersChoice) {
  Scanner s;
  s.Init("a;b c", MakeSeparators(";"));
  Str255 t;
  V tokens;
  while (s.NextToken(t)) tokens.push_back(t.str());
  EXPECT_EQ(tokens, (V{"a", "b", " ", "c"}));
  EXPECT_EQ(s.Pos(), 6u);
}

}  // namespace
}  // namespace wb
