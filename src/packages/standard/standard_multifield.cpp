// The standard package's multifield functions that build, measure and
// search lists.
#include "packages/standard/standard_multifield.h"

#include <vector>

#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

IIEValue ReadElement(const TValueVector& list, int32_t i, TIEContext& context) {
  const IIEValue& element = list.Items(i);
  IIEValue value = element ? element->Evaluate(&context) : element;
  return value ? value : NilValue();
}

namespace {

// Every element of the list, each read once.
std::vector<IIEValue> ReadElements(const TValueVector& list, TIEContext& context) {
  std::vector<IIEValue> out;
  out.reserve(size_t(list.Count()));
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(ReadElement(list, i, context));
  return out;
}

// Whether `sought` occurs in `items` as a run of neighbouring elements.
bool ContainsRun(const std::vector<IIEValue>& items, const std::vector<IIEValue>& sought) {
  if (sought.size() > items.size()) return false;
  for (size_t start = 0; start + sought.size() <= items.size(); ++start) {
    size_t k = 0;
    while (k < sought.size() && items[start + k]->Equals(sought[k])) ++k;
    if (k == sought.size()) return true;
  }
  return false;
}

}  // namespace

// ---- create$ --------------------------------------------------------------------

TCreateMFFunction::TCreateMFFunction()
    : TStandardFunction("create$",
                        "Returns a list of the arguments' values; a list argument becomes "
                        "one element",
                        " <expression>*", 0, kNoLimit) {}

IIEValue TCreateMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = MakeRef<TValueVector>();
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    list->Add(CloneOf(call.EvaluateArgument(i, context)));
  return MakeList(list);
}

// ---- length$ --------------------------------------------------------------------

TLengthMFFunction::TLengthMFFunction()
    : TStandardFunction("length$", "Returns the number of elements of the list",
                        " <multifield-expression>", 1, 1) {}

IIEValue TLengthMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeInteger(ListArgument(call, 0, context)->Count());
}

// ---- first$ ---------------------------------------------------------------------

TFirstMFFunction::TFirstMFFunction()
    : TStandardFunction("first$", "Returns the first element of the list, or nil when it is empty",
                        " <multifield-expression>", 1, 1) {}

IIEValue TFirstMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = ListArgument(call, 0, context);
  return list->Count() == 0 ? NilValue() : ReadElement(*list, 0, context);
}

// ---- rest$ ----------------------------------------------------------------------

TRestMFFunction::TRestMFFunction()
    : TStandardFunction("rest$", "Returns a new list of all elements but the first",
                        " <multifield-expression>", 1, 1) {}

IIEValue TRestMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = ListArgument(call, 0, context);
  if (list->Count() == 0) throw EListError(FormatMessage(kListIndexError, {0}));
  IValueVector rest = MakeRef<TValueVector>();
  for (int32_t i = 1; i < list->Count(); ++i) rest->Add(list->Items(i));
  return MakeList(rest);
}

// ---- nth$ -----------------------------------------------------------------------

TNthMFFunction::TNthMFFunction()
    : TStandardFunction("nth$", "Returns the element at the position (counted from 0)",
                        " <integer-expression> <multifield-expression>", 2, 2) {}

IIEValue TNthMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t position = call.EvaluateArgument(0, context)->AsInteger();
  IValueVector list = ListArgument(call, 1, context);
  const IIEValue& element = list->Items(position);
  return element ? element : NilValue();
}

// ---- member$ --------------------------------------------------------------------

TMemberMFFunction::TMemberMFFunction()
    : TStandardFunction("member$",
                        "Returns the position of the first element equal to the value, or "
                        "FALSE",
                        " <expression> <multifield-expression>", 2, 2) {}

IIEValue TMemberMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue sought = call.EvaluateArgument(0, context);
  IValueVector list = ListArgument(call, 1, context);
  for (int32_t i = 0; i < list->Count(); ++i)
    if (ReadElement(*list, i, context)->Equals(sought)) return MakeInteger(i);
  return FalseValue();
}

// ---- member ---------------------------------------------------------------------

TMemberFunction::TMemberFunction()
    : TStandardFunction("member",
                        "Returns the position among the following arguments of the first "
                        "one equal to the first, or FALSE",
                        " <expression> <expression>+", 2, kNoLimit) {}

// Arguments are evaluated only until one matches.
IIEValue TMemberFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue sought = call.EvaluateArgument(0, context);
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    if (call.EvaluateArgument(i, context)->Equals(sought)) return MakeInteger(i - 1);
  return FalseValue();
}

// ---- subsetp --------------------------------------------------------------------

TSubSetpMFFunction::TSubSetpMFFunction()
    : TStandardFunction("subsetp",
                        "Returns TRUE when the value, or the sequence of a list, occurs in the "
                        "list as a run of neighbouring elements",
                        " <expression> <multifield-expression>", 2, 2) {}

IIEValue TSubSetpMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue first = call.EvaluateArgument(0, context);
  std::vector<IIEValue> sought;
  if (first->DType() == dtList)
    sought = ReadElements(*first->AsList(), context);
  else
    sought.push_back(first);
  std::vector<IIEValue> items = ReadElements(*ListArgument(call, 1, context), context);
  // An empty sequence has no first element to look for.
  if (sought.empty() && !items.empty()) throw EListError(FormatMessage(kListIndexError, {0}));
  return BoolValue(!sought.empty() && ContainsRun(items, sought));
}

}  // namespace vettora
