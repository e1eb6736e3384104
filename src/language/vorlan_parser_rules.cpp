// TIEVorlanParser: `defrule` -- the declare properties, the left-hand side
// as a list of (possibly bound) patterns, and the actions.
#include <memory>

#include "engine/construct_factory.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWhereRule = "ParseRule";
constexpr const char* kWherePatterns = "ParseRulePatterns";

}  // namespace

// (defrule <name> [<comment>] [(declare <property>*)] <pattern>* => <action>*)
TRule* TIEVorlanParser::ParseRule() {
  TConstructHeader header = ParseHeader("defrule", kExpectedDefrule, kWhereRule, true);
  std::unique_ptr<TRule> rule(NewParsedRule(FEngine));
  {
    TRule::TUpdateGuard update(*rule);
    try {
      rule->SetRuleName(header.Name);
    } catch (const EIEException& error) {
      Fail(kWhereRule, error.what());
    }
    rule->SetComment(header.Comment);
    PushBack(header.Next);
    if (PeekKeyword() == "declare") ParseDeclare(*rule);
    TVariableList variables;
    ParseRulePatterns(*rule, variables);
    IStreamToken equals = Next();
    IStreamToken arrow = equals->DataType() == tkEquals ? Next() : equals;
    if (equals->DataType() != tkEquals || arrow->DataType() != dtAtom || arrow->Text() != ">")
      Fail(kWhereRule, kExpectedArrow);
    ParseRuleActions(*rule);
    ExpectClose(kWhereRule);
    update.End();
  }
  if (OnParseRule) OnParseRule(*this, *rule);
  return rule.release();
}

// (declare (salience <n>) (oneshot <flag>) (enabled <flag>) ...)
void TIEVorlanParser::ParseDeclare(TRule& rule) {
  (void)Next();  // "("
  (void)Next();  // "declare"
  while (Peek()->DataType() == tkOpenParen) {
    (void)Next();
    IStreamToken property = Next();
    std::string name = property->DataType() == dtAtom ? property->Text() : std::string();
    if (name == "salience")
      ParseSalience(rule);
    else if (name == "oneshot")
      rule.SetOneShot(ParseFlagValue());
    else if (name == "enabled")
      rule.SetEnabled(ParseFlagValue());
    else
      Fail(kWhereRule, kExpectedRuleProperty);
    ExpectClose(kWhereRule);
  }
  ExpectClose(kWhereRule);
}

// An integer, a variable or a call, kept unevaluated as the rule's
// salience expression.
void TIEVorlanParser::ParseSalience(TRule& rule) {
  IStreamToken token = Next();
  switch (token->DataType()) {
    case dtInteger:
    case dtVariable:
      rule.SetSalienceExpression(token->ToValue());
      return;
    case tkOpenParen: {
      PushBack(token);
      IFunCall call = ParseFunCall();
      rule.SetSalienceExpression(MakeRef<TIEValue>(IFunCallBase(call)));
      return;
    }
    default:
      Fail(kWhereRule, FormatMessage(kExpectedBound, {"salience"}));
  }
}

// A constant or a call, evaluated at once: true exactly when it gives TRUE.
bool TIEVorlanParser::ParseFlagValue() {
  IStreamToken token = Next();
  IIEValue value;
  if (token->DataType() == tkOpenParen) {
    PushBack(token);
    value = ParseFunCall()->Execute(Context());
  } else if (token->DataType() == tkCloseParen || token->DataType() == tkEndOfStream) {
    Fail(kWhereRule, kExpectedValueMissing);
  } else {
    value = token->ToValue(Context());
  }
  return value && value->Equals(TrueValue());
}

// [?<var> <-] <pattern>, repeated while a "(" or a variable comes next.
void TIEVorlanParser::ParseRulePatterns(TRule& rule, TVariableList& variables) {
  for (;;) {
    IStreamToken token = Next();
    std::string bound;
    if (token->DataType() == dtVariable) {
      IStreamToken arrow = Next();
      if (arrow->DataType() != dtAtom || arrow->Text() != "<-")
        Fail(kWherePatterns, kExpectedBindArrow);
      bound = token->Text();
      variables.emplace(bound, dtVariable);
    } else if (token->DataType() == tkOpenParen) {
      PushBack(token);
    } else {
      PushBack(token);
      return;
    }
    TVariableList before = variables;
    std::unique_ptr<TIEPattern> pattern = ParsePattern(0, variables);
    // Variables first met under a `not` or an `exists` are local to it: a
    // later use of the name is a variable of its own, of its own kind.
    if (pattern->NegatedCount() > 0) variables = std::move(before);
    if (!bound.empty()) {
      if (pattern->NegatedCount() > 0 || pattern->IsTest())
        Fail(kWherePatterns, kCannotBindNotTest);
      pattern->SetBoundName(bound);
    }
    try {
      rule.AddPattern(std::move(pattern));
    } catch (const EIEException& error) {
      Fail(kWherePatterns, error.what());
    }
  }
}

// Function calls while a "(" comes next.
void TIEVorlanParser::ParseRuleActions(TRule& rule) {
  while (Peek()->DataType() == tkOpenParen) rule.AddAction(FSharedActions.Share(ParseFunCall()));
}

}  // namespace vettora
