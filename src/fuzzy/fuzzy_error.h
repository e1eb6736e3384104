#pragma once
// EFuzzyError: the error class of fuzzy sets, variables and fuzzy
// expressions. It is an engine error, so code that catches engine errors
// also catches fuzzy ones.

#include "values/exceptions.h"

namespace vettora {

class EFuzzyError : public EIEException {
 public:
  using EIEException::EIEException;
};

}  // namespace vettora
