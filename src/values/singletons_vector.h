#pragma once
// TSingletonsVector: fuzzy singletons not yet turned into a set, as two
// parallel lists of X and Y expressions, optionally owned by the fuzzy
// variable they belong to.

#include <cstdint>
#include <string>

#include "values/value_vector.h"

namespace vettora {

using IFuzzyVariableBase = Ref<TFuzzyVariableBase>;

class TSingletonsVector : public TCounted {
 public:
  TSingletonsVector();

  // Clears, appends clones of every X and Y, then takes owner and Tag.
  void Assign(const TSingletonsVector& source);
  [[nodiscard]] ISingletonsVector Clone() const;
  [[nodiscard]] bool Equals(const TSingletonsVector& other) const;

  [[nodiscard]] int32_t Count() const { return FX->Count(); }
  [[nodiscard]] const IIEValue& X(int32_t i) const { return FX->Items(i); }
  [[nodiscard]] const IIEValue& Y(int32_t i) const { return FY->Items(i); }
  [[nodiscard]] const TValueVector& XList() const { return *FX; }
  [[nodiscard]] const TValueVector& YList() const { return *FY; }

  void Add(IIEValue x, IIEValue y);
  void Insert(int32_t i, IIEValue x, IIEValue y);
  void Delete(int32_t i);
  void Clear();

  [[nodiscard]] const IFuzzyVariableBase& Owner() const { return FOwner; }
  void SetOwner(IFuzzyVariableBase owner) { FOwner = std::move(owner); }
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  // The owner's text when there is an owner, else "(x y) " per pair.
  [[nodiscard]] std::string AsText() const;
  [[nodiscard]] uint32_t HashCode() const { return FX->HashCode() + FY->HashCode(); }

 private:
  IValueVector FX;
  IValueVector FY;
  IFuzzyVariableBase FOwner;
  int32_t FTag = 0;
};

}  // namespace vettora
