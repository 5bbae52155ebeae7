#include "html/tag_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb {
namespace {

std::vector<HtmlElement> ReadAll(std::string_view page) {
  HtmlReader r;
  r.HtmlOpen(page);
  std::vector<HtmlElement> out;
  HtmlElement e;
  while (r.HtmlNext(e)) out.push_back(e);
  return out;
}

// Writing each element's own bytes back must give the page again.
std::string Rejoin(std::string_view page, const std::vector<HtmlElement>& es) {
  std::string s;
  for (const HtmlElement& e : es) s.append(page.substr(e.SourceBegin, e.SourceEnd - e.SourceBegin));
  return s;
}

TEST(TagReader, EmptyPageDeliversNothing) { EXPECT_TRUE(ReadAll("").empty()); }

TEST(TagReader, TextAndTags) {
  auto es = ReadAll("<P>Hello</p>");
  ASSERT_EQ(es.size(), 3u);
  EXPECT_EQ(es[0].Name, "P");
  EXPECT_EQ(es[0].Kind, TagKind("p"));
  EXPECT_FALSE(es[0].IsEnd);
  EXPECT_EQ(es[1].Text, "Hello");
  EXPECT_TRUE(es[1].IsText());
  EXPECT_EQ(es[2].Name, "/p");
  EXPECT_TRUE(es[2].IsEnd);
  EXPECT_EQ(es[2].Kind, es[0].Kind);
}

TEST(TagReader, LessThanThatOpensNoMarkupStaysInText) {
  auto es = ReadAll("a < b and 3<4 <= 5<>x");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Text, "a < b and 3<4 <= 5<>x");
  // At the start of an element a "<" before a digit is read as a tag.
  es = ReadAll("<4 x>");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Name, "4");
  EXPECT_EQ(es[0].Kind, 0);
  // "<" before a blank at the start of an element is text.
  es = ReadAll("< b");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Text, "< b");
}

TEST(TagReader, UnknownTagKeepsItsAttributes) {
  auto es = ReadAll("<blink class=x id='y'>");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Kind, 0);
  ASSERT_EQ(es[0].AttrCount, 2);
  EXPECT_EQ(es[0].Attrs[1].Name, "class");
  EXPECT_EQ(es[0].Attrs[1].Value, "x");
  EXPECT_EQ(es[0].Attrs[2].Value, "'y'");
  EXPECT_EQ(TagKind("ILLEGAL"), 0);
  EXPECT_EQ(TagKind("XMP"), 66);
  EXPECT_EQ(TagKind("Frame"), tag::kFrame);
}

TEST(TagReader, AttributeValues) {
  auto es = ReadAll("<a href=\"x y.htm\" name = n1 title='it''s' checked>");
  ASSERT_EQ(es.size(), 1u);
  const HtmlElement& e = es[0];
  ASSERT_EQ(e.AttrCount, 4);
  EXPECT_EQ(e.Attrs[1].Value, "\"x y.htm\"");
  EXPECT_EQ(e.Attrs[2].Name, "name");
  EXPECT_EQ(e.Attrs[2].Value, "n1");
  // Text glued to a closing quote runs on to the next quote of that kind.
  EXPECT_EQ(e.Attrs[3].Value, "'it''s'");
  EXPECT_EQ(e.Attrs[4].Name, "checked");
  EXPECT_EQ(e.Attrs[4].Value, "");
  // A self-closing tag ends the value at its quote.
  es = ReadAll("<img alt=\"Next\"/><th width=\"100%\">");
  ASSERT_EQ(es.size(), 2u);
  EXPECT_EQ(es[0].Attrs[1].Value, "\"Next\"");
  EXPECT_EQ(es[1].Attrs[1].Value, "\"100%\"");
  // A quoted value cannot run past a ">" before its closing quote.
  es = ReadAll("<img alt=\"broken>rest");
  ASSERT_EQ(es.size(), 2u);
  EXPECT_EQ(es[0].Attrs[1].Value, "\"broken");
  EXPECT_EQ(es[1].Text, "rest");
}

