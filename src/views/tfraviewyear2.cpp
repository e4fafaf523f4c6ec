#include "views/tfraviewyear2.h"

namespace pk {

TfraViewYear2::TfraViewYear2(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewYear2::InitPage() { lbTitle->setText(QStringLiteral("Year to date against budget graph")); }

}  // namespace pk
