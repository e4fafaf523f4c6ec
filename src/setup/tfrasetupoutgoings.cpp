#include "setup/tfrasetupoutgoings.h"

namespace pk {

TfraSetupOutgoings::TfraSetupOutgoings(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraSetupOutgoings::InitPage() { lbTitle->setText(QStringLiteral("Set-up outgoing items")); }

}  // namespace pk
