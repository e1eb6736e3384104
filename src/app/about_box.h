#pragma once
// TAboutBox: the modal About box -- the program's icon, the product label,
// the version label and an OK button (about_box.ui).

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace vettora {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

 private:
  std::unique_ptr<Ui::TAboutBox> FUi;
};

}  // namespace vettora
