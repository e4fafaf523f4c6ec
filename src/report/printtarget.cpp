#include "report/printtarget.h"

#include <QPrintDialog>
#include <QPrinter>

namespace pk::report {

bool DialogPrintTarget::print(const Document& document, QWidget* parent) {
  if (document.pageCount() == 0) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(document.title());
  printer.setPageLayout(document.page(0).setup.pageLayout());
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print"));
  dialog.setMinMax(1, document.pageCount());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  return document.print(printer);
}

bool RecordingPrintTarget::print(const Document& document, QWidget*) {
  printed.push_back(document);
  return answer;
}

PrintTarget& PrintTargetOr(PrintTarget* chosen) {
  static DialogPrintTarget dialog;  // holds no state
  return chosen ? *chosen : dialog;
}

}  // namespace pk::report
