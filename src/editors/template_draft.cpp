// TTemplateDraft: loading a template into a draft, writing it as text and
// filing it in the engine.
#include "editors/template_draft.h"

#include <algorithm>
#include <set>

#include "editors/messages.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "knowledge/fact_slot.h"
#include "language/printer.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// The default as it reads back: a fuzzy term by its name, floats exact.
std::string DefaultTextOf(const TFactSlot& slot) {
  const IIEValue& value = slot.SlotDefault();
  if (!value || value == NilValue() || value == EmptyListValue()) return "";
  TReadBackText readBack;
  return TrimmedText(TIEPrinter().ValueText(value));
}

std::string SlotText(const TSlotDraft& slot, TInferenceEngine& engine) {
  std::string text = (slot.Multi ? "(multislot " : "(slot ") + TrimmedText(slot.Name);
  std::string type = SlotTypeText(slot.Type, engine);
  if (!type.empty()) text += " " + type;
  std::string value = TrimmedText(slot.Default);
  if (!value.empty()) {
    CheckBalanced(value, "default");
    text += (slot.Dynamic ? " (default-dynamic " : " (default ") + value + ")";
  }
  return text + ")";
}

void CheckSlotNames(const TTemplateDraft& draft) {
  std::set<std::string> names;
  for (const TSlotDraft& slot : draft.Slots) {
    std::string name = TrimmedText(slot.Name);
    if (name.empty()) throw EIEException(FormatMessage(kEditorNameMissing, {"slot"}));
    if (!names.insert(name).second) throw EIEException(FormatMessage(kEditorDuplicateSlot, {name}));
  }
}

// What the parser made must be what the fields say: a name or a default
// holding text of its own could otherwise slip in other slots.
void CheckReadBack(const TTemplateDraft& draft, const TFactTemplate& made,
                   const TFactTemplate* parent) {
  std::string name = TrimmedText(draft.Name);
  if (made.Name() != name)
    throw EIEException(FormatMessage(kEditorNameNotRead, {"fact template", name}));
  std::set<std::string> drafted;
  for (const TSlotDraft& slot : draft.Slots) {
    drafted.insert(TrimmedText(slot.Name));
    if (!made.HasSlot(TrimmedText(slot.Name)))
      throw EIEException(FormatMessage(kEditorNameNotRead, {"slot", TrimmedText(slot.Name)}));
  }
  for (const IFactSlot& slot : made.SlotsInOrder()) {
    bool expected = drafted.contains(slot->Name()) || (parent && parent->HasSlot(slot->Name())) ||
                    (draft.Slots.empty() && slot->Name() == kImpliedSlotName);
    if (!expected) throw EIEException(FormatMessage(kEditorNameNotRead, {"slot", slot->Name()}));
  }
}

struct TRuleText {
  std::string Name;
  std::string Text;
};

std::vector<TRuleText> RulesOn(const TFactTemplate& factTemplate, TInferenceEngine& engine) {
  std::vector<TRuleText> rules;
  for (const auto& entry : engine.Rules().Table())
    for (int32_t i = 0; i < entry.Value->PatternCount(); ++i)
      if (entry.Value->Patterns(i)->FactTemplate().Get() == &factTemplate) {
        rules.push_back({entry.Key, entry.Value->Text()});
        break;
      }
  return rules;
}

// The engine carries the rules over by reading their texts again and
// stops at the first that no longer reads; the others are read here, one
// by one, so that one broken rule does not take the rest with it.
void ReplaceKeepingRules(const IFactTemplate& old, const IFactTemplate& made,
                         TInferenceEngine& engine, std::vector<std::string>* droppedRules) {
  std::vector<TRuleText> rules = RulesOn(*old, engine);
  try {
    engine.FactTemplates().Replace(old, made);
  } catch (const std::exception&) {
    // The template is filed by now; what failed was carrying a rule over.
  }
  for (const TRuleText& rule : rules) {
    if (!engine.FindRule(rule.Name) && old->Name() == made->Name()) {
      try {
        engine.Parser().ExecuteText(rule.Text);
      } catch (const std::exception&) {
      }
    }
    if (!engine.FindRule(rule.Name) && droppedRules) droppedRules->push_back(rule.Name);
  }
}

}  // namespace

TSlotDraft NewSlotDraft(const TTemplateDraft& draft) {
  TSlotDraft slot;
  slot.Type = NewTypeFields();
  for (int n = 1;; ++n) {
    slot.Name = "slot" + std::to_string(n);
    bool taken = std::any_of(draft.Slots.begin(), draft.Slots.end(),
                             [&](const TSlotDraft& s) { return s.Name == slot.Name; });
    if (!taken) return slot;
  }
}

TSlotDraft SlotDraftOf(const TFactSlot& slot) {
  TSlotDraft draft;
  draft.Name = slot.Name();
  draft.Multi = slot.IsMultiSlot();
  draft.Default = DefaultTextOf(slot);
  draft.Dynamic = slot.DefaultDynamic();
  draft.Type = SlotTypeFieldsOf(slot);
  return draft;
}

TTemplateDraft TemplateDraftOf(const TFactTemplate& factTemplate) {
  TTemplateDraft draft;
  draft.OriginalName = draft.Name = factTemplate.Name();
  draft.Comment = factTemplate.Comment();
  if (factTemplate.Parent()) draft.Parent = factTemplate.Parent()->Name();
  for (const IFactSlot& slot : factTemplate.SlotsInOrder()) {
    if (slot->Name() == kImpliedSlotName && !slot->ExtendedTypeInfo()) continue;
    draft.Slots.push_back(SlotDraftOf(*slot));
  }
  return draft;
}

std::string FactTemplateText(const TTemplateDraft& draft, TInferenceEngine& engine) {
  std::string name = TrimmedText(draft.Name);
  if (name.empty()) throw EIEException(FormatMessage(kEditorNameMissing, {"fact template"}));
  CheckSlotNames(draft);
  std::string text = "(deftemplate " + name;
  if (!TrimmedText(draft.Comment).empty()) text += " " + MakeString(draft.Comment)->AsText();
  if (!draft.Parent.empty()) text += " extends " + draft.Parent;
  for (const TSlotDraft& slot : draft.Slots) text += " " + SlotText(slot, engine);
  return text + ")";
}

IFactTemplate FileTemplateDraft(TTemplateDraft& draft, TInferenceEngine& engine,
                                std::vector<std::string>* droppedRules) {
  std::string text = FactTemplateText(draft, engine);
  TFactTemplates& templates = engine.FactTemplates();
  IFactTemplate old =
      draft.OriginalName.empty() ? IFactTemplate() : templates.Find(draft.OriginalName);
  IFactTemplate other = templates.Find(TrimmedText(draft.Name));
  if (other && other != old)
    throw EIEException(FormatMessage(kFactTemplateNameExists, {TrimmedText(draft.Name)}));
  IFactTemplate made = engine.Parser().ParseFactTemplate(text);
  CheckReadBack(draft, *made, made->Parent().Get());
  if (old) {
    // The text does not carry these; the template keeps them.
    made->SetBackwardChaining(old->BackwardChaining());
    made->SetTag(old->Tag());
    if (made->SlotCount() == 0) made->AddMultiSlot(kImpliedSlotName, EmptyListValue());
    ReplaceKeepingRules(old, made, engine, droppedRules);
  } else {
    templates.Add(made);
  }
  draft.OriginalName = made->Name();
  return made;
}

}  // namespace vettora
