// TQtHostRuntime: widgets and actions through Qt's meta-object system; the
// form's own components through the engine's headless runtime.
#include "app/qt_host_runtime.h"

#include <QAction>
#include <cctype>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// The classes FindClass knows before any object of them was seen.
const QMetaObject* const kKnownClasses[] = {
    &QObject::staticMetaObject,   &QWidget::staticMetaObject,
    &QAction::staticMetaObject,   &QLineEdit::staticMetaObject,
    &QLabel::staticMetaObject,    &QPushButton::staticMetaObject,
    &QSpinBox::staticMetaObject,  &QComboBox::staticMetaObject,
    &QGroupBox::staticMetaObject, &QRadioButton::staticMetaObject,
    &QCheckBox::staticMetaObject, &QPlainTextEdit::staticMetaObject,
};

[[noreturn]] void Fail(const char* message, std::initializer_list<TFormatArg> args) {
  throw EIEException(FormatMessage(message, args));
}

std::string PublishedName(const char* qtName) {
  std::string name(qtName);
  if (!name.empty()) name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

bool SameName(const char* qtName, const std::string& name) {
  return QString::compare(qtName, QString::fromStdString(name), Qt::CaseInsensitive) == 0;
}

// The property's kind; false for a type the rule language cannot hold.
bool KindOf(const QMetaProperty& p, THostPropertyKind& kind) {
  if (p.isEnumType()) {
    kind = p.isFlagType() ? hpkSet : hpkEnumeration;
    return true;
  }
  QMetaType type = p.metaType();
  if (type.flags() & QMetaType::PointerToQObject) {
    kind = hpkObject;
    return true;
  }
  switch (type.id()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::LongLong: case QMetaType::ULongLong: kind = hpkInteger; return true;
    case QMetaType::Double: case QMetaType::Float: kind = hpkFloat; return true;
    case QMetaType::Bool: kind = hpkBoolean; return true;
    case QMetaType::QString: kind = hpkString; return true;
    default: return false;
  }
}

std::vector<std::string> Members(const QMetaProperty& p) {
  std::vector<std::string> members;
  if (!p.isEnumType()) return members;
  QMetaEnum e = p.enumerator();
  for (int i = 0; i < e.keyCount(); ++i) members.emplace_back(e.key(i));
  return members;
}

// The readable property of that name (any case) with a kind, or none.
bool FindProperty(const QObject& object, const std::string& name, QMetaProperty& property,
                  THostPropertyKind& kind) {
  const QMetaObject* meta = object.metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    QMetaProperty p = meta->property(i);
    if (p.isReadable() && SameName(p.name(), name) && KindOf(p, kind)) {
      property = p;
      return true;
    }
  }
  return false;
}

}  // namespace

TQtObjectProxy::TQtObjectProxy(QObject& object) : FObject(&object) {
  SetName(object.objectName().toStdString());
}

std::string TQtObjectProxy::ClassName() const {
  return FObject ? FObject->metaObject()->className() : "QObject";
}

TQtHostRuntime::TQtHostRuntime(QWidget& window, TInferenceEngine& engine,
                               std::vector<TComponent*> form)
    : FWindow(&window),
      FHeadless(NewHeadlessRuntime(engine)),
      FForm(std::move(form)),
      FGuard(std::make_unique<QObject>()) {}

// The guard goes first, cutting the connections to the objects' destroyed
// signal (and only those); then the proxies go, telling whoever holds them.
TQtHostRuntime::~TQtHostRuntime() {
  FGuard.reset();
  FProxies.clear();
}

TQtObjectProxy& TQtHostRuntime::ProxyOf(QObject& object) {
  auto it = FProxies.find(&object);
  if (it != FProxies.end()) return *it->second;
  auto& proxy = FProxies[&object];
  proxy = std::make_unique<TQtObjectProxy>(object);
  QObject::connect(&object, &QObject::destroyed, FGuard.get(),
                   [this, key = &object] { FProxies.erase(key); });
  return *proxy;
}

QObject* TQtHostRuntime::QtObject(TObject& object) {
  auto* proxy = dynamic_cast<TQtObjectProxy*>(&object);
  return proxy ? proxy->Object() : nullptr;
}

const THostClass& TQtHostRuntime::ClassOfMeta(const QMetaObject& meta) const {
  auto it = FClasses.find(&meta);
  if (it != FClasses.end()) return *it->second;
  const THostClass* parent = meta.superClass() ? &ClassOfMeta(*meta.superClass()) : nullptr;
  auto& cls = FClasses[&meta];
  cls = std::make_unique<THostClass>(meta.className(), parent);
  return *cls;
}

const THostClass* TQtHostRuntime::FindClass(const std::string& name) const {
  for (const auto& [meta, cls] : FClasses)
    if (cls->ClassName() == name) return cls.get();
  for (const QMetaObject* meta : kKnownClasses)
    if (name == meta->className()) return &ClassOfMeta(*meta);
  return FHeadless->FindClass(name);
}

const THostClass* TQtHostRuntime::ClassOf(const TObject& object) const {
  if (const auto* proxy = dynamic_cast<const TQtObjectProxy*>(&object))
    return proxy->Object() ? &ClassOfMeta(*proxy->Object()->metaObject()) : nullptr;
  return FHeadless->ClassOf(object);
}

