#pragma once
// The splash window shown while the program's windows are made.
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

namespace pk {

class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);

  // The splash may close once its sequence has run.
  bool CloseQuery() const { return done_; }
  int countdown() const { return countdown_; }

  QLabel* Image1;
  QLabel* lbProgress;
  QProgressBar* ProgressBar1;
  QTimer* Timer1;

 public slots:
  void Timer1Timer();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int countdown_ = 4;
  bool done_ = false;
};

}  // namespace pk
