#pragma once
// The manual, shown at the section of a help context.
#include <QTextBrowser>
#include <QWidget>

namespace pk {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void showContext(int context);
  int lastContext() const { return lastContext_; }
  QTextBrowser* browser() const { return browser_; }

  // The anchor of a context in the manual ("c1004").
  static QString anchorOf(int context);

 private:
  QTextBrowser* browser_;
  int lastContext_ = 0;
};

}  // namespace pk
