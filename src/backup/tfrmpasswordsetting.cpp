#include "backup/tfrmpasswordsetting.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QShowEvent>

#include "app/art.h"
#include "app/tfrmmain.h"

namespace pk {

TfrmPasswordSetting::TfrmPasswordSetting(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ctx(context) {
  setWindowTitle(QStringLiteral("VORN - Password Protect"));
  setModal(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  // The locked and the open lock, at the same place.
  imageEnable = new QLabel(this);
  imageEnable->setPixmap(toolbarImage(26));
  imagedisable = new QLabel(this);
  imagedisable->setPixmap(toolbarImage(2));

  Label1 = new QLabel(this);
  QFont bold = Label1->font();
  bold.setBold(true);
  bold.setPixelSize(14);
  Label1->setFont(bold);
  Label2 = new QLabel(this);
  QFont link = Label2->font();
  link.setUnderline(true);
  Label2->setFont(link);
  QPalette blue = Label2->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label2->setPalette(blue);
  Label2->setCursor(Qt::PointingHandCursor);
  Label2->installEventFilter(this);

  edtPassword = new QLineEdit(this);
  edtPassword->setEchoMode(QLineEdit::Password);
  edtPassword->setMinimumWidth(220);
  edtConfirm = new QLineEdit(this);
  edtConfirm->setEchoMode(QLineEdit::Password);
  // Every typed character shows as "*".
  for (QLineEdit* field : {edtPassword, edtConfirm}) {
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  }

  BitBtn1 = new QPushButton(QStringLiteral("Save"), this);
  BitBtn1->setDefault(true);
  BitBtn1->setMinimumWidth(88);
  BitBtn2 = new QPushButton(QStringLiteral("Close"), this);
  BitBtn2->setAutoDefault(false);
  BitBtn2->setMinimumWidth(88);
  btnHelp = new ImageButton(this);
  btnHelp->setPictures(toolbarImage(4), toolbarImage(5));
  btnHelp->setFixedSize(40, 40);
  btnHelp->setToolTip(QStringLiteral("Help"));

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 18, 18, 12);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(10);
  grid->addWidget(imageEnable, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(imagedisable, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(Label1, 0, 1, 1, 2);
  grid->addWidget(Label2, 1, 1, 1, 2, Qt::AlignTop);
  grid->addWidget(new QLabel(QStringLiteral("Password"), this), 2, 1);
  grid->addWidget(edtPassword, 2, 2);
  grid->addWidget(new QLabel(QStringLiteral("Confirm Password"), this), 3, 1);
  grid->addWidget(edtConfirm, 3, 2);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(btnHelp);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  grid->addLayout(buttons, 4, 0, 1, 3);
  // The wider of the two state lines decides the width.
  Label1->setText(QStringLiteral("Password Protection is enabled"));
  Label2->setText(QStringLiteral("Click here to disable password protection"));
  setFixedSize(sizeHint());

  connect(BitBtn1, &QPushButton::clicked, this, &TfrmPasswordSetting::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnHelp, &QAbstractButton::clicked, this, &TfrmPasswordSetting::btnHelpClick);
}

void TfrmPasswordSetting::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

bool TfrmPasswordSetting::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label2Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmPasswordSetting::showLook(bool on) {
  imageEnable->setVisible(on);
  imagedisable->setVisible(!on);
  edtPassword->setEnabled(on);
  edtConfirm->setEnabled(on);
  Label1->setText(on ? QStringLiteral("Password Protection is enabled")
                     : QStringLiteral("Password Protection is disable"));
  Label2->setText(on ? QStringLiteral("Click here to disable password protection")
                     : QStringLiteral("Click here to enable password protection"));
  if (on) edtPassword->setFocus();
}

void TfrmPasswordSetting::FormShow() {
  edtPassword->clear();
  edtConfirm->clear();
  showLook(ctx.data.UsesPassword());
}

void TfrmPasswordSetting::Label2Click() { showLook(!edtPassword->isEnabled()); }

void TfrmPasswordSetting::BitBtn1Click() {
  if (edtPassword->isEnabled()) {
    const QString password = edtPassword->text();
    if (password != edtConfirm->text()) {
      ctx.prompter.message(MessageKind::Plain, QStringLiteral("password and Confirm Password must be same"));
      return;
    }
    if (password.trimmed().isEmpty()) {
      ctx.prompter.message(MessageKind::Plain, QStringLiteral("password can not empty"));
      return;
    }
  }
  try {
    if (edtPassword->isEnabled()) {
      // Turns protection on and stores the password (as a salted hash) in one write.
      ctx.data.SetPassword(edtPassword->text());
    } else {
      // The stored password stays for a later switch back on.
      ctx.data.SetUsePassword(false);
    }
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
    return;
  }
  accept();
}

void TfrmPasswordSetting::btnHelpClick() {
  if (ctx.main) ctx.main->ShowHelp(1026);
}

}  // namespace pk
