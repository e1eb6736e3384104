#pragma once
// The small types shared by the fuzzy layer: the coordinate type, the
// comparison tolerance and the enumerations of set shapes, hedges,
// arithmetic modifiers, combination operations and defuzzification methods.

#include <cmath>
#include <cstdint>

namespace vettora {

using TFzyFloat = double;

// Two coordinates are "equal" when they differ by no more than this.
inline constexpr TFzyFloat kFuzzyTolerance = 1e-4;

[[nodiscard]] inline bool FuzzyEqual(TFzyFloat a, TFzyFloat b) {
  return std::fabs(a - b) <= kFuzzyTolerance;
}

enum TFuzzySetType : uint8_t {
  fstUserDefined,
  fstTriangle,
  fstDeclineCurve,
  fstPICurve,
  fstBetaCurve,
  fstGrowthCurve,
};

// The twenty hedges; the ordinal is the hedge's code.
enum TFuzzyHedge : uint8_t {
  fhNot,
  fhSomewhat,
  fhMoreOrLess,
  fhGreatly,
  fhPlus,
  fhVery,
  fhExtremely,
  fhAbove,
  fhBelow,
  fhSlightly,
  fhNormalize,
  fhAbout,
  fhVicinity,
  fhClose,
  fhNear,
  fhNeighboring,
  fhPositively,
  fhAbsolutely,
  fhDefinitely,
  fhGenerally,
};
inline constexpr int kFuzzyHedgeCount = int(fhGenerally) + 1;

// The nine arithmetic modifiers, in the order of their texts
// "+", "-", "*", "/", "^", "<", "<=", ">", ">=".
enum TFuzzyArithmetic : uint8_t {
  faPlus,
  faMinus,
  faTimes,
  faDivide,
  faPower,
  faLess,
  faLessEqual,
  faGreater,
  faGreaterEqual,
};
inline constexpr int kFuzzyArithmeticCount = int(faGreaterEqual) + 1;

// The combination operations of union and intersection.
enum TFuzzyOperation : uint8_t {
  foZadeh,
  foMean,
  foMeanSqr,
  foMeanSqrt,
  foProduct,
  foBoundedSum,
  foSum,
};
inline constexpr int kFuzzyOperationCount = int(foSum) + 1;

enum TDefuzzificationMethod : uint8_t { dmCenterOfGravity, dmMeanOfMaxima };

// Alpha cuts: the weak cut keeps memberships of at least alpha, the strong
// cut only memberships above alpha; the others become 0.
enum TAlphaCutKind : uint8_t { ackWeak, ackStrong };

}  // namespace vettora
