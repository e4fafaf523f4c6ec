#include "setup/tfrmaccountdetailsdlg.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <cmath>

#include "core/store/balances.h"
#include "core/store/db.h"

namespace pk {

namespace {

QString balanceText(double value) {
  const QLocale locale;
  const QString two = locale.toString(value, 'f', 2);
  bool ok = false;
  if (std::abs(locale.toDouble(two, &ok) - value) < 1e-9 && ok) return two;
  return locale.toString(value, 'g', 15);
}

// The regional short date with a four-digit year.
QString pickerFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

}  // namespace

TfrmAccountDetailsDlg::TfrmAccountDetailsDlg(AppContext& context, AccountRecord& account, int accountNumber,
                                             QWidget* parent)
    : TfrmBasDlg(context, parent), account_(account), work_(account), accountNumber_(accountNumber) {
  setWindowTitle(QStringLiteral("Account Details"));
  setObjectName(QStringLiteral("frmAccountDetailsDlg"));

  auto* form = new QFormLayout(mainPanel);
  form->setContentsMargins(0, 8, 0, 0);
  form->setHorizontalSpacing(14);
  form->setVerticalSpacing(12);
  form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  dedAccName = new QLineEdit(work_.name, mainPanel);
  dedAccName->setObjectName(QStringLiteral("dedAccName"));
  dedBankNum = new QLineEdit(work_.bankNum, mainPanel);
  dedBankNum->setObjectName(QStringLiteral("dedBankNum"));
  dedBalance = new QLineEdit(balanceText(work_.initialBalance), mainPanel);
  dedBalance->setObjectName(QStringLiteral("dedBalance"));
  dedBalance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  dedBalance->installEventFilter(this);
  edBalanceDate = new QDateEdit(mainPanel);
  edBalanceDate->setObjectName(QStringLiteral("edBalanceDate"));
  edBalanceDate->setCalendarPopup(true);
  edBalanceDate->setDisplayFormat(pickerFormat());
  edBalanceDate->setMinimumDate(QDate(1900, 1, 1));
  edBalanceDate->setDate(dateOf(picker_));
  for (QWidget* w : {static_cast<QWidget*>(dedAccName), static_cast<QWidget*>(dedBankNum),
                     static_cast<QWidget*>(dedBalance), static_cast<QWidget*>(edBalanceDate)}) {
    w->setMinimumWidth(240);
  }
  form->addRow(QStringLiteral("Account Name"), dedAccName);
  form->addRow(QStringLiteral("Bank Account Number"), dedBankNum);
  form->addRow(QStringLiteral("Balance"), dedBalance);
  form->addRow(QStringLiteral("Balance as at"), edBalanceDate);

  // Setting a date replaces only the date: the picker keeps its time of day.
  connect(edBalanceDate, &QDateEdit::dateChanged, this, [this](const QDate& d) { picker_ = withDate(picker_, d); });
  connect(dedAccName, &QLineEdit::textChanged, this, &TfrmAccountDetailsDlg::UpdateOkButton);
  UpdateOkButton();
}

DayNumber TfrmAccountDetailsDlg::pickerValue() const { return withDate(picker_, edBalanceDate->date()); }

void TfrmAccountDetailsDlg::FormShow() {
  dedAccName->setFocus();
  if (work_.balanceDate) {
    edBalanceDate->setDate(dateOf(*work_.balanceDate));
  } else {
    edBalanceDate->setDate(ctx.clock.today());
  }
  loadIconPicture(work_.icon);
  UpdateOkButton();
  edBalanceDate->setEnabled(accountNumber_ == 0 || !AccountHasTransactions(ctx.data, accountNumber_));
}

void TfrmAccountDetailsDlg::UpdateOkButton() { btnOK->setEnabled(!dedAccName->text().trimmed().isEmpty()); }

bool TfrmAccountDetailsDlg::eventFilter(QObject* watched, QEvent* event) {
  // Entering the balance selects its whole text.
  if (watched == dedBalance && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, dedBalance, &QLineEdit::selectAll);
  }
  return TfrmBasDlg::eventFilter(watched, event);
}

void TfrmAccountDetailsDlg::lbChangeIconClick() {
  pictureFolder = ctx.folder.imagesDir() + QStringLiteral("Account");
  TfrmBasDlg::lbChangeIconClick();
}

void TfrmAccountDetailsDlg::acOkExecute() {
  if (dedAccName->text().trimmed().isEmpty()) return;
  double balance = 0;
  const QString text = dedBalance->text().trimmed();
  if (!text.isEmpty()) {
    bool ok = false;
    balance = QLocale().toDouble(text, &ok);
    if (!ok) {
      ctx.prompter.message(MessageKind::Error, QStringLiteral("'%1' is not a valid amount for the balance.").arg(text));
      dedBalance->setFocus();
      return;
    }
  }
  work_.name = dedAccName->text();
  work_.bankNum = dedBankNum->text();
  work_.initialBalance = balance;
  // The full value of the picker: its date with its time of day.
  work_.balanceDate = pickerValue();
  TfrmBasDlg::acOkExecute();
}

bool TfrmAccountDetailsDlg::saveRecord() {
  SaveAccount(ctx.data, work_);
  account_ = work_;
  return true;
}

void TfrmAccountDetailsDlg::cancelRecord() { work_ = account_; }

}  // namespace pk
