#include "views/tfraviewforecastyearend.h"

namespace pk {

TfraViewForecastYearEnd::TfraViewForecastYearEnd(AppContext& context, QWidget* parent) : TfraViewPage(context, parent) {}

void TfraViewForecastYearEnd::InitPage() { setPageTitle(QStringLiteral("Forecast Year End")); }

}  // namespace pk
