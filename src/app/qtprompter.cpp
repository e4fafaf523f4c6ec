#include "app/qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pk {

namespace {
QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Plain: return QMessageBox::NoIcon;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString captionOf(MessageKind kind, const QString& caption) {
  if (!caption.isEmpty()) return caption;
  switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    case MessageKind::Information: return QStringLiteral("Information");
    default: return QStringLiteral("Pursekeep");
  }
}
}  // namespace

QWidget* QtPrompter::parent() const {
  if (parent_) return parent_;
  return QApplication::activeWindow();
}

void QtPrompter::message(MessageKind kind, const QString& text, const QString& caption) {
  QMessageBox box(iconOf(kind), captionOf(kind, caption), text, QMessageBox::Ok, parent());
  box.exec();
}

Answer QtPrompter::ask(MessageKind kind, const QString& text, Buttons buttons, const QString& caption) {
  QMessageBox::StandardButtons set;
  switch (buttons) {
    case Buttons::Ok: set = QMessageBox::Ok; break;
    case Buttons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
  }
  QMessageBox box(iconOf(kind), captionOf(kind, caption), text, set, parent());
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

QString QtPrompter::openFileName(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent(), caption, folder, filter);
}

QString QtPrompter::saveFileName(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(parent(), caption, folder, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::folderName(const QString& caption, const QString& folder) {
  return QFileDialog::getExistingDirectory(parent(), caption, folder);
}

}  // namespace pk
