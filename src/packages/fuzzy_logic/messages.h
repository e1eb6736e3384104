#pragma once
// Message templates of the fuzzy logic package, shared by code and tests.

namespace vettora {

inline constexpr const char* kFzInvalidInference = "Invalid Fuzzy Inference specified (%s), expected %s";
inline constexpr const char* kFzInvalidCorrelation =
    "Invalid Fuzzy Correlation specified (%s), expected %s";
inline constexpr const char* kFzInvalidOperation =
    "Invalid Fuzzy operation specified (%s) for %s, expected %s";
inline constexpr const char* kFzInvalidLimits = "Invalid low and high limits specified: %.4f to %.4f";
inline constexpr const char* kFzVariablesDiffer =
    "Fuzzy variables are different, %s is a term from %s and %s is a term from %s";
inline constexpr const char* kFzNoSuchFact = "No Such Fact with ID=%s exists";
inline constexpr const char* kFzNotFuzzyFact = "Fact is not a fuzzy fact";
inline constexpr const char* kFzInvalidArgumentType = "Invalid argument type for deffunction: \"%s\".  Expected %s";
// Beyond the printed messages: a point index outside the set, a name that
// is no fuzzy type, a value that did not come out as one fuzzy value, and
// an unwritable plot file.
inline constexpr const char* kFzPointIndex = "Point index %d out of range 0..%d for %s";
inline constexpr const char* kFzNotAFuzzyType = "Not a fuzzy type: %s";
inline constexpr const char* kFzNotOneFuzzyValue = "Expression does not give one fuzzy value: %s";
inline constexpr const char* kFzCannotWritePlot = "Cannot open file \"%s\"";

// Printed parts of the plot.
inline constexpr const char* kFzPlotVariable = "Fuzzy Variable: ";
inline constexpr const char* kFzPlotValues = "Fuzzy Values:";
inline constexpr const char* kFzPlotRuler = "    |----|----|----|----|----|----|----|----|----|----|";
inline constexpr const char* kFzPlotLabels = "%7.2f %9.2f %9.2f %9.2f %9.2f %9.2f";
inline constexpr const char* kFzPlotUniverse = "Universe of Discourse: From %0.2f to %.2f";
inline constexpr const char* kFzUniverse = "%.4f - %.4f %s";

}  // namespace vettora
