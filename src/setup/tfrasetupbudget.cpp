#include "setup/tfrasetupbudget.h"

namespace pk {

TfraSetupBudget::TfraSetupBudget(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraSetupBudget::InitPage() { lbTitle->setText(QStringLiteral("Set-up Annual budget")); }

}  // namespace pk
