// plot-fuzzy-value: gathers and checks the values, then prints the
// character plot to a stream or writes the SVG drawing to a ".svg" file.
#include <cmath>
#include <fstream>

#include "engine/defined_types.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_variable.h"
#include "knowledge/defined_type.h"
#include "matching/context.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/fuzzy_logic/fuzzy_plot.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kSvgSuffix = ".svg";

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string VariableName(const TFuzzySet& set) {
  return set.Variable() ? set.Variable()->Name() : std::string();
}

}  // namespace

TPlotFuzzySetFunction::TPlotFuzzySetFunction()
    : TFuzzyLogicFunction(
          {"plot-fuzzy-value",
           "Plots fuzzy values of one variable between two limits to an output stream, or "
           "draws them into a file whose name ends in .svg",
           " <io-stream-identifier-string-expression> <plot-chars-string-expression> "
           "<low-limit-numeric-expression> <high-limit-numeric-expression> "
           "<fuzzy-variable-name-expression>|<fuzzy-value-expression>|<fact-id-expression>|"
           "<fact-expression>+",
           5, kNoLimit}) {}

IIEValue TPlotFuzzySetFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string outId = call.EvaluateArgument(0, context)->AsString();
  TFuzzyPlot plot;
  plot.Chars = call.EvaluateArgument(1, context)->AsString();
  plot.Low = call.EvaluateArgument(2, context)->AsNumeric();
  plot.High = call.EvaluateArgument(3, context)->AsNumeric();
  // Infinite limits would spread the columns over nothing.
  if (!(plot.Low < plot.High) || !std::isfinite(plot.Low) || !std::isfinite(plot.High))
    throw EIEException(FormatMessage(kFzInvalidLimits, {plot.Low, plot.High}));
  for (int32_t i = 4; i < call.ArgumentCount(); ++i) {
    IIEValue value = call.EvaluateArgument(i, context);
    IIEDefinedType type;
    if (value->DType() == dtAtom || value->DType() == dtString)
      type = engine.DefinedTypes().Find(value->AsString());
    if (type && type->FuzzyVariable()) {  // a variable name plots all its terms
      const TIFuzzySets& terms = type->FuzzyVariable()->Items();
      for (int32_t t = 0; t < terms.Count(); ++t) plot.Sets.push_back(terms[t]);
    } else {
      plot.Sets.push_back(FuzzyArgument(context, value));
    }
  }
  for (const IFuzzySet& set : plot.Sets) {
    const TFuzzySet& first = *plot.Sets.front();
    if (set->Variable() != first.Variable())
      throw EIEException(FormatMessage(kFzVariablesDiffer, {first.Name(), VariableName(first),
                                                            set->Name(), VariableName(*set)}));
  }
  plot.Variable = plot.Sets.empty() ? nullptr : plot.Sets.front()->Variable();
  if (EndsWith(outId, kSvgSuffix)) {
    std::ofstream file(outId, std::ios::binary | std::ios::trunc);
    file << SvgPlot(plot);
    if (!file.good()) throw EIEException(FormatMessage(kFzCannotWritePlot, {outId}));
  } else {
    engine.PrintOut(outId, CharacterPlot(plot));
  }
  return NilValue();
}

}  // namespace vettora
