#pragma once
// TIEValue: the one dynamically typed value of the rule language. Constants,
// arguments, results, slot values, bound variables and call expressions are
// all values, held through the counted handle IIEValue.
//
// Values live on the heap and are held by Ref handles (MakeRef or the Make*
// helpers below); Evaluate may hand back a handle to the value itself.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "values/counted.h"
#include "values/number_text.h"
#include "values/object.h"
#include "values/value_links.h"
#include "values/value_type.h"

namespace vettora {

class TValueVector;
using IValueVector = Ref<TValueVector>;
using ISingletonsVector = Ref<TSingletonsVector>;
using IFunCallBase = Ref<TFunCallBase>;
using IFactBase = Ref<TFactBase>;
using IFuzzySetBase = Ref<TFuzzySetBase>;

class TIEValue : public TCounted {
 public:
  using TChangeEvent = std::function<void(TIEValue& sender)>;

  TIEValue();
  // Text kinds only: atom, string, variable, multifield variable, slot,
  // multislot; any other kind raises "Value and type mismatch".
  TIEValue(std::string_view text, TIEType kind);
  // dtInteger, dtFactId or dtDescriptor; any other kind raises.
  TIEValue(int32_t number, TIEType kind);
  explicit TIEValue(double number);
  explicit TIEValue(IValueVector list);
  explicit TIEValue(IFuzzySetBase fuzzy);
  explicit TIEValue(IFactBase fact);
  explicit TIEValue(IFunCallBase call);
  explicit TIEValue(ISingletonsVector singletons);
  ~TIEValue() override;
  TIEValue(const TIEValue&) = delete;
  TIEValue& operator=(const TIEValue&) = delete;
  // Made and dropped by the hundred thousand: memory comes from the
  // class's recycler (values/recycler.h).
  static void* operator new(size_t size);
  static void operator delete(void* memory, size_t size) noexcept;

  [[nodiscard]] TIEType DType() const { return FType; }
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  [[nodiscard]] const TChangeEvent& OnChange() const;
  void SetOnChange(TChangeEvent handler);

  // Readers. Each raises "Not a %s type.  Value (%s) is a %s type" for a kind
  // it cannot serve and leaves the value unchanged.
  [[nodiscard]] std::string AsString() const;
  [[nodiscard]] std::string AsAtom() const { return AsString(); }
  [[nodiscard]] std::string AsVariable() const { return AsString(); }
  [[nodiscard]] std::string AsMultiVariable() const { return AsString(); }
  [[nodiscard]] std::string AsSlot() const { return AsString(); }
  [[nodiscard]] std::string AsMultiSlot() const { return AsString(); }
  [[nodiscard]] int32_t AsInteger() const;
  [[nodiscard]] double AsFloat() const { return AsNumeric(); }
  [[nodiscard]] double AsNumeric() const;
  [[nodiscard]] int32_t AsFactId() const;
  [[nodiscard]] int32_t AsDescriptor() const;
  [[nodiscard]] intptr_t AsExternalAddress() const;
  [[nodiscard]] TObject* AsObject() const;
  [[nodiscard]] TObject* AsOwnedObject() const { return AsObject(); }
  [[nodiscard]] const TObjectClass* AsClass() const;
  [[nodiscard]] IFunCallBase AsFunCall() const;
  [[nodiscard]] IFactBase AsFact() const;
  [[nodiscard]] IValueVector AsList() const;
  // The list of a `dtList` value, read in place without taking a
  // reference (null for any other kind); for hot paths that only look.
  [[nodiscard]] TValueVector* ListPayload() const;
  [[nodiscard]] IFuzzySetBase AsFuzzy() const;
  [[nodiscard]] ISingletonsVector AsSingletons() const;

  // The stored text of a text kind without copying (empty for other kinds).
  [[nodiscard]] const std::string& Text() const { return FText; }

  // Writers: release the old content, store the new, then fire OnChange.
  void SetAsAtom(std::string_view text) { SetText(text, dtAtom); }
  void SetAsString(std::string_view text) { SetText(text, dtString); }
  void SetAsVariable(std::string_view text) { SetText(text, dtVariable); }
  void SetAsMultiVariable(std::string_view text) { SetText(text, dtMultiVariable); }
  void SetAsSlot(std::string_view text) { SetText(text, dtSlot); }
  void SetAsMultiSlot(std::string_view text) { SetText(text, dtMultiSlot); }
  void SetAsInteger(int32_t v) { SetNumber(v, dtInteger); }
  void SetAsFactId(int32_t v) { SetNumber(v, dtFactId); }
  void SetAsDescriptor(int32_t v) { SetNumber(v, dtDescriptor); }
  void SetAsExternalAddress(int32_t v) { SetNumber(v, dtExternalAddress); }
  void SetAsFloat(double v);
  void SetAsObject(TObject* object);
  // The value takes ownership: the object is freed when the value is
  // cleared, changes kind or is destroyed (a component already being
  // destroyed elsewhere is only dropped).
  void SetAsOwnedObject(TObject* object);
  void SetAsClass(const TObjectClass* cls);
  void SetAsFunCall(IFunCallBase call);
  void SetAsFact(IFactBase fact);
  void SetAsList(IValueVector list);
  void SetAsFuzzy(IFuzzySetBase fuzzy);
  void SetAsSingletons(ISingletonsVector singletons);

