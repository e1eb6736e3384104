// TRule: adding patterns -- the Initial-Fact pattern in front of a rule
// that starts with a negation or test, the binding table, the renaming of
// anonymous variables in negated patterns, compiled disjunctions and goal
// patterns for backward chaining.
#include <unordered_map>

#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool NeedsInitialFact(const TIEPattern& pattern) {
  const IFactTemplate& t = pattern.FactTemplate();
  return pattern.NegatedCount() >= 1 || pattern.IsTest() || (t && t->BackwardChaining());
}

}  // namespace

TIEPattern* TRule::AddPattern(std::unique_ptr<TIEPattern> pattern) {
  if (!FEngine) throw EIEException(kUnknownEngine);
  TUpdateGuard guard(*this);
  FChangePending = true;
  TIEPattern* added = pattern.get();
  added->SetOwner(this);
  // The Initial-Fact pattern the network gave an empty rule makes way for
  // the rule's real first pattern.
  if (FAutoInitialFact && FPatterns.size() == 1) FPatterns.clear();
  FAutoInitialFact = false;
  if (FPatterns.empty() && NeedsInitialFact(*added)) InsertInitialFactPattern(0);
  FPatterns.push_back(std::move(pattern));
  auto position = int32_t(FPatterns.size() - 1);
  if (StartsWith(added->Name(), kGoalPrefix) && added->BoundName().empty())
    added->SetBoundName(FEngine->GenerateSymbol(kFactIndexPrefix));
  RecordPatternBindings(*added, position);
  if (added->DisjunctionCount() > 0) CompileDisjunctions(*added, position);
  if (StartsWith(added->Name(), kGoalPrefix)) AddGoalPattern(*added);
  guard.End();
  return added;
}

void TRule::InsertInitialFactPattern(size_t at) {
  std::unique_ptr<TIEPattern> initial = FEngine->InitialFactPattern().Clone();
  initial->SetOwner(this);
  FPatterns.insert(FPatterns.begin() + std::ptrdiff_t(at), std::move(initial));
}

void TRule::EnsurePattern() {
  if (!FPatterns.empty() || !FEngine) return;
  InsertInitialFactPattern(0);
  FAutoInitialFact = true;
}

// Binds the pattern's fact variable and the first use of each variable in
// it. Variables first used inside a `not` or `exists` belong to that
// pattern alone: anonymous ones get names of their own at once, named ones
// when a later pattern uses the name again. A variable is bound where it is
// used without "~" when there is such a use in the pattern, so the order of
// its slots never matters.
void TRule::RecordPatternBindings(TIEPattern& pattern, int32_t position) {
  if (!pattern.BoundName().empty()) {
    LocaliseVariable(pattern.BoundName(), position);
    AddBinding(pattern.BoundName(), position, kPatternSlot, -1);
  }
  std::unordered_map<std::string, std::string> renamed;
  for (bool negatedUses : {false, true})
    for (int32_t s = 0; s < pattern.SlotCount(); ++s)
      for (auto& test : pattern.Slots(s).Tests)
        if (test->IsVariable() && (test->SlotTestType() == sttNotEquals) == negatedUses)
          BindVariable(pattern, position, pattern.Slots(s).Name, *test, renamed);
  if (renamed.empty()) return;
  RenameInCalls(pattern, renamed);
}

void TRule::BindVariable(TIEPattern& pattern, int32_t position, const std::string& slot,
                         TIEPatternMatchTest& test,
                         std::unordered_map<std::string, std::string>& renamed) {
  TIEType kind = test.SlotValue()->DType();
  std::string name = test.SlotValue()->Text();
  if (auto r = renamed.find(name); r != renamed.end()) {
    test.SetSlotValueShared(MakeRef<TIEValue>(r->second, kind));
    return;
  }
  LocaliseVariable(name, position);
  if (BindingOf(name)) return;
  if (pattern.Negated() && StartsWith(name, kBlankPrefix)) {
    std::string fresh = LocalName(name, FPatterns.size());
    renamed.emplace(name, fresh);
    test.SetSlotValueShared(MakeRef<TIEValue>(fresh, kind));
    name = fresh;
  } else if (test.SlotTestType() == sttNotEquals) {
    throw EIEException(FormatMessage(kFirstUseNegated, {name}));
  }
  AddBinding(name, position, slot, test.MultiSlotSubIndex());
}

