#include "html/addresses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb {
namespace {

const char kBase[] = "http://www.example.com/a/b/page.htm";
const char kFrameDir[] = "C:\\WB\\cache\\";

TEST(ResolveUrl, RelativeAddressesClimbTheBase) {
  EXPECT_EQ(ResolveUrl(kBase, "../x.htm"), "http://www.example.com/a/x.htm");
  EXPECT_EQ(ResolveUrl(kBase, ".././x.htm"), "http://www.example.com/a/x.htm");
  EXPECT_EQ(ResolveUrl(kBase, "./x.htm"), "http://www.example.com/a/b/x.htm");
  EXPECT_EQ(ResolveUrl("file://C:\\dir\\sub\\p.htm", "../x.htm"), "file://C:/dir/x.htm");
  // Running out of directories, or a base with none, keeps the relative part.
  EXPECT_EQ(ResolveUrl("http://h.com/p.htm", "../../../../x.htm"), "x.htm");
  EXPECT_EQ(ResolveUrl("C:\\dir\\page.htm", "x.htm"), "x.htm");
  EXPECT_EQ(ResolveUrl("/", "../x"), "x");
  EXPECT_EQ(ResolveUrl("", ""), "");
}

TEST(ResolveUrl, RootRelativeKeepsSchemeAndHost) {
  EXPECT_EQ(ResolveUrl(kBase, "/c/d.htm"), "http://www.example.com/c/d.htm");
  EXPECT_EQ(ResolveUrl("file:///c|/dir/page.htm", "/x.htm"), "file:///c|/x.htm");
  EXPECT_EQ(ResolveUrl("http://www.example.com", "/d.htm"), "http://www.example.com/d.htm");
  EXPECT_EQ(ResolveUrl("http://", "/d.htm"), "http:///d.htm");
}

TEST(ResolveUrl, QuotesAndAbsoluteAddresses) {
  EXPECT_EQ(ResolveUrl(kBase, "\"../x.htm\""), "http://www.example.com/a/x.htm");
  EXPECT_EQ(ResolveUrl(kBase, "\"http://o.org/x\""), "http://o.org/x");
  EXPECT_EQ(ResolveUrl(kBase, "c:\\pages\\x.htm"), "c:\\pages\\x.htm");
  EXPECT_EQ(ResolveUrl(kBase, "\""), "http://www.example.com/a/b/");
}

TEST(UrlToFileName, NameFromLastSegment) {
  EXPECT_EQ(UrlToFileName("http://h.com/cgi/search?q=1"), "search@q=1.htm");
  EXPECT_EQ(UrlToFileName("http://h.com/INDEX.HTML"), "INDEX.HTML");
  EXPECT_EQ(UrlToFileName("\"c:\\pages\\Left.Htm\""), "Left.Htm");
  EXPECT_EQ(UrlToFileName("a/p.htm#x/y"), "p.htm");
  EXPECT_EQ(UrlToFileName("page.htmx"), "page.htmx.htm");
  EXPECT_EQ(UrlToFileName("http://h.com/dir/"), ".htm");
  EXPECT_EQ(UrlToFileName("\""), ".htm");
  EXPECT_EQ(SlashesToBackslashes("a/b//c"), "a\\b\\\\c");
}

TEST(MatchFrameUrl, MatchRemovesTheFirstMatchingEntry) {
  // Web entries compare by file name, ignoring case.
  std::vector<std::string> frames = {"http://a.com/x.htm", "http://b.com/X.HTM"};
  std::string address = "\"x.htm\"";
  EXPECT_FALSE(MatchFrameUrl(address, frames, kFrameDir, false));
  EXPECT_EQ(address, "\"x.htm\"");
  EXPECT_EQ(frames, std::vector<std::string>{"http://b.com/X.HTM"});

  // Local entries only have to contain the name, with "/" read as "\".
  frames = {"d:\\site\\SUB\\X.HTM"};
  address = "c:\\wb\\CACHE\\sub/x.htm";
  EXPECT_FALSE(MatchFrameUrl(address, frames, kFrameDir, true));
  EXPECT_TRUE(frames.empty());

  // Entries in the cache directory need the exact name.
  frames = {"C:\\WB\\cache\\mycache3.htm"};
  address = "\"cache3.htm\"";
  EXPECT_TRUE(MatchFrameUrl(address, frames, kFrameDir, true));
  EXPECT_EQ(address, "\"cache3.htm\"");
  address = "\"MyCache3.htm\"";
  EXPECT_FALSE(MatchFrameUrl(address, frames, kFrameDir, true));
}

TEST(MatchFrameUrl, NoMatchFallsBackOnFirstEntryOutsideTheCache) {
  const std::vector<std::string> reported = {"C:\\WB\\cache\\m.htm", "c:\\p\\a.htm", "http://h/b"};
  std::vector<std::string> frames = reported;
  std::string address = "\"zzz.htm\"";
  EXPECT_TRUE(MatchFrameUrl(address, frames, kFrameDir, true));
  EXPECT_EQ(address, "file:///c:\\p\\a.htm");
  EXPECT_EQ(frames, reported);
  EXPECT_TRUE(MatchFrameUrl(address = "z", frames, kFrameDir, false));
  EXPECT_EQ(address, "file://c:\\p\\a.htm");

  frames = {"http://h/b", ""};
  EXPECT_TRUE(MatchFrameUrl(address = "", frames, kFrameDir, true));
  EXPECT_EQ(address, "http://h/b");

  frames.clear();
  EXPECT_TRUE(MatchFrameUrl(address = "\"a.htm\"", frames, kFrameDir, true));
  EXPECT_EQ(address, "\"a.htm\"");
}

TEST(DecodeUrlEscapes, DecodesEscapesAndCopiesBrokenOnes) {
  EXPECT_EQ(DecodeUrlEscapes("a%20b%2Fc%2f"), "a b/c/");
  EXPECT_EQ(DecodeUrlEscapes("%B0%A1"), "\xB0\xA1");
  EXPECT_EQ(DecodeUrlEscapes("%2541"), "%41");
  EXPECT_EQ(DecodeUrlEscapes("100%"), "100%");
  EXPECT_EQ(DecodeUrlEscapes("ab%4"), "ab%4");
  EXPECT_EQ(DecodeUrlEscapes("%4g"), "%4g");
  EXPECT_EQ(DecodeUrlEscapes("50%%20off"), "50% off");
}

TEST(CacheNames, TwentyEightNamesInTurn) {
  CacheNames names(kFrameDir);
  const std::string first = names.NextCacheFileName();
  EXPECT_EQ(first, "C:\\WB\\cache\\mycache0.htm");
  std::string last;
  for (int i = 1; i < 28; ++i) last = names.NextCacheFileName();
  EXPECT_EQ(last, "C:\\WB\\cache\\mycache27.htm");
  EXPECT_EQ(names.NextCacheFileName(), first);
}

}  // namespace
}  // namespace wb
