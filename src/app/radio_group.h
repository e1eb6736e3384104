#pragma once
// TRadioGroup: a group box of radio buttons chosen by index, laid out in a
// fixed number of columns -- the window's marital status and rating
// choices. The buttons are made from a caption list (with accelerators)
// and named after the box: "<box>_0", "<box>_1", ...

#include <QObject>
#include <span>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

namespace vettora {

class TRadioGroup : public QObject {
  Q_OBJECT
 public:
  TRadioGroup(QGroupBox& box, std::span<const char* const> captions, int columns);

  [[nodiscard]] int ItemIndex() const;
  // An index outside the captions checks no button.
  void SetItemIndex(int index);
  [[nodiscard]] QRadioButton* Button(int index) const;
  [[nodiscard]] int Count() const;

 signals:
  // Another button was checked (by the user or by SetItemIndex).
  void Changed();

 private:
  QButtonGroup* FGroup;
};

}  // namespace vettora
