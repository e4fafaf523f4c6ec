#pragma once
// The annual budget print host: prepares the annual budget report, prints it at
// once through the print dialog (or the context's print target) and is done.
#include "app/appcontext.h"

namespace pk {

void ShowAnnualBudgetPrint(AppContext& ctx);

}  // namespace pk
