#include "views/tfraviewyear1.h"

namespace pk {

TfraViewYear1::TfraViewYear1(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewYear1::InitPage() { lbTitle->setText(QStringLiteral("Year to date against budget")); }

}  // namespace pk
