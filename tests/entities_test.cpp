#include "html/entities.h"

#include <gtest/gtest.h>

#include <string>

namespace wb {
namespace {

const std::string kTablePath = WB_TEST_DATA_DIR "/../data/big52gb";

// A table that maps only the pairs a test names.
Big5Table TableWith(std::initializer_list<std::pair<std::string, std::uint16_t>> pairs) {
  Big5Table t;
  for (const auto& [big5, gb] : pairs) {
    const int index = Big5Table::IndexOf(static_cast<unsigned char>(big5[0]),
                                         static_cast<unsigned char>(big5[1]));
    EXPECT_GE(index, 0) << "test table names a pair outside the table";
    t.SetEntry(static_cast<std::size_t>(index), gb);
  }
  return t;
}

TEST(Big5Table, IndexCoversExactlyTheBig5Ranges) {
  EXPECT_EQ(Big5Table::IndexOf(0xA1, 0x40), 0);
  EXPECT_EQ(Big5Table::IndexOf(0xA1, 0x7E), 62);
  EXPECT_EQ(Big5Table::IndexOf(0xA1, 0xA1), 63);
  EXPECT_EQ(Big5Table::IndexOf(0xA1, 0xFE), 156);
  EXPECT_EQ(Big5Table::IndexOf(0xA2, 0x40), 157);
  EXPECT_EQ(Big5Table::IndexOf(0xF9, 0xFE), static_cast<int>(Big5Table::kEntryCount) - 1);
  for (auto [lead, trail] : {std::pair{0xA0, 0x40}, {0xFA, 0x40}, {0xA1, 0x3F}, {0xA1, 0x7F},
                             {0xA1, 0xA0}, {0xA1, 0xFF}}) {
    EXPECT_EQ(Big5Table::IndexOf(static_cast<unsigned char>(lead),
                                 static_cast<unsigned char>(trail)),
              -1)
        << std::hex << lead << " " << trail;
  }
}

TEST(Big5Table, RefusesFilesThatAreNotATable) {
  Big5Table t = TableWith({{"\xA4\x40", 0xBBD2}});
  std::string error;
  EXPECT_FALSE(t.LoadFromBytes("", &error));
  EXPECT_NE(error.find("27946"), std::string::npos) << error;
  EXPECT_FALSE(t.LoadFromBytes(std::string(Big5Table::kFileSize - 1, '\0'), &error));
  EXPECT_FALSE(t.LoadFromBytes(std::string(Big5Table::kFileSize + 1, '\0'), &error));

  // Right size, but an entry whose bytes could not be a GB code (an ASCII
  // lead byte would put mark-up characters into the page).
  std::string bytes(Big5Table::kFileSize, '\0');
  bytes[200] = '<';
  bytes[201] = '\xA1';
  EXPECT_FALSE(t.LoadFromBytes(bytes, &error));
  EXPECT_NE(error.find("entry 100"), std::string::npos) << error;
  // A failed load leaves the table as it was.
  EXPECT_EQ(t.Lookup(0xA4, 0x40), 0xBBD2);

  EXPECT_FALSE(t.LoadFromFile(WB_TEST_DATA_DIR "/no-such-table", &error));
  EXPECT_NE(error.find("no-such-table"), std::string::npos) << error;
  EXPECT_FALSE(t.LoadFromFile(WB_TEST_DATA_DIR "/CMakeLists.txt", &error));
  EXPECT_NE(error.find("CMakeLists.txt"), std::string::npos) << error;
  EXPECT_FALSE(t.LoadFromFile(WB_TEST_DATA_DIR, &error));  // a folder
  EXPECT_FALSE(error.empty());
}

TEST(Big5Table, ShippedTableMapsCommonCharacters) {
  Big5Table t;
  std::string error;
  ASSERT_TRUE(t.LoadFromFile(kTablePath, &error)) << error;
  EXPECT_GT(t.MappedCount(), 13000u);
  // 中文 stays 中文; the traditional 書 becomes the simplified 书; the
  // ideographic space maps to GB's.
  EXPECT_EQ(Big5ToGb(t, "\xA4\xA4\xA4\xE5"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(Big5ToGb(t, "\xAE\xD1"), "\xCA\xE9");
  EXPECT_EQ(Big5ToGb(t, "\xA1\x40"), "\xA1\xA1");
}

TEST(LooksLikeBig5, TellsBig5FromGbAndAscii) {
  EXPECT_FALSE(LooksLikeBig5(""));
  EXPECT_FALSE(LooksLikeBig5("<html><body>Plain English.</body></html>"));
  EXPECT_FALSE(LooksLikeBig5("\xD6\xD0\xCE\xC4 \xB2\xE2\xCA\xD4"));  // GB
  EXPECT_TRUE(LooksLikeBig5("\xA4\x40\xAD\xD3"));                    // trail below 0xA1
  EXPECT_TRUE(LooksLikeBig5("\xF9\xD5"));                            // lead beyond GB's
  // One Big5-only pair outweighs any number of pairs valid in both codes.
  EXPECT_TRUE(LooksLikeBig5(std::string(200, '\xB0') + "\xA4\x40"));
  // Pairs are read from the first high byte on, so the same bytes read from
  // another start pair up differently.
  EXPECT_FALSE(LooksLikeBig5("\xB0\xA4\x40"));
  EXPECT_TRUE(LooksLikeBig5("A\xA4\x40"));
  // A lone high byte at the end makes no pair.
  EXPECT_FALSE(LooksLikeBig5("abc\xA4"));
}

TEST(LooksLikeBig5, LooksOnlyAtTheStartOfThePage) {
  const std::string ascii(kBig5SniffLength - 2, 'x');
  EXPECT_TRUE(LooksLikeBig5(ascii + "\xA4\x40"));
  // The pair straddles the end of the window: its trail is not looked at.
  EXPECT_FALSE(LooksLikeBig5(ascii + "x\xA4\x40"));
  EXPECT_FALSE(LooksLikeBig5(ascii + "xx\xA4\x40"));
}

TEST(Big5ToGb, ConvertsMappedPairsOnly) {
  const Big5Table t = TableWith({{"\xA4\x40", 0xBBD2}, {"\xA1\x40", 0xA1A1}});
  // The entry's low byte is the first GB byte.
  EXPECT_EQ(Big5ToGb(t, "x\xA4\x40y"), "x\xD2\xBBy");
  // An unmapped pair is kept and its second byte tried as a lead byte.
  EXPECT_EQ(Big5ToGb(t, "\xA1\xA1\x40"), "\xA1\xA1\xA1");
  EXPECT_EQ(Big5ToGb(t, "\xA4\xA4\x40"), "\xA4\xD2\xBB");
  // A converted pair is not examined again.
  EXPECT_EQ(Big5ToGb(t, "\xA4\x40\x40"), "\xD2\xBB\x40");
  // The last byte is never converted on its own, nor read past.
  EXPECT_EQ(Big5ToGb(t, "\xA4"), "\xA4");
  EXPECT_EQ(Big5ToGb(t, "ab\xA4"), "ab\xA4");
  EXPECT_EQ(Big5ToGb(t, ""), "");
  // Trails between the two ranges are not Big5.
  EXPECT_EQ(Big5ToGb(t, "\xA4\x7F\xA4\xA0"), "\xA4\x7F\xA4\xA0");
  // An empty table changes nothing.
  EXPECT_EQ(Big5ToGb(Big5Table(), "\xA4\x40\xA1\x40"), "\xA4\x40\xA1\x40");
}

TEST(HasForeignEntity, LatinOneAndNumericReferencesAreForeign) {
  EXPECT_TRUE(HasForeignEntity("&nbsp;Bonjour"));
  EXPECT_TRUE(HasForeignEntity("caf&eacute; au lait"));
  EXPECT_TRUE(HasForeignEntity("&#233;t&#233;"));
  EXPECT_TRUE(HasForeignEntity("  \t&#65;  "));
  EXPECT_TRUE(HasForeignEntity("&alpha;&copy; 1998"));  // symbols passed over
  EXPECT_TRUE(HasForeignEntity("&amp; &#169;"));
}

TEST(HasForeignEntity, SymbolAndMarkupEntitiesDoNotStopTranslation) {
  EXPECT_FALSE(HasForeignEntity("no entity here"));
  EXPECT_FALSE(HasForeignEntity("Tom &amp; Jerry"));
  EXPECT_FALSE(HasForeignEntity("a &lt; b &gt; c &quot;d&quot;"));
  EXPECT_FALSE(HasForeignEntity("&alpha;&beta; &rarr; &hellip;"));
  EXPECT_FALSE(HasForeignEntity("AT&T"));  // no ";" at all
  EXPECT_FALSE(HasForeignEntity("&"));
  EXPECT_FALSE(HasForeignEntity("&#"));
  EXPECT_FALSE(HasForeignEntity("&;"));
  EXPECT_FALSE(HasForeignEntity("&COPY; caps differ"));
  // The list's last name has no ";" after it, so its entity is never found.
  EXPECT_FALSE(HasForeignEntity("&yuml;"));
}

TEST(HasForeignEntity, ListsAreSearchedAsPlainText) {
  // "a;" occurs inside "Theta;", so it is taken for a symbol.
  EXPECT_TRUE(HasForeignEntity("&a;&copy;"));
  // After a passed-over entity the next name is read from the second byte of
  // what is left, whatever that is: only an entity that follows at once
  // counts.
  EXPECT_TRUE(HasForeignEntity("&amp;&copy;"));
  EXPECT_FALSE(HasForeignEntity("&amp; x &copy;"));
}

TEST(DecodeEntities, NumericReferences) {
  EXPECT_EQ(DecodeEntities("&#65;"), "A");
  EXPECT_EQ(DecodeEntities("x&#0065;y"), "xAy");
  EXPECT_EQ(DecodeEntities("&#255;&#160;"), "\xFF\xA0");
  // References HTML needs stay references, and so (by the plain search) do
  // 0, 2, 3, 4, 6 and 8.
  EXPECT_EQ(DecodeEntities("&#34;&#38;&#60;&#62;"), "&#34;&#38;&#60;&#62;");
  EXPECT_EQ(DecodeEntities("&#0;&#2;&#3;&#4;&#6;&#8;"), "&#0;&#2;&#3;&#4;&#6;&#8;");
  EXPECT_EQ(DecodeEntities("&#9;"), "\t");
  // Large references are kept, normalised.
  EXPECT_EQ(DecodeEntities("&#1234;"), "&#1234;");
  EXPECT_EQ(DecodeEntities("&#001234;&#0034;"), "&#1234;&#34;");
  // Ill-formed ones become a no-break space.
  EXPECT_EQ(DecodeEntities("&#6x;"), "\xA0");
  EXPECT_EQ(DecodeEntities("&#1 ;"), "\xA0");
  EXPECT_EQ(DecodeEntities("&#99999999999999999999;"), "\xA0");
  // "#" without a digit is no numeric reference and no Latin-1 name.
  EXPECT_EQ(DecodeEntities("&#;&#x41;"), "&#;&#x41;");
}

TEST(DecodeEntities, NamedEntities) {
  EXPECT_EQ(DecodeEntities("&copy; 1998"), "\xA9 1998");
  EXPECT_EQ(DecodeEntities("&nbsp;&yuml;"), "\xA0\xFF");
  EXPECT_EQ(DecodeEntities("caf&eacute;"), "caf\xE9");
  EXPECT_EQ(DecodeEntities("&COPY;&Copy;"), "&COPY;&Copy;");
  EXPECT_EQ(DecodeEntities("&amp;&lt;&gt;&quot;&alpha;"), "&amp;&lt;&gt;&quot;&alpha;");
}

TEST(DecodeEntities, StrayAmpersands) {
  EXPECT_EQ(DecodeEntities(""), "");
  EXPECT_EQ(DecodeEntities("&"), "&");
  EXPECT_EQ(DecodeEntities("end &"), "end &");
  EXPECT_EQ(DecodeEntities("&copy"), "&copy");
  EXPECT_EQ(DecodeEntities("&copy;&reg"), "\xA9&reg");
  // The name runs to the next ";", whatever lies between.
  EXPECT_EQ(DecodeEntities("R & D; &copy;"), "R & D; \xA9");
  EXPECT_EQ(DecodeEntities("&amp &copy;"), "&amp &copy;");
}

}  // namespace
}  // namespace wb
