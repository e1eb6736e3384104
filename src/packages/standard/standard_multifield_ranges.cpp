// The standard package's multifield functions that cut and splice lists:
// subseq$, delete$, replace$ and insert$.
#include <algorithm>
#include <vector>

#include "engine/messages.h"
#include "packages/standard/standard_multifield.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {

struct TRange {
  int32_t Start;
  int32_t End;
  [[nodiscard]] bool Holds(int32_t i) const { return i >= Start && i <= End; }
};

[[noreturn]] void OutOfBounds(int32_t index) {
  throw EListError(FormatMessage(kListIndexError, {index}));
}

// Arguments 2 and 3, checked before the list argument is read.
TRange RangeArguments(TFunctionCall& call, TIEContext& context) {
  TRange range{call.EvaluateArgument(1, context)->AsInteger(),
               call.EvaluateArgument(2, context)->AsInteger()};
  if (range.End < range.Start)
    throw EIEException(FormatMessage(kInvalidMultifieldRange, {range.Start, range.End}));
  return range;
}

// Copies of the elements outside the range.
IValueVector WithoutRange(const TValueVector& list, TRange range) {
  IValueVector out = MakeRef<TValueVector>();
  for (int32_t i = 0; i < list.Count(); ++i)
    if (!range.Holds(i)) out->Add(CloneOf(list.Items(i)));
  return out;
}

// The list with copies of arguments `first`.. put in at `position`, each
// at that same position in turn, so that they end up in reverse order.
// The position may be anywhere from the front to just past the end.
IValueVector Spliced(const TValueVector& list, int32_t position, TFunctionCall& call, int32_t first,
                     TIEContext& context) {
  if (position < 0 || position > list.Count()) OutOfBounds(position);
  std::vector<IIEValue> inserted;
  for (int32_t i = first; i < call.ArgumentCount(); ++i)
    inserted.push_back(CloneOf(call.EvaluateArgument(i, context)));
  IValueVector out = MakeRef<TValueVector>();
  for (int32_t i = 0; i < position; ++i) out->Add(list.Items(i));
  for (auto it = inserted.rbegin(); it != inserted.rend(); ++it) out->Add(*it);
  for (int32_t i = position; i < list.Count(); ++i) out->Add(list.Items(i));
  return out;
}

}  // namespace

// ---- subseq$ --------------------------------------------------------------------

TSubSeqMFFunction::TSubSeqMFFunction()
    : TStandardFunction("subseq$",
                        "Returns a new list of the elements from the begin through the end "
                        "position (counted from 0)",
                        " <multifield-expression> <begin-integer-expression> "
                        "<end-integer-expression>",
                        3, 3) {}

// The start must lie in the list; an end past the list stops at its last
// element.
IIEValue TSubSeqMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TRange range = RangeArguments(call, context);
  IValueVector list = ListArgument(call, 0, context);
  if (range.Start < 0 || range.Start >= list->Count()) OutOfBounds(range.Start);
  int32_t end = std::min(range.End, list->Count() - 1);
  IValueVector out = MakeRef<TValueVector>();
  for (int32_t i = range.Start; i <= end; ++i) out->Add(CloneOf(list->Items(i)));
  return MakeList(out);
}

// ---- delete$ --------------------------------------------------------------------

TDeleteMFFunction::TDeleteMFFunction()
    : TStandardFunction("delete$",
                        "Returns a new list without the elements from the begin through the "
                        "end position (counted from 0)",
                        " <multifield-expression> <begin-integer-expression> "
                        "<end-integer-expression>",
                        3, 3) {}

IIEValue TDeleteMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TRange range = RangeArguments(call, context);
  return MakeList(WithoutRange(*ListArgument(call, 0, context), range));
}

// ---- replace$ -------------------------------------------------------------------

TReplaceMFFunction::TReplaceMFFunction()
    : TStandardFunction("replace$",
                        "Returns a new list with the elements from the begin through the end "
                        "position replaced by the values",
                        " <multifield-expression> <begin-integer-expression> "
                        "<end-integer-expression> <single-or-multifield-expression>+",
                        4, kNoLimit) {}

IIEValue TReplaceMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TRange range = RangeArguments(call, context);
  IValueVector shortened = WithoutRange(*ListArgument(call, 0, context), range);
  return MakeList(Spliced(*shortened, range.Start, call, 3, context));
}

// ---- insert$ --------------------------------------------------------------------

TInsertMFFunction::TInsertMFFunction()
    : TStandardFunction("insert$",
                        "Returns a new list with the values put in at the position (counted "
                        "from 0)",
                        " <multifield-expression> <integer-expression> "
                        "<single-or-multifield-expression>+",
                        3, kNoLimit) {}

IIEValue TInsertMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = ListArgument(call, 0, context);
  int32_t position = call.EvaluateArgument(1, context)->AsInteger();
  return MakeList(Spliced(*list, position, call, 2, context));
}

}  // namespace vettora
