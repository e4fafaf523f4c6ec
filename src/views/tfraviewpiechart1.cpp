#include "views/tfraviewpiechart1.h"

namespace pk {

TfraViewPieChart1::TfraViewPieChart1(AppContext& context, QWidget* parent) : TfraViewPage(context, parent, /*printable=*/false) {}

void TfraViewPieChart1::InitPage() { setPageTitle(QStringLiteral("Income Year to Date")); }

}  // namespace pk
