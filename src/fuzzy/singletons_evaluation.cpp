// Evaluation of a singleton list into a fuzzy value.
// PLACEHOLDER (for the fuzzy-set engineer): replace this body with the real
// builder once TIFuzzySet exists; this file is yours to own.
#include "values/exceptions.h"
#include "values/singletons_vector.h"

namespace vettora {

IIEValue BuildFuzzyValue(const TSingletonsVector&, IEvalContext*) {
  throw EIEException("Fuzzy values are not available");
}

}  // namespace vettora
