#include "app/tfrabasframe.h"

#include <QEvent>
#include <QHash>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/tfrmmain.h"

namespace pk {

namespace {
int nextSerial = 0;
constexpr int kToolbarHeight = 68;
constexpr int kButtonWidth = 64;
}  // namespace

int TfraBasFrame::helpContextOf(const QString& className) {
  static const QHash<QString, int> contexts = {
      {QStringLiteral("TfraStart"), 1004},
      {QStringLiteral("TfraSetup"), 1005},
      {QStringLiteral("TfraSetupAccounts"), 1007},
      {QStringLiteral("TfraSetupIncome"), 1008},
      {QStringLiteral("TfraSetupOutgoings"), 1009},
      {QStringLiteral("TfraSetupBudget"), 1010},
      {QStringLiteral("TfraEnterInfo"), 1013},
      {QStringLiteral("TfraEnterInfoAccountDetails"), 1014},
      {QStringLiteral("TfraView"), 1017},
      {QStringLiteral("TfraViewBudgetAnnual"), 1019},
      {QStringLiteral("TfraViewYear1"), 1020},
      {QStringLiteral("TfraViewYear2"), 1021},
      {QStringLiteral("TfraViewPieChart2"), 1022},
      {QStringLiteral("TfraViewForecastYearEnd"), 1023},
  };
  QString name = className;
  const int colons = name.lastIndexOf(QStringLiteral("::"));
  if (colons >= 0) name = name.mid(colons + 2);
  return contexts.value(name, 0);
}

int TfraBasFrame::helpContext() const {
  return helpContextOf(QString::fromLatin1(metaObject()->className()));
}

ImageButton* TfraBasFrame::makeToolButton(int normal, int hover, const QString& hint) {
  auto* b = new ImageButton(pnTop);
  b->setPictures(toolbarImage(normal), toolbarImage(hover));
  b->setToolTip(hint);
  b->setStatusTip(hint);
  b->setFixedSize(kButtonWidth, 64);
  b->installEventFilter(this);
  return b;
}

TfraBasFrame::TfraBasFrame(AppContext& context, QWidget* parent)
    : QFrame(parent), ctx(context), serial_(++nextSerial) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  setFrameShape(QFrame::NoFrame);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  content_ = new QWidget(this);
  content_->setObjectName(QStringLiteral("content"));
  layout->addWidget(content_, 1);

  pnTop = new QWidget(this);
  pnTop->setObjectName(QStringLiteral("pnTop"));
  pnTop->setFixedHeight(kToolbarHeight);
  pnTop->setAutoFillBackground(true);
  pnTop->setPalette(pal);
  pnTop->installEventFilter(this);
  layout->addWidget(pnTop);

  TopLine = new QFrame(pnTop);
  TopLine->setAutoFillBackground(true);
  QPalette line = pal;
  line.setColor(QPalette::Window, QColor(166, 190, 78));
  TopLine->setPalette(line);

  ImgLogo = new QLabel(pnTop);
  ImgLogo->setPixmap(artPixmap(QStringLiteral("logo.png"), QSize(150, 56)));
  ImgLogo->adjustSize();

  lbTitle = new QLabel(QStringLiteral("???"), this);
  lbTitle->hide();

  btnBack = makeToolButton(18, 19, QStringLiteral("Back"));
  btnNext = makeToolButton(28, 29, QStringLiteral("Forward"));
  btnHelp2 = makeToolButton(4, 5, QStringLiteral("Help"));
  btnHelp2->hide();
  btnInfo = makeToolButton(6, 7, QStringLiteral("Info"));
  btnHelp = makeToolButton(4, 5, QStringLiteral("Help and support details"));
  btnTrash = makeToolButton(8, 9,
      QStringLiteral("Delete items on this page by high-lighting or dragging the item onto  the recycle bin"));
  btnUnlock = makeToolButton(2, 3, QStringLiteral("Password protect Pursekeep \u2013 Lock/unlock"));
  btnUnlock->hide();
  btnBackup = makeToolButton(0, 1, QStringLiteral("Backup/Restore Pursekeep"));
  btnBackup->hide();
  JvImgBtn4 = new QWidget(pnTop);
  JvImgBtn4->setFixedSize(30, 64);
  JvImgBtn4->hide();
  JvImgBtn4->installEventFilter(this);
  btnPrint = makeToolButton(20, 21, QStringLiteral("Print"));
  btnPrint->hide();
  btnImport = makeToolButton(22, 23, QStringLiteral("Import  OFX and QIF file"));
  btnImport->hide();
  btnGlass = makeToolButton(24, 25, QStringLiteral("Toggle Search"));
  btnGlass->hide();

