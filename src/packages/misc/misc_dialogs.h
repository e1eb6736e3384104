#pragma once
// The dialog functions: input-box, input-query, message-dlg and
// show-message. They ask the engine's current TUserDialogs, so the same
// rule program prompts on a console, in a desktop window or from a test's
// script.

#include <cstdint>
#include <string>

#include "engine/user_dialogs.h"
#include "packages/misc/misc_function.h"

namespace vettora {

enum TInputDialogFunctionType : uint8_t { idfInputBox, idfInputQuery };

// input-box answers the default text when cancelled, input-query FALSE.
VETTORA_MISC_TYPED_FUNCTION(TInputDialogFunction, TInputDialogFunctionType);
VETTORA_MISC_FUNCTION(TMessageDlgFunction);
VETTORA_MISC_FUNCTION(TShowMessageFunction);

// The message type of its name ("mtWarning" ...); raises for another text.
[[nodiscard]] TMsgDlgType MessageDialogType(const std::string& name);
// The buttons of a set text such as "[mbYes, mbNo]" (the brackets are
// optional, blanks ignored); raises for an unknown button name.
[[nodiscard]] TMsgDlgButtons MessageDialogButtons(const std::string& text);
// "mrOk", "mrCancel" ...
[[nodiscard]] std::string ModalResultName(TModalResult result);

}  // namespace vettora
