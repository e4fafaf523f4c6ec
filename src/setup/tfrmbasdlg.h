#pragma once
// The base record dialog: a picture with "Change Image" on the left, the derived
// dialog's fields in the main panel and OK / Cancel along the bottom. It edits
// exactly one record, which the derived dialog holds.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "app/appcontext.h"

namespace pk {

// A label that reports clicks (the picture and the "Change Image" link).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TfrmBasDlg : public QDialog {
  Q_OBJECT
 public:
  static const QString kPictureFilter;

  explicit TfrmBasDlg(AppContext& ctx, QWidget* parent = nullptr);

  ClickLabel* imgIcon;
  ClickLabel* lbChangeIcon;
  QWidget* mainPanel;
  QPushButton* btnOK;
  QPushButton* btnCancel;
  // The picture dialog's initial folder; empty means the images folder.
  QString pictureFolder;

 public slots:
  virtual void acOkExecute();
  void acCancelExecute();
  virtual void lbChangeIconClick();
  void imgIconClick();

 protected:
  // The record the dialog edits, as the derived dialog keeps it.
  virtual bool hasRecord() const { return true; }
  // Whether the record has changes that OK saves (a new record or one in edit).
  virtual bool isEditing() const = 0;
  // Saves the record; false when the data store refused it (its message was shown).
  // Engine errors are thrown as DbError.
  virtual bool saveRecord() = 0;
  // Drops the record's unsaved changes.
  virtual void cancelRecord() = 0;
  virtual QString recordIcon() const = 0;
  virtual void setRecordIcon(const QString& icon) = 0;
  // The derived dialog's steps when it is shown (once).
  virtual void FormShow() {}

  // Shows images folder + icon in imgIcon when that file is a picture.
  void loadIconPicture(const QString& icon);
  void showEvent(QShowEvent* event) override;
  void reject() override;

  AppContext& ctx;

 private:
  bool shown_ = false;
};

}  // namespace pk
