#pragma once
// Puts a window's own action (from its .ui form) into one of its menus:
// the window takes the action too, so that its shortcut works while the
// menu is closed, and hovering it in the menu or the tool bar shows its
// status tip in the window's status bar (a dialog has no main window that
// would show it).

#include <QAction>
#include <QMenu>

#include "editors/editor_window.h"

namespace vettora {

inline void AddWindowAction(TEditorWindow& window, QMenu& menu, QAction* action) {
  menu.addAction(action);
  window.addAction(action);
  QObject::connect(action, &QAction::hovered, &window,
                   [&window, action] { window.ShowStatus(action->statusTip()); });
}

}  // namespace vettora
