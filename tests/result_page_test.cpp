#include "browser/result_page.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(ComposeResultPageText, TwoFrameLayouts) {
  EXPECT_EQ(ComposeResultPageText(1, "http://www.example.com/p.htm", "c:\\trans.htm"),
            "<HTML><HEAD><TITLE>()</TITLE></HEAD><FRAMESET COLS=\"*, *\">"
            "<FRAME SRC=\"http://www.example.com/p.htm\">"
            "<FRAME SRC=\"file://c:\\trans.htm\"></FRAMESET></HTML>");
  EXPECT_EQ(ComposeResultPageText(2, "", "c:\\trans12.htm"),
            "<HTML><HEAD><TITLE>()</TITLE></HEAD><FRAMESET ROWS=\"*, *\">"
            "<FRAME SRC=\"\"><FRAME SRC=\"file://c:\\trans12.htm\"></FRAMESET></HTML>");
}

TEST(ComposeResultPageText, NothingForTranslationOnlyOrBadSetting) {
  EXPECT_EQ(ComposeResultPageText(0, "http://h.com/p.htm", "c:\\trans.htm"), "");
  EXPECT_EQ(ComposeResultPageText(3, "http://h.com/p.htm", "c:\\trans.htm"), "");
  EXPECT_EQ(ComposeResultPageText(-1, "http://h.com/p.htm", "c:\\trans.htm"), "");
}

}  // namespace
}  // namespace wb