  [[nodiscard]] bool OwnsObject() const;

  // Type-and-value equality (eq, neq).
  [[nodiscard]] bool Equals(const TIEValue* other) const;
  [[nodiscard]] bool Equals(const IIEValue& other) const { return Equals(other.Get()); }
  // Equality reading the other value in this value's kind (eq*).
  [[nodiscard]] bool ValueEquals(const TIEValue* other) const;
  [[nodiscard]] bool ValueEquals(const IIEValue& other) const { return ValueEquals(other.Get()); }
  [[nodiscard]] uint32_t HashCode() const;

  // Record copy: kind, text and payload as they are (interface payloads
  // shared); an owned object is duplicated. Copies Tag, fires OnChange.
  void Assign(const TIEValue& source);
  // Copy through the readers: like Assign, but a list is cloned element by
  // element instead of shared.
  void AssignFromInterface(const TIEValue& source);
  [[nodiscard]] IIEValue Clone() const;

  // The value the expression stands for; constants evaluate to themselves.
  [[nodiscard]] IIEValue Evaluate(IEvalContext* context);

  // Releases the content and sets dtNone; does not fire OnChange.
  void Clear();

  // The printed form.
  [[nodiscard]] std::string AsText() const;

 private:
  struct TExtras;
  class TNexus;
  friend class TNexus;

  void SetText(std::string_view text, TIEType kind);
  void SetNumber(int32_t v, TIEType kind);
  void SetCounted(TCounted* object, TIEType kind);
  void StoreCounted(TCounted* object, TIEType kind);
  void StoreOwned(TObject* object);
  void DropOwned();
  void ReleaseContent();
  void Changed();
  [[noreturn]] void NotA(const char* word) const;
  TExtras& Extras();
  [[nodiscard]] TObject* DuplicateOwned() const;
  template <class T>
  [[nodiscard]] Ref<T> CountedAs(TIEType kind, const char* word) const;
  [[nodiscard]] TCounted* Counted() const { return FPayload.Counted; }

  union TPayload {
    int32_t Int;
    double Float;
    TObject* Object;
    const TObjectClass* Class;
    TCounted* Counted;  // holds one reference while the kind is an interface kind
  };

  TIEType FType = dtNone;
  int32_t FTag = 0;
  TPayload FPayload{.Counted = nullptr};
  std::string FText;
  std::unique_ptr<TExtras> FExtras;  // change handler and ownership marker, rarely set
};

// The fourteen shared constants: created once, never changed, compared by
// identity.
[[nodiscard]] const IIEValue& TrueValue();
[[nodiscard]] const IIEValue& FalseValue();
[[nodiscard]] const IIEValue& NilValue();
[[nodiscard]] const IIEValue& EmptyListValue();
[[nodiscard]] const IIEValue& CatchKeyword();
[[nodiscard]] const IIEValue& ExceptKeyword();
[[nodiscard]] const IIEValue& FinallyKeyword();
[[nodiscard]] const IIEValue& ElseKeyword();
[[nodiscard]] const IIEValue& DoKeyword();
[[nodiscard]] const IIEValue& EOFValue();
[[nodiscard]] const IIEValue& ThenKeyword();
[[nodiscard]] const IIEValue& PIValue();
[[nodiscard]] const IIEValue& BlankValue();
[[nodiscard]] const IIEValue& ZeroValue();
[[nodiscard]] bool IsSharedConstant(const TIEValue* value);
// The boolean atom for `b`.
[[nodiscard]] inline const IIEValue& BoolValue(bool b) { return b ? TrueValue() : FalseValue(); }

// Short helpers for new values.
[[nodiscard]] IIEValue MakeAtom(std::string_view text);
[[nodiscard]] IIEValue MakeString(std::string_view text);
[[nodiscard]] IIEValue MakeInteger(int32_t v);
[[nodiscard]] IIEValue MakeFloat(double v);
[[nodiscard]] IIEValue MakeList(IValueVector list);

// The value hash of a text: every byte of a text of up to 15 bytes, a sample
// of a longer one; h = h * 31 + byte, wrapping.
[[nodiscard]] uint32_t ValueStringHash(std::string_view text);

}  // namespace vettora