std::string TRule::LocalName(const std::string& name, size_t patternCount) {
  return "_" + std::to_string(patternCount) + "_" + name;
}

// A variable bound inside an earlier `not` or `exists` and used again by
// the pattern at `position`: the earlier pattern's variable takes a name of
// its own, so the name is free to be bound anew.
void TRule::LocaliseVariable(const std::string& name, int32_t position) {
  TBinding* bound = BindingOf(name);
  if (!bound || bound->FactIndex() >= position || bound->IsPattern()) return;
  int32_t at = bound->FactIndex();
  TIEPattern& earlier = *FPatterns.at(size_t(at));
  if (earlier.NegatedCount() == 0) return;
  std::string fresh = LocalName(name, size_t(at) + 1);
  std::unordered_map<std::string, std::string> renamed{{name, fresh}};
  for (int32_t s = 0; s < earlier.SlotCount(); ++s)
    for (auto& test : earlier.Slots(s).Tests)
      if (test->IsVariable() && test->SlotValue()->Text() == name)
        test->SetSlotValueShared(MakeRef<TIEValue>(fresh, test->SlotValue()->DType()));
  RenameInCalls(earlier, renamed);
  for (size_t i = 0; i < FBindings.size(); ++i)
    if (FBindings[i]->Name() == name && FBindings[i]->FactIndex() == at)
      FBindings[i] = std::make_unique<TBinding>(fresh, at, FBindings[i]->SlotIndex(),
                                                FBindings[i]->SubIndex());
  RebuildBindingIndex();
}

// In every function-call test of the pattern, the renamed variables take
// their new names (nested calls included).
void TRule::RenameInCalls(TIEPattern& pattern,
                          const std::unordered_map<std::string, std::string>& renamed) {
  for (int32_t s = 0; s < pattern.SlotCount(); ++s)
    for (auto& test : pattern.Slots(s).Tests)
      if (test->IsFunctionCall()) {
        IIEValue copy;
        RenameInCall(test->SlotValue(), renamed, copy);
        test->SetSlotValueShared(copy);
      }
}

// A copy of the call (`value`) in which the renamed variables carry their
// new names, nested calls included.
void TRule::RenameInCall(const IIEValue& value,
                         const std::unordered_map<std::string, std::string>& names, IIEValue& out) {
  IFunCallBase call = FEngine->CopyFunctionCall(*value->AsFunCall());
  struct TWalk {
    IRuleEngine& Engine;
    const std::unordered_map<std::string, std::string>& Names;
    void Visit(TFunCallBase& c) {
      for (int32_t i = 0; i < Engine.CallArgumentCount(c); ++i) {
        IIEValue arg = Engine.CallArgument(c, i);
        if (!arg) continue;
        if (arg->DType() == dtFunCall) {
          IFunCallBase nested = Engine.CopyFunctionCall(*arg->AsFunCall());
          Visit(*nested);
          Engine.SetCallArgument(c, i, MakeRef<TIEValue>(nested));
        } else if (arg->DType() == dtVariable || arg->DType() == dtMultiVariable) {
          auto it = Names.find(arg->Text());
          if (it != Names.end())
            Engine.SetCallArgument(c, i, MakeRef<TIEValue>(it->second, arg->DType()));
        }
      }
    }
  } walk{*FEngine, names};
  walk.Visit(*call);
  out = MakeRef<TIEValue>(call);
}

