// TIEVorlanParser: `deftemplate`, slot definitions with their qualifiers,
// and the type words of `type` clauses.
#include <cctype>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "fuzzy/fuzzy_expression.h"
#include "knowledge/messages.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWhereTemplate = "ParseFactTemplate";
constexpr const char* kWhereSlot = "ParseFactTemplateSlot";
constexpr const char* kWhereSlotTypes = "ParseSlotTypes";

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The kinds a primitive type word stands for; false for any other word.
bool PrimitiveTypeWord(const std::string& word, TIETypes& kinds) {
  static const struct {
    const char* Word;
    TIETypes Kinds;
  } kWords[] = {
      {"SYMBOL", {dtAtom}},
      {"ATOM", {dtAtom}},
      {"STRING", {dtString}},
      {"LEXEME", {dtAtom, dtString}},
      {"INTEGER", {dtInteger}},
      {"FLOAT", {dtFloat}},
      {"NUMBER", {dtInteger, dtFloat}},
      {"CLASS", {dtClass, dtInteger}},
      {"DESCRIPTOR", {dtDescriptor, dtInteger}},
      {"OBJECT", {dtObject, dtInteger}},
      {"EXTERNALADDRESS", {dtExternalAddress, dtInteger}},
      {"FUZZY", {dtFuzzy}},
      {"FACTID", {dtFactId, dtInteger}},
      {"FACT", {dtFact}},
  };
  for (const auto& entry : kWords)
    if (word == entry.Word) {
      kinds = entry.Kinds;
      return true;
    }
  return false;
}

}  // namespace

// (deftemplate <name> [<comment>] [extends <parent> | is-a <type>] <slot>*)
IFactTemplate TIEVorlanParser::ParseFactTemplate() {
  TConstructHeader header = ParseHeader("deftemplate", kExpectedDeftemplate, kWhereTemplate, true);
  IStreamToken token = header.Next;
  IFactTemplate parent;
  IIEDefinedType isA;
  if (token->DataType() == dtAtom) {
    if (token->Text() == "extends") {
      IStreamToken name = Next();
      if (name->DataType() != dtAtom) Fail(kWhereTemplate, kMissingParentTemplate);
      parent = FEngine.FindTemplate(name->Text());
    } else if (token->Text() == "is-a") {
      IStreamToken name = Next();
      if (name->DataType() != dtAtom) Fail(kWhereTemplate, kMissingTemplateType);
      isA = FEngine.FindDefinedType(name->Text());
      if (!isA) Fail(kWhereTemplate, FormatMessage(kUnknownTypeName, {name->Text()}));
    } else {
      Fail(kWhereTemplate, kExpectedExtendsOrIsA);
    }
    token = Next();
  }
  IFactTemplate factTemplate;
  try {
    factTemplate = MakeRef<TFactTemplate>(header.Name, &FEngine);
  } catch (const EIEException& error) {
    Fail(kWhereTemplate, error.what());
  }
  factTemplate->SetComment(header.Comment);
  factTemplate->SetParent(parent);
  // A child starts with a copy of each parent slot, in the parent's order;
  // a slot of its own with the same name takes the copy's place.
  if (parent)
    for (const IFactSlot& slot : parent->SlotsInOrder())
      if (slot->Name() != kImpliedSlotName) factTemplate->AddSlotFrom(*slot);
  if (isA) {
    IFactSlot slot = factTemplate->AddMultiSlot(kImpliedSlotName, EmptyListValue());
    slot->SetExtendedTypeInfo(isA);
  } else {
    while (token->DataType() == tkOpenParen) {
      PushBack(token);
      IFactSlot slot = ParseFactTemplateSlot(factTemplate.Get());
      factTemplate->AddSlotFrom(*slot);
      token = Next();
    }
  }
  if (token->DataType() != tkCloseParen) Fail(kWhereTemplate, kExpectedCloseParen);
  if (OnParseFactTemplate) OnParseFactTemplate(*this, factTemplate);
  return factTemplate;
}

