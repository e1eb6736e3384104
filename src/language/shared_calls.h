#pragma once
// TSharedCalls: the action calls of the rules one parser reads, one object
// per distinct call. A large rule base written from a table repeats the
// same actions in every rule; sharing them keeps what a rule costs to what
// sets it apart.
//
// Rules can share a call because a call keeps nothing of the rule that runs
// it: its variables are looked up by name in the firing's context. A rule
// whose actions change gets other calls; a shared call is never edited.

#include <cstddef>
#include <string>
#include <unordered_map>

#include "functions/function_call.h"

namespace vettora {

class TSharedCalls {
 public:
  // The call already held for an identical one, or `call` itself (now held
  // for the next). Calls holding anything but plain values, variables and
  // nested calls are answered as they are.
  [[nodiscard]] IFunCall Share(IFunCall call);
  [[nodiscard]] size_t HeldCount() const { return FCalls.size(); }

 private:
  // Lets go of calls no rule uses any more.
  void Purge();

  std::unordered_map<std::string, IFunCall> FCalls;  // by SharingKey
  size_t FPurgeAt = 1024;
};

// A text that two calls share exactly when they are the same call: names,
// comments, and each argument's kind, tag and exact value. Empty when the
// call holds a value of another kind (a fuzzy value, a fact, an object).
[[nodiscard]] std::string SharingKey(const TFunctionCall& call);

}  // namespace vettora
