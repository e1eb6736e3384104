// TRuleEditor: the window, its actions, the two trees and the filing of
// the rule under edit. The edit area itself is in rule_editor_lines.cpp.
#include "editors/rule_editor.h"

#include <QAction>
#include <QMenu>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QTreeWidget>
#include <set>
#include <vector>

#include "editors/defined_types_dialog.h"
#include "editors/fact_templates_dialog.h"
#include "editors/function_list.h"
#include "editors/messages.h"
#include "engine/construct_factory.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "matching/rule.h"
#include "reader/parse_exception.h"
#include "ui_rule_editor.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr int kRuleRole = Qt::UserRole;          // a rule item's rule name
constexpr int kTemplateRole = Qt::UserRole + 1;  // a template item's name
constexpr int kSlotRole = Qt::UserRole + 2;      // a slot item's slot name

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Removes the templates made while it lives -- the implied templates that
// the patterns of a rule being parsed name -- unless Keep is called, so a
// rule that is not filed leaves nothing behind.
class TTemplateRollback {
 public:
  explicit TTemplateRollback(TInferenceEngine& engine) : FEngine(engine) {
    for (const auto& entry : engine.FactTemplates().Table()) FBefore.insert(entry.Key);
  }
  TTemplateRollback(const TTemplateRollback&) = delete;
  TTemplateRollback& operator=(const TTemplateRollback&) = delete;
  ~TTemplateRollback() {
    if (FKept) return;
    std::vector<std::string> made;
    for (const auto& entry : FEngine.FactTemplates().Table())
      if (!FBefore.count(entry.Key)) made.push_back(entry.Key);
    for (const std::string& name : made) {
      try {
        (void)FEngine.FactTemplates().Remove(name);
      } catch (...) {  // a destructor must not throw; the template merely stays
      }
    }
  }
  void Keep() { FKept = true; }

 private:
  TInferenceEngine& FEngine;
  std::set<std::string> FBefore;
  bool FKept = false;
};

void AddTreeChildren(QTreeWidgetItem* item, const TTreeNode& node) {
  for (const TTreeNode& child : node.Children)
    AddTreeChildren(new QTreeWidgetItem(item, {Q(child.Text)}), child);
}

// A rule node reads "name" or "name  \"comment\"", and rule names hold no
// blanks.
std::string RuleNameOfNode(const std::string& text) { return text.substr(0, text.find(' ')); }

}  // namespace

TRuleEditor::TRuleEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekRules, "Rule Editor", parent),
      FUi(std::make_unique<Ui::TRuleEditor>()) {
  FUi->setupUi(Content());
  FUi->MainSplitter->setStretchFactor(0, 2);
  FUi->MainSplitter->setStretchFactor(1, 3);
  FUi->LeftSplitter->setStretchFactor(0, 3);
  FUi->LeftSplitter->setStretchFactor(1, 2);
  SetUpActions();
  SetUpEditArea();
  SetUpDragAndDrop();
  connect(FUi->RuleTree, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { RuleTreeChanged(current); });
  ShowParts({});
  UpdateActions();
}

TRuleEditor::~TRuleEditor() = default;

void TRuleEditor::SetUpActions() {
  QMenu* menu = AddMenu("&Rule");
  ToolBar()->addSeparator();
  auto bind = [this, menu](QAction* action, auto run) {
    menu->addAction(action);
    ToolBar()->addAction(action);
    addAction(action);  // the shortcut works without the menu open
    connect(action, &QAction::triggered, this, run);
    connect(action, &QAction::hovered, this, [this, action] { ShowStatus(action->statusTip()); });
  };
  auto separate = [this, menu] {
    menu->addSeparator();
    ToolBar()->addSeparator();
  };
  bind(FUi->actNewRule, [this] { NewRule(); });
  bind(FUi->actAddRule, [this] { (void)AddRule(); });
  bind(FUi->actReplaceRule, [this] { (void)ReplaceRule(); });
  bind(FUi->actDeleteRule, [this] { DeleteRule(); });
  bind(FUi->actClearRules, [this] { ClearRules(); });
  separate();
  bind(FUi->actExpandAll, [this] { ExpandAll(); });
  bind(FUi->actCollapseAll, [this] { CollapseAll(); });
  separate();
  bind(FUi->actEditFactTemplates, [this] { EditFactTemplates(); });
  bind(FUi->actEditDefinedTypes, [this] { EditDefinedTypes(); });
}

