#pragma once
// The annual budget report (US Letter, portrait): the grey heading with the
// budget year, an "Income" and an "Outgoing" group listing each item's frequency,
// dates, amount per period and annual amount, a subtotal per group (outgoings in
// parentheses) and the grand total of income minus outgoings.
#include <QLocale>

#include "app/appcontext.h"
#include "core/figures/annualbudget.h"
#include "report/document.h"

namespace pk {

report::Report BuildAnnualBudgetReport(const AnnualBudget& figures, const QLocale& locale = QLocale());

// Reads the figures for the given place, says "Please fill all your budget." when
// an item has no frequency, and prepares the report's pages.
report::Document PrepareAnnualBudgetDocument(TdmData& data, Prompter& prompter, AnnualBudgetSource source);

}  // namespace pk
