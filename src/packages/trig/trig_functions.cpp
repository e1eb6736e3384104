// The formulas of the trigonometry package. The reciprocal functions
// divide by the platform's results, so a pole (cot of 0) gives an infinity
// that the base turns into an error.
#include "packages/trig/trig_functions.h"

#include <cmath>
#include <numbers>

namespace vettora {
namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

TACosFunction::TACosFunction()
    : TUnaryTrigFunction("acos",
                         "Returns the inverse cosine of the argument, in radians from 0 to pi",
                         [](double x) { return std::acos(x); }) {}

TACosHFunction::TACosHFunction()
    : TUnaryTrigFunction("acosh", "Returns the inverse hyperbolic cosine of the argument",
                         [](double x) { return std::acosh(x); }) {}

TACotFunction::TACotFunction()
    : TUnaryTrigFunction("acot", "Returns the inverse cotangent of the argument, in radians",
                         [](double x) { return std::atan(1.0 / x); }) {}

TACotHFunction::TACotHFunction()
    : TUnaryTrigFunction("acoth", "Returns the inverse hyperbolic cotangent of the argument",
                         [](double x) { return 0.5 * std::log((x + 1.0) / (x - 1.0)); }) {}

TACscFunction::TACscFunction()
    : TUnaryTrigFunction("acsc", "Returns the inverse cosecant of the argument, in radians",
                         [](double x) { return std::asin(1.0 / x); }) {}

TACscHFunction::TACscHFunction()
    : TUnaryTrigFunction("acsch", "Returns the inverse hyperbolic cosecant of the argument",
                         [](double x) { return std::asinh(1.0 / x); }) {}

TASecFunction::TASecFunction()
    : TUnaryTrigFunction("asec", "Returns the inverse secant of the argument, in radians",
                         [](double x) { return std::acos(1.0 / x); }) {}

TASecHFunction::TASecHFunction()
    : TUnaryTrigFunction("asech", "Returns the inverse hyperbolic secant of the argument",
                         [](double x) { return std::acosh(1.0 / x); }) {}

TASinFunction::TASinFunction()
    : TUnaryTrigFunction("asin",
                         "Returns the inverse sine of the argument, in radians from -pi/2 to pi/2",
                         [](double x) { return std::asin(x); }) {}

TASinHFunction::TASinHFunction()
    : TUnaryTrigFunction("asinh", "Returns the inverse hyperbolic sine of the argument",
                         [](double x) { return std::asinh(x); }) {}

TATanFunction::TATanFunction()
    : TUnaryTrigFunction("atan", "Returns the arctangent of the argument, in radians",
                         [](double x) { return std::atan(x); }) {}

TATanHFunction::TATanHFunction()
    : TUnaryTrigFunction("atanh", "Returns the inverse hyperbolic tangent of the argument",
                         [](double x) { return std::atanh(x); }) {}

TCosFunction::TCosFunction()
    : TUnaryTrigFunction("cos", "Returns the cosine of the argument, an angle in radians",
                         [](double x) { return std::cos(x); }) {}

TCosHFunction::TCosHFunction()
    : TUnaryTrigFunction("cosh", "Returns the hyperbolic cosine of the argument",
                         [](double x) { return std::cosh(x); }) {}

TCotFunction::TCotFunction()
    : TUnaryTrigFunction("cot", "Returns the cotangent of the argument, an angle in radians",
                         [](double x) { return 1.0 / std::tan(x); }) {}

TCotHFunction::TCotHFunction()
    : TUnaryTrigFunction("coth", "Returns the hyperbolic cotangent of the argument",
                         [](double x) { return 1.0 / std::tanh(x); }) {}

TCscFunction::TCscFunction()
    : TUnaryTrigFunction("csc", "Returns the cosecant of the argument, an angle in radians",
                         [](double x) { return 1.0 / std::sin(x); }) {}

TCscHFunction::TCscHFunction()
    : TUnaryTrigFunction("csch", "Returns the hyperbolic cosecant of the argument",
                         [](double x) { return 1.0 / std::sinh(x); }) {}

TSecFunction::TSecFunction()
    : TUnaryTrigFunction("sec", "Returns the secant of the argument, an angle in radians",
                         [](double x) { return 1.0 / std::cos(x); }) {}

TSecHFunction::TSecHFunction()
    : TUnaryTrigFunction("sech", "Returns the hyperbolic secant of the argument",
                         [](double x) { return 1.0 / std::cosh(x); }) {}

TSinFunction::TSinFunction()
    : TUnaryTrigFunction("sin", "Returns the sine of the argument, an angle in radians",
                         [](double x) { return std::sin(x); }) {}

TSinHFunction::TSinHFunction()
    : TUnaryTrigFunction("sinh", "Returns the hyperbolic sine of the argument",
                         [](double x) { return std::sinh(x); }) {}

TTanFunction::TTanFunction()
    : TUnaryTrigFunction("tan", "Returns the tangent of the argument, an angle in radians",
                         [](double x) { return std::tan(x); }) {}

TTanHFunction::TTanHFunction()
    : TUnaryTrigFunction("tanh", "Returns the hyperbolic tangent of the argument",
                         [](double x) { return std::tanh(x); }) {}

TCycleRadFunction::TCycleRadFunction()
    : TUnaryTrigFunction("cycle-rad",
                         "Returns the argument, a number of cycles, converted to radians",
                         [](double x) { return x * 2.0 * kPi; }) {}

TRadCycleFunction::TRadCycleFunction()
    : TUnaryTrigFunction("rad-cycle",
                         "Returns the argument, an angle in radians, converted to cycles",
                         [](double x) { return x / (2.0 * kPi); }) {}

TDegRadFunction::TDegRadFunction()
    : TUnaryTrigFunction("deg-rad",
                         "Returns the argument, an angle in degrees, converted to radians",
                         [](double x) { return x * kPi / 180.0; }) {}

TRadDegFunction::TRadDegFunction()
    : TUnaryTrigFunction("rad-deg",
                         "Returns the argument, an angle in radians, converted to degrees",
                         [](double x) { return x * 180.0 / kPi; }) {}

TDegGradFunction::TDegGradFunction()
    : TUnaryTrigFunction("deg-grad",
                         "Returns the argument, an angle in degrees, converted to grads",
                         [](double x) { return x * 10.0 / 9.0; }) {}

TGradDegFunction::TGradDegFunction()
    : TUnaryTrigFunction("grad-deg",
                         "Returns the argument, an angle in grads, converted to degrees",
                         [](double x) { return x * 9.0 / 10.0; }) {}

TGradRadFunction::TGradRadFunction()
    : TUnaryTrigFunction("grad-rad",
                         "Returns the argument, an angle in grads, converted to radians",
                         [](double x) { return x * kPi / 200.0; }) {}

TRadGradFunction::TRadGradFunction()
    : TUnaryTrigFunction("rad-grad",
                         "Returns the argument, an angle in radians, converted to grads",
                         [](double x) { return x * 200.0 / kPi; }) {}

TATan2Function::TATan2Function()
    : TPointTrigFunction("atan2",
                         "Returns the angle of the point (X, Y) in radians, from -pi to pi",
                         [](double x, double y) { return std::atan2(y, x); }) {}

THypotenuseFunction::THypotenuseFunction()
    : TPointTrigFunction(
          "hypotenuse",
          "Returns the length of the hypotenuse of a right triangle with legs X and Y",
          [](double x, double y) { return std::hypot(x, y); }) {}

TDistanceFunction::TDistanceFunction()
    : TDistanceFunctionBase(
          "distance",
          "Returns the Euclidean distance between two multifields of numbers of the same length",
          [](double d) { return d * d; }, [](double sum) { return std::sqrt(sum); }) {}

TDistanceSqrFunction::TDistanceSqrFunction()
    : TDistanceFunctionBase(
          "distance-sqr",
          "Returns the square of the Euclidean distance between two multifields of numbers of the "
          "same length",
          [](double d) { return d * d; }, [](double sum) { return sum; }) {}

TDistanceManhattanFunction::TDistanceManhattanFunction()
    : TDistanceFunctionBase(
          "distance-manhattan",
          "Returns the Manhattan distance (the sum of the absolute differences) between two "
          "multifields of numbers of the same length",
          [](double d) { return std::fabs(d); }, [](double sum) { return sum; }) {}

}  // namespace vettora
