#include "views/annualbudgetprint.h"

namespace pk {

void ShowAnnualBudgetPrint(AppContext&) {}

}  // namespace pk
