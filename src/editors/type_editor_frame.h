#pragma once
// TTypeEditorFrame: edits one defined type -- name, ancestor type, units,
// comment, admitted kinds, range, cardinality, allowed values and fuzzy
// terms (with a plot of the terms) -- as the Types Editor and the Fact
// Template Editor (for a slot's type) show it.
//
// The frame holds fields only (TTypeFields); Text() and SlotText() write
// them as rule-language text for the window to parse, so a type is always
// made by the parser and a field that does not read ends in the parser's
// or the fields' message. In slot mode the name and comment are hidden,
// and a fuzzy slot shows the terms of its fuzzy type without editing them
// (a slot's own facets cannot change a fuzzy type).

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editors/type_fields.h"
#include "knowledge/defined_type.h"

class QCheckBox;

namespace Ui {
class TTypeEditorFrame;
}

namespace vettora {

class TFactSlot;
class TFuzzyTermsPlot;
class TInferenceEngine;

class TTypeEditorFrame : public QWidget {
  Q_OBJECT
 public:
  explicit TTypeEditorFrame(QWidget* parent = nullptr);
  ~TTypeEditorFrame() override;

  // The engine whose defined types the ancestor list offers and whose
  // parser reads the terms for the plot; not owned. Without one the frame
  // offers no ancestors and plots nothing.
  void SetEngine(TInferenceEngine* engine);
  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }
  void SetSlotMode(bool slotMode);
  [[nodiscard]] bool SlotMode() const { return FSlotMode; }

  // Offers the engine's types again (after they changed), keeping the
  // ancestor chosen.
  void RefreshAncestors();

  void Load(const TIEDefinedType& type);
  void Load(const IIEDefinedType& type);
  void LoadSlot(const TFactSlot& slot);
  // Shows the fields without reporting a change.
  void SetFields(const TTypeFields& fields);
  [[nodiscard]] TTypeFields Fields() const;
  // The fields of a new type.
  void Clear();

  // The `deftype` text and a slot's type qualifiers; both raise
  // EIEException for a field that cannot be written.
  [[nodiscard]] std::string Text() const;
  [[nodiscard]] std::string SlotText() const;

  // Tick every slot kind (dtFuzzy mixes with none, so it is left out) or
  // none.
  void SelectAllKinds();
  void SelectNoKinds();

  [[nodiscard]] TFuzzyTermsPlot* Plot() const;
  [[nodiscard]] QCheckBox* KindBox(TIEType kind) const;

 signals:
  // The user changed a field.
  void Changed();

 private:
  void ConnectEdits();
  void Edited();
  void KindClicked(TIEType kind);
  void AncestorChosen();
  void TakeOverAncestor(const TIEDefinedType& ancestor);
  void SetKinds(TIETypes kinds);
  [[nodiscard]] TIETypes Kinds() const;
  void SetAncestor(const std::string& name);
  [[nodiscard]] std::string Ancestor() const;
  [[nodiscard]] IIEDefinedType AncestorType() const;
  void SetTerms(const std::vector<TFuzzyTermField>& terms);
  [[nodiscard]] std::vector<TFuzzyTermField> Terms() const;
  void AddTerm();
  void DeleteTerm();
  void UpdateEnabled();
  void UpdatePlot();
  void PlotFieldTerms();

  std::unique_ptr<Ui::TTypeEditorFrame> FUi;
  TInferenceEngine* FEngine = nullptr;  // not owned
  bool FSlotMode = false;
  bool FLoading = false;
  std::string FOwnName;  // a type is not offered as its own ancestor
  TValueConstraints FAllowedKinds;
  std::array<QCheckBox*, kTypeWordKindCount> FKindBoxes{};
};

}  // namespace vettora
