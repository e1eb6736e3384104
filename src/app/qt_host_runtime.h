#pragma once
// TQtHostRuntime: the host object model the object package sees inside the
// assessment window -- the window's named widgets and actions through Qt's
// meta-object system, next to the form's own components (the engine, the
// rule components and the fact set), which the engine's headless runtime
// answers for.
//
// Each Qt object crosses the interface as a TQtObjectProxy, a component
// that follows its object: when the object is destroyed the proxy is freed
// too, so the engine's references see a freed component, never a dangling
// one. Published properties are the object's Qt properties under their
// names with the first letter in upper case ("Text" for `text`), matched
// without regard to case.

#include <QObject>
#include <QPointer>
#include <memory>
#include <unordered_map>
#include <vector>

#include "engine/host_runtime.h"

class QWidget;
struct QMetaObject;

namespace vettora {

// A component standing for one Qt object; named after it.
class TQtObjectProxy : public TComponent {
 public:
  explicit TQtObjectProxy(QObject& object);
  [[nodiscard]] std::string ClassName() const override;
  // Null once the object is gone.
  [[nodiscard]] QObject* Object() const { return FObject.data(); }

 private:
  QPointer<QObject> FObject;
};

class TQtHostRuntime : public THostRuntime {
 public:
  // `form` lists the window's non-visual components (engine, rules, fact
  // set), reachable by name like the widgets.
  TQtHostRuntime(QWidget& window, TInferenceEngine& engine, std::vector<TComponent*> form);
  ~TQtHostRuntime() override;

  [[nodiscard]] const THostClass* FindClass(const std::string& name) const override;
  [[nodiscard]] const THostClass* ClassOf(const TObject& object) const override;
  [[nodiscard]] TObject* CreateObject(const THostClass& cls) override;
  [[nodiscard]] TComponent* CreateComponent(const THostClass& cls, TComponent& owner,
                                            TComponent* parent) override;
  void FreeObject(TObject& object) override;
  [[nodiscard]] TComponent& Root() override;
  [[nodiscard]] std::vector<TComponent*> Components(TComponent& owner) override;
  [[nodiscard]] TComponent* FindComponent(TComponent& owner, const std::string& name) override;
  [[nodiscard]] std::vector<THostProperty> Properties(TObject& object) override;
  bool GetProperty(TObject& object, const std::string& name, THostValue& value) override;
  bool SetProperty(TObject& object, const std::string& name, const THostValue& value) override;
  bool ExecuteAction(TObject& action) override;

  // The proxy of a Qt object, made on first use.
  [[nodiscard]] TQtObjectProxy& ProxyOf(QObject& object);

 private:
  [[nodiscard]] const THostClass& ClassOfMeta(const QMetaObject& meta) const;
  [[nodiscard]] static QObject* QtObject(TObject& object);

  QPointer<QWidget> FWindow;
  std::unique_ptr<THostRuntime> FHeadless;
  std::vector<TComponent*> FForm;
  // The context of the destroyed-signal connections, so that they end
  // with the runtime.
  std::unique_ptr<QObject> FGuard;
  std::unordered_map<QObject*, std::unique_ptr<TQtObjectProxy>> FProxies;
  mutable std::unordered_map<const QMetaObject*, std::unique_ptr<THostClass>> FClasses;
};

}  // namespace vettora