// Widgets belong to the window's layout; rules may use them, not make them.
TObject* TQtHostRuntime::CreateObject(const THostClass& cls) {
  for (const auto& [meta, own] : FClasses)
    if (own.get() == &cls) Fail(kHostCannotCreate, {cls.ClassName()});
  return FHeadless->CreateObject(cls);
}

TComponent* TQtHostRuntime::CreateComponent(const THostClass& cls, TComponent& owner,
                                            TComponent* parent) {
  for (const auto& [meta, own] : FClasses)
    if (own.get() == &cls) Fail(kHostCannotCreate, {cls.ClassName()});
  return FHeadless->CreateComponent(cls, owner, parent);
}

void TQtHostRuntime::FreeObject(TObject& object) {
  if (dynamic_cast<TQtObjectProxy*>(&object)) Fail(kHostCannotFree, {object.ClassName()});
  FHeadless->FreeObject(object);
}

TComponent& TQtHostRuntime::Root() {
  if (!FWindow) return FHeadless->Root();
  return ProxyOf(*FWindow);
}

// The window owns every named widget and action, then the form's
// components; a widget owns its named children.
std::vector<TComponent*> TQtHostRuntime::Components(TComponent& owner) {
  QObject* object = QtObject(owner);
  if (!object) return FHeadless->Components(owner);
  bool root = object == FWindow.data();
  std::vector<TComponent*> list;
  Qt::FindChildOptions depth = root ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
  for (QObject* child : object->findChildren<QObject*>(QString(), depth))
    if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
      list.push_back(&ProxyOf(*child));
  if (root) list.insert(list.end(), FForm.begin(), FForm.end());
  return list;
}

TComponent* TQtHostRuntime::FindComponent(TComponent& owner, const std::string& name) {
  QObject* object = QtObject(owner);
  if (!object) return FHeadless->FindComponent(owner, name);
  if (object == FWindow.data())
    for (TComponent* component : FForm)
      if (component->Name() == name) return component;
  QObject* child = object->findChild<QObject*>(QString::fromStdString(name));
  return child ? &ProxyOf(*child) : nullptr;
}

std::vector<THostProperty> TQtHostRuntime::Properties(TObject& object) {
  QObject* qt = QtObject(object);
  if (!qt) return FHeadless->Properties(object);
  std::vector<THostProperty> list;
  const QMetaObject* meta = qt->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    QMetaProperty p = meta->property(i);
    THostPropertyKind kind;
    if (!p.isReadable() || !KindOf(p, kind)) continue;
    list.push_back({PublishedName(p.name()), kind, Members(p), !p.isWritable()});
  }
  return list;
}

bool TQtHostRuntime::GetProperty(TObject& object, const std::string& name, THostValue& value) {
  QObject* qt = QtObject(object);
  if (!qt) return FHeadless->GetProperty(object, name, value);
  QMetaProperty p;
  if (!FindProperty(*qt, name, p, value.Kind)) return false;
  QVariant v = p.read(qt);
  switch (value.Kind) {
    case hpkInteger: value.Integer = v.toInt(); break;
    case hpkFloat: value.Float = v.toDouble(); break;
    case hpkBoolean: value.Boolean = v.toBool(); break;
    case hpkString: value.Text = v.toString().toStdString(); break;
    case hpkEnumeration: value.Text = p.enumerator().valueToKey(v.toInt()); break;
    case hpkSet:
      value.Text = "[" + p.enumerator().valueToKeys(v.toInt()).replace('|', ',').toStdString() + "]";
      break;
    case hpkObject: {
      QObject* target = v.value<QObject*>();
      value.Object = target ? &ProxyOf(*target) : nullptr;
      break;
    }
  }
  return true;
}

bool TQtHostRuntime::SetProperty(TObject& object, const std::string& name,
                                 const THostValue& value) {
  QObject* qt = QtObject(object);
  if (!qt) return FHeadless->SetProperty(object, name, value);
  QMetaProperty p;
  THostPropertyKind kind;
  if (!FindProperty(*qt, name, p, kind)) return false;
  if (!p.isWritable()) Fail(kHostReadOnlyProperty, {name});
  QVariant v;
  switch (kind) {
    case hpkInteger: v = value.Integer; break;
    case hpkFloat: v = value.Float; break;
    case hpkBoolean: v = value.Boolean; break;
    case hpkString: v = QString::fromStdString(value.Text); break;
    case hpkEnumeration:
    case hpkSet: {
      QByteArray keys = QByteArray::fromStdString(value.Text);
      if (kind == hpkSet) keys = keys.replace('[', "").replace(']', "").replace(',', '|').replace(' ', "");
      bool ok = false;
      int number = kind == hpkSet ? p.enumerator().keysToValue(keys.constData(), &ok)
                                  : p.enumerator().keyToValue(keys.constData(), &ok);
      if (!ok && !(kind == hpkSet && keys.isEmpty())) Fail(kHostBadMember, {value.Text, name});
      v = ok ? number : 0;
      break;
    }
    case hpkObject: v = QVariant::fromValue(value.Object ? QtObject(*value.Object) : nullptr); break;
  }
  if (!p.write(qt, v)) Fail(kHostBadMember, {value.Text, name});
  return true;
}

bool TQtHostRuntime::ExecuteAction(TObject& action) {
  QObject* qt = QtObject(action);
  if (!qt) return FHeadless->ExecuteAction(action);
  auto* qAction = qobject_cast<QAction*>(qt);
  if (!qAction) Fail(kHostNotAnAction, {std::string(qt->metaObject()->className())});
  qAction->trigger();
  return true;
}

}  // namespace vettora
