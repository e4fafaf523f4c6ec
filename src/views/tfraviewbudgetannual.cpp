#include "views/tfraviewbudgetannual.h"

#include "report/preview.h"
#include "views/annualbudgetreport.h"

namespace pk {

TfraViewBudgetAnnual::TfraViewBudgetAnnual(AppContext& context, QWidget* parent) : TfraViewPage(context, parent) {}

void TfraViewBudgetAnnual::InitPage() {
  setPageTitle(QStringLiteral("Budget Annual"));
  try {
    ShowReport(PrepareAnnualBudgetDocument(ctx.data, ctx.prompter, AnnualBudgetSource::ViewPage));
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

void TfraViewBudgetAnnual::btnPrintClick() {
  // The pages shown are printed as they stand; the preview keeps showing them.
  PrintReport(frxPreview1->document());
}

}  // namespace pk
