// The fourteen shared constant values. Each is made once, on first use, and
// never changed; code compares against them by identity.
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

const IIEValue& Keep(TIEValue* v) {
  // Deliberately immortal: a constant must outlive every value that may be
  // compared with it, including those freed by other static destructors.
  auto* handle = new IIEValue(v);
  return *handle;
}

}  // namespace

const IIEValue& TrueValue() { static const IIEValue& v = Keep(new TIEValue("TRUE", dtAtom)); return v; }
const IIEValue& FalseValue() { static const IIEValue& v = Keep(new TIEValue("FALSE", dtAtom)); return v; }
const IIEValue& NilValue() { static const IIEValue& v = Keep(new TIEValue("", dtAtom)); return v; }
const IIEValue& EmptyListValue() {
  static const IIEValue& v = Keep(new TIEValue(MakeRef<TValueVector>()));
  return v;
}
const IIEValue& CatchKeyword() { static const IIEValue& v = Keep(new TIEValue("catch", dtAtom)); return v; }
const IIEValue& ExceptKeyword() { static const IIEValue& v = Keep(new TIEValue("except", dtAtom)); return v; }
const IIEValue& FinallyKeyword() { static const IIEValue& v = Keep(new TIEValue("finally", dtAtom)); return v; }
const IIEValue& ElseKeyword() { static const IIEValue& v = Keep(new TIEValue("else", dtAtom)); return v; }
const IIEValue& DoKeyword() { static const IIEValue& v = Keep(new TIEValue("do", dtAtom)); return v; }
const IIEValue& EOFValue() { static const IIEValue& v = Keep(new TIEValue("EOF", dtAtom)); return v; }
const IIEValue& ThenKeyword() { static const IIEValue& v = Keep(new TIEValue("then", dtAtom)); return v; }
const IIEValue& PIValue() { static const IIEValue& v = Keep(new TIEValue(3.141592653589793)); return v; }
const IIEValue& BlankValue() { static const IIEValue& v = Keep(new TIEValue("", dtAtom)); return v; }
const IIEValue& ZeroValue() { static const IIEValue& v = Keep(new TIEValue(0.0)); return v; }

bool IsSharedConstant(const TIEValue* value) {
  if (!value) return false;
  for (const IIEValue* c :
       {&TrueValue(), &FalseValue(), &NilValue(), &EmptyListValue(), &CatchKeyword(),
        &ExceptKeyword(), &FinallyKeyword(), &ElseKeyword(), &DoKeyword(), &EOFValue(),
        &ThenKeyword(), &PIValue(), &BlankValue(), &ZeroValue()})
    if (c->Get() == value) return true;
  return false;
}

}  // namespace vettora
