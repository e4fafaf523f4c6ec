#include "setup/tfrasetupaccounts.h"

namespace pk {

TfraSetupAccounts::TfraSetupAccounts(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraSetupAccounts::InitPage() { lbTitle->setText(QStringLiteral("Set-up accounts")); }

}  // namespace pk
