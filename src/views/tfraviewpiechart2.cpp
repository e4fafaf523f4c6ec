#include "views/tfraviewpiechart2.h"

namespace pk {

TfraViewPieChart2::TfraViewPieChart2(AppContext& context, QWidget* parent) : TfraViewPage(context, parent) {}

void TfraViewPieChart2::InitPage() { setPageTitle(QStringLiteral("Outgoings Year to Date")); }

}  // namespace pk
