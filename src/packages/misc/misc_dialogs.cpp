// input-box, input-query, message-dlg and show-message.
#include "packages/misc/misc_dialogs.h"

#include <string>

#include "functions/engine_services.h"
#include "packages/misc/messages.h"
#include "packages/misc/trim.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kInputArguments = " [<caption-string> [<prompt-string> [<default-string>]]]";

constexpr const char* kTypeNames[] = {"mtWarning", "mtError", "mtInformation", "mtConfirmation",
                                      "mtCustom"};
constexpr const char* kButtonNames[] = {"mbYes",     "mbNo",       "mbOK",     "mbCancel",
                                        "mbAbort",   "mbRetry",    "mbIgnore", "mbAll",
                                        "mbNoToAll", "mbYesToAll", "mbHelp"};
constexpr const char* kResultNames[] = {"mrNone",  "mrOk",      "mrCancel",   "mrAbort",
                                        "mrRetry", "mrIgnore",  "mrYes",      "mrNo",
                                        "mrAll",   "mrNoToAll", "mrYesToAll", "mrHelp"};

}  // namespace

TMsgDlgType MessageDialogType(const std::string& name) {
  std::string wanted = Trimmed(name);
  for (size_t i = 0; i < std::size(kTypeNames); ++i)
    if (wanted == kTypeNames[i]) return TMsgDlgType(i);
  throw EIEException(FormatMessage(kUnknownDialogType, {name}));
}

TMsgDlgButtons MessageDialogButtons(const std::string& text) {
  std::string list = Trimmed(text);
  if (!list.empty() && list.front() == '[') list.erase(0, 1);
  if (!list.empty() && list.back() == ']') list.pop_back();
  TMsgDlgButtons buttons;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string name = Trimmed(list.substr(start, comma - start));
    start = comma + 1;
    if (name.empty()) continue;
    size_t i = 0;
    while (i < std::size(kButtonNames) && name != kButtonNames[i]) ++i;
    if (i == std::size(kButtonNames))
      throw EIEException(FormatMessage(kUnknownDialogButton, {name}));
    buttons.Include(TMsgDlgBtn(i));
  }
  return buttons;
}

std::string ModalResultName(TModalResult result) {
  return size_t(result) < std::size(kResultNames) ? kResultNames[result] : kResultNames[mrNone];
}

// ---- input-box, input-query --------------------------------------------------------------

TInputDialogFunction::TInputDialogFunction(TInputDialogFunctionType type)
    : TMiscFunction(type == idfInputBox ? "input-box" : "input-query",
                    type == idfInputBox
                        ? "Asks the user for a text; returns it, or the default when cancelled"
                        : "Asks the user for a text; returns it, or FALSE when cancelled",
                    kInputArguments, 0, 3),
      FType(type) {}

IIEValue TInputDialogFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string texts[3];
  for (int32_t i = 0; i < call.ArgumentCount() && i < 3; ++i)
    texts[i] = Arg(call, i, context)->AsString();
  std::string value = texts[2];
  if (engine.UserDialogs().InputQuery(texts[0], texts[1], value)) return MakeString(value);
  return FType == idfInputBox ? MakeString(texts[2]) : FalseValue();
}

// ---- message-dlg, show-message ------------------------------------------------------------

TMessageDlgFunction::TMessageDlgFunction()
    : TMiscFunction("message-dlg",
                    "Shows a message box of the given type and buttons; returns the button "
                    "pressed as mrOk, mrCancel, mrYes, mrNo ...",
                    " <string-expression> mtWarning|mtError|mtInformation|mtConfirmation|mtCustom "
                    "<string-set-expression> [<integer-expression>]",
                    2, 4) {}

IIEValue TMessageDlgFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string text = Arg(call, 0, context)->AsString();
  TMsgDlgType type = MessageDialogType(Arg(call, 1, context)->AsString());
  TMsgDlgButtons buttons;
  if (call.ArgumentCount() > 2) buttons = MessageDialogButtons(Arg(call, 2, context)->AsString());
  int32_t help = call.ArgumentCount() > 3 ? Arg(call, 3, context)->AsInteger() : 0;
  return MakeAtom(ModalResultName(engine.UserDialogs().MessageDlg(text, type, buttons, help)));
}

TShowMessageFunction::TShowMessageFunction()
    : TMiscFunction("show-message", "Shows the text in a message box with an OK button",
                    " <string-expression> ", 1, 1) {}

IIEValue TShowMessageFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  engine.UserDialogs().ShowMessage(Arg(call, 0, context)->AsString());
  return TrueValue();
}

}  // namespace vettora
