// The character and SVG plots of fuzzy values.
#include "packages/fuzzy_logic/fuzzy_plot.h"

#include <cmath>

#include "fuzzy/fuzzy_variable.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

// The plot's columns sit at every fiftieth of the range, ends included, so
// the six labels fall on columns 0, 10, ..., 50 under the ruler's ticks.
constexpr int kSteps = 50;
constexpr int kLevels = 20;  // rows from 1.0 down to 0.0 by 0.05

std::string RightTrimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

std::string Num(double v) { return FormatMessage("%.1f", {v}); }

}  // namespace

char TFuzzyPlot::CharOf(size_t i) const {
  if (Chars.empty()) return '*';
  return Chars[i < Chars.size() ? i : Chars.size() - 1];
}

// A cell shows the first value whose membership at the column's X rounds
// to the row's level.
std::string CharacterPlot(const TFuzzyPlot& plot) {
  std::string out;
  if (plot.Variable) out += kFzPlotVariable + plot.Variable->Name() + "\n";
  out += kFzPlotValues;
  for (size_t i = 0; i < plot.Sets.size(); ++i)
    out += std::string(" ") + plot.CharOf(i) + " (" + plot.Sets[i]->Name() + ")";
  out += "\n";
  std::vector<std::string> rows(kLevels + 1, std::string(kSteps + 1, ' '));
  for (int c = 0; c <= kSteps; ++c) {
    double x = plot.Low + (plot.High - plot.Low) * c / kSteps;
    for (size_t i = plot.Sets.size(); i-- > 0;) {
      long level = std::lround(plot.Sets[i]->Membership(x) * kLevels);
      if (level >= 0 && level <= kLevels) rows[size_t(kLevels - level)][size_t(c)] = plot.CharOf(i);
    }
  }
  for (int r = 0; r <= kLevels; ++r)
    out += RightTrimmed(FormatFloat4(double(kLevels - r) / kLevels) + rows[size_t(r)]) + "\n";
  out += std::string(kFzPlotRuler) + "\n";
  double step = (plot.High - plot.Low) / 5;
  out += FormatMessage(kFzPlotLabels, {plot.Low, plot.Low + step, plot.Low + 2 * step,
                                       plot.Low + 3 * step, plot.Low + 4 * step, plot.High}) +
         "\n";
  if (plot.Variable)
    out += FormatMessage(kFzPlotUniverse, {plot.Variable->Minimum(), plot.Variable->Maximum()}) +
           "\n";
  return out;
}

std::string SvgPlot(const TFuzzyPlot& plot) {
  static const char* const colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e",
                                        "#9467bd", "#8c564b", "#e377c2", "#17becf"};
  constexpr double left = 60, top = 40, width = 480, height = 240;
  auto px = [&](double x) { return left + (x - plot.Low) / (plot.High - plot.Low) * width; };
  auto py = [&](double y) { return top + (1 - y) * height; };
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"720\" height=\"340\" "
      "font-family=\"sans-serif\" font-size=\"12\">\n"
      "<rect width=\"720\" height=\"340\" fill=\"white\"/>\n";
  if (plot.Variable)
    svg += "<text x=\"" + Num(left) + "\" y=\"24\" font-size=\"14\">" +
           Escaped(plot.Variable->Name()) + "</text>\n";
  // Axes: X over the plotted range, Y membership 0..1.
  svg += "<line x1=\"" + Num(left) + "\" y1=\"" + Num(py(0)) + "\" x2=\"" + Num(left + width) +
         "\" y2=\"" + Num(py(0)) + "\" stroke=\"black\"/>\n";
  svg += "<line x1=\"" + Num(left) + "\" y1=\"" + Num(py(0)) + "\" x2=\"" + Num(left) +
         "\" y2=\"" + Num(py(1)) + "\" stroke=\"black\"/>\n";
  for (int i = 0; i <= 5; ++i) {
    double x = plot.Low + (plot.High - plot.Low) * i / 5;
    svg += "<text x=\"" + Num(px(x)) + "\" y=\"" + Num(py(0) + 18) +
           "\" text-anchor=\"middle\">" + FormatMessage("%.2f", {x}) + "</text>\n";
  }
  for (double y : {0.0, 0.5, 1.0})
    svg += "<text x=\"" + Num(left - 8) + "\" y=\"" + Num(py(y) + 4) +
           "\" text-anchor=\"end\">" + FormatMessage("%.1f", {y}) + "</text>\n";
  for (size_t i = 0; i < plot.Sets.size(); ++i) {
    const char* colour = colours[i % std::size(colours)];
    std::string points;
    for (int c = 0; c <= 4 * kSteps; ++c) {
      double x = plot.Low + (plot.High - plot.Low) * c / (4 * kSteps);
      points += Num(px(x)) + "," + Num(py(plot.Sets[i]->Membership(x))) + " ";
    }
    svg += "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" + std::string(colour) +
           "\" points=\"" + RightTrimmed(points) + "\"/>\n";
    double ly = top + 16 * double(i);
    svg += "<rect x=\"560\" y=\"" + Num(ly) + "\" width=\"14\" height=\"10\" fill=\"" + colour +
           "\"/>\n<text x=\"580\" y=\"" + Num(ly + 10) + "\">" + Escaped(plot.Sets[i]->Name()) +
           "</text>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace vettora
