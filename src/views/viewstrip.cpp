#include "views/viewstrip.h"

#include <QFile>
#include <QPainter>

#include "app/art.h"
#include "app/imagebutton.h"

namespace pk {

QPixmap BackPicture(const ProgramFolder& folder, bool over) {
  const QString name = over ? QStringLiteral("back_over.png") : QStringLiteral("back_normal.png");
  QPixmap pm(folder.btnDir() + name);
  if (!pm.isNull()) return pm;
  return artPixmap(QStringLiteral("hub/") + name, QSize(48, 48)).scaled(64, 64, Qt::KeepAspectRatio,
                                                                          Qt::SmoothTransformation);
}

ViewStrip::ViewStrip(const ProgramFolder& folder, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Panel3"));
  setFixedHeight(kHeight);
  banner_ = artPixmap(QStringLiteral("hub/banner_view.png"), QSize(900, 70));
  imgBack = new ImageButton(this);
  imgBack->setObjectName(QStringLiteral("imgBack"));
  imgBack->setPictures(BackPicture(folder, false), BackPicture(folder, true));
  imgBack->setToolTip(QStringLiteral("Back"));
  imgBack->setCursor(Qt::PointingHandCursor);
  imgBack->setGeometry(0, 3, 64, 64);
}

void ViewStrip::setTitle(const QString& title) {
  title_ = title;
  update();
}

void ViewStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const int h = banner_.height();
  p.drawPixmap(0, 0, banner_);
  // The banner's plain right edge carries on to the strip's end.
  if (width() > banner_.width()) {
    p.drawPixmap(QRect(banner_.width(), 0, width() - banner_.width(), h), banner_,
                 QRect(banner_.width() - 1, 0, 1, h));
  }
  if (!title_.isEmpty()) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(32, 91, 71));
    p.drawText(QRect(0, 0, width() - 24, h - 4), Qt::AlignRight | Qt::AlignVCenter, title_);
  }
}

}  // namespace pk
