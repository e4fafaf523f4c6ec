#include "app/tfrmsplash.h"

#include <QPainter>
#include <QScreen>

#include "app/art.h"

namespace pk {

namespace {
const QColor kGreen(32, 91, 71);
}

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFixedSize(628, 178);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  Image1 = new QLabel(this);
  Image1->setPixmap(artPixmap(QStringLiteral("splash.png"), QSize(628, 178)));
  Image1->setGeometry(2, 2, 624, 174);
  Image1->setScaledContents(true);

  lbProgress = new QLabel(QStringLiteral("Initializing..."), this);
  lbProgress->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbProgress->setAutoFillBackground(true);
  QPalette lp = lbProgress->palette();
  lp.setColor(QPalette::Window, kGreen);
  lp.setColor(QPalette::WindowText, Qt::white);
  lbProgress->setPalette(lp);
  lbProgress->setContentsMargins(0, 0, 10, 0);
  lbProgress->setGeometry(2, 136, 624, 20);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, 8);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setGeometry(2, 158, 624, 16);

  Timer1 = new QTimer(this);
  Timer1->setInterval(400);
  connect(Timer1, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
  Timer1->start();

  if (QScreen* s = screen()) move(s->geometry().center() - rect().center());
}

void TfrmSplash::Timer1Timer() {
  done_ = false;
  ProgressBar1->setValue(ProgressBar1->value() + 1);
  switch (countdown_) {
    case 3: lbProgress->setText(QStringLiteral("Initializing...")); break;
    case 2: lbProgress->setText(QStringLiteral("Creating objects...")); break;
    case 1: lbProgress->setText(QStringLiteral("Loading Skin...")); break;
    case 0:
      Timer1->stop();
      lbProgress->setText(QStringLiteral("Loading Skin..."));
      lbProgress->repaint();
      ProgressBar1->setValue(ProgressBar1->value() + 1);
      done_ = true;
      break;
    default: break;
  }
  --countdown_;
  if (countdown_ < 0) Timer1->stop();
}

void TfrmSplash::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Shape1: a 2-pixel frame along the window's edges.
  QPainter p(this);
  p.setPen(QPen(kGreen, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
}

}  // namespace pk
