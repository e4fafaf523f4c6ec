#include "setup/tfrasetupincome.h"

namespace pk {

TfraSetupIncome::TfraSetupIncome(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraSetupIncome::InitPage() { lbTitle->setText(QStringLiteral("Set-up income items")); }

}  // namespace pk
