#pragma once
// TNetworkCheck: the invariant checks of a checking build. Negated joins
// touched by a change of the fact list note themselves here; once the
// change has gone through the whole network, each of them recounts its
// blockers from scratch and must agree with what it recorded: a partial
// match is passed on as unblocked only while no right token of its join
// passes the join's tests, and a blocked one is blocked by a token its
// right memory holds and that matches it. A disagreement is a fault of the
// matcher: the check reports it on standard error and aborts, so that a
// test run stops at the change that caused it.
//
// The checks are compiled in with VETTORA_CHECK_NETWORK (debug and
// sanitizer builds) and cost nothing otherwise.

#include <cstdint>
#include <string>
#include <vector>

namespace vettora {

class TJoinNode;

#if defined(VETTORA_CHECK_NETWORK)
inline constexpr bool kCheckNetwork = true;
#else
inline constexpr bool kCheckNetwork = false;
#endif

class TNetworkCheck {
 public:
  // The join was activated during the current change.
  void Touched(TJoinNode* join);
  // The join is being destroyed.
  void Forget(TJoinNode* join);
  // A change enters and leaves the network; leaving the outermost one
  // checks the joins it touched.
  void Enter() { ++FDepth; }
  void Leave(bool broken = false);
  // Checks the touched joins now; answers the first fault found (empty
  // when none), without aborting.
  [[nodiscard]] std::string CheckTouched();

 private:
  std::vector<TJoinNode*> FTouched;
  int32_t FDepth = 0;
};

// Holds a change open for the check while it goes through the network. A
// change an error broke off is not checked: its joins may be half updated.
class TNetworkCheckScope {
 public:
  explicit TNetworkCheckScope(TNetworkCheck& check);
  ~TNetworkCheckScope();
  TNetworkCheckScope(const TNetworkCheckScope&) = delete;
  TNetworkCheckScope& operator=(const TNetworkCheckScope&) = delete;

 private:
  TNetworkCheck& FCheck;
  int FExceptions;
};

}  // namespace vettora
