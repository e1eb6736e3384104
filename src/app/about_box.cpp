// TAboutBox: fills the labels the .ui file leaves open.
#include "app/about_box.h"

#include "app/messages.h"
#include "ui_about_box.h"
#include "values/format.h"

namespace vettora {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), FUi(std::make_unique<Ui::TAboutBox>()) {
  FUi->setupUi(this);
  FUi->ProductName->setText(kProductName);
  FUi->Version->setText(QString::fromStdString(FormatMessage(kVersionLabel, {VETTORA_VERSION})));
  FUi->ProgramIcon->setPixmap(
      QPixmap(":/icons/vettora.png").scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

TAboutBox::~TAboutBox() = default;

}  // namespace vettora
