// Addresses written into mark-up never end their quotes or their tag.
#include "cli/file_address.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(FileAddress, OddFileNamesAreEscaped) {
  EXPECT_EQ(FileAddress("/home/ann/site/index.html"), "file:///home/ann/site/index.html");
  EXPECT_EQ(FileAddress("/tmp/a b/\"x\"#1%?.html"), "file:///tmp/a%20b/%22x%22%231%25%3F.html");
  EXPECT_EQ(FileAddress("/tmp/&copy<>.html"), "file:///tmp/%26copy%3C%3E.html");
  EXPECT_EQ(FileAddress("/tmp/中.html"), "file:///tmp/%E4%B8%AD.html");
}

TEST(FileAddress, GivenAddressesCannotAddAttributes) {
  EXPECT_EQ(SafePageAddress("http://x/a\"onmouseover=\"alert(1)"), "http://x/a%22onmouseover=%22alert(1)");
  EXPECT_EQ(SafePageAddress("http://x/a b>c"), "http://x/a%20b%3Ec");
  // What an address needs stays: queries, fragments, escapes.
  EXPECT_EQ(SafePageAddress("http://x/p?a=1&b=%41#top"), "http://x/p?a=1&b=%41#top");
  // An address in quotes, as the browsers hand them over, loses its quotes.
  EXPECT_EQ(SafePageAddress("\"http://q/\""), "http://q/");
  EXPECT_EQ(SafePageAddress("\"x\" onload=\"y\""), "x%22%20onload=%22y");
}

}  // namespace
}  // namespace wb
