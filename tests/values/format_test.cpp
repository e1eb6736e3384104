#include "values/format.h"

#include <gtest/gtest.h>

#include "values/number_text.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

TEST(FormatMessageTest, FillsDirectivesWithAnyKindOfArgument) {
  EXPECT_EQ(FormatMessage("No such element: %s", {"abc"}), "No such element: abc");
  EXPECT_EQ(FormatMessage("List index out of bounds (%d)", {-1}), "List index out of bounds (-1)");
  EXPECT_EQ(FormatMessage("%s and %s", {1, "x"}), "1 and x");
  EXPECT_EQ(FormatMessage("%5d|%-3s|", {42, "a"}), "   42|a  |");
  EXPECT_EQ(FormatMessage("%.2f", {2.0 / 3}), "0.67");
  EXPECT_EQ(FormatMessage("100%%"), "100%");
  // Missing arguments print as nothing; extra ones are ignored.
  EXPECT_EQ(FormatMessage("a %s b %s", {"x"}), "a x b ");
  EXPECT_EQ(FormatMessage("plain", {"x"}), "plain");
  EXPECT_EQ(FormatMessage("trailing %"), "trailing %");
}

TEST(FormatFloatTest, FourDecimalsWithoutGrouping) {
  EXPECT_EQ(FormatFloat4(2.5), "2.5000");
  EXPECT_EQ(FormatFloat4(1e10), "10000000000.0000");
  EXPECT_EQ(FormatFloat4(-0.00004), "-0.0000");
  EXPECT_EQ(FormatFloatDefault(3.0), "3.0");
  EXPECT_EQ(FormatFloatDefault(0.1), "0.1");
}

TEST(FormatTest, ValueTextsWriteExactFloatsOnlyWhileAsked) {
  IValueVector items = MakeRef<TValueVector>();
  items->Add(MakeFloat(2.50001));
  items->Add(MakeFloat(1e-7));
  IIEValue list = MakeList(items);
  EXPECT_EQ(MakeFloat(2.50001)->AsText(), "2.5000");
  {
    TReadBackText exact;
    {
      TReadBackText nested;
      EXPECT_EQ(MakeFloat(2.50001)->AsText(), "2.50001");
    }
    // Still exact until the outer one ends; lists write their elements so.
    EXPECT_EQ(list->AsText().find("2.50001 1e-07"), 0u);
  }
  EXPECT_EQ(MakeFloat(2.50001)->AsText(), "2.5000");
  EXPECT_EQ(FormatFloatText(1e-7), "0.0000");
}

TEST(NumberTextTest, ReadsOnlyDecimalNumbers) {
  int32_t i = 0;
  EXPECT_TRUE(TryTextToInteger("+5", i));
  EXPECT_EQ(i, 5);
  EXPECT_FALSE(TryTextToInteger("2147483648", i));
  EXPECT_FALSE(TryTextToInteger("1-2", i));
  EXPECT_FALSE(TryTextToInteger("", i));
  EXPECT_FALSE(TryTextToInteger("-+1", i));
  EXPECT_FALSE(TryTextToInteger("+-5", i));
  EXPECT_FALSE(TryTextToInteger("++5", i));
  double d = 0;
  EXPECT_TRUE(TryTextToFloat("5.", d));
  EXPECT_TRUE(TryTextToFloat(".5", d));
  EXPECT_TRUE(TryTextToFloat("-1e3", d));
  EXPECT_DOUBLE_EQ(d, -1000.0);
  EXPECT_FALSE(TryTextToFloat("inf", d));
  EXPECT_FALSE(TryTextToFloat("nan", d));
  EXPECT_FALSE(TryTextToFloat("1e", d));
  EXPECT_FALSE(TryTextToFloat(".", d));
  EXPECT_FALSE(TryTextToFloat("0x10", d));
  EXPECT_FALSE(TryTextToFloat(" 1", d));
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(3.5), 4);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
}

}  // namespace
}  // namespace vettora
