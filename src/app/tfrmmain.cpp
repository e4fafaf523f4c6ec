#include "app/tfrmmain.h"

#include <QCoreApplication>
#include <QShowEvent>

#include "app/helpwindow.h"
#include "app/tfrabasframe.h"

namespace pk {

TfrmMain::TfrmMain(const Clock& clock, Prompter& prompter, const ProgramFolder& folder) {
  setWindowTitle(QStringLiteral("Pursekeep  v0814"));
  setFixedSize(944, 615);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  DataFile = folder.dataFile();
  ImagesDir = folder.imagesDir();
  dmData_ = std::make_unique<TdmData>(prompter, clock);
  dmData_->OpenDatabase(DataFile);
  ctx_.reset(new AppContext{*dmData_, clock, prompter, folder, this});

  FreePages();
  CreatePages();
}

TfrmMain::~TfrmMain() {
  FreePages();
  if (help_) delete help_;
}

TfraBasFrame* TfrmMain::page(int n) const {
  if (n < 0 || n >= kPageCount) return nullptr;
  return slots_[size_t(n)];
}

void TfrmMain::FreePages() {
  for (auto& slot : slots_) {
    delete slot;
    slot = nullptr;
  }
}

void TfrmMain::CreatePages() {
  // The order in which the page classes are made.
  static const int order[] = {1, 0, 6, 7, 2, 5, 3, 4, 8, 9, 10, 11, 12, 13, 14};
  for (int n : order) EnsurePage(n);
}

TfraBasFrame* TfrmMain::EnsurePage(int n) {
  TfraBasFrame*& slot = slots_[size_t(n)];
  if (!slot) {
    slot = createPage(n, *ctx_, this);
    slot->setAttribute(Qt::WA_OpaquePaintEvent, false);
    slot->hide();
  }
  return slot;
}

void TfrmMain::ActivatePage(int n) {
  TfraBasFrame* p = EnsurePage(n);
  p->InitPage();
  p->setGeometry(rect());
  p->show();
  p->raise();
  p->setFocus();
  ResizeCurrentPage();
}

void TfrmMain::ShowPage(int n) {
  CurrentPage = n;
  for (TfraBasFrame* p : slots_) {
    if (p) p->hide();
  }
  if (n < 0 || n >= kPageCount) return;
  TfraBasFrame*& slot = slots_[size_t(n)];
  // Every visit works on a brand-new page that reads its data afresh. The old
  // page may be the one whose button asked for this, so it goes later.
  if (slot) slot->deleteLater();
  slot = nullptr;
  ActivatePage(n);
}

void TfrmMain::GoUp() {
  switch (CurrentPage) {
    case 1: case 6: case 8: ShowPage(0); break;
    case 2: case 3: case 4: case 5: ShowPage(1); break;
    case 0: ShowPage(0); break;
    default: ShowPage(CurrentPage - 1); break;
  }
}

void TfrmMain::GoForward() { ShowPage(CurrentPage + 1); }

void TfrmMain::ResizeCurrentPage() {
  if (TfraBasFrame* p = currentPage()) {
    p->setGeometry(rect());
    QResizeEvent e(p->size(), p->size());
    QCoreApplication::sendEvent(p, &e);
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    ShowPage(CurrentPage);
  }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ResizeCurrentPage();
}

void TfrmMain::ShowHelp(int context) {
  if (!help_) help_ = new HelpWindow(nullptr);
  help_->showContext(context);
}

}  // namespace pk
