// The math package itself, its shared random generator and the three
// functions that use the generator.
#include "packages/math/math_package.h"

#include <chrono>
#include <cstdint>

#include "functions/function_call.h"
#include "functions/messages.h"
#include "functions/package_table.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TMathFunction::TMathFunction(const std::string& name, const std::string& help,
                             const std::string& arguments, int32_t min, int32_t max) {
  SetFunctionName(name);
  SetComment(FormatMessage("%s", {help}));
  SetArgumentString(arguments);
  SetArgumentLimits(min, max);
}

void TMathRandom::SeedFromClock() {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
               std::chrono::system_clock::now().time_since_epoch().count();
  FGenerator.seed(static_cast<uint32_t>(static_cast<uint64_t>(ticks)));
}

int32_t TMathRandom::Next(int32_t bound) {
  std::uniform_int_distribution<int32_t> draw(0, bound - 1);
  return draw(FGenerator);
}

// ---- random -------------------------------------------------------------------

TRandomFunction::TRandomFunction(TMathRandomRef random)
    : TRandomFunctionBase(std::move(random), "random",
                          "Returns a random integer from low (default 0) up to but excluding "
                          "low plus high (default 65536)",
                          " [[<low-integer-expression>] <high-integer-expression>]", 0, 2) {}

IIEValue TRandomFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t low = 0;
  int32_t high = 65536;
  int32_t count = call.ArgumentCount();
  if (count == 2) low = call.EvaluateArgument(0, context)->AsInteger();
  if (count >= 1) high = call.EvaluateArgument(count - 1, context)->AsInteger();
  // No integer can be drawn below a bound of zero or less.
  if (high <= 0) throw EIEException(FormatMessage(kRandomBoundNotPositive, {FunctionName(), high}));
  // The whole range must fit, so that the error never depends on the draw.
  if (int64_t(low) + high - 1 > INT32_MAX)
    throw EIEException(FormatMessage(kIntegerOverflow, {FunctionName()}));
  return MakeInteger(int32_t(int64_t(low) + FRandom->Next(high)));
}

// ---- randomize ----------------------------------------------------------------

TRandomizeFunction::TRandomizeFunction(TMathRandomRef random)
    : TRandomFunctionBase(std::move(random), "randomize",
                          "Seeds the random number generator with the given seed, or from "
                          "the system clock when no seed is given",
                          " [<seed-integer-expression> ]", 0, 1) {}

IIEValue TRandomizeFunction::Execute(TFunctionCall& call, TIEContext& context) {
  if (call.ArgumentCount() > 0)
    FRandom->Seed(call.EvaluateArgument(0, context)->AsInteger());
  else
    FRandom->SeedFromClock();
  return TrueValue();
}

// ---- seed ---------------------------------------------------------------------

TSeedFunction::TSeedFunction(TMathRandomRef random)
    : TRandomFunctionBase(std::move(random), "seed",
                          "Seeds the random number generator with the given integer",
                          " <integer-expression>", 1, 1) {}

IIEValue TSeedFunction::Execute(TFunctionCall& call, TIEContext& context) {
  FRandom->Seed(call.EvaluateArgument(0, context)->AsInteger());
  return TrueValue();
}

// ---- the package ------------------------------------------------------------------

TPackageTable TMathPackage::Table() const {
  TMathRandomRef random = FRandom;
  auto withRandom = [random]<class T>(std::string name) {
    return TPackageTableEntry{std::move(name),
                              [random] { return IUserFunction(MakeRef<T>(random)); }};
  };
  return {
      TableEntry<TAbsFunction>("abs"),
      TableEntry<TIntegerDivideFunction>("div"),
      TableEntry<TDivideFunction>("/"),
      TableEntry<TExpFunction>("exp"),
      TableEntry<TExptFunction>("**"),
      TableEntry<TFloatFunction>("float"),
      TableEntry<TIntegerFunction>("integer"),
      TableEntry<TLogFunction>("log"),
      TableEntry<TLog10Function>("log10"),
      TableEntry<TMaxFunction>("max"),
      TableEntry<TMinFunction>("min"),
      TableEntry<TMinusFunction>("-"),
      TableEntry<TModFunction>("mod"),
      TableEntry<TPiFunction>("PI"),
      TableEntry<TPlusFunction>("+"),
      withRandom.template operator()<TRandomFunction>("random"),
      withRandom.template operator()<TRandomizeFunction>("randomize"),
      TableEntry<TRoundFunction>("round"),
      withRandom.template operator()<TSeedFunction>("seed"),
      TableEntry<TSqrtFunction>("sqrt"),
      TableEntry<TTimesFunction>("*"),
  };
}

void TMathPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
