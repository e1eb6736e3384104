#pragma once
// TEditorDialog: the non-visual component behind each editor window. It
// carries the window's Caption and the prompts the window runs through
// (the real Qt dialogs unless a host or a test installs others); Execute
// of a derived dialog makes the window, shows it modally and, on OK,
// writes the working copy back into the target.

#include <QString>
#include <string>

#include "editors/editor_prompts.h"
#include "values/component.h"

class QWidget;

namespace vettora {

class TEditorWindow;

class TEditorDialog : public TComponent {
 public:
  explicit TEditorDialog(TComponent* owner = nullptr);

  // Becomes the editor window's title; empty keeps the window's own.
  [[nodiscard]] const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string caption) { FCaption = std::move(caption); }
  // The parent of the editor window (none by default).
  [[nodiscard]] QWidget* ParentWidget() const { return FParentWidget; }
  void SetParentWidget(QWidget* parent) { FParentWidget = parent; }
  [[nodiscard]] const TEditorPromptsRef& Prompts() const { return FPrompts; }
  void SetPrompts(TEditorPromptsRef prompts);

  // True when the user closed the editor with OK.
  virtual bool Execute() = 0;

 protected:
  // Gives the window the caption and prompts, then shows it modally.
  bool RunWindow(TEditorWindow& window);
  // Keeps `field` on `value`, asking to be told when it is destroyed.
  template <class T>
  void Track(T*& field, T* value) {
    if (field == value) return;
    if (field) field->RemoveFreeNotification(this);
    field = value;
    if (field) field->FreeNotification(this);
  }

 private:
  std::string FCaption;
  QWidget* FParentWidget = nullptr;
  TEditorPromptsRef FPrompts;
};

}  // namespace vettora
