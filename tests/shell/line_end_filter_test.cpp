#include "shell/line_end_filter.h"

#include <gtest/gtest.h>

namespace vettora {
namespace {

TEST(LineEndFilterTest, TurnsCrLfIntoLf) {
  TLineEndFilter filter;
  EXPECT_EQ(filter.Filter("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(filter.Filter("no line end"), "no line end");
  EXPECT_EQ(filter.Filter("lf only\n"), "lf only\n");
  EXPECT_EQ(filter.Finish(), "");
}

TEST(LineEndFilterTest, PairSplitAcrossPiecesIsStillOneLf) {
  TLineEndFilter filter;
  EXPECT_EQ(filter.Filter("a\r"), "a");
  EXPECT_EQ(filter.Filter(""), "");
  EXPECT_EQ(filter.Filter("\nb"), "\nb");
  // A CR with no LF after it is kept.
  EXPECT_EQ(filter.Filter("c\r"), "c");
  EXPECT_EQ(filter.Filter("d"), "\rd");
  EXPECT_EQ(filter.Filter("x\ry"), "x\ry");
  EXPECT_EQ(filter.Filter("end\r"), "end");
  EXPECT_EQ(filter.Finish(), "\r");
  EXPECT_EQ(filter.Finish(), "");
}

}  // namespace
}  // namespace vettora
