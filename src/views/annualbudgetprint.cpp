#include "views/annualbudgetprint.h"

#include <QApplication>

#include "report/printtarget.h"
#include "views/annualbudgetreport.h"

namespace pk {

void ShowAnnualBudgetPrint(AppContext& ctx) {
  // The report is prepared afresh on every call and printed at once; nothing of
  // it stays on screen.
  try {
    const report::Document document =
        PrepareAnnualBudgetDocument(ctx.data, ctx.prompter, AnnualBudgetSource::PrintHost);
    QWidget* parent = QApplication::activeWindow();
    report::PrintTargetOr(ctx.printTarget).print(document, parent);
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

}  // namespace pk
