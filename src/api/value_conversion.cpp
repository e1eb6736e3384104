// Values across the public boundary.
#include "api/value_conversion.h"

#include "values/value_vector.h"

namespace vettora {

TValue ToPublicValue(const IIEValue& value) {
  if (!value) return TValue();
  switch (value->DType()) {
    case dtAtom: {
      std::string name = value->AsString();
      return name.empty() ? TValue() : TValue::Atom(std::move(name));
    }
    case dtString:
      return TValue::String(value->AsString());
    case dtInteger:
      return TValue::Integer(value->AsInteger());
    case dtFloat:
      return TValue::Float(value->AsFloat());
    case dtList: {
      std::vector<TValue> items;
      IValueVector list = value->AsList();
      if (list)
        for (int32_t i = 0; i < list->Count(); ++i) items.push_back(ToPublicValue(list->Items(i)));
      return TValue::List(std::move(items));
    }
    default:
      return TValue::Other(value->AsText());
  }
}

IIEValue ToEngineValue(const TValue& value) {
  switch (value.Kind()) {
    case TValue::vkNil:
      return NilValue();
    case TValue::vkAtom:
    case TValue::vkOther:
      return MakeAtom(value.AsString());
    case TValue::vkString:
      return MakeString(value.AsString());
    case TValue::vkInteger:
      return MakeInteger(value.AsInteger());
    case TValue::vkFloat:
      return MakeFloat(value.AsFloat());
    case TValue::vkList: {
      auto list = MakeRef<TValueVector>();
      for (const TValue& item : value.Items()) list->Add(ToEngineValue(item));
      return MakeList(list);
    }
  }
  return NilValue();
}

}  // namespace vettora
