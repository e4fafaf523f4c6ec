#pragma once
// The account dialog: name, bank account number, opening balance and the date
// that balance holds at. It edits the record its creator hands it and saves it
// on OK; Cancel leaves the data file as it was.
#include <QDateEdit>
#include <QLineEdit>

#include "core/store/records.h"
#include "setup/tfrmbasdlg.h"

namespace pk {

class TfrmAccountDetailsDlg : public TfrmBasDlg {
  Q_OBJECT
 public:
  // accountNumber: the account being edited, or 0 for a new one.
  TfrmAccountDetailsDlg(AppContext& ctx, AccountRecord& account, int accountNumber, QWidget* parent = nullptr);

  QLineEdit* dedAccName;
  QLineEdit* dedBankNum;
  QLineEdit* dedBalance;
  QDateEdit* edBalanceDate;

  // The picker's full value: the date shown with the picker's own time of day.
  DayNumber pickerValue() const;

 public slots:
  void UpdateOkButton();
  void acOkExecute() override;
  void lbChangeIconClick() override;

 protected:
  bool isEditing() const override { return true; }
  bool saveRecord() override;
  void cancelRecord() override;
  QString recordIcon() const override { return work_.icon; }
  void setRecordIcon(const QString& icon) override { work_.icon = icon; }
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AccountRecord& account_;
  AccountRecord work_;
  int accountNumber_;
  DayNumber picker_ = kPickerStart;
};

}  // namespace pk