// With MultiEdit off only the one rule is edited: it can be replaced or
// deleted, but no other rule can be made or cleared away.
void TRuleEditor::UpdateActions() {
  FUi->actNewRule->setEnabled(FMultiEdit);
  FUi->actAddRule->setEnabled(FMultiEdit);
  FUi->actClearRules->setEnabled(FMultiEdit);
  FUi->actDeleteRule->setEnabled(!FSelectedRule.empty());
  FUi->actEditFactTemplates->setEnabled(FEnableFactTemplateEditor);
  FUi->actEditDefinedTypes->setEnabled(FEnableTypeEditor);
}

void TRuleEditor::SetMultiEdit(bool value) {
  FMultiEdit = value;
  FillRuleTree();
  UpdateActions();
}

void TRuleEditor::SetEnableFactTemplateEditor(bool value) {
  FEnableFactTemplateEditor = value;
  UpdateActions();
}

void TRuleEditor::SetEnableTypeEditor(bool value) {
  FEnableTypeEditor = value;
  UpdateActions();
}

// The text comes from the target engine's printer, so an error here is the
// caller's (it reaches Execute).
void TRuleEditor::SetSingleRule(const std::string& text) {
  std::unique_ptr<TRule> rule(Engine().Parser().ParseRule(text));
  const std::string name = rule->RuleName();
  (void)Engine().Rules().Remove(name);
  if (!AddParsedRule(Engine(), rule.release())) return;
  FSingleRuleName = name;
  FSelectedRule = name;
  FillRuleTree();
  LoadRule(name);
  UpdateActions();
}

std::string TRuleEditor::EditedRuleText() const {
  TRule* rule = FSingleRuleName.empty() ? nullptr : Engine().FindRule(FSingleRuleName);
  return rule ? Engine().PrintRule(*rule) : std::string();
}

// Pending edits survive a refresh (after the template editor, say); an
// unchanged edit area follows the rule base.
void TRuleEditor::Refresh() {
  if (!FSelectedRule.empty() && !Engine().FindRule(FSelectedRule)) FSelectedRule.clear();
  if (!FSingleRuleName.empty() && !Engine().FindRule(FSingleRuleName)) FSingleRuleName.clear();
  FillRuleTree();
  FillTemplateTree();
  FUi->FunctionList->Load(Engine());
  if (!IsDirty()) LoadRule(FSelectedRule);
  UpdateActions();
}

bool TRuleEditor::CommitPending() {
  if (!IsDirty()) return true;
  return FSelectedRule.empty() ? AddRule() : ReplaceRule();
}

// ---- The trees ------------------------------------------------------------------

void TRuleEditor::FillRuleTree() {
  QScopedValueRollback<bool> loading(FLoading, true);
  FUi->RuleTree->clear();
  TTreeNode root;
  Engine().Rules().CopyToTree(root);
  for (const TTreeNode& node : root.Children) {
    const std::string name = RuleNameOfNode(node.Text);
    if (!FMultiEdit && name != FSingleRuleName) continue;
    auto* item = new QTreeWidgetItem(FUi->RuleTree, {Q(node.Text)});
    item->setData(0, kRuleRole, Q(name));
    AddTreeChildren(item, node);
    if (name == FSelectedRule) FUi->RuleTree->setCurrentItem(item);
  }
}

