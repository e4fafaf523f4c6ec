#include "views/tfraviewforecastyearend.h"

namespace pk {

TfraViewForecastYearEnd::TfraViewForecastYearEnd(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraViewForecastYearEnd::InitPage() { lbTitle->setText(QStringLiteral("Forecast to year end")); }

}  // namespace pk
