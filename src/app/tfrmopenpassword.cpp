#include "app/tfrmopenpassword.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "app/art.h"

namespace pk {

TfrmOpenPassword::TfrmOpenPassword(std::unique_ptr<TdmData> gateData, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      data_(std::move(gateData)),
      prompter_(prompter) {
  setWindowTitle(QStringLiteral("VORN-Password Protect"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  Label1 = new QLabel(QStringLiteral("Password Protection is enabled\nPlease enter your password"), this);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label2 = new QLabel(QStringLiteral("Password"), this);
  JvImage1 = new QLabel(this);
  JvImage1->setPixmap(artPixmap(QStringLiteral("gate.png"), QSize(96, 96)));
  edtpassword = new QLineEdit(this);
  edtpassword->setEchoMode(QLineEdit::Password);
  edtpassword->setMinimumWidth(200);
  BitBtn1 = new QPushButton(QStringLiteral("Login"), this);
  BitBtn1->setDefault(true);
  BitBtn1->setAutoDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 18, 18, 18);
  grid->setHorizontalSpacing(16);
  grid->addWidget(JvImage1, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(Label1, 0, 1, 1, 2);
  grid->addWidget(Label2, 1, 1);
  grid->addWidget(edtpassword, 1, 2);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  grid->addLayout(buttons, 2, 1, 1, 2);
  setFixedSize(sizeHint());

  connect(BitBtn1, &QPushButton::clicked, this, &TfrmOpenPassword::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmOpenPassword::~TfrmOpenPassword() = default;

void TfrmOpenPassword::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edtpassword->clear();
  edtpassword->setFocus();
}

void TfrmOpenPassword::BitBtn1Click() {
  if (data_ && data_->PasswordMatches(edtpassword->text())) {
    accept();
    return;
  }
  prompter_.message(MessageKind::Plain, QStringLiteral("Password not Correct"));
}

void TfrmOpenPassword::done(int result) {
  // However the dialog closes, the gate's data module goes with it.
  data_.reset();
  QDialog::done(result);
}

}  // namespace pk
