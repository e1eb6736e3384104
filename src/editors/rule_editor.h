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
//
// The rule under edit is taken over only by Add Rule, Replace Rule or OK
// (CommitPending); each parses the text made from the controls first, so a
// rule that does not parse changes nothing -- not even the implied
// templates its patterns would have made.

#include <memory>
#include <string>

#include "editors/editor_window.h"
#include "editors/rule_parts.h"

class QDropEvent;
class QListWidget;
class QTreeWidgetItem;

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
  // parse. With MultiEdit off the edited rule becomes the one rule.
  bool AddRule();
  // Replaces the rule selected in the tree (adds when none is); a rule
  // that does not parse or compile leaves the selected one in place.
  bool ReplaceRule();
  // Removes the selected rule by name and empties the edit area.
  void DeleteRule();
  void ClearRules();
  void ExpandAll();
  void CollapseAll();
  void EditFactTemplates();
  void EditDefinedTypes();

  // ---- What a drop (or a double-click) adds; `row` -1 appends.
  // The pattern of the template (or of one of its slots) into the IF list.
  void InsertTemplate(const std::string& name, const std::string& slot = {}, int row = -1);
  // "(name )" into the IF or the THEN list. On the Free Form page both
  // add a last line to the text instead.
  void InsertFunction(const std::string& name, bool intoConditions, int row = -1);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpActions();
  void SetUpEditArea();
  void SetUpDragAndDrop();
  bool FilterDrop(QObject* watched, QDropEvent* event);
  void UpdateActions();

  // ---- The trees.
  void FillRuleTree();
  void FillTemplateTree();
  void RuleTreeChanged(QTreeWidgetItem* current);
  void SelectRule(const std::string& name);
  void InsertTemplateItem(const QTreeWidgetItem* item, int row);

  // ---- The edit area.
  void LoadRule(const std::string& name);
  void ShowParts(const TRuleParts& parts);
  [[nodiscard]] TRuleParts CurrentParts() const;
  [[nodiscard]] bool IsDirty() const;
  [[nodiscard]] bool FreeFormShown() const;
  void PageChanged(int index);
  void InsertLine(bool intoConditions, const QString& text, int row);
  [[nodiscard]] QListWidget* ActiveList() const;
  void AddLine();
  void ReplaceLine();
  void DeleteLine();
  void MoveLine(int by);

  // ---- Filing the rule under edit.
  // Parses the edited rule, refuses a name taken by another rule than
  // `replacing`, removes `replacing` and files the new rule; on any
  // failure the rule base is as it was.
  bool FileEdited(const std::string& replacing);
  [[nodiscard]] std::unique_ptr<TRule> ParseEdited();
  void ShowParseError(const std::exception& error, const TRuleTextLayout& layout);
  bool FileRule(std::unique_ptr<TRule> rule);
  void RestoreRule(const std::string& text);
  void Filed(const std::string& name, const char* message);

  std::unique_ptr<Ui::TRuleEditor> FUi;
  bool FMultiEdit = true;
  bool FEnableFactTemplateEditor = true;
  bool FEnableTypeEditor = true;
  std::string FSingleRuleName;
  // The rule the edit area was loaded from (the tree's selection); empty
  // for a new rule.
  std::string FSelectedRule;
  // The text of the edit area as loaded: any other text is a pending edit.
  std::string FLoadedText;
  // The salience expression, enabled and one-shot flags of the loaded
  // rule, which have no controls of their own and are written back as
  // they were.
  TRuleParts FKept;
  QListWidget* FActiveList = nullptr;
  bool FLoading = false;  // controls are being filled: no change handlers
};

}  // namespace vettora
