#include "views/tfraviewpiechart2.h"

namespace pk {

TfraViewPieChart2::TfraViewPieChart2(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewPieChart2::InitPage() { lbTitle->setText(QStringLiteral("Pie charts")); }

}  // namespace pk
