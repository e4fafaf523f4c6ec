#include "setup/tfrasetup.h"

namespace pk {

TfraSetup::TfraSetup(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraSetup::InitPage() { lbTitle->setText(QStringLiteral("Set-up")); }

}  // namespace pk
