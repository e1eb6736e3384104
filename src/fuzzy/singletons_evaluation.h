#pragma once
// Evaluation of a singleton list into a fuzzy value, and its registration
// with the values layer, which evaluates singleton lists through it.

#include "values/value.h"

namespace vettora {

class TSingletonsVector;

// The fuzzy set the singleton list stands for, each X and Y evaluated in
// `context` and read as a number; it joins the list's variable, if any.
[[nodiscard]] IIEValue BuildFuzzyValue(const TSingletonsVector& singletons, IEvalContext* context);

// Makes BuildFuzzyValue the builder every singleton list is evaluated
// through (SetFuzzyValueBuilder). Every engine calls it when it is made;
// code that evaluates singleton lists without an engine calls it first.
void RegisterFuzzyValues();

}  // namespace vettora
