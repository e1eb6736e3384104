#include "editors/fuzzy_terms_plot.h"

namespace vettora {

TFuzzyTermsPlot::TFuzzyTermsPlot(QWidget* parent) : QWidget(parent) {}

}  // namespace vettora
