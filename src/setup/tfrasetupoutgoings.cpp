#include "setup/tfrasetupoutgoings.h"

#include "setup/tfrmitemdlg.h"

namespace pk {

TfraSetupOutgoings::TfraSetupOutgoings(AppContext& context, QWidget* parent)
    : TfraSetupItems(context, parent,
                     Texts{4, QStringLiteral("Outgoing Items Selection"), QStringLiteral("My Outgoing Items"),
                           QStringLiteral("Drag and drop one of your outgoing items here to delete it")},
                     ItemTexts{3, QStringLiteral("Outgoing Items Setup"), QStringLiteral("Outgoing item")}) {}

TfrmItemDlg* TfraSetupOutgoings::createDialog(ItemRecord& item, bool existing) {
  return new TfrmOutgoingDlg(ctx, item, existing, this);
}

}  // namespace pk
