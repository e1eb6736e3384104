#pragma once
// TRuleEditor: the "Rule Editor" window. The rule base of its working copy
// as a tree (Expand All, Collapse All); a page control with the fact
// templates tree and the searchable function list with the selected
// function's argument and help texts; the rule under edit -- name,
// comment, salience, the variable-assignment check box, and either the IF
// and THEN line lists with an edit line (page "Editor") or two free-form
// texts (page "Free Form"); templates and functions dragged into the lists.
// Actions: New Rule (Ctrl+N), Add Rule (Ctrl+A), Replace Rule (Ctrl+R),
// Delete (Ctrl+D), Clear Rules, Expand All, Collapse All, Edit Fact
// Templates..., Edit Defined Types...

#include <memory>
#include <string>

#include "editors/editor_window.h"

namespace Ui {
class TRuleEditor;
}

namespace vettora {

class TRule;

class TRuleEditor : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TRuleEditor(QWidget* parent = nullptr);
  ~TRuleEditor() override;

  [[nodiscard]] bool MultiEdit() const { return FMultiEdit; }
  void SetMultiEdit(bool value);
  void SetEnableFactTemplateEditor(bool value);
  void SetEnableTypeEditor(bool value);
  // With MultiEdit off: the one rule shown, given as its text and kept in
  // the working copy in place of any rule of that name.
  void SetSingleRule(const std::string& text);
  // The text of the rule under edit in single mode, after CommitPending;
  // empty when it was deleted.
  [[nodiscard]] std::string EditedRuleText() const;

  void Refresh() override;
  bool CommitPending() override;

  // ---- Actions (also callable without the menus).
  void NewRule();
  // "Duplicate Rules defined with same name" (status bar, message) when the
  // name is taken; false, with the error shown, when the rule does not
  // parse.
  bool AddRule();
  bool ReplaceRule();
  void DeleteRule();
  void ClearRules();
  void ExpandAll();
  void CollapseAll();
  void EditFactTemplates();
  void EditDefinedTypes();

 private:
  std::unique_ptr<Ui::TRuleEditor> FUi;
  bool FMultiEdit = true;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
  std::string FSingleRuleName;
};

}  // namespace vettora
