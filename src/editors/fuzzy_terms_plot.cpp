#include "editors/fuzzy_terms_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "editors/type_fields.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/messages.h"

namespace vettora {

namespace {

constexpr double kMargin = 8;
constexpr double kLegendWidth = 110;

// The curve of one term: its membership at the universe's ends and at
// every point between them.
TFuzzyTermsPlot::TCurve CurveOf(const TFuzzySet& term, double low, double high) {
  TFuzzyTermsPlot::TCurve curve;
  curve.Name = QString::fromStdString(term.Name());
  curve.Points.append({low, term.Membership(low)});
  const TFuzzySetValues& values = term.Values();
  for (int32_t i = 0; i < values.Count(); ++i) {
    double x = values[i].X();
    if (x > low && x < high) curve.Points.append({x, values[i].Y()});
  }
  if (high > low) curve.Points.append({high, term.Membership(high)});
  return curve;
}

}  // namespace

TFuzzyTermsPlot::TFuzzyTermsPlot(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

QColor TFuzzyTermsPlot::TermColor(int i) {
  static const QColor kColors[] = {
      QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
      QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207)};
  constexpr int kCount = int(std::size(kColors));
  return kColors[((i % kCount) + kCount) % kCount];
}

void TFuzzyTermsPlot::SetVariable(const TIFuzzyVariable* variable) {
  FCurves.clear();
  FMin = 0;
  FMax = 1;
  if (variable) {
    FMin = variable->Minimum();
    FMax = variable->Maximum();
    for (const IFuzzySet& term : variable->Items())
      if (term && term->Name() != kEmptyTermName) FCurves.push_back(CurveOf(*term, FMin, FMax));
  }
  update();
}

void TFuzzyTermsPlot::Clear() { SetVariable(nullptr); }

// The area inside the axes: room for the labels below and to the left, and
// for the legend on the right.
QRectF TFuzzyTermsPlot::PlotArea() const {
  const QFontMetrics metrics = fontMetrics();
  double left = kMargin + metrics.horizontalAdvance("0") + 6;
  double top = kMargin + metrics.ascent() / 2.0;
  double right = std::max(left + 10, width() - kMargin - kLegendWidth);
  double bottom = std::max(top + 10, height() - kMargin - metrics.height() - 2.0);
  return {QPointF(left, top), QPointF(right, bottom)};
}

QPointF TFuzzyTermsPlot::ToScreen(const QRectF& area, const QPointF& point) const {
  double span = FMax > FMin ? FMax - FMin : 1;
  double x = area.left() + (point.x() - FMin) / span * area.width();
  double y = area.bottom() - std::clamp(point.y(), 0.0, 1.0) * area.height();
  return {x, y};
}

void TFuzzyTermsPlot::PaintAxes(QPainter& painter, const QRectF& area) const {
  painter.setPen(palette().color(QPalette::Text));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.bottomLeft(), area.topLeft());
  QPen grid(palette().color(QPalette::Mid), 1, Qt::DotLine);
  painter.setPen(grid);
  painter.drawLine(area.topLeft(), area.topRight());
  painter.setPen(palette().color(QPalette::Text));
  const QFontMetrics metrics = fontMetrics();
  auto left = [&](double y, const QString& label) {
    painter.drawText(
        QPointF(area.left() - metrics.horizontalAdvance(label) - 4, y + metrics.ascent() / 2.0),
        label);
  };
  left(area.bottom(), "0");
  left(area.top(), "1");
  const double baseline = area.bottom() + metrics.ascent() + 2;
  QString low = QString::fromStdString(NumberText(FMin));
  QString high = QString::fromStdString(NumberText(FMax));
  painter.drawText(QPointF(area.left(), baseline), low);
  painter.drawText(QPointF(area.right() - metrics.horizontalAdvance(high), baseline), high);
}

void TFuzzyTermsPlot::PaintLegend(QPainter& painter, const QRectF& area) const {
  const QFontMetrics metrics = fontMetrics();
  double x = area.right() + 2 * kMargin;
  double y = area.top() + metrics.ascent();
  for (size_t i = 0; i < FCurves.size(); ++i) {
    painter.setPen(QPen(TermColor(int(i)), 2));
    painter.drawLine(QPointF(x, y - metrics.ascent() / 2.0),
                     QPointF(x + 16, y - metrics.ascent() / 2.0));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(x + 20, y),
                     metrics.elidedText(FCurves[i].Name, Qt::ElideRight, int(kLegendWidth - 24)));
    y += metrics.height();
  }
}

void TFuzzyTermsPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = PlotArea();
  PaintAxes(painter, area);
  for (size_t i = 0; i < FCurves.size(); ++i) {
    QPolygonF line;
    for (const QPointF& point : FCurves[i].Points) line << ToScreen(area, point);
    painter.setPen(QPen(TermColor(int(i)), 2));
    painter.drawPolyline(line);
  }
  PaintLegend(painter, area);
}

}  // namespace vettora
