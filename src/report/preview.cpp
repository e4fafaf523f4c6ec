#include "report/preview.h"

#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pk::report {

ReportPreview::ReportPreview(QWidget* parent)
    : QWidget(parent), printer_(std::make_unique<QPrinter>(QPrinter::ScreenResolution)) {
  printer_->setFullPage(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  preview_ = new QPrintPreviewWidget(printer_.get(), this);
  preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
  preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);
  layout->addWidget(preview_);
  connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
    document_.print(*printer);
  });
  if (QGraphicsView* v = view()) {
    setFocusProxy(v);
  } else {
    setFocusProxy(preview_);
  }
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::setDocument(const Document& document) {
  document_ = document;
  if (document_.pageCount() > 0) {
    QPageLayout layout = document_.page(0).setup.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(QMarginsF(0, 0, 0, 0));
    printer_->setPageLayout(layout);
  }
  preview_->updatePreview();
  preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);
}

QGraphicsView* ReportPreview::view() const { return preview_->findChild<QGraphicsView*>(); }

void ReportPreview::takeFocus() {
  if (QGraphicsView* v = view()) v->setFocus(Qt::OtherFocusReason);
  else preview_->setFocus(Qt::OtherFocusReason);
}

void ReportPreview::scrollByWheel(int delta) {
  QGraphicsView* v = view();
  if (!v) return;
  QScrollBar* bar = v->verticalScrollBar();
  // Three lines of the view per notch, as a wheel scrolls elsewhere.
  const int step = std::max(1, bar->singleStep()) * 3;
  bar->setValue(bar->value() - delta * step / 120);
}

int ReportPreview::scrollPosition() const {
  QGraphicsView* v = view();
  return v ? v->verticalScrollBar()->value() : 0;
}

}  // namespace pk::report
