// TJoinNode: the recount of a negated join's blockers that checking builds
// run after every change (see TNetworkCheck).
#include "matching/blocked_token.h"
#include "matching/join_node.h"

namespace vettora {

bool TJoinNode::RightMatchesQuietly(const IReteToken& left, const IReteToken& right,
                                    bool& matches) const {
  if (FChained) {
    matches = right->Parent() && right->Parent()->Equals(*left);
    return true;
  }
  return TestsDecideQuietly(left, right->Fact(), matches);
}

std::string TJoinNode::BlockerFaultOf(const IReteToken& left) const {
  const auto& blocked = static_cast<const TBlockedToken&>(*left);
  const IReteToken& blocker = blocked.Blocker();
  bool blockerHeld = false;
  int32_t blocking = 0;
  FRight->ForEach(
      [&](const IReteToken& right) {
        bool matches = false;
        if (right == blocker) blockerHeld = true;
        if (RightMatchesQuietly(left, right, matches) && matches) ++blocking;
      },
      FViewer);
  std::string match = " (partial match " + left->Text() + ")";
  if (!blocker) {
    if (blocking == 0) return {};
    return "a negated join passes a partial match on while right tokens block it (" +
           std::to_string(blocking) + ")" + match;
  }
  if (!blockerHeld) return "a partial match is blocked by a token its join no longer holds" + match;
  bool matches = true;
  if (RightMatchesQuietly(left, blocker, matches) && !matches)
    return "a partial match is blocked by a token that does not match it" + match;
  return {};
}

std::string TJoinNode::BlockerFault() {
  if (!FNegated || !FLeft) return {};
  std::string fault;
  FLeft->ForEach([&](const IReteToken& left) {
    if (fault.empty()) fault = BlockerFaultOf(left);
  });
  return fault;
}

}  // namespace vettora
