#include "views/tfraviewpiechart1.h"

namespace pk {

TfraViewPieChart1::TfraViewPieChart1(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewPieChart1::InitPage() { lbTitle->setText(QStringLiteral("Pie charts")); }

}  // namespace pk
