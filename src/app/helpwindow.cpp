#include "app/helpwindow.h"

#include <QUrl>
#include <QVBoxLayout>

namespace pk {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Pursekeep Manual"));
  resize(720, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({QStringLiteral(":/manual")});
  layout->addWidget(browser_);
}

QString HelpWindow::anchorOf(int context) { return QStringLiteral("c%1").arg(context); }

void HelpWindow::showContext(int context) {
  lastContext_ = context;
  QUrl url(QStringLiteral("qrc:/manual/manual.html"));
  url.setFragment(anchorOf(context));
  browser_->setSource(url);
  browser_->scrollToAnchor(anchorOf(context));
  show();
  raise();
  activateWindow();
}

}  // namespace pk
