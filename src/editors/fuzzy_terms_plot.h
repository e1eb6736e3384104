#pragma once
// TFuzzyTermsPlot: draws the membership functions of a fuzzy variable's
// terms over its universe with QPainter, one colour per term: the axes,
// the universe's minimum and maximum under the X axis, membership 0 and 1
// beside the Y axis, one polyline per term and a legend of the names.
//
// The plot keeps its own copy of the curves (the points of each term,
// clipped to the universe and extended flat to its ends), so the variable
// it was given may change or go away meanwhile.

#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <vector>

namespace vettora {

class TIFuzzyVariable;

class TFuzzyTermsPlot : public QWidget {
  Q_OBJECT
 public:
  struct TCurve {
    QString Name;
    QVector<QPointF> Points;  // (x, membership), x ascending
  };

  explicit TFuzzyTermsPlot(QWidget* parent = nullptr);

  // Takes the universe and every term but "__Empty"; null clears the plot.
  void SetVariable(const TIFuzzyVariable* variable);
  void Clear();

  [[nodiscard]] int TermCount() const { return int(FCurves.size()); }
  [[nodiscard]] const std::vector<TCurve>& Curves() const { return FCurves; }
  [[nodiscard]] double UniverseMin() const { return FMin; }
  [[nodiscard]] double UniverseMax() const { return FMax; }
  // The colour term i is drawn in.
  [[nodiscard]] static QColor TermColor(int i);

  [[nodiscard]] QSize sizeHint() const override { return {320, 180}; }
  [[nodiscard]] QSize minimumSizeHint() const override { return {160, 100}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  [[nodiscard]] QRectF PlotArea() const;
  [[nodiscard]] QPointF ToScreen(const QRectF& area, const QPointF& point) const;
  void PaintAxes(QPainter& painter, const QRectF& area) const;
  void PaintLegend(QPainter& painter, const QRectF& area) const;

  std::vector<TCurve> FCurves;
  double FMin = 0;
  double FMax = 1;
};

}  // namespace vettora