// A slot definition while its qualifiers are read.
struct TIEVorlanParser::TSlotDraft {
  IFactSlot Slot;
  bool Multi = false;
  TIETypes Types;
  IIEDefinedType DefinedType;
  IIEValue Default;
  bool DefaultGiven = false;
  bool DefaultDynamic = false;
  // The default as written, before evaluation: an atom or a string in a
  // fuzzy slot names a fuzzy expression.
  TIEType WrittenKind = dtNone;
};

// (slot|field|multislot <name> <qualifier>*)
IFactSlot TIEVorlanParser::ParseFactTemplateSlot(TFactTemplate* owner) {
  TNestingGuard nesting(*this, kWhereSlot);
  (void)Expect(tkOpenParen, kWhereSlot, kExpectedOpenParen);
  IStreamToken word = Next();
  std::string kind = word->DataType() == dtAtom ? word->Text() : std::string();
  if (kind != "slot" && kind != "field" && kind != "multislot")
    Fail(kWhereSlot, FormatMessage(kInvalidSlotType, {word->AsText()}));
  TSlotDraft draft;
  draft.Multi = kind == "multislot";
  draft.Types = draft.Multi ? kMultiSlotTypes : kSingleSlotTypes;
  IStreamToken name = Next();
  if (name->DataType() != dtAtom) Fail(kWhereSlot, FormatMessage(kBadSlotName, {name->AsText()}));
  draft.Slot = MakeRef<TFactSlot>(name->Text(), owner);
  IStreamToken token = Next();
  while (token->DataType() == tkOpenParen) {
    PushBack(token);
    ParseSlotQualifier(draft);
    ExpectClose(kWhereSlot);
    token = Next();
  }
  if (token->DataType() != tkCloseParen) Fail(kWhereTemplate, kExpectedCloseParen);
  FinishSlot(draft);
  return draft.Slot;
}

// One "(qualifier ...)" up to (not including) its ")".
void TIEVorlanParser::ParseSlotQualifier(TSlotDraft& draft) {
  std::string keyword = Lower(PeekKeyword());
  if (keyword == "range" || keyword == "cardinality") {
    if (keyword == "range") CheckNotFuzzy(draft);
    ParseRangeStatement(*ImplicitType(draft), keyword == "cardinality", kWhereSlot);
    return;
  }
  (void)Next();  // the "("
  IStreamToken word = Next();
  if (word->DataType() != dtAtom)
    Fail(kWhereSlot, FormatMessage(kInvalidSlotQualifier, {word->AsText()}));
  std::string qualifier = Lower(word->Text());
  const std::string& slotName = draft.Slot->Name();
  if (qualifier == "default" || qualifier == "default-dynamic") {
    IIEValue value =
        draft.Multi ? ParseList() : ParseSlotValue(draft.Types, draft.DefinedType, slotName);
    draft.WrittenKind = value ? value->DType() : dtNone;
    draft.DefaultDynamic = qualifier == "default-dynamic";
    draft.Default = draft.DefaultDynamic || !value ? value : value->Evaluate(Context());
    draft.DefaultGiven = true;
  } else if (qualifier == "type") {
    TSlotTypes types = ParseSlotTypes();
    draft.Types = draft.Multi ? types.Types | kListPartTypes : types.Types;
    if (types.DefinedType) draft.DefinedType = types.DefinedType;
  } else if (qualifier == "units") {
    CheckNotFuzzy(draft);
    ImplicitType(draft)->SetUnits(ParseUnits());
  } else if (qualifier.compare(0, 8, "allowed-") == 0) {
    CheckNotFuzzy(draft);
    ParseAllowedValues(*ImplicitType(draft), word, kWhereSlot);
  } else {
    Fail(kWhereSlot, FormatMessage(kInvalidSlotQualifier, {word->Text()}));
  }
}

void TIEVorlanParser::CheckNotFuzzy(const TSlotDraft& draft) {
  if (draft.Types.Contains(dtFuzzy)) Fail(kWhereSlot, kModifyFuzzySlotType);
}

// The slot's own anonymous type, made on first use: a new implicit type,
// or one derived from the explicit type the slot names.
IIEDefinedType& TIEVorlanParser::ImplicitType(TSlotDraft& draft) {
  if (draft.DefinedType && draft.DefinedType->Implicit()) return draft.DefinedType;
  IIEDefinedType type = TIEDefinedType::Create(&FEngine);
  if (draft.DefinedType) {
    type->Assign(*draft.DefinedType);
    type->SetName(TIEDefinedType::kDefaultName);
    type->SetComment("");
    type->SetAncestor(draft.DefinedType);
  } else {
    type->SetBaseTypes(draft.Types);
  }
  type->SetImplicit(true);
  draft.DefinedType = type;
  return draft.DefinedType;
}

