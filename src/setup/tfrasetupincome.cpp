#include "setup/tfrasetupincome.h"

#include "setup/tfrmitemdlg.h"

namespace pk {

TfraSetupIncome::TfraSetupIncome(AppContext& context, QWidget* parent)
    : TfraSetupItems(context, parent,
                     Texts{3, QStringLiteral("Income Items Selection"), QStringLiteral("My Income Items"),
                           QStringLiteral("Drag and drop one of your income items here to delete it")},
                     ItemTexts{2, QStringLiteral("Income Items Setup"), QStringLiteral("Income item")}) {}

TfrmItemDlg* TfraSetupIncome::createDialog(ItemRecord& item, bool existing) {
  return new TfrmIncomeDlg(ctx, item, existing, this);
}

}  // namespace pk
