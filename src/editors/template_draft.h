#pragma once
// TTemplateDraft: the fact template under edit in the Fact Template Editor
// -- name, comment and slots as plain fields -- until it is filed in the
// engine. Filing writes the draft as `deftemplate` text, has the engine's
// parser read it, checks that it read back as entered, and puts the result
// in place of the template the draft was loaded from (whose facts and
// rules are carried over when the name stays). A draft that does not read
// back raises and leaves the engine as it was.

#include <string>
#include <vector>

#include "editors/type_fields.h"
#include "knowledge/fact_template.h"

namespace vettora {

class TInferenceEngine;

struct TSlotDraft {
  std::string Name;
  bool Multi = false;
  std::string Default;   // the default's text; empty for none
  bool Dynamic = false;  // the default is evaluated for every new fact
  TTypeFields Type;
};

struct TTemplateDraft {
  // The name of the template the draft was loaded from; empty for a
  // template not filed yet.
  std::string OriginalName;
  std::string Name;
  std::string Comment;
  std::string Parent;  // the template it extends, kept as it was
  std::vector<TSlotDraft> Slots;
};

// A new slot named "slotN" (the first N not taken) admitting any value.
[[nodiscard]] TSlotDraft NewSlotDraft(const TTemplateDraft& draft);
[[nodiscard]] TSlotDraft SlotDraftOf(const TFactSlot& slot);
// The slots in definition order; the "__Data" multislot that an untyped
// template is given is left out.
[[nodiscard]] TTemplateDraft TemplateDraftOf(const TFactTemplate& factTemplate);

// "(deftemplate name \"comment\" (slot ...) ...)"; raises for a missing or
// duplicate name and for fields that cannot be written.
[[nodiscard]] std::string FactTemplateText(const TTemplateDraft& draft, TInferenceEngine& engine);
// Files the draft in the engine: refuses a name that another template has
// ("Fact Template Name already exists"), parses the text, checks the
// result, and replaces the original template (or adds a new one). On
// success the draft takes the filed name as its OriginalName. Rules on the
// template that do not read against the new one (or, after a rename, all
// of them) are gone afterwards; their names are added to `droppedRules`.
IFactTemplate FileTemplateDraft(TTemplateDraft& draft, TInferenceEngine& engine,
                                std::vector<std::string>* droppedRules = nullptr);

}  // namespace vettora
