#include "views/tfraviewyear1.h"

namespace pk {

TfraViewYear1::TfraViewYear1(AppContext& context, QWidget* parent) : TfraViewPage(context, parent) {}

void TfraViewYear1::InitPage() { setPageTitle(QStringLiteral("Year to Date against Budget Table")); }

}  // namespace pk
