// IReasoner: the weak link that calls hold.
#include "functions/reasoner.h"

namespace vettora {

IReasoner::IReasoner() : FLink(MakeRef<TReasonerLink>(this)) {}

IReasoner::~IReasoner() { FLink->FReasoner = nullptr; }

}  // namespace vettora
