#include "setup/tfrasetupitems.h"

#include <memory>

#include "core/store/catalogue.h"
#include "core/store/records.h"
#include "core/store/tdmdata.h"
#include "setup/dialogrunner.h"
#include "setup/tfrmitemdlg.h"

namespace pk {

TfraSetupItems::TfraSetupItems(AppContext& context, QWidget* parent, const Texts& texts, const ItemTexts& itemTexts)
    : TfraSetupListPage(context, parent, texts), itemTexts_(itemTexts) {}

void TfraSetupItems::InitPage() {
  lbTitle->setText(itemTexts_.pageTitle);
  guarded([this] {
    const QString images = ctx.folder.imagesDir();
    FillListFromDefaults(*leftList, images, ctx.data, QString::number(type()));
    FillListFromQuery(*rightList, images, ctx.data, ItemsListSql(type()));
  });
}

void TfraSetupItems::lvRightDragDrop(const DraggedEntry& entry) {
  imgdrop->hide();
  if (entry.sourceList == lvRight->objectName()) return;
  guarded([&] {
    const std::optional<CatalogueEntry> preset = DefaultEntry(ctx.data, entry.key);
    if (!preset) return;
    ItemRecord item = NewItem(ctx.data);
    item.name = FreeItemName(ctx.data, entry.caption, type());
    item.type = type();
    item.icon = preset->icon;
    // The item's category: the one of that name, else a new one of the page's type.
    std::optional<int> catID = CategoryByName(ctx.data, item.name, type());
    if (!catID) {
      ctx.data.newCategoryType = QString::number(type());
      CategoryRecord category = NewCategory(ctx.data);
      category.name = item.name;
      if (SaveCategory(ctx.data, category) == SaveResult::Refused) return;
      catID = CategoryByName(ctx.data, item.name, type());
      if (!catID) return;
    }
    item.catID = *catID;
    // A category made here stays when the dialog is cancelled.
    std::unique_ptr<TfrmItemDlg> dialog(createDialog(item, false));
    if (ExecDialog(*dialog) != QDialog::Accepted || item.itemID == 0) return;
    const int row = rightList->addEntry(dialog->categoryText(), item.itemID);
    if (AddIconToList(rightList->images(), ctx.folder.imageFile(item.icon))) {
      rightList->setPicture(row, rightList->images().count() - 1);
    }
  });
}

void TfraSetupItems::lvRightDblClick() {
  const int row = lvRight->selectedRow();
  if (row < 0) return;
  guarded([&] {
    const int itemID = rightList->key(row);
    if (IsSystemItem(ctx.data, itemID)) {
      ctx.prompter.message(MessageKind::Warning,
                           QStringLiteral("The %1 cannot edited because it is use by system").arg(QStringLiteral("Item")));
      return;
    }
    std::optional<ItemRecord> item = LoadItem(ctx.data, itemID);
    if (!item) return;
    std::unique_ptr<TfrmItemDlg> dialog(createDialog(*item, true));
    if (ExecDialog(*dialog) != QDialog::Accepted) return;
    rightList->setCaption(row, dialog->categoryText());
    const std::optional<ItemRecord> saved = LoadItem(ctx.data, itemID);
    if (!saved) return;
    refreshEntryPicture(row, saved->icon);
  });
}

void TfraSetupItems::btnDeleteDragDrop(const DraggedEntry& entry) {
  const int row = rowOfDropped(entry);
  if (row < 0) return;
  const QString question = QStringLiteral("Are you sure you want to delete this %1 (%2)?")
                               .arg(itemTexts_.deleteWord, rightList->caption(row));
  if (ctx.prompter.ask(MessageKind::Warning, question, Buttons::YesNo) != Answer::Yes) return;
  guarded([&] {
    if (DeleteItem(ctx.data, rightList->key(row))) rightList->removeEntry(row);
  });
}

}  // namespace pk
