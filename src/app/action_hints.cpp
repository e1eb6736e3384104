// SetActionAvailable: the action's own hint is kept in a property of the
// action, so that reasons never pile up.
#include "app/action_hints.h"

#include <QAction>
#include <QString>
#include <QVariant>

#include "app/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kOwnHint = "vettoraOwnHint";

}  // namespace

QString ActionHint(const QAction& action) {
  QVariant own = action.property(kOwnHint);
  return own.isValid() ? own.toString() : action.statusTip();
}

void SetActionAvailable(QAction& action, bool available, const QString& reason) {
  QString own = ActionHint(action);
  action.setProperty(kOwnHint, own);
  action.setEnabled(available);
  if (available) {
    action.setStatusTip(own);
    action.setToolTip(QString());  // back to the caption, as Qt makes it
    return;
  }
  QString hint = QString::fromStdString(
      FormatMessage(kHintUnavailable, {own.toStdString(), reason.toStdString()}));
  action.setStatusTip(hint);
  action.setToolTip(hint);
}

}  // namespace vettora
