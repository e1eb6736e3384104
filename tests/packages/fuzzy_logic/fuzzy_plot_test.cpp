// The character plot's layout and the SVG drawing of the same sets.
#include <gtest/gtest.h>

#include <sstream>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ie_fuzzy_set.h"
#include "packages/fuzzy_logic/fuzzy_plot.h"
#include "packages/fuzzy_logic/messages.h"

namespace vettora::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

IFuzzySet Set(const std::string& name, double x0, double y0, double x1, double y1) {
  auto set = MakeRef<TIEFuzzySet>(name);
  set->Values().Add(x0, y0);
  set->Values().Add(x1, y1);
  return set;
}

TEST(FuzzyPlot, TwentyOneRowsBetweenHeaderAndRuler) {
  TFuzzyPlot plot;
  plot.Sets = {Set("up", 0, 0, 10, 1), Set("down", 0, 1, 10, 0)};
  plot.Chars = "u";  // the last character serves every further set
  plot.Low = 0;
  plot.High = 10;
  std::vector<std::string> lines = Lines(CharacterPlot(plot));
  ASSERT_EQ(lines.size(), 1u + 21u + 2u);  // no variable: no first and last line
  EXPECT_EQ(lines[0], "Fuzzy Values: u (up) u (down)");
  EXPECT_EQ(lines[1].substr(0, 7), "1.0000u");  // down at x = 0
  EXPECT_EQ(lines[1].back(), 'u');              // up at x = 10
  EXPECT_EQ(lines[21].substr(0, 6), "0.0000");
  EXPECT_EQ(lines[22], kFzPlotRuler);
  EXPECT_EQ(lines[23], "   0.00      2.00      4.00      6.00      8.00     10.00");
  // Halfway both lines cross at 0.5, in the middle column.
  EXPECT_EQ(lines[11].substr(0, 6), "0.5000");
  EXPECT_EQ(lines[11][6 + 25], 'u');
}

TEST(FuzzyPlot, FirstValueWinsASharedCell) {
  TFuzzyPlot plot;
  plot.Sets = {Set("a", 0, 1, 10, 1), Set("b", 0, 1, 10, 1)};
  plot.Chars = "ab";
  plot.High = 10;
  std::vector<std::string> lines = Lines(CharacterPlot(plot));
  EXPECT_EQ(lines[1], "1.0000" + std::string(51, 'a'));
}

TEST(FuzzyPlot, SvgDrawsEachSetWithItsOwnColourAndLegend) {
  auto variable = MakeRef<TIFuzzyVariable>();
  variable->SetName("t<emp");
  TFuzzyPlot plot;
  plot.Sets = {Set("cold", 0, 1, 10, 0), Set("hot & dry", 0, 0, 10, 1)};
  plot.High = 10;
  plot.Variable = variable.Get();
  std::string svg = SvgPlot(plot);
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  size_t lines = 0;
  for (size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1))
    ++lines;
  EXPECT_EQ(lines, 2u);
  EXPECT_NE(svg.find("stroke=\"#1f77b4\""), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#d62728\""), std::string::npos);
  // Names are escaped, so any name keeps the file well formed.
  EXPECT_NE(svg.find(">hot &amp; dry</text>"), std::string::npos);
  EXPECT_NE(svg.find(">t&lt;emp</text>"), std::string::npos);
  EXPECT_NE(svg.find(">10.00</text>"), std::string::npos);
}

}  // namespace
}  // namespace vettora::testing
