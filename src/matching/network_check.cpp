// TNetworkCheck: recounts the blockers of the negated joins a change touched.
#include "matching/network_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "matching/join_node.h"

namespace vettora {

void TNetworkCheck::Touched(TJoinNode* join) {
  if (join->CheckPending()) return;
  join->SetCheckPending(true);
  FTouched.push_back(join);
}

void TNetworkCheck::Forget(TJoinNode* join) {
  if (!join->CheckPending()) return;
  FTouched.erase(std::remove(FTouched.begin(), FTouched.end(), join), FTouched.end());
  join->SetCheckPending(false);
}

void TNetworkCheck::Leave(bool broken) {
  if (--FDepth > 0) return;
  FDepth = 0;
  if (broken) {
    for (TJoinNode* join : FTouched) join->SetCheckPending(false);
    FTouched.clear();
    return;
  }
  std::string fault = CheckTouched();
  if (fault.empty()) return;
  std::fprintf(stderr, "network check failed: %s\n", fault.c_str());
  std::abort();
}

std::string TNetworkCheck::CheckTouched() {
  std::vector<TJoinNode*> joins;
  joins.swap(FTouched);
  std::string fault;
  for (TJoinNode* join : joins) {
    join->SetCheckPending(false);
    if (fault.empty()) fault = join->BlockerFault();
  }
  return fault;
}

TNetworkCheckScope::TNetworkCheckScope(TNetworkCheck& check)
    : FCheck(check), FExceptions(std::uncaught_exceptions()) {
  FCheck.Enter();
}

TNetworkCheckScope::~TNetworkCheckScope() {
  FCheck.Leave(std::uncaught_exceptions() > FExceptions);
}

}  // namespace vettora
