#pragma once
#include "setup/setuplistpage.h"

namespace pk {

class TfrmItemDlg;
struct ItemRecord;

// The design of the income and outgoing items pages: suggested items on the
// left, the user's own items of the page's type on the right.
class TfraSetupItems : public TfraSetupListPage {
  Q_OBJECT
 public:
  struct ItemTexts {
    int type;            // 2 income, 3 outgoing
    QString pageTitle;
    QString deleteWord;  // "Income item" or "Outgoing item"
  };
  TfraSetupItems(AppContext& ctx, QWidget* parent, const Texts& texts, const ItemTexts& itemTexts);
  void InitPage() override;

  // Creates an item (and its category when none has the name) from a suggestion
  // and opens the item dialog.
  void lvRightDragDrop(const pk::DraggedEntry& entry) override;
  // Edits the selected item; items of system categories are refused.
  void lvRightDblClick() override;
  // Asks, then deletes the dropped item when nothing uses it.
  void btnDeleteDragDrop(const pk::DraggedEntry& entry) override;

  int type() const { return itemTexts_.type; }

 protected:
  virtual TfrmItemDlg* createDialog(ItemRecord& item, bool existing) = 0;

 private:
  ItemTexts itemTexts_;
};

}  // namespace pk
