#include "editors/type_editor_frame.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

#include "editors/fuzzy_terms_plot.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "fuzzy/ie_fuzzy_variable.h"
#include "knowledge/fact_slot.h"
#include "ui_type_editor_frame.h"

namespace vettora {

namespace {

constexpr const char* kNoAncestor = "(none)";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

TTypeEditorFrame::TTypeEditorFrame(QWidget* parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TTypeEditorFrame>()) {
  FUi->setupUi(this);
  FKindBoxes = {FUi->KindAtom,       FUi->KindString,
                FUi->KindInteger,    FUi->KindFactId,
                FUi->KindFloat,      FUi->KindFact,
                FUi->KindDescriptor, FUi->KindObject,
                FUi->KindClass,      FUi->KindExternalAddress,
                FUi->KindFuzzy};
  FUi->TermsTable->horizontalHeader()->setStretchLastSection(true);
  FUi->TermsTable->setColumnWidth(0, 90);
  FUi->TermsTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  ConnectEdits();
  Clear();
}

TTypeEditorFrame::~TTypeEditorFrame() = default;

void TTypeEditorFrame::ConnectEdits() {
  for (QLineEdit* edit : {FUi->TypeName, FUi->UnitsEdit, FUi->CommentEdit, FUi->CardinalityMinEdit,
                          FUi->CardinalityMaxEdit, FUi->AllowedValuesEdit})
    connect(edit, &QLineEdit::textEdited, this, &TTypeEditorFrame::Edited);
  for (QLineEdit* edit : {FUi->RangeMinEdit, FUi->RangeMaxEdit})
    connect(edit, &QLineEdit::textEdited, this, [this] {
      UpdatePlot();
      Edited();
    });
  for (int i = 0; i < kTypeWordKindCount; ++i)
    connect(FKindBoxes[size_t(i)], &QCheckBox::clicked, this,
            [this, i] { KindClicked(kTypeWordKinds[i]); });
  connect(FUi->AncestorCombo, &QComboBox::activated, this, &TTypeEditorFrame::AncestorChosen);
  connect(FUi->TermsTable, &QTableWidget::itemChanged, this, [this] {
    if (FLoading) return;
    UpdatePlot();
    Edited();
  });
  connect(FUi->AddTermButton, &QPushButton::clicked, this, &TTypeEditorFrame::AddTerm);
  connect(FUi->DeleteTermButton, &QPushButton::clicked, this, &TTypeEditorFrame::DeleteTerm);
}

void TTypeEditorFrame::Edited() {
  if (!FLoading) emit Changed();
}

void TTypeEditorFrame::SetEngine(TInferenceEngine* engine) {
  FEngine = engine;
  RefreshAncestors();
}

void TTypeEditorFrame::SetSlotMode(bool slotMode) {
  FSlotMode = slotMode;
  FUi->TypeLayout->setRowVisible(FUi->TypeName, !slotMode);
  FUi->TypeLayout->setRowVisible(FUi->CommentEdit, !slotMode);
  FUi->TypeBox->setTitle(slotMode ? "Slot type" : "Type");
  FUi->AddTermButton->setVisible(!slotMode);
  FUi->DeleteTermButton->setVisible(!slotMode);
  FUi->TermsTable->setEditTriggers(slotMode ? QAbstractItemView::NoEditTriggers
                                            : QAbstractItemView::AllEditTriggers);
  UpdateEnabled();
}

// ---- Ancestors ---------------------------------------------------------------------

void TTypeEditorFrame::RefreshAncestors() {
  std::string chosen = Ancestor();
  QStringList names;
  if (FEngine)
    for (const auto& entry : FEngine->DefinedTypes().Table())
      if (entry.Key != FOwnName || FSlotMode) names << Q(entry.Key);
  names.sort(Qt::CaseInsensitive);
  QSignalBlocker block(FUi->AncestorCombo);
  FUi->AncestorCombo->clear();
  FUi->AncestorCombo->addItem(kNoAncestor, QString());
  for (const QString& name : names) FUi->AncestorCombo->addItem(name, name);
  SetAncestor(chosen);
}

// A name the engine does not have (any more) stays on offer, so that
// writing the type reports it instead of silently dropping it.
void TTypeEditorFrame::SetAncestor(const std::string& name) {
  QSignalBlocker block(FUi->AncestorCombo);
  int index = FUi->AncestorCombo->findData(Q(name));
  if (index < 0) {
    FUi->AncestorCombo->addItem(Q(name), Q(name));
    index = FUi->AncestorCombo->count() - 1;
  }
  FUi->AncestorCombo->setCurrentIndex(index);
}

std::string TTypeEditorFrame::Ancestor() const {
  return S(FUi->AncestorCombo->currentData().toString());
}

IIEDefinedType TTypeEditorFrame::AncestorType() const {
  std::string name = Ancestor();
  return FEngine && !name.empty() ? FEngine->FindDefinedType(name) : IIEDefinedType();
}

// Choosing an ancestor shows what the type inherits: its kinds and the
// limits not filled in yet (a fuzzy ancestor: its universe and terms).
void TTypeEditorFrame::AncestorChosen() {
  if (IIEDefinedType ancestor = AncestorType()) TakeOverAncestor(*ancestor);
  UpdateEnabled();
  UpdatePlot();
  Edited();
}

void TTypeEditorFrame::TakeOverAncestor(const TIEDefinedType& ancestor) {
  TTypeFields inherited = TypeFieldsOf(ancestor);
  FLoading = true;
  if (inherited.IsFuzzy() || FSlotMode)
    SetKinds(inherited.Kinds);
  else
    SetKinds((Kinds() | inherited.Kinds).Exclude(dtFuzzy));
  auto fill = [](QLineEdit* edit, const std::string& text) {
    if (edit->text().trimmed().isEmpty()) edit->setText(Q(text));
  };
  fill(FUi->UnitsEdit, inherited.Units);
  fill(FUi->RangeMinEdit, inherited.RangeMin);
  fill(FUi->RangeMaxEdit, inherited.RangeMax);
  fill(FUi->CardinalityMinEdit, inherited.CardinalityMin);
  fill(FUi->CardinalityMaxEdit, inherited.CardinalityMax);
  fill(FUi->AllowedValuesEdit, inherited.AllowedValues);
  if (FUi->AllowedValuesEdit->text() == Q(inherited.AllowedValues))
    FAllowedKinds = inherited.AllowedKinds;
  if (inherited.IsFuzzy() && (FSlotMode || Terms().empty())) SetTerms(inherited.Terms);
  FLoading = false;
}

// ---- Kinds -------------------------------------------------------------------------

QCheckBox* TTypeEditorFrame::KindBox(TIEType kind) const {
  for (int i = 0; i < kTypeWordKindCount; ++i)
    if (kTypeWordKinds[i] == kind) return FKindBoxes[size_t(i)];
  return nullptr;
}

void TTypeEditorFrame::SetKinds(TIETypes kinds) {
  for (int i = 0; i < kTypeWordKindCount; ++i)
    FKindBoxes[size_t(i)]->setChecked(kinds.Contains(kTypeWordKinds[i]));
}

TIETypes TTypeEditorFrame::Kinds() const {
  TIETypes kinds;
  for (int i = 0; i < kTypeWordKindCount; ++i)
    if (FKindBoxes[size_t(i)]->isChecked()) kinds.Include(kTypeWordKinds[i]);
  return kinds;
}

// Fuzzy mixes with no other kind: ticking one side unticks the other.
void TTypeEditorFrame::KindClicked(TIEType kind) {
  bool checked = KindBox(kind)->isChecked();
  if (checked && kind == dtFuzzy)
    SetKinds({dtFuzzy});
  else if (checked)
    KindBox(dtFuzzy)->setChecked(false);
  UpdateEnabled();
  UpdatePlot();
  Edited();
}

void TTypeEditorFrame::SelectAllKinds() {
  SetKinds(AllSlotKinds());
  UpdateEnabled();
  UpdatePlot();
  Edited();
}

void TTypeEditorFrame::SelectNoKinds() {
  SetKinds({});
  UpdateEnabled();
  UpdatePlot();
  Edited();
}

// ---- Fuzzy terms -------------------------------------------------------------------

void TTypeEditorFrame::SetTerms(const std::vector<TFuzzyTermField>& terms) {
  bool loading = FLoading;
  FLoading = true;
  FUi->TermsTable->setRowCount(int(terms.size()));
  for (int row = 0; row < int(terms.size()); ++row) {
    FUi->TermsTable->setItem(row, 0, new QTableWidgetItem(Q(terms[size_t(row)].Name)));
    FUi->TermsTable->setItem(row, 1, new QTableWidgetItem(Q(terms[size_t(row)].Membership)));
  }
  FLoading = loading;
}

std::vector<TFuzzyTermField> TTypeEditorFrame::Terms() const {
  std::vector<TFuzzyTermField> terms;
  auto cell = [this](int row, int column) {
    QTableWidgetItem* item = FUi->TermsTable->item(row, column);
    return item ? S(item->text()) : std::string();
  };
  for (int row = 0; row < FUi->TermsTable->rowCount(); ++row)
    terms.push_back({cell(row, 0), cell(row, 1)});
  return terms;
}

void TTypeEditorFrame::AddTerm() {
  FLoading = true;
  int row = FUi->TermsTable->rowCount();
  FUi->TermsTable->insertRow(row);
  FUi->TermsTable->setItem(row, 0, new QTableWidgetItem());
  FUi->TermsTable->setItem(row, 1, new QTableWidgetItem());
  FLoading = false;
  FUi->TermsTable->setCurrentCell(row, 0);
  FUi->TermsTable->editItem(FUi->TermsTable->item(row, 0));
}

void TTypeEditorFrame::DeleteTerm() {
  int row = FUi->TermsTable->currentRow();
  if (row < 0) return;
  FUi->TermsTable->removeRow(row);
  UpdatePlot();
  Edited();
}

// ---- Loading and writing -----------------------------------------------------------

void TTypeEditorFrame::Load(const TIEDefinedType& type) { SetFields(TypeFieldsOf(type)); }

void TTypeEditorFrame::Load(const IIEDefinedType& type) {
  if (type) Load(*type);
}

void TTypeEditorFrame::LoadSlot(const TFactSlot& slot) { SetFields(SlotTypeFieldsOf(slot)); }

void TTypeEditorFrame::Clear() { SetFields(NewTypeFields()); }

void TTypeEditorFrame::SetFields(const TTypeFields& fields) {
  FLoading = true;
  FOwnName = fields.Name;
  RefreshAncestors();
  FUi->TypeName->setText(Q(fields.Name));
  FUi->CommentEdit->setText(Q(fields.Comment));
  SetAncestor(fields.Ancestor);
  FUi->UnitsEdit->setText(Q(fields.Units));
  SetKinds(fields.Kinds);
  FUi->RangeMinEdit->setText(Q(fields.RangeMin));
  FUi->RangeMaxEdit->setText(Q(fields.RangeMax));
  FUi->CardinalityMinEdit->setText(Q(fields.CardinalityMin));
  FUi->CardinalityMaxEdit->setText(Q(fields.CardinalityMax));
  FUi->AllowedValuesEdit->setText(Q(fields.AllowedValues));
  FAllowedKinds = fields.AllowedKinds;
  SetTerms(fields.Terms);
  FLoading = false;
  UpdateEnabled();
  UpdatePlot();
}

TTypeFields TTypeEditorFrame::Fields() const {
  TTypeFields fields;
  if (!FSlotMode) {
    fields.Name = S(FUi->TypeName->text());
    fields.Comment = S(FUi->CommentEdit->text());
  }
  fields.Ancestor = Ancestor();
  fields.Units = S(FUi->UnitsEdit->text());
  fields.Kinds = Kinds();
  fields.RangeMin = S(FUi->RangeMinEdit->text());
  fields.RangeMax = S(FUi->RangeMaxEdit->text());
  fields.CardinalityMin = S(FUi->CardinalityMinEdit->text());
  fields.CardinalityMax = S(FUi->CardinalityMaxEdit->text());
  fields.AllowedValues = S(FUi->AllowedValuesEdit->text());
  fields.AllowedKinds = FAllowedKinds;
  fields.Terms = Terms();
  return fields;
}

std::string TTypeEditorFrame::Text() const {
  if (FEngine) return DefinedTypeText(Fields(), *FEngine);
  TInferenceEngine standalone;
  return DefinedTypeText(Fields(), standalone);
}

std::string TTypeEditorFrame::SlotText() const {
  if (FEngine) return SlotTypeText(Fields(), *FEngine);
  TInferenceEngine standalone;
  return SlotTypeText(Fields(), standalone);
}

// ---- Enabled parts and the plot ------------------------------------------------------

// A fuzzy type has a universe and terms; a fuzzy slot has only its type.
void TTypeEditorFrame::UpdateEnabled() {
  bool fuzzy = FUi->KindFuzzy->isChecked();
  FUi->FuzzyBox->setEnabled(fuzzy);
  // A slot shows its fuzzy type's terms only when it is fuzzy.
  FUi->FuzzyBox->setVisible(fuzzy || !FSlotMode);
  FUi->CardinalityMinEdit->setEnabled(!fuzzy);
  FUi->CardinalityMaxEdit->setEnabled(!fuzzy);
  FUi->AllowedValuesEdit->setEnabled(!fuzzy);
  FUi->RangeMinEdit->setEnabled(!fuzzy || !FSlotMode);
  FUi->RangeMaxEdit->setEnabled(!fuzzy || !FSlotMode);
  FUi->UnitsEdit->setEnabled(!fuzzy || !FSlotMode);
}

void TTypeEditorFrame::UpdatePlot() {
  if (!FUi->KindFuzzy->isChecked() || !FEngine) {
    Plot()->Clear();
  } else if (FSlotMode) {
    IIEDefinedType type = AncestorType();
    Plot()->SetVariable(type ? type->FuzzyVariable().Get() : nullptr);
  } else {
    PlotFieldTerms();
  }
}

// The terms as typed, each read on its own: a term that does not read (yet)
// is left out of the plot rather than hiding the others.
void TTypeEditorFrame::PlotFieldTerms() {
  IFuzzyVariable variable = MakeRef<TIEFuzzyVariable>();
  variable->SetParser(static_cast<IFuzzyParser*>(FEngine));
  bool minOk = false, maxOk = false;
  double low = FUi->RangeMinEdit->text().toDouble(&minOk);
  double high = FUi->RangeMaxEdit->text().toDouble(&maxOk);
  if (minOk && maxOk && low <= high) {
    variable->SetMaximum(high);
    variable->SetMinimum(low);
  }
  for (const TFuzzyTermField& term : Terms()) {
    try {
      CheckBalanced(term.Membership, "membership function");
      std::string text = "(term " + TrimmedText(term.Name) + " " + term.Membership + ")";
      variable->AddTerm(FEngine->Parser().ParseFuzzySet(text, *variable));
    } catch (const std::exception&) {
      continue;
    }
  }
  Plot()->SetVariable(variable.Get());
}

TFuzzyTermsPlot* TTypeEditorFrame::Plot() const { return FUi->TermsPlot; }

}  // namespace vettora