// Kinds, the fuzzy reading of a written default, the static check and the
// default itself, in that order.
void TIEVorlanParser::FinishSlot(TSlotDraft& draft) {
  TFactSlot& slot = *draft.Slot;
  if (draft.DefinedType) slot.SetExtendedTypeInfo(draft.DefinedType);
  try {
    slot.SetSlotType(draft.Types);
  } catch (const EIEException& error) {
    Fail(kWhereSlot, error.what());
  }
  IIEValue value = draft.Default;
  if (draft.DefaultGiven && slot.IsFuzzy() &&
      (draft.WrittenKind == dtAtom || draft.WrittenKind == dtString) && value &&
      (value->DType() == dtAtom || value->DType() == dtString)) {
    TIFuzzyVariable* variable =
        slot.ExtendedTypeInfo() ? slot.ExtendedTypeInfo()->FuzzyVariable().Get() : nullptr;
    value = FuzzyValueOf(value, variable, kWhereSlot);
  }
  if (draft.DefaultGiven && StaticTypeChecks() && value && value != NilValue() &&
      value != EmptyListValue() && !slot.Admits(value)) {
    TIEType kind = value->DType();
    bool unevaluated = draft.DefaultDynamic && kAlwaysAdmittedTypes.Contains(kind);
    if (kind == dtInteger && slot.SlotType().Contains(dtFloat))
      value = MakeFloat(value->AsInteger());
    else if (!unevaluated)
      Fail(kWhereSlot, slot.TypeError(value));
  }
  if (draft.DefaultGiven) {
    slot.SetDefaultDynamic(draft.DefaultDynamic);
    slot.SetSlotDefault(value);
  } else if ((StaticTypeChecks() && !slot.Admits(slot.SlotDefault())) ||
             (slot.IsMultiSlot() &&
              (!slot.SlotDefault() || slot.SlotDefault()->DType() != dtList))) {
    // A multislot's default is a list, also when its type was given first
    // and offered a single value.
    slot.SetSlotDefault(slot.MakeDefault(slot.IsMultiSlot()));
  } else if (!slot.SlotDefault() && slot.Admits(NilValue())) {
    // A slot given no default holds nil, which patterns and eq can name;
    // an empty value would match neither.
    slot.SetSlotDefault(NilValue());
  }
}

// <type-word>* up to the ")", which is left for the caller.
TSlotTypes TIEVorlanParser::ParseSlotTypes() {
  TSlotTypes result;
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen || token->DataType() == tkEndOfStream) {
      PushBack(token);
      break;
    }
    AddSlotTypeWord(token, result);
  }
  if (result.Types.Contains(dtFuzzy) && result.Types != TIETypes{dtFuzzy})
    Fail(kWhereSlotTypes, kCannotMixFuzzyType);
  return result;
}

void TIEVorlanParser::AddSlotTypeWord(const IStreamToken& token, TSlotTypes& result) {
  if (token->DataType() == dtVariable) {
    result.Types = kSingleSlotTypes;
    return;
  }
  if (token->DataType() != dtAtom)
    Fail(kWhereSlotTypes, FormatMessage(kInvalidSlotType, {token->AsText()}));
  TIETypes kinds;
  if (PrimitiveTypeWord(token->Text(), kinds)) {
    result.Types = result.Types | kinds;
    return;
  }
  IIEValue word = token->ToValue()->Evaluate(Context());
  IIEDefinedType type = word ? FEngine.FindDefinedType(word->AsText()) : IIEDefinedType();
  if (!type) Fail(kWhereSlotTypes, FormatMessage(kInvalidSlotType, {token->Text()}));
  if (result.DefinedType) Fail(kWhereSlotTypes, kMultipleTypeInheritance);
  result.DefinedType = type;
  result.Types = result.Types | type->BaseTypes();
}

}  // namespace vettora
