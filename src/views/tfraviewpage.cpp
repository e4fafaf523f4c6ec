#include "views/tfraviewpage.h"

#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/tfrmmain.h"
#include "report/preview.h"
#include "report/printtarget.h"
#include "views/viewstrip.h"

namespace pk {

TfraViewPage::TfraViewPage(AppContext& context, QWidget* parent, bool printable)
    : TfraBasFrame(context, parent) {
  auto* layout = new QVBoxLayout(content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Panel3 = new ViewStrip(ctx.folder, content());
  layout->addWidget(Panel3);
  frxPreview1 = new report::ReportPreview(content());
  frxPreview1->setObjectName(QStringLiteral("frxPreview1"));
  layout->addWidget(frxPreview1, 1);
  connect(Panel3->imgBack, &QAbstractButton::clicked, this, &TfraViewPage::imgBackClick);

  // When the page receives the focus, the preview takes it.
  setFocusProxy(frxPreview1);

  if (printable) {
    btnPrint->show();
    btnTrash->hide();
    btnInfo->hide();
    btnSmallView->setHighlighted(true);
    connect(btnPrint, &QAbstractButton::clicked, this, [this] { btnPrintClick(); });
  }
}

void TfraViewPage::ShowReport(const report::Document& document) { frxPreview1->setDocument(document); }

void TfraViewPage::btnPrintClick() { PrintReport(frxPreview1->document()); }

bool TfraViewPage::PrintReport(const report::Document& document) {
  return report::PrintTargetOr(ctx.printTarget).print(document, window());
}

void TfraViewPage::imgBackClick() {
  if (ctx.main) ctx.main->ShowPage(8);
}

void TfraViewPage::setPageTitle(const QString& title) {
  lbTitle->setText(title);
  Panel3->setTitle(title);
}

void TfraViewPage::wheelEvent(QWheelEvent* event) {
  // The base page lets the wheel pass; then the preview takes the focus and scrolls.
  TfraBasFrame::wheelEvent(event);
  frxPreview1->takeFocus();
  frxPreview1->scrollByWheel(event->angleDelta().y());
  event->accept();
}

}  // namespace pk
