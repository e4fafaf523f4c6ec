#include "views/tfraviewbudgetannual.h"

namespace pk {

TfraViewBudgetAnnual::TfraViewBudgetAnnual(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewBudgetAnnual::InitPage() { lbTitle->setText(QStringLiteral("Annual budget")); }

}  // namespace pk
