#include "setup/setupnavstrip.h"

#include <QFileInfo>
#include <QHBoxLayout>

#include "app/art.h"
#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"

namespace pk {

namespace {

constexpr int kStripHeight = 80;
constexpr int kPictureHeight = 72;

TfrmMain* mainWindowOf(QWidget* page) { return qobject_cast<TfrmMain*>(page->window()); }

// A picture of the program folder's btn/ folder; the built-in copy when the file
// is missing or damaged.
QPixmap btnPicture(TfraBasFrame* page, const QString& name) {
  QPixmap picture;
  if (TfrmMain* main = mainWindowOf(page)) {
    const QString file = main->context().folder.btnDir() + name;
    if (QFileInfo(file).isFile()) picture.load(file);
  }
  if (picture.isNull()) picture.load(QStringLiteral(":/btn/") + name);
  if (picture.isNull()) picture = artPixmap(QStringLiteral("btn/") + name, QSize(kPictureHeight, kPictureHeight));
  return picture;
}

ImageButton* pictureButton(TfraBasFrame* page, QWidget* parent, const QString& base, const QString& hint) {
  auto* b = new ImageButton(parent);
  b->setObjectName(base.section(QLatin1Char('.'), 0, 0).remove(QStringLiteral("_normal")));
  const QString stem = base.chopped(4);  // without ".png"
  const QString over = stem.endsWith(QLatin1String("_normal"))
                           ? stem.chopped(7) + QStringLiteral("_over.png")
                           : stem + QStringLiteral("_over.png");
  const QPixmap normal = btnPicture(page, base);
  b->setPictures(normal, btnPicture(page, over));
  QSize size = normal.deviceIndependentSize().toSize();
  if (size.height() > kPictureHeight) size = size.scaled(QSize(10000, kPictureHeight), Qt::KeepAspectRatio);
  b->setFixedSize(size);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  return b;
}

}  // namespace

QWidget* CreateSetupNavStrip(TfraBasFrame* page, int pageNumber) {
  auto* strip = new QWidget(page->content());
  strip->setObjectName(QStringLiteral("setupNavStrip"));
  strip->setFixedHeight(kStripHeight);
  strip->setAutoFillBackground(true);
  QPalette pal = strip->palette();
  pal.setColor(QPalette::Window, Qt::white);
  strip->setPalette(pal);

  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(12, 4, 12, 4);
  row->setSpacing(10);

  // The Set-up picture leads back up to the hub.
  ImageButton* image5 = pictureButton(page, strip, QStringLiteral("setup_normal.png"), QString());
  image5->setObjectName(QStringLiteral("Image5"));
  QObject::connect(image5, &QAbstractButton::clicked, page, [page] {
    if (TfrmMain* main = mainWindowOf(page)) main->GoUp();
  });
  row->addWidget(image5, 0, Qt::AlignVCenter);
  row->addStretch(1);

  const struct {
    const char* picture;
    const char* hint;
    int page;
  } buttons[] = {
      {"btn_account.png", "Set-up accounts", 2},
      {"btn_income.png", "Set-up income items", 3},
      {"btn_outgoing.png", "Set-up outgoing items", 4},
      {"btn_budget.png", "Set-up Annual budget", 5},
  };
  for (const auto& b : buttons) {
    ImageButton* button =
        pictureButton(page, strip, QString::fromLatin1(b.picture), QString::fromLatin1(b.hint));
    if (b.page == pageNumber) {
      // The button of the page being shown stays lit and does nothing.
      button->setHighlighted(true);
      button->setCursor(Qt::ArrowCursor);
    } else {
      const int target = b.page;
      QObject::connect(button, &QAbstractButton::clicked, page, [page, target] {
        if (TfrmMain* main = mainWindowOf(page)) main->ShowPage(target);
      });
    }
    row->addWidget(button, 0, Qt::AlignVCenter);
  }

  // Every setup page keeps the toolbar's Set-up button lit.
  page->btnSmallSetup->setHighlighted(true);
  return strip;
}

}  // namespace pk
