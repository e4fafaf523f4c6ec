#include "views/tfraviewyear2.h"

namespace pk {

TfraViewYear2::TfraViewYear2(AppContext& context, QWidget* parent) : TfraViewPage(context, parent) {}

void TfraViewYear2::InitPage() { setPageTitle(QStringLiteral("Year to Date against Budget Graph")); }

}  // namespace pk
