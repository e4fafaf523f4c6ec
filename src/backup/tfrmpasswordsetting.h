#pragma once
// Switching the open password on (with a new password) or off.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/appcontext.h"
#include "app/imagebutton.h"

namespace pk {

class TfrmPasswordSetting : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmPasswordSetting(AppContext& ctx, QWidget* parent = nullptr);

  // True while the "on" look is shown (the password fields are enabled).
  bool showsOnLook() const { return edtPassword->isEnabled(); }

  QLabel* imageEnable;
  QLabel* imagedisable;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* edtPassword;
  QLineEdit* edtConfirm;
  QPushButton* BitBtn1;  // Save
  QPushButton* BitBtn2;  // Close
  ImageButton* btnHelp;

 public slots:
  void FormShow();
  void Label2Click();
  void BitBtn1Click();
  void btnHelpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showLook(bool on);
  AppContext& ctx;
};

}  // namespace pk
