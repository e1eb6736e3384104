#pragma once
// Action availability with a reason: an action that cannot be used says
// why in its hint -- the status bar text and the tool tip -- instead of
// just turning grey, e.g. "Cut the selection to the clipboard
// (unavailable: select some text first)".

class QAction;
class QString;

namespace vettora {

// Enables or disables the action. Disabled, its hints are its own hint
// followed by `reason`; enabled, its own hint again. The action's own hint
// is its status tip when this is first called.
void SetActionAvailable(QAction& action, bool available, const QString& reason);

// The action's own hint, without a reason.
[[nodiscard]] QString ActionHint(const QAction& action);

}  // namespace vettora
