#include "setup/tfrmbasdlg.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/art.h"
#include "core/store/catalogue.h"

namespace pk {

const QString TfrmBasDlg::kPictureFilter = QStringLiteral(
    "All Files (*);;All Graphics Files (*.bmp *.jpg *.gif *.png);;Portable Network Graphics (*.png);;"
    "GIF Image (*.gif);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps (*.bmp)");

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {
constexpr int kIconSize = 128;

// A picture for the 128-pixel box: a large one shrinks to fit, one of the
// catalogue's sizes is shown as it is (crisp), a small one is doubled.
QPixmap fitted(const QPixmap& picture) {
  const QSize size = picture.size();
  if (size.width() > kIconSize || size.height() > kIconSize) {
    return picture.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  if (size.width() <= kIconSize / 2 && size.height() <= kIconSize / 2) {
    return picture.scaled(size * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return picture;
}
}  // namespace

TfrmBasDlg::TfrmBasDlg(AppContext& context, QWidget* parent) : QDialog(parent), ctx(context) {
  setModal(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-border dialog
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(16, 16, 16, 8);
  body->setSpacing(20);
  outer->addLayout(body, 1);

  auto* left = new QVBoxLayout;
  left->setSpacing(6);
  imgIcon = new ClickLabel(this);
  imgIcon->setObjectName(QStringLiteral("imgIcon"));
  imgIcon->setFixedSize(kIconSize, kIconSize);
  imgIcon->setAlignment(Qt::AlignCenter);
  imgIcon->setStyleSheet(QStringLiteral("QLabel { border: 1px solid rgb(166,190,78); border-radius: 6px; }"));
  imgIcon->setCursor(Qt::PointingHandCursor);
  imgIcon->setPixmap(fitted(artPixmap(QStringLiteral("default_icon.png"), QSize(48, 48))));
  lbChangeIcon = new ClickLabel(QStringLiteral("Change Image"), this);
  lbChangeIcon->setObjectName(QStringLiteral("lbChangeIcon"));
  lbChangeIcon->setAlignment(Qt::AlignCenter);
  lbChangeIcon->setCursor(Qt::PointingHandCursor);
  lbChangeIcon->setStyleSheet(QStringLiteral("color: #0000ff; font-weight: bold; text-decoration: underline;"));
  left->addWidget(imgIcon, 0, Qt::AlignHCenter);
  left->addWidget(lbChangeIcon, 0, Qt::AlignHCenter);
  left->addStretch(1);
  body->addLayout(left);

  mainPanel = new QWidget(this);
  mainPanel->setObjectName(QStringLiteral("mainPanel"));
  body->addWidget(mainPanel, 1);

  auto* line = new QFrame(this);
  line->setFixedHeight(2);
  line->setAutoFillBackground(true);
  QPalette linePal = pal;
  linePal.setColor(QPalette::Window, QColor(166, 190, 78));
  line->setPalette(linePal);
  outer->addWidget(line);

  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(16, 10, 16, 12);
  bottom->addStretch(1);
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnOK->setMinimumWidth(88);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setAutoDefault(false);
  btnCancel->setMinimumWidth(88);
  bottom->addWidget(btnOK);
  bottom->addWidget(btnCancel);
  outer->addLayout(bottom);

  connect(btnOK, &QPushButton::clicked, this, &TfrmBasDlg::acOkExecute);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmBasDlg::acCancelExecute);
  connect(imgIcon, &ClickLabel::clicked, this, &TfrmBasDlg::imgIconClick);
  connect(lbChangeIcon, &ClickLabel::clicked, this, &TfrmBasDlg::lbChangeIconClick);
}

void TfrmBasDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TfrmBasDlg::acOkExecute() {
  if (hasRecord() && isEditing()) {
    bool saved = false;
    try {
      saved = saveRecord();
    } catch (const DbError& e) {
      // The refusal is told; the changes go and the dialog ends as cancelled.
      cancelRecord();
      ctx.prompter.message(MessageKind::Error, e.text());
      done(QDialog::Rejected);
      return;
    }
    if (!saved) {
      cancelRecord();
      done(QDialog::Rejected);
      return;
    }
  }
  done(QDialog::Accepted);
}

void TfrmBasDlg::acCancelExecute() {
  if (hasRecord() && isEditing()) cancelRecord();
  done(QDialog::Rejected);
}

// Escape and the window's close both cancel.
void TfrmBasDlg::reject() { acCancelExecute(); }

void TfrmBasDlg::lbChangeIconClick() { imgIconClick(); }

void TfrmBasDlg::imgIconClick() {
  if (!hasRecord()) return;
  if (pictureFolder.isEmpty()) pictureFolder = ctx.folder.imagesDir();
  const QString file = ctx.prompter.openFileName(QStringLiteral("Select picture"), pictureFolder, kPictureFilter);
  if (file.isEmpty()) return;
  // Only a file that can be shown becomes the picture: anything else would stop
  // every list that shows this record.
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  if (!QFileInfo(file).isFile() || reader.read().isNull()) {
    ctx.prompter.message(MessageKind::Error,
                         QStringLiteral("The file %1 is not a picture that can be shown.").arg(file));
    return;
  }
  const StoredPicture stored = StoreChosenPicture(ctx.folder.imagesDir(), file);
  if (!stored.error.isEmpty()) {
    ctx.prompter.message(MessageKind::Error, stored.error);
    return;
  }
  setRecordIcon(stored.icon);
  loadIconPicture(stored.icon);
}

void TfrmBasDlg::loadIconPicture(const QString& icon) {
  if (icon.isEmpty()) return;
  const QString file = ctx.folder.imageFile(icon);
  if (!QFileInfo(file).isFile()) return;
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (!image.isNull()) imgIcon->setPixmap(fitted(QPixmap::fromImage(image)));
}

}  // namespace pk
