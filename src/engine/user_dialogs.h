#pragma once
// TUserDialogs: the few modal dialogs the rule language can put in front of
// the person using the program (input-box, input-query, message-dlg,
// show-message). The engine holds a pointer to the current implementation
// (TInferenceEngine::SetUserDialogs) and never owns it: the host keeps it
// alive as long as the engine uses it. The console answers on the terminal,
// tests script the answers, and a desktop host shows real dialogs. Without
// one set, the engine uses TNoUserDialogs, which answers as if every dialog
// were cancelled, so a headless engine never blocks.
//
// The interface is deliberately free of any GUI toolkit: message types,
// buttons and results are small enumerations of our own.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace vettora {

// The kind of a message box: decides its icon and title.
enum TMsgDlgType : uint8_t {
  mtWarning,
  mtError,
  mtInformation,
  mtConfirmation,
  mtCustom,
};

// One button of a message box.
enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
};

// The answer of a message box: the button pressed (mrNone when the box
// was closed some other way).
enum TModalResult : uint8_t {
  mrNone,
  mrOk,
  mrCancel,
  mrAbort,
  mrRetry,
  mrIgnore,
  mrYes,
  mrNo,
  mrAll,
  mrNoToAll,
  mrYesToAll,
  mrHelp,
};

// A set of message-box buttons, in the enumeration's order.
class TMsgDlgButtons {
 public:
  constexpr TMsgDlgButtons() = default;
  constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    for (TMsgDlgBtn b : buttons) FBits |= Bit(b);
  }
  [[nodiscard]] constexpr bool Contains(TMsgDlgBtn b) const { return (FBits & Bit(b)) != 0; }
  constexpr TMsgDlgButtons& Include(TMsgDlgBtn b) {
    FBits |= Bit(b);
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TMsgDlgButtons&) const = default;

 private:
  static constexpr uint16_t Bit(TMsgDlgBtn b) { return uint16_t(1u << unsigned(b)); }
  uint16_t FBits = 0;
};

// The result a button gives when pressed.
[[nodiscard]] constexpr TModalResult ButtonResult(TMsgDlgBtn button) {
  constexpr TModalResult kResults[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                       mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrHelp};
  return kResults[button];
}

class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;

  // Asks for one line of text, showing `value` as the proposed answer.
  // True with `value` set to the entered text when the user accepts; false
  // with `value` unchanged when the user cancels.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                          std::string& value) = 0;
  // Shows `text` with the buttons given (an empty set means OK alone) and
  // answers the button pressed. `helpContext` is a host help topic, 0 for
  // none.
  virtual TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                                  int32_t helpContext) = 0;
  // Shows `text` with an OK button and waits until it is dismissed.
  virtual void ShowMessage(const std::string& text) = 0;
};

// The engine's own implementation for a program without a user: every
// query is cancelled, every message box answers mrCancel, messages vanish.
class TNoUserDialogs final : public TUserDialogs {
 public:
  bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
  TModalResult MessageDlg(const std::string&, TMsgDlgType, TMsgDlgButtons, int32_t) override {
    return mrCancel;
  }
  void ShowMessage(const std::string&) override {}
};

}  // namespace vettora
