#include "app/tfrastart.h"

namespace pk {

TfraStart::TfraStart(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraStart::InitPage() { lbTitle->setText(QStringLiteral("Pursekeep")); }

}  // namespace pk
