#pragma once
// Message templates of rules and matching (contexts, bindings, tokens and
// token memories), shared by code and tests.

namespace vettora {

// ---- Evaluation context and bindings ---------------------------------------
inline constexpr const char* kUnknownVariable = "Unknown variable name: %s";
inline constexpr const char* kBindingWithoutFact = "No fact at position %d for binding %s";
inline constexpr const char* kBindingElementRange =
    "Element %d of slot %s is out of range (the multifield has %d elements)";
// ---- end of evaluation context and bindings --------------------------------

// ---- Tokens and token memories ---------------------------------------------
inline constexpr const char* kInvalidTokenAction = "Invalid Token Action";
inline constexpr const char* kTokenTreeBuckets = "Token memory needs at least one bucket (%d)";
// ---- end of tokens and token memories --------------------------------------

// ---- Rules, patterns, the Rete network and activations --------------------
inline constexpr const char* kUnknownEngine = "Unknown/Undefined Inference Engine";
inline constexpr const char* kFirstUseNegated = "First Use of Variable is negated, variable name is %s";
inline constexpr const char* kBindNegatedPattern = "Cannot bind a negated pattern to a variable";
inline constexpr const char* kBackchainedFunctionCall =
    "Cannot use Function calls in backchained patterns: %s";
inline constexpr const char* kInvalidCallType = "Invalid Call Type: %s";
inline constexpr const char* kInvalidBackwardChaining =
    "Invalid backward chaining pattern added to the node";
inline constexpr const char* kPatternMatchSuffix = " for pattern match = ";
inline constexpr const char* kCounterOverflow = "Integer overflow in %s";
// ---- end of rules, patterns, the Rete network and activations -------------

// ---- Agenda ------------------------------------------------------------------
inline constexpr const char* kInvalidAgendaObject =
    "Invalid object, agenda can only accept TActivation objects";
// ---- end of agenda -----------------------------------------------------------

}  // namespace vettora
