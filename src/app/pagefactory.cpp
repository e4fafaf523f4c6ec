#include "app/tfrmmain.h"
#include "app/tfrastart.h"
#include "setup/tfrasetup.h"
#include "setup/tfrasetupaccounts.h"
#include "setup/tfrasetupincome.h"
#include "setup/tfrasetupoutgoings.h"
#include "setup/tfrasetupbudget.h"
#include "entry/tfraenterinfo.h"
#include "entry/tfraenterinfoaccountdetails.h"
#include "views/tfraview.h"
#include "views/tfraviewbudgetannual.h"
#include "views/tfraviewforecastyearend.h"
#include "views/tfraviewpiechart1.h"
#include "views/tfraviewpiechart2.h"
#include "views/tfraviewyear1.h"
#include "views/tfraviewyear2.h"

namespace pk {

TfraBasFrame* createPage(int n, AppContext& ctx, QWidget* parent) {
  switch (n) {
    case 0: return new TfraStart(ctx, parent);
    case 1: return new TfraSetup(ctx, parent);
    case 2: return new TfraSetupAccounts(ctx, parent);
    case 3: return new TfraSetupIncome(ctx, parent);
    case 4: return new TfraSetupOutgoings(ctx, parent);
    case 5: return new TfraSetupBudget(ctx, parent);
    case 6: return new TfraEnterInfo(ctx, parent);
    case 7: return new TfraEnterInfoAccountDetails(ctx, parent);
    case 8: return new TfraView(ctx, parent);
    case 9: return new TfraViewBudgetAnnual(ctx, parent);
    case 10: return new TfraViewForecastYearEnd(ctx, parent);
    case 11: return new TfraViewPieChart1(ctx, parent);
    case 12: return new TfraViewPieChart2(ctx, parent);
    case 13: return new TfraViewYear1(ctx, parent);
    case 14: return new TfraViewYear2(ctx, parent);
    default: return nullptr;
  }
}

}  // namespace pk