// A template node's first child is its comment (left out when empty), the
// others are its slots, each with its type and default lines.
void TRuleEditor::FillTemplateTree() {
  FUi->TemplateTree->clear();
  TTreeNode root;
  Engine().FactTemplates().CopyToTree(root);
  for (const TTreeNode& node : root.Children) {
    // The engine's own helper templates ("__NOT-OR-TEST-CE*") are no
    // template a rule is written on.
    if (node.Text.rfind("__", 0) == 0) continue;
    auto* item = new QTreeWidgetItem(FUi->TemplateTree, {Q(node.Text)});
    item->setData(0, kTemplateRole, Q(node.Text));
    for (size_t i = 0; i < node.Children.size(); ++i) {
      const TTreeNode& child = node.Children[i];
      if (i == 0 && child.Text.empty()) continue;
      auto* childItem = new QTreeWidgetItem(item, {Q(child.Text)});
      if (i > 0) childItem->setData(0, kSlotRole, Q(child.Text));
      AddTreeChildren(childItem, child);
    }
  }
}

// A line of a rule selects the rule; choosing a line of the rule already
// under edit keeps the edits.
void TRuleEditor::RuleTreeChanged(QTreeWidgetItem* current) {
  if (FLoading || !current) return;
  while (current->parent()) current = current->parent();
  const std::string name = current->data(0, kRuleRole).toString().toStdString();
  if (name == FSelectedRule) return;
  FSelectedRule = name;
  LoadRule(name);
  UpdateActions();
}

void TRuleEditor::SelectRule(const std::string& name) {
  FSelectedRule = name;
  {
    QScopedValueRollback<bool> loading(FLoading, true);
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < FUi->RuleTree->topLevelItemCount() && !found; ++i)
      if (FUi->RuleTree->topLevelItem(i)->data(0, kRuleRole).toString() == Q(name))
        found = FUi->RuleTree->topLevelItem(i);
    FUi->RuleTree->setCurrentItem(found);
  }
  LoadRule(name);
  UpdateActions();
}

void TRuleEditor::InsertTemplateItem(const QTreeWidgetItem* item, int row) {
  if (!item) return;
  std::string slot;
  for (; item->parent(); item = item->parent())
    if (item->data(0, kSlotRole).isValid())
      slot = item->data(0, kSlotRole).toString().toStdString();
  InsertTemplate(item->data(0, kTemplateRole).toString().toStdString(), slot, row);
}

void TRuleEditor::ExpandAll() { FUi->RuleTree->expandAll(); }
void TRuleEditor::CollapseAll() { FUi->RuleTree->collapseAll(); }

// ---- Actions --------------------------------------------------------------------

void TRuleEditor::NewRule() {
  SelectRule({});
  FUi->RuleName->setFocus();
}

// With MultiEdit off, adding takes the edited rule over as the one rule.
bool TRuleEditor::AddRule() { return FileEdited(FMultiEdit ? std::string() : FSingleRuleName); }

bool TRuleEditor::ReplaceRule() {
  if (FSelectedRule.empty()) return AddRule();
  return FileEdited(FSelectedRule);
}

void TRuleEditor::DeleteRule() {
  const std::string name = FSelectedRule;
  if (name.empty() || !Engine().Rules().Remove(name)) return;
  if (name == FSingleRuleName) FSingleRuleName.clear();
  FillRuleTree();
  SelectRule({});
  ShowStatus(Q(FormatMessage(kEditorRuleDeleted, {name})));
}

void TRuleEditor::ClearRules() {
  if (!FMultiEdit) return;
  Engine().Rules().Clear();
  FillRuleTree();
  SelectRule({});
  ShowStatus(kEditorRulesCleared);
}

void TRuleEditor::EditFactTemplates() {
  if (!FEnableFactTemplateEditor) return;
  TFactTemplatesDialog dialog;
  dialog.SetEngine(&Engine());
  dialog.SetPrompts(SharedPrompts());
  dialog.SetEnableTypeEditor(FEnableTypeEditor);
  dialog.SetParentWidget(this);
  try {
    if (dialog.Execute()) Refresh();
  } catch (const std::exception& error) {
    Refresh();  // what was copied back before the error stays
    ShowError(error);
  }
}

