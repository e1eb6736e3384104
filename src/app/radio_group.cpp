// TRadioGroup: buttons in a grid, one button group for the choice.
#include "app/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace vettora {

TRadioGroup::TRadioGroup(QGroupBox& box, std::span<const char* const> captions, int columns)
    : QObject(&box), FGroup(new QButtonGroup(this)) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) grid = new QGridLayout(&box);
  for (int i = 0; i < int(captions.size()); ++i) {
    auto* button = new QRadioButton(captions[size_t(i)], &box);
    button->setObjectName(box.objectName() + "_" + QString::number(i));
    button->setStatusTip(box.statusTip());
    FGroup->addButton(button, i);
    grid->addWidget(button, i / columns, i % columns);
  }
  // Only the button that comes on counts: each change unchecks another too.
  connect(FGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) emit Changed();
  });
}

int TRadioGroup::ItemIndex() const { return FGroup->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = FGroup->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked; clearing needs it off.
  FGroup->setExclusive(false);
  if (QAbstractButton* checked = FGroup->checkedButton()) checked->setChecked(false);
  FGroup->setExclusive(true);
}

QRadioButton* TRadioGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(FGroup->button(index));
}

int TRadioGroup::Count() const { return int(FGroup->buttons().size()); }

}  // namespace vettora
