#pragma once
// TUserPackage: a component holding a group of functions and keeping them
// registered with every engine it serves. Built-in packages derive from it
// and fill Functions in CreateFunctions; a host can fill a plain package
// from its OnCreateFunctions event.
//
// Packages are made with NewPackage, which runs CreateFunctions once the
// object is complete (a constructor cannot reach the derived override).

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "functions/reasoner_owner.h"
#include "functions/user_function.h"

namespace vettora {

class TUserPackage;

// The package's functions: a list without duplicates. Adding a function
// registers it with every engine of the package; removing it unregisters it
// from them.
class TUserFunctionList {
 public:
  explicit TUserFunctionList(TUserPackage& package) : FPackage(package) {}
  TUserFunctionList(const TUserFunctionList&) = delete;
  TUserFunctionList& operator=(const TUserFunctionList&) = delete;

  // The function's index; a function already listed is not added again.
  int32_t Add(const IUserFunction& function);
  void Remove(const IUserFunction& function);
  void Delete(int32_t i);
  void Clear();
  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  [[nodiscard]] const IUserFunction& Items(int32_t i) const;
  [[nodiscard]] int32_t IndexOf(const IUserFunction& function) const;
  [[nodiscard]] IUserFunction Find(const std::string& name) const;

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  TUserPackage& FPackage;
  std::vector<IUserFunction> FItems;
};

// One stored function of a package: its class name and its own data.
struct TPackageFunctionItem {
  std::string ClassName;
  std::string FunctionName;
  std::string Comment;
  int32_t MaxArgumentCount = 0;
  int32_t MinArgumentCount = 0;
  // The function's own data (OwnData), written after the base data.
  std::vector<int32_t> Data;
  bool operator==(const TPackageFunctionItem&) const = default;
};

// Makes a function object of a registered class, or null for an unknown
// class name.
using TFunctionFactory = std::function<IUserFunction(const std::string& className)>;

class TUserPackage : public TCustomReasonerOwner {
 public:
  using TNotifyEvent = std::function<void(TObject& sender)>;

  // An engine given as owner is taken as the package's engine.
  explicit TUserPackage(TComponent* owner = nullptr);
  ~TUserPackage() override;

  [[nodiscard]] std::string ClassName() const override { return "TUserPackage"; }

  // Fills Functions (CreateFunctions); NewPackage calls it.
  void AfterConstruction() { CreateFunctions(); }

  [[nodiscard]] TUserFunctionList& Functions() { return FFunctions; }
  [[nodiscard]] const TUserFunctionList& Functions() const { return FFunctions; }

  // Setting moves the package from the old engine to the new one; while
  // designing only the property changes.
  [[nodiscard]] IReasoner* Engine() const { return FEngine; }
  void SetEngine(IReasoner* engine);

  [[nodiscard]] bool Designing() const { return FDesigning; }
  void SetDesigning(bool designing) { FDesigning = designing; }

  [[nodiscard]] const TNotifyEvent& OnCreateFunctions() const { return FOnCreateFunctions; }
  void SetOnCreateFunctions(TNotifyEvent handler) { FOnCreateFunctions = std::move(handler); }

  // A write-only action: setting True empties Functions and creates them
  // again. Always reads False.
  [[nodiscard]] bool Reset() const { return false; }
  void SetReset(bool reset);

  // The stored "PackageFunctions" list: the functions that can stream
  // themselves, in list order.
  [[nodiscard]] std::vector<TPackageFunctionItem> PackageFunctions() const;
  // Loads the stored list: empties Functions, then makes each item's class
  // with `factory` and, when it can stream itself, gives it the item's data
  // and adds it. An unknown class raises "Unknown function class: %s".
  void SetPackageFunctions(const std::vector<TPackageFunctionItem>& items,
                           const TFunctionFactory& factory);

 protected:
  // Fires OnCreateFunctions; a built-in package then adds one instance of
  // each of its function classes.
  virtual void CreateFunctions();

  void ReasonerAdded(IReasoner* reasoner) override;
  void ReasonerRemoved(IReasoner* reasoner) override;
  void ReasonerDestroyed(IReasoner* reasoner) override;

 private:
  friend class TUserFunctionList;
  void FunctionAdded(const IUserFunction& function);
  void FunctionRemoved(const IUserFunction& function);

  TUserFunctionList FFunctions{*this};
  IReasoner* FEngine = nullptr;
  TNotifyEvent FOnCreateFunctions;
  bool FDesigning = false;
};

// Creates a package (of any class derived from TUserPackage) and fills its
// functions. The owner, when given, owns the package.
template <class T, class... Args>
T* NewPackage(Args&&... args) {
  T* package = new T(std::forward<Args>(args)...);
  try {
    package->AfterConstruction();
  } catch (...) {
    delete package;
    throw;
  }
  return package;
}

}  // namespace vettora