TEST(TagReader, CommentsAndDeclarations) {
  auto es = ReadAll("<!DOCTYPE html PUBLIC \"-//W3C//DTD\"><!-- a <b> c -->x<!---->y<!-x->z");
  ASSERT_EQ(es.size(), 7u);
  EXPECT_EQ(es[0].Kind, tag::kComment);
  EXPECT_EQ(es[0].Name, "!DOCTYPE html PUBLIC \"-//W3C//DTD\"");
  EXPECT_EQ(es[1].Name, "!-- a <b> c --");
  EXPECT_EQ(es[2].Text, "x");
  EXPECT_EQ(es[3].Name, "!----");
  EXPECT_EQ(es[4].Text, "y");
  EXPECT_EQ(es[5].Name, "!-x-");
  EXPECT_EQ(es[6].Text, "z");
}

TEST(TagReader, StyleCommentGetsTheChineseFontFirst) {
  auto es = ReadAll("<!-- p { font-family: Arial; } h1 { font-family: Times } -->");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Name,
            "!-- p { font-family: \xCB\xCE\xCC\xE5, Arial; } h1 { font-family: \xCB\xCE\xCC\xE5, Times } --");
  EXPECT_EQ(AddChineseFontFamily("font-family:Arial"), "font-family:Arial");
}

TEST(TagReader, RawElementsAreDeliveredWhole) {
  std::string page = "<SCRIPT language=js>if (a<b && c>d) x='</scriptx>';</script >after";
  auto es = ReadAll(page);
  ASSERT_EQ(es.size(), 2u);
  EXPECT_EQ(es[0].Kind, tag::kScript);
  EXPECT_EQ(es[0].AttrCount, 0);
  EXPECT_EQ(es[0].Name, "SCRIPT language=js>if (a<b && c>d) x='</scriptx>';</script ");
  EXPECT_EQ(es[1].Text, "after");
  es = ReadAll("<plaintext>a<b>c");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Kind, tag::kPlaintext);
  EXPECT_EQ(es[0].Name, "plaintext >a<b>c");
  es = ReadAll("<comment>x</COMMENT>");
  ASSERT_EQ(es.size(), 1u);
  EXPECT_EQ(es[0].Kind, tag::kComment);
}

TEST(TagReader, TwentyAttributesAtMostAndTheTagStillEndsAtItsBracket) {
  std::string page = "<td";
  for (int i = 1; i <= 25; ++i) page += " a" + std::to_string(i) + "=\"v " + std::to_string(i) + "\"";
  page += ">text";
  auto es = ReadAll(page);
  ASSERT_EQ(es.size(), 2u);
  EXPECT_EQ(es[0].AttrCount, 20);
  EXPECT_EQ(es[0].Attrs[20].Name, "a20");
  EXPECT_EQ(es[1].Text, "text");
}

TEST(TagReader, UnterminatedMarkupKeepsEveryByte) {
  for (std::string_view page : {"text<!-- never closed", "<a href=x", "<!DOCTYPE html", "<script>x<",
                                "<p>a<!-x", "<b>T</b>he"}) {
    auto es = ReadAll(page);
    EXPECT_EQ(Rejoin(page, es), page) << page;
  }
  auto es = ReadAll("x<!-- open");
  ASSERT_EQ(es.size(), 2u);
  EXPECT_EQ(es[1].Name, "!-- open");
}

TEST(TagReader, PositionFollowsTheElements) {
  HtmlReader r;
  std::string page = "ab<i>c";
  r.HtmlOpen(page);
  HtmlElement e;
  ASSERT_TRUE(r.HtmlNext(e));
  EXPECT_EQ(r.HtmlPosition(), 2u);
  ASSERT_TRUE(r.HtmlNext(e));
  EXPECT_EQ(r.HtmlPosition(), 5u);
  ASSERT_TRUE(r.HtmlNext(e));
  EXPECT_EQ(r.HtmlPosition(), 6u);
  EXPECT_FALSE(r.HtmlNext(e));
}

TEST(TagReader, LoneCapital) {
  EXPECT_TRUE(EndsInLoneCapital("T"));
  EXPECT_TRUE(EndsInLoneCapital("word A"));
  EXPECT_TRUE(EndsInLoneCapital("broken\n-"));
  EXPECT_FALSE(EndsInLoneCapital("AB"));
  EXPECT_FALSE(EndsInLoneCapital("a"));
  EXPECT_FALSE(EndsInLoneCapital(""));
}

}  // namespace
}  // namespace wb
