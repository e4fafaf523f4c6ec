#pragma once
// The prompter of the running program: Qt message boxes and file dialogs.
#include <QPointer>
#include <QWidget>

#include "core/prompter.h"

namespace pk {

class QtPrompter : public Prompter {
 public:
  void setParentWindow(QWidget* parent) { parent_ = parent; }
  void message(MessageKind kind, const QString& text, const QString& caption = {}) override;
  Answer ask(MessageKind kind, const QString& text, Buttons buttons,
             const QString& caption = {}) override;
  QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QString folderName(const QString& caption, const QString& folder) override;

 private:
  QWidget* parent() const;
  QPointer<QWidget> parent_;
};

}  // namespace pk