void TRuleEditor::EditDefinedTypes() {
  if (!FEnableTypeEditor) return;
  TDefinedTypesDialog dialog;
  dialog.SetEngine(&Engine());
  dialog.SetPrompts(SharedPrompts());
  dialog.SetParentWidget(this);
  try {
    if (dialog.Execute()) Refresh();
  } catch (const std::exception& error) {
    Refresh();
    ShowError(error);
  }
}

// ---- Filing the rule under edit -------------------------------------------------

bool TRuleEditor::FileEdited(const std::string& replacing) {
  TTemplateRollback rollback(Engine());
  std::unique_ptr<TRule> rule = ParseEdited();
  if (!rule) return false;
  const std::string name = rule->RuleName();
  if (name != replacing && Engine().FindRule(name)) {
    rule.reset();
    QString text = Q(FormatMessage(kEditorDuplicateRule, {name}));
    ShowStatus(text);
    Prompts().ShowMessage(this, text);
    return false;
  }
  TRule* old = replacing.empty() ? nullptr : Engine().FindRule(replacing);
  const bool replaced = old != nullptr;
  const std::string oldText = replaced ? Engine().PrintRule(*old) : std::string();
  if (replaced) (void)Engine().Rules().Remove(replacing);  // frees `old`
  if (!FileRule(std::move(rule))) {
    RestoreRule(oldText);
    return false;
  }
  rollback.Keep();
  Filed(name, replaced ? kEditorRuleReplaced : kEditorRuleAdded);
  return true;
}

std::unique_ptr<TRule> TRuleEditor::ParseEdited() {
  const TRuleParts parts = CurrentParts();
  if (parts.Name.empty()) {
    ShowStatus(Q(FormatMessage(kEditorNameMissing, {"rule"})));
    FUi->RuleName->setFocus();
    return nullptr;
  }
  TRuleTextLayout layout;
  const std::string text = BuildRuleText(parts, &layout);
  try {
    return std::unique_ptr<TRule>(Engine().Parser().ParseRule(text));
  } catch (const std::exception& error) {
    ShowParseError(error, layout);
    return nullptr;
  }
}

// An error in a side is shown on the Free Form page, the cursor on its line;
// one in the name, comment or declare line only in the status bar.
void TRuleEditor::ShowParseError(const std::exception& error, const TRuleTextLayout& layout) {
  const auto* parse = dynamic_cast<const EIEParseException*>(&error);
  const int line = parse ? parse->LineNumber() : 0;
  if (line < layout.ConditionsLine) {
    ShowError(error);
    if (line > 0) FUi->RuleName->setFocus();
    return;
  }
  FUi->RulePages->setCurrentWidget(FUi->FreeFormPage);  // carries the lists over
  if (line >= layout.ActionsLine)
    ShowError(error, FUi->ActionsEdit, layout.ActionsLine);
  else
    ShowError(error, FUi->ConditionsEdit, layout.ConditionsLine);
}

// A rule that parses can still fail to compile (a type check, say).
bool TRuleEditor::FileRule(std::unique_ptr<TRule> rule) {
  const std::string name = rule->RuleName();
  try {
    if (AddParsedRule(Engine(), rule.release())) return true;
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
  ShowStatus(Q(FormatMessage(kEditorDuplicateRule, {name})));
  return false;
}

// Files again the rule a failed replacement took out. Its text was printed
// from a filed rule a moment ago, so it reads back; should it not, the
// error already shown is the one that matters.
void TRuleEditor::RestoreRule(const std::string& text) {
  if (text.empty()) return;
  try {
    (void)AddParsedRule(Engine(), Engine().Parser().ParseRule(text));
  } catch (const std::exception&) {
  }
}

void TRuleEditor::Filed(const std::string& name, const char* message) {
  if (!FMultiEdit) FSingleRuleName = name;
  FillRuleTree();
  FillTemplateTree();
  SelectRule(name);  // shows the rule as the engine prints it
  ShowStatus(Q(FormatMessage(message, {name})));
}

}  // namespace vettora
