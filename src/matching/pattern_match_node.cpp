// TPatternMatchNode: the alpha tests, fuzzy match strength, multislot
// splits and the node text.
#include "matching/pattern_match_node.h"

#include "fuzzy/ifuzzy_set.h"
#include "knowledge/fact.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rete_network.h"
#include "matching/slot_test.h"
#include "values/exceptions.h"
#include "values/value_vector.h"

namespace vettora {

const char* PatternMatchTestName(TPatternMatchTest test) {
  static const char* const kNames[] = {"pmtUnknown",
                                       "pmtTestClassType",
                                       "pmtTestEqual",
                                       "pmtTestNotEqual",
                                       "pmtTestSlotValueEqual",
                                       "pmtTestSlotValueNotEqual",
                                       "pmtTestMultiSlotEqual",
                                       "pmtTestMultiSlotNotEqual",
                                       "pmtTestMultiSlotLength",
                                       "pmtTestMultiSlotMultiField",
                                       "pmtFailTest"};
  return test <= pmtFailTest ? kNames[test] : "";
}

namespace {

const std::string* ArgText(const TNodeArgsArray& args, size_t i) {
  return i < args.size() ? std::get_if<std::string>(&args[i]) : nullptr;
}

int32_t ArgInt(const TNodeArgsArray& args, size_t i) {
  if (i >= args.size()) return -1;
  const int32_t* v = std::get_if<int32_t>(&args[i]);
  return v ? *v : -1;
}

bool SameValue(const IIEValue& a, const IIEValue& b) {
  if (a == b) return true;
  if (!a || !b) return false;
  if (a->DType() == dtFuzzy || b->DType() == dtFuzzy) {
    const TIEValue& fuzzy = a->DType() == dtFuzzy ? *a : *b;
    const TIEValue& other = a->DType() == dtFuzzy ? *b : *a;
    TIFuzzySet* set = FuzzySetOf(fuzzy);
    return set && set->CompatibilityIndex(other) >= 1;
  }
  return a->Equals(b);
}

}  // namespace

TPatternMatchNode::TPatternMatchNode(TReteNetwork* rete, TPatternMatchTest test, IIEValue value,
                                     TNodeArgsArray args)
    : TReteNode(rete), FTest(test), FValue(std::move(value)), FArgs(std::move(args)) {
  if (const std::string* s = ArgText(FArgs, 0)) FSlot = TSlotRef(*s);
  if (FTest == pmtTestSlotValueEqual || FTest == pmtTestSlotValueNotEqual) {
    if (const std::string* s = ArgText(FArgs, 1)) FSlot2 = std::make_unique<TSlotRef>(*s);
    FIndex = ArgInt(FArgs, 2);
    FIndex2 = ArgInt(FArgs, 3);
  } else {
    FIndex = ArgInt(FArgs, 1);
  }
  FValueIsCall = FValue && FValue->DType() == dtFunCall;
  if (FValueIsCall) FCompiled = TCompiledComparison::Compile(FValue);
}

bool TPatternMatchNode::SameAs(TPatternMatchTest test, const IIEValue& value,
                               const TNodeArgsArray& args) const {
  return test == FTest && args == FArgs && SameValue(value, FValue);
}

void TPatternMatchNode::Activate(const IReteToken& token, TCallType) {
  if (token->Tag() == taClear) {
    Pass(token);
    return;
  }
  const TFact* fact = token->Fact().Get();
  switch (FTest) {
    case pmtTestClassType:
      // Only the fact's own template counts, never one it extends.
      if (fact && fact->Template() && fact->Template()->Name() == FValue->Text()) Pass(token);
      return;
    case pmtTestMultiSlotMultiField:
      Split(token);
      return;
    case pmtUnknown:
    case pmtFailTest:
      return;
    default:
      break;
  }
  IReteToken weakened;
  bool pass = false;
  try {
    pass = Passes(token, weakened);
  } catch (const EIEException& e) {
    throw EIEException(std::string(e.what()) + kPatternMatchSuffix + Text());
  }
  if (pass) Pass(weakened ? weakened : token);
}

bool TPatternMatchNode::Passes(const IReteToken& token, IReteToken& out) {
  const TFact& fact = *token->Fact();
  switch (FTest) {
    case pmtTestEqual:
    case pmtTestNotEqual: {
      bool equal = FTest == pmtTestEqual;
      if (FValueIsCall) return CallPasses(token, equal);
      const TIEValue* slot = FSlot.ValueIn(fact);
      return slot && Compare(slot, FValue.Get(), equal, token, out);
    }
    case pmtTestMultiSlotEqual:
    case pmtTestMultiSlotNotEqual: {
      bool equal = FTest == pmtTestMultiSlotEqual;
      const TIEValue* element = ElementOf(FSlot.ValueIn(fact), FIndex);
      if (!element) return false;
      if (FValueIsCall) return CallPasses(token, equal);
      return Compare(element, FValue.Get(), equal, token, out);
    }
    case pmtTestSlotValueEqual:
    case pmtTestSlotValueNotEqual: {
      const TIEValue* a = ElementOf(FSlot.ValueIn(fact), FIndex);
      const TIEValue* b = FSlot2 ? ElementOf(FSlot2->ValueIn(fact), FIndex2) : nullptr;
      return a && b && Compare(a, b, FTest == pmtTestSlotValueEqual, token, out);
    }
    case pmtTestMultiSlotLength: {
      const TIEValue* slot = FSlot.ValueIn(fact);
      const TValueVector* list = slot ? slot->ListPayload() : nullptr;
      return list && list->Count() == FIndex;
    }
    default:
      return false;
  }
}

bool TPatternMatchNode::CallPasses(const IReteToken& token, bool wantTrue) {
  bool compiled = false;
  if (FCompiled && FCompiled->TryResult(*token, token->Fact().Get(), compiled))
    return compiled == wantTrue;
  TIEContext& context = Context();
  context.SetToken(token);
  context.SetFact(token->Fact());
  IIEValue result = FValue->Evaluate(&context);
  context.SetToken(nullptr);
  context.SetFact(nullptr);
  return IsTrueResult(result) == wantTrue;
}

// Equal (or unequal) by Equals; a fuzzy side turns the match degree into
// the token's strength, dropping tokens below MinActivationStrength.
bool TPatternMatchNode::Compare(const TIEValue* a, const TIEValue* b, bool wantEqual,
                                const IReteToken& token, IReteToken& out) const {
  if (!b || a->Equals(b) != wantEqual) return false;
  if (a->DType() != dtFuzzy && b->DType() != dtFuzzy) return true;
  const TIEValue& fuzzy = b->DType() == dtFuzzy ? *b : *a;
  const TIEValue& other = b->DType() == dtFuzzy ? *a : *b;
  TIFuzzySet* set = FuzzySetOf(fuzzy);
  double degree = set ? set->CompatibilityIndex(other) : 0.0;
  if (token->Strength() <= degree) return true;
  if (degree < Rete()->MinActivationStrength()) return false;
  out = TIEToken::Copy(*token);
  out->SetStrength(float(degree));
  return true;
}

// One copy of the fact per way of giving the multifield variable at
// position p the elements it can take, the longest first.
void TPatternMatchNode::Split(const IReteToken& token) {
  const TFact& fact = *token->Fact();
  const TIEValue* slot = FSlot.ValueIn(fact);
  if (!slot) return;
  if (slot->Equals(NilValue()) || FIndex < 0) {
    Pass(token);
    return;
  }
  if (slot->DType() != dtList) return;
  IValueVector list = slot->AsList();
  int32_t k = list->Count();
  int32_t p = FIndex;
  int32_t position = FSlot.PositionIn(fact);
  for (int32_t s = 0; s <= k - p; ++s) {
    IValueVector split = MakeRef<TValueVector>();
    IValueVector middle = MakeRef<TValueVector>();
    for (int32_t i = 0; i < p; ++i) split->Add(list->Items(i));
    for (int32_t i = p; i < k - s; ++i) middle->Add(list->Items(i));
    split->Add(MakeList(middle));
    for (int32_t i = k - s; i < k; ++i) split->Add(list->Items(i));
    IFact copy = fact.Clone();
    copy->StoreValueAt(position, MakeList(split));
    IReteToken out = MakeRef<TIEToken>(token->Tag(), copy);
    out->SetStrength(token->Strength());
    Pass(out);
  }
}

// Among many children testing one place against constants, only those of
// the fact's value are tried (TAlphaDispatch); others see every token.
void TPatternMatchNode::Pass(const IReteToken& token) {
  if (OutDegree() >= TAlphaDispatch::kMinimumFiled && token->Fact()) {
    if (!FDispatchBuilt) {
      FDispatch = TAlphaDispatch::Build(*this);
      FDispatchBuilt = true;
    }
    if (FDispatch && Dispatch(token)) return;
  }
  PassOn(token);
}

bool TPatternMatchNode::Dispatch(const IReteToken& token) {
  TAlphaDispatch::TTargets t;
  if (!FDispatch->Targets(*token->Fact(), t)) return false;
  uint32_t generation = FEdgeGeneration;
  while (t.Filed != t.FiledEnd || t.Others != t.OthersEnd) {
    bool filed = t.Others == t.OthersEnd || (t.Filed != t.FiledEnd && *t.Filed < *t.Others);
    int32_t i = filed ? *t.Filed++ : *t.Others++;
    auto* edge = static_cast<TReteEdge*>(Edges(i));
    static_cast<TReteNode*>(edge->ToNode())->Activate(token, edge->CallType());
    // A successor changed this node's edges: the table is gone; the rest
    // goes on as the plain loop would.
    if (generation != FEdgeGeneration) {
      PassOnFrom(token, i + 1);
      return true;
    }
  }
  return true;
}

void TPatternMatchNode::OutgoingChanged() {
  ++FEdgeGeneration;
  FDispatch.reset();
  FDispatchBuilt = false;
}

std::string TPatternMatchNode::Text() const {
  std::string text = TReteNode::Text() + " Value: " + (FValue ? FValue->AsText() : std::string()) +
                     " Test: " + PatternMatchTestName(FTest) + " Args: (";
  for (size_t i = 0; i < FArgs.size(); ++i) {
    if (i) text += ", ";
    if (const auto* s = std::get_if<std::string>(&FArgs[i]))
      text += *s;
    else
      text += std::to_string(std::get<int32_t>(FArgs[i]));
  }
  return text + ")";
}

}  // namespace vettora
