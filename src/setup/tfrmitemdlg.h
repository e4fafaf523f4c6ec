#pragma once
// The item dialog of the income and outgoing pages: the item's picture and its
// category, chosen from the category box or typed as a new one. The box's two
// buttons rename and delete the chosen category at once.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "core/store/records.h"
#include "setup/tfrmbasdlg.h"

namespace pk {

class TfrmItemDlg : public TfrmBasDlg {
  Q_OBJECT
 public:
  // existing: the item is saved already (edit), else it is a new one (insert).
  TfrmItemDlg(AppContext& ctx, ItemRecord& item, bool existing, int type, QWidget* parent = nullptr);

  QLabel* lbCategory;
  QComboBox* cbCategories;
  QToolButton* btnEdit;        // rename the chosen category
  QToolButton* btnCategories;  // delete the chosen category

  QString categoryText() const { return cbCategories->currentText(); }
  QString typeText() const { return QString::number(type_); }
  // The catID of the box entry that matches the box text (letter case ignored); 0 for none.
  int selectedCatID() const;

 public slots:
  void UpdateCategoryButtons();
  // Creates the category typed into the box when the list lacks it and selects
  // it; false when no category could be had (the reason was shown).
  bool AddTypedCategory();
  void btnEditClick();
  void btnCategoriesClick();
  void acOkExecute() override;
  void lbChangeIconClick() override;

 protected:
  bool isEditing() const override { return true; }
  bool saveRecord() override;
  void cancelRecord() override { work_ = item_; }
  QString recordIcon() const override { return work_.icon; }
  void setRecordIcon(const QString& icon) override { work_.icon = icon; }
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  void setTexts(const QString& caption, const QString& label, const QString& pictureSubfolder);

 private:
  int matchingRow() const;
  void fillBox();
  void selectCatID(int catID);

  ItemRecord& item_;
  ItemRecord work_;
  bool existing_;
  int type_;
  QString pictureSubfolder_;
  bool updating_ = false;
};

class TfrmIncomeDlg : public TfrmItemDlg {
  Q_OBJECT
 public:
  TfrmIncomeDlg(AppContext& ctx, ItemRecord& item, bool existing, QWidget* parent = nullptr);
};

class TfrmOutgoingDlg : public TfrmItemDlg {
  Q_OBJECT
 public:
  TfrmOutgoingDlg(AppContext& ctx, ItemRecord& item, bool existing, QWidget* parent = nullptr);
};

}  // namespace pk