  pnTopContent4 = new QWidget(pnTop);
  pnTopContent4->setFixedSize(256, 64);
  btnHome = new ImageButton(pnTopContent4);
  btnSmallSetup = new ImageButton(pnTopContent4);
  btnSmallEnter = new ImageButton(pnTopContent4);
  btnSmallView = new ImageButton(pnTopContent4);
  const struct { ImageButton* b; int normal; const char* hint; } nav[] = {
      {btnHome, 16, "Go to the Home page"},
      {btnSmallSetup, 10, "Go to the Set-up page"},
      {btnSmallEnter, 12, "Enter info into your accounts"},
      {btnSmallView, 14, "Go to the View Reports/Graphs page"},
  };
  int x = 0;
  for (const auto& n : nav) {
    n.b->setPictures(toolbarImage(n.normal), toolbarImage(n.normal + 1));
    n.b->setToolTip(QString::fromLatin1(n.hint));
    n.b->setStatusTip(QString::fromLatin1(n.hint));
    n.b->setGeometry(x, 0, 64, 64);
    x += 64;
  }

  connect(btnHome, &QAbstractButton::clicked, this, &TfraBasFrame::btnHomeClick);
  connect(btnSmallSetup, &QAbstractButton::clicked, this, &TfraBasFrame::btnSmallSetupClick);
  connect(btnSmallEnter, &QAbstractButton::clicked, this, &TfraBasFrame::btnSmallEnterClick);
  connect(btnSmallView, &QAbstractButton::clicked, this, &TfraBasFrame::btnSmallViewClick);
  connect(btnBack, &QAbstractButton::clicked, this, &TfraBasFrame::btnBackClick);
  connect(btnNext, &QAbstractButton::clicked, this, &TfraBasFrame::btnNextClick);
  connect(btnHelp2, &QAbstractButton::clicked, this, &TfraBasFrame::btnHelp2Click);
  connect(btnHelp, &QAbstractButton::clicked, this, &TfraBasFrame::btnHelp2Click);
  connect(btnUnlock, &ImageButton::mouseEntered, this, &TfraBasFrame::refreshUnlockPicture);
  connect(btnUnlock, &ImageButton::mouseLeft, this, &TfraBasFrame::refreshUnlockPicture);
  refreshUnlockPicture();
  built_ = true;
  layoutToolbar();
}

void TfraBasFrame::refreshUnlockPicture() {
  bool locked = false;
  try {
    locked = ctx.data.isOpen() && ctx.data.UsesPassword();
  } catch (const DbError&) {
  }
  btnUnlock->setPictures(toolbarImage(locked ? 26 : 2), toolbarImage(locked ? 27 : 3));
}

void TfraBasFrame::layoutToolbar() {
  if (!built_) return;
  const int w = pnTop->width();
  const int h = pnTop->height();
  TopLine->setGeometry(0, 0, w, 2);
  ImgLogo->move(8, (h - ImgLogo->height()) / 2 + 1);
  // Back and Forward stand after the logo.
  int left = ImgLogo->x() + ImgLogo->width() + 8;
  for (QWidget* b : {static_cast<QWidget*>(btnBack), static_cast<QWidget*>(btnNext),
                     static_cast<QWidget*>(btnHelp2)}) {
    if (b->isHidden()) continue;
    b->move(left, 3);
    left += b->width();
  }
  // The picture buttons line up from the right edge.
  int right = w;
  const QWidget* order[] = {btnInfo, btnHelp, btnTrash, btnUnlock, btnBackup,
                            JvImgBtn4, btnPrint, btnImport, btnGlass};
  for (const QWidget* c : order) {
    auto* b = const_cast<QWidget*>(c);
    if (b->isHidden()) continue;
    right -= b->width();
    b->move(right, 3);
  }
  // pnTopResize: the navigation group is centred.
  pnTopContent4->move(w / 2 - 128, 3);
}

bool TfraBasFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:
      if (watched == pnTop) layoutToolbar();
      break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      if (watched != pnTop) layoutToolbar();
      break;
    default:
      break;
  }
  return QFrame::eventFilter(watched, event);
}

void TfraBasFrame::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  FrameResize();
}

void TfraBasFrame::FrameResize() {
  if (ctx.main) {
    btnBack->setEnabled(ctx.main->CanGoUp());
    btnNext->setEnabled(ctx.main->CanGoForward());
  }
  layoutToolbar();
}

void TfraBasFrame::btnHomeClick() { if (ctx.main) ctx.main->ShowPage(0); }
void TfraBasFrame::btnSmallSetupClick() { if (ctx.main) ctx.main->ShowPage(1); }
void TfraBasFrame::btnSmallEnterClick() { if (ctx.main) ctx.main->ShowPage(6); }
void TfraBasFrame::btnSmallViewClick() { if (ctx.main) ctx.main->ShowPage(8); }
void TfraBasFrame::btnBackClick() { if (ctx.main) ctx.main->GoUp(); }
void TfraBasFrame::btnNextClick() { if (ctx.main) ctx.main->GoForward(); }

void TfraBasFrame::btnHelp2Click() {
  const int context = helpContext();
  if (context != 0 && ctx.main) ctx.main->ShowHelp(context);
}

}  // namespace pk
