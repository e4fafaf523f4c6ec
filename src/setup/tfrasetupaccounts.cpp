#include "setup/tfrasetupaccounts.h"

#include "core/store/catalogue.h"
#include "core/store/records.h"
#include "setup/dialogrunner.h"
#include "setup/tfrmaccountdetailsdlg.h"

namespace pk {

TfraSetupAccounts::TfraSetupAccounts(AppContext& context, QWidget* parent)
    : TfraSetupListPage(context, parent,
                        Texts{2, QStringLiteral("Accounts Items Selection"), QStringLiteral("My Accounts"),
                              QStringLiteral("Drag and drop one of your accounts here to delete it")}) {}

void TfraSetupAccounts::InitPage() {
  lbTitle->setText(QStringLiteral("Accounts Setup"));
  guarded([this] {
    const QString images = ctx.folder.imagesDir();
    FillListFromDefaults(*leftList, images, ctx.data, QStringLiteral("1"));
    FillListFromQuery(*rightList, images, ctx.data, AccountsListSql());
  });
}

void TfraSetupAccounts::lvRightDragDrop(const DraggedEntry& entry) {
  imgdrop->hide();
  if (entry.sourceList == lvRight->objectName()) return;
  guarded([&] {
    const std::optional<CatalogueEntry> preset = DefaultEntry(ctx.data, entry.key);
    if (!preset) return;
    AccountRecord account = NewAccount(ctx.data);
    account.name = FreeAccountName(ctx.data, entry.caption);
    account.balanceDate = ctx.clock.todayNumber();
    account.icon = preset->icon;
    TfrmAccountDetailsDlg dialog(ctx, account, 0, this);
    if (ExecDialog(dialog) != QDialog::Accepted || account.accID == 0) return;
    const int row = rightList->addEntry(account.name, account.accID);
    if (AddIconToList(rightList->images(), ctx.folder.imageFile(account.icon))) {
      rightList->setPicture(row, rightList->images().count() - 1);
    }
  });
}

void TfraSetupAccounts::lvRightDblClick() {
  const int row = lvRight->selectedRow();
  if (row < 0) return;
  guarded([&] {
    std::optional<AccountRecord> account = LoadAccount(ctx.data, rightList->key(row));
    if (!account) return;
    TfrmAccountDetailsDlg dialog(ctx, *account, account->accID, this);
    if (ExecDialog(dialog) != QDialog::Accepted) return;
    rightList->setCaption(row, account->name);
    // The picture may have changed; the list keeps its order.
    const std::optional<AccountRecord> saved = LoadAccount(ctx.data, account->accID);
    if (!saved) return;
    refreshEntryPicture(row, saved->icon);
  });
}

void TfraSetupAccounts::btnDeleteDragDrop(const DraggedEntry& entry) {
  const int row = rowOfDropped(entry);
  if (row < 0) return;
  const QString question = QStringLiteral("Are you sure you want to delete this %1 (%2)?")
                               .arg(QStringLiteral("Account"), rightList->caption(row));
  if (ctx.prompter.ask(MessageKind::Warning, question, Buttons::YesNo) != Answer::Yes) return;
  guarded([&] {
    if (DeleteAccount(ctx.data, rightList->key(row))) rightList->removeEntry(row);
  });
}

}  // namespace pk
