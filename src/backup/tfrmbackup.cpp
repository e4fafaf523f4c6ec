#include "backup/tfrmbackup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/tfrmmain.h"
#include "core/backup/backup.h"

namespace pk {

namespace {
QPushButton* button(const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  b->setMinimumWidth(88);
  return b;
}

QGroupBox* half(const QString& title, const QString& heading, const QString& fieldLabel, QLineEdit*& field,
                QPushButton*& browse, QPushButton*& action, const QString& actionText, QProgressBar*& bar,
                QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* v = new QVBoxLayout(box);
  v->setSpacing(8);
  auto* head = new QLabel(heading, box);
  QFont bold = head->font();
  bold.setBold(true);
  bold.setPixelSize(14);
  head->setFont(bold);
  QPalette pal = head->palette();
  pal.setColor(QPalette::WindowText, QColor(32, 91, 71));
  head->setPalette(pal);
  v->addWidget(head);
  v->addWidget(new QLabel(fieldLabel, box));
  auto* row = new QHBoxLayout();
  field = new QLineEdit(box);
  field->setMinimumWidth(380);
  browse = button(QStringLiteral("Browse"), box);
  row->addWidget(field, 1);
  row->addWidget(browse);
  v->addLayout(row);
  auto* row2 = new QHBoxLayout();
  bar = new QProgressBar(box);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setFixedHeight(16);
  bar->setStyleSheet(QStringLiteral(
      "QProgressBar { border: 1px solid rgb(166,190,78); border-radius: 3px; background: white; }"
      "QProgressBar::chunk { background: rgb(32,91,71); }"));
  action = button(actionText, box);
  row2->addWidget(bar, 1);
  row2->addWidget(action);
  v->addLayout(row2);
  return box;
}
}  // namespace

TfrmBackup::TfrmBackup(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ctx(context) {
  setWindowTitle(QStringLiteral("VORN - Backup/Restore"));
  setModal(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(16, 16, 16, 12);
  v->setSpacing(12);
  v->addWidget(half(QStringLiteral("Backup"), QStringLiteral("Backup Pursekeep Data"),
                    QStringLiteral("Backup target file and location:"), edtbackup, BitBtn1, BitBtn2,
                    QStringLiteral("Backup"), ProgressBar1, this));
  v->addWidget(half(QStringLiteral("Restore"), QStringLiteral("Restore Pursekeep Data"),
                    QStringLiteral("Restore file Location:"), edtRestore, BitBtn3, BitBtn4,
                    QStringLiteral("Restore"), ProgressBar2, this));

  auto* bottom = new QHBoxLayout();
  btnHelp = new ImageButton(this);
  btnHelp->setPictures(toolbarImage(4), toolbarImage(5));
  btnHelp->setFixedSize(40, 40);
  btnHelp->setToolTip(QStringLiteral("Help"));
  BitBtn5 = button(QStringLiteral("Close"), this);
  bottom->addWidget(btnHelp);
  bottom->addStretch(1);
  bottom->addWidget(BitBtn5);
  v->addLayout(bottom);
  setFixedSize(sizeHint());

  // FormCreate
  edtbackup->clear();
  edtRestore->clear();

  connect(BitBtn1, &QPushButton::clicked, this, &TfrmBackup::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TfrmBackup::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TfrmBackup::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TfrmBackup::BitBtn4Click);
  connect(BitBtn5, &QPushButton::clicked, this, &TfrmBackup::reject);
  connect(btnHelp, &QAbstractButton::clicked, this, &TfrmBackup::btnHelpClick);
}

QString TfrmBackup::backupFolder() const { return DefaultBackupFolder(ctx.data.DatabasePath); }

void TfrmBackup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TfrmBackup::FormShow() {
  restored_ = false;
  edtbackup->clear();
  edtRestore->clear();
  ProgressBar1->setValue(0);
  ProgressBar2->setValue(0);
  QDir().mkpath(backupFolder());
  edtbackup->setText(backupFolder() + DefaultBackupName(ctx.clock.today()));
  ProposeLatestBackup();
}

void TfrmBackup::ProposeLatestBackup() {
  if (const auto latest = pk::ProposeLatestBackup(backupFolder())) edtRestore->setText(*latest);
}

void TfrmBackup::BitBtn1Click() {
  const QString folder = ctx.prompter.folderName(QStringLiteral("Backup target folder"), backupFolder());
  if (folder.isEmpty()) return;
  edtbackup->setText(JoinBackupPath(folder, DefaultBackupName(ctx.clock.today())));
}

void TfrmBackup::ZipForge1OverallProgress(QProgressBar* bar, int percent) {
  bar->setValue(percent);
  // Let the window repaint; the user's clicks wait until the work is done.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmBackup::BitBtn2Click() {
  if (busy_) return;
  QString name = edtbackup->text();
  const ArchiveNameProblem problem = CheckArchiveName(name);
  if (problem != ArchiveNameProblem::Empty) edtbackup->setText(name);
  if (problem != ArchiveNameProblem::None) {
    ctx.prompter.message(MessageKind::Plain, ArchiveNameMessage(problem));
    return;
  }
  if (QFileInfo::exists(name) &&
      ctx.prompter.ask(MessageKind::Confirmation,
                       QStringLiteral("A back up file of the same name exists, do you want to overwrite?"),
                       Buttons::YesNo) != Answer::Yes) {
    return;
  }
  busy_ = true;
  try {
    BackupDatabase(ctx.data, name, [this](int p) { ZipForge1OverallProgress(ProgressBar1, p); });
    busy_ = false;
    ctx.prompter.message(MessageKind::Information, QStringLiteral("Backup Successfull"));
    ProgressBar1->setValue(0);
    ProposeLatestBackup();
  } catch (const ArchiveError& e) {
    busy_ = false;
    ProgressBar1->setValue(0);
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

void TfrmBackup::BitBtn3Click() {
  const QString file =
      ctx.prompter.openFileName(QStringLiteral("Restore file"), backupFolder(), QStringLiteral("*.zip (*.zip)"));
  if (!file.isEmpty()) edtRestore->setText(QFileInfo(file).absoluteFilePath());
}

void TfrmBackup::BitBtn4Click() {
  if (busy_) return;
  QString name = edtRestore->text();
  const ArchiveNameProblem problem = CheckArchiveName(name);
  if (problem != ArchiveNameProblem::Empty) edtRestore->setText(name);
  if (problem != ArchiveNameProblem::None) {
    ctx.prompter.message(MessageKind::Plain, ArchiveNameMessage(problem));
    return;
  }
  if (!QFileInfo(name).isFile()) {
    ctx.prompter.message(MessageKind::Plain, QStringLiteral("File not Exist"));
    return;
  }
  if (ctx.prompter.ask(MessageKind::Confirmation,
                       QStringLiteral("You are about to restore a backup of your data which will overwrite your "
                                      "current data \u2013 do you want to continue Y/N?"),
                       Buttons::YesNo) != Answer::Yes) {
    return;
  }
  busy_ = true;
  try {
    RestoreDatabase(ctx.data, name, [this](int p) { ZipForge1OverallProgress(ProgressBar2, p); });
    busy_ = false;
    restored_ = true;
    ctx.prompter.message(MessageKind::Information, QStringLiteral("Restore Successfull"));
    ProgressBar2->setValue(0);
  } catch (const ArchiveError& e) {
    busy_ = false;
    ProgressBar2->setValue(0);
    ctx.prompter.message(MessageKind::Error, e.text());
  } catch (const DbError& e) {
    // The data file in place could not be opened again.
    busy_ = false;
    ProgressBar2->setValue(0);
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

void TfrmBackup::btnHelpClick() {
  if (ctx.main) ctx.main->ShowHelp(1025);
}

void TfrmBackup::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TfrmBackup::reject() {
  if (!busy_) QDialog::reject();
}

void ShowBackupDialog(AppContext& ctx, QWidget* parent) {
  TfrmBackup dialog(ctx, parent);
  dialog.exec();
  if (dialog.restored() && ctx.main) ctx.main->ShowPage(ctx.main->CurrentPage);
}

}  // namespace pk
