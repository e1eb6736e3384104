// TIEVorlanParser: facts, their slot values and `deffacts`.
#include <memory>

#include "engine/construct_factory.h"
#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "knowledge/messages.h"
#include "language/vorlan_parser.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWhereFact = "ParseFact";
constexpr const char* kWhereFactSlot = "ParseFactSlot";
constexpr const char* kWhereFactSet = "ParseFactSet";

}  // namespace

// (<template-name> <slot-value>*)
IFact TIEVorlanParser::ParseFact() {
  TNestingGuard nesting(*this, kWhereFact);
  (void)Expect(tkOpenParen, kWhereFact, kExpectedOpenAtom);
  IStreamToken name = Next();
  if (name->DataType() != dtAtom) Fail(kWhereFact, kExpectedOpenAtom);
  IFactTemplate factTemplate;
  if (StrictTemplates()) {
    factTemplate = FEngine.FindTemplate(name->Text());
    if (!factTemplate) Fail(kWhereFact, FormatMessage(kUnknownFactTemplate, {name->Text()}));
  } else {
    factTemplate = TemplateNamed(name->Text(), kWhereFact);
  }
  // Slots not written keep no value: each reads its template's default
  // until the fact is instantiated, so dynamic defaults are evaluated then.
  IFact fact = MakeRef<TFact>(factTemplate);
  if (factTemplate->IsImplied()) {
    fact->SetSlotValue(kImpliedSlotName, ParseList());
  } else {
    while (Peek()->DataType() != tkCloseParen) (void)ParseFactSlot(*fact);
  }
  ExpectClose(kWhereFact);
  if (OnParseFact) OnParseFact(*this, fact);
  return fact;
}

// (<slot-name> <value>...)
std::string TIEVorlanParser::ParseFactSlot(TFact& fact) {
  TNestingGuard nesting(*this, kWhereFactSlot);
  (void)Expect(tkOpenParen, kWhereFactSlot, kExpectedOpenParen);
  IStreamToken name = Next();
  if (name->DataType() != dtAtom)
    Fail(kWhereFactSlot, FormatMessage(kBadSlotName, {name->AsText()}));
  TFactSlot* slot = fact.Template() ? fact.Template()->FindSlot(name->Text()) : nullptr;
  if (!slot) Fail(kWhereFactSlot, FormatMessage(kNoSuchSlotName, {name->Text()}));
  IIEValue value = ParseFactSlotValue(*slot);
  ExpectClose(kWhereFactSlot);
  try {
    fact.SetSlotValue(name->Text(), value);
  } catch (const EIEException& error) {
    Fail(kWhereFactSlot, error.what());
  }
  return name->Text();
}

// (deffacts <name> [<comment>] <fact>*)
TFactSet* TIEVorlanParser::ParseFactSet() {
  TConstructHeader header = ParseHeader("deffacts", kExpectedDeffacts, kWhereFactSet, true);
  std::unique_ptr<TFactSet> factSet(NewParsedFactSet(FEngine));
  factSet->SetFactSetName(header.Name);
  factSet->SetComment(header.Comment);
  IStreamToken token = header.Next;
  while (token->DataType() == tkOpenParen) {
    PushBack(token);
    factSet->AddFact(ParseFact());
    token = Next();
  }
  if (token->DataType() != tkCloseParen) Fail(kWhereFactSet, kExpectedCloseParen);
  if (OnParseFactSet) OnParseFactSet(*this, *factSet);
  return factSet.release();
}

}  // namespace vettora
