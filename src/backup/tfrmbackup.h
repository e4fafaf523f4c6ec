#pragma once
// Backup and restore of the data file: one dialog with a Backup half and a
// Restore half.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/appcontext.h"
#include "app/imagebutton.h"

namespace pk {

class TfrmBackup : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmBackup(AppContext& ctx, QWidget* parent = nullptr);

  // True once a restore has replaced the data file during this showing.
  bool restored() const { return restored_; }
  bool busy() const { return busy_; }

  QLineEdit* edtbackup;
  QPushButton* BitBtn1;  // Browse (backup)
  QPushButton* BitBtn2;  // Backup
  QProgressBar* ProgressBar1;
  QLineEdit* edtRestore;
  QPushButton* BitBtn3;  // Browse (restore)
  QPushButton* BitBtn4;  // Restore
  QProgressBar* ProgressBar2;
  QPushButton* BitBtn5;  // Close
  ImageButton* btnHelp;

 public slots:
  void FormShow();
  void ProposeLatestBackup();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void btnHelpClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QString backupFolder() const;
  void ZipForge1OverallProgress(QProgressBar* bar, int percent);

  AppContext& ctx;
  bool restored_ = false;
  bool busy_ = false;
};

// Shows the dialog modally over parent; after a restore the page shown is built
// afresh from the restored data.
void ShowBackupDialog(AppContext& ctx, QWidget* parent);

}  // namespace pk
