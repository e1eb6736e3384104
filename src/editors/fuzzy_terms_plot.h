#pragma once
// TFuzzyTermsPlot: draws the membership functions of a fuzzy variable's
// terms over its universe with QPainter, one colour per term.

#include <QWidget>

namespace vettora {

class TFuzzyTermsPlot : public QWidget {
  Q_OBJECT
 public:
  explicit TFuzzyTermsPlot(QWidget* parent = nullptr);
};

}  // namespace vettora