// Each position of a slot whose tests contain "|" becomes a variable test
// and one `or` call over the alternatives.
void TRule::CompileDisjunctions(TIEPattern& pattern, int32_t position) {
  for (int32_t s = 0; s < pattern.SlotCount(); ++s) {
    TIEPattern::TPatternSlot& slot = pattern.Slots(s);
    bool any = false;
    for (auto& test : slot.Tests) any = any || !test->Conjunction();
    if (!any) continue;
    std::vector<int32_t> order;
    std::unordered_map<int32_t, std::vector<std::unique_ptr<TIEPatternMatchTest>>> groups;
    for (auto& test : slot.Tests) {
      int32_t sub = test->MultiSlotSubIndex();
      if (!groups.count(sub)) order.push_back(sub);
      groups[sub].push_back(std::move(test));
    }
    std::vector<std::unique_ptr<TIEPatternMatchTest>> result;
    std::string slotName = slot.Name;
    for (int32_t sub : order) {
      auto& group = groups[sub];
      bool disjunctive = false;
      for (auto& test : group) disjunctive = disjunctive || !test->Conjunction();
      if (disjunctive) group = CompilePosition(pattern, position, slotName, sub, group);
      for (auto& test : group) result.push_back(std::move(test));
    }
    pattern.ReplaceTests(s, std::move(result));
  }
}

std::vector<std::unique_ptr<TIEPatternMatchTest>> TRule::CompilePosition(
    TIEPattern&, int32_t position, const std::string& slot, int32_t subIndex,
    std::vector<std::unique_ptr<TIEPatternMatchTest>>& tests) {
  IIEValue variable;
  size_t first = 0;
  // The first test names the position only when "&" joins what follows it
  // (?x&red|blue); in ?a|?b every test is an alternative.
  const IIEValue& lead = tests.front()->SlotValue();
  if (lead && lead->DType() == dtVariable && tests.front()->SlotTestType() == sttEquals &&
      tests.size() > 1 && tests[1]->Conjunction()) {
    variable = lead;
    first = 1;
  } else {
    std::string name = FEngine->GenerateSymbol(kBlankPrefix);
    variable = MakeRef<TIEValue>(name, dtVariable);
    AddBinding(name, position, slot, subIndex);
  }
  IFunCallBase either = FEngine->NewFunctionCall("or");
  std::vector<IIEValue> run;
  auto flush = [&] {
    if (run.empty()) return;
    if (run.size() == 1) {
      FEngine->AddCallArgument(*either, run.front());
    } else {
      IFunCallBase both = FEngine->NewFunctionCall("and");
      for (const IIEValue& v : run) FEngine->AddCallArgument(*both, v);
      FEngine->AddCallArgument(*either, MakeRef<TIEValue>(both));
    }
    run.clear();
  };
  for (size_t i = first; i < tests.size(); ++i) {
    if (i > first && !tests[i]->Conjunction()) flush();
    run.push_back(tests[i]->AsCall(*FEngine, variable));
  }
  flush();
  std::vector<std::unique_ptr<TIEPatternMatchTest>> out;
  out.push_back(std::make_unique<TIEPatternMatchTest>(variable, sttEquals, subIndex, true));
  out.push_back(
      std::make_unique<TIEPatternMatchTest>(MakeRef<TIEValue>(either), sttEquals, subIndex, true));
  return out;
}

// A goal pattern (need-x ...) is followed by the sought pattern (x ...),
// negated: the goal rule fires while the goal exists and the fact does not.
void TRule::AddGoalPattern(const TIEPattern& goal) {
  std::string sought = goal.Name().substr(std::string(kGoalPrefix).size());
  std::unique_ptr<TIEPattern> copy = goal.CloneOnTemplate(FEngine->FindOrCreateTemplate(sought));
  copy->SetNegatedCount(1);
  copy->SetBoundName("");
  AddPattern(std::move(copy));
}

}  // namespace vettora
