// TActivation: strength, copies, firing, the listing text.
#include "matching/activation.h"

#include "matching/rule.h"
#include "matching/terminal_node.h"
#include "values/format.h"
#include "values/recycler.h"

namespace vettora {

void* TActivation::operator new(size_t size) { return TRecycler<TActivation>::Allocate(size); }

void TActivation::operator delete(void* memory, size_t size) noexcept {
  TRecycler<TActivation>::Free(memory, size);
}

namespace {

float ClampStrength(float strength) {
  if (!(strength >= 0)) return 0.0f;
  return strength > 1 ? 1.0f : strength;
}

}  // namespace

TActivation::TActivation(TRule* rule, float strength, TPatternMatchTerminalNode* node,
                         IReteToken token)
    : FRule(rule), FToken(std::move(token)), FNode(node), FStrength(ClampStrength(strength)) {}

TActivation::~TActivation() {
  if (FListed && FNode) FNode->Destroyed(*this);
}

void TActivation::SetStrength(float strength) { FStrength = ClampStrength(strength); }

void TActivation::Assign(const TActivation& source) {
  if (&source == this) return;
  FRule = source.FRule;
  FStrength = source.FStrength;
  if (FListed && FNode) {
    // Keep the node's identity index right: re-file under the new token.
    TPatternMatchTerminalNode* node = FNode;
    node->Unlink(this);
    FToken = source.FToken;
    FNode = source.FNode;
    if (FNode) FNode->Link(this);
    return;
  }
  FToken = source.FToken;
  FNode = source.FNode;
}

std::unique_ptr<TActivation> TActivation::Clone() const {
  auto copy = std::make_unique<TActivation>(FRule, 1.0f, FNode, FToken);
  if (FListed && FNode) FNode->Link(copy.get());
  return copy;
}

bool TActivation::Fire() {
  FRule->Fire(*this);
  if (!FListed || !FNode) return false;
  FNode->Fired(*this);
  return true;
}

std::string TActivation::Text() const {
  return std::to_string(FRule->Salience()) + " " + FRule->RuleName() + " : " +
         (FToken ? FToken->FactList() : std::string()) + " (" + FormatFloat4(FStrength) + ")";
}

}  // namespace vettora
