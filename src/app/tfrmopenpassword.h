#pragma once
// The open-password gate shown at start-up while a password is set.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "core/prompter.h"
#include "core/store/tdmdata.h"

namespace pk {

class TfrmOpenPassword : public QDialog {
  Q_OBJECT
 public:
  // The gate works on a data module of its own, freed when the dialog closes.
  TfrmOpenPassword(std::unique_ptr<TdmData> gateData, Prompter& prompter, QWidget* parent = nullptr);
  ~TfrmOpenPassword() override;

  bool hasData() const { return data_ != nullptr; }

  QLabel* Label1;
  QLabel* Label2;
  QLabel* JvImage1;
  QLineEdit* edtpassword;
  QPushButton* BitBtn1;  // Login
  QPushButton* BitBtn2;  // Cancel

 public slots:
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  std::unique_ptr<TdmData> data_;
  Prompter& prompter_;
};

}  // namespace pk
