#pragma once
#include <QLabel>

#include "app/tfrabasframe.h"

namespace pk {

// Page 0: three tiles to the areas of the program and, while the setup is
// incomplete, a reminder of what is missing.
class TfraStart : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraStart(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
  void ShowSetupReminder();

  QWidget* Panel3;
  QLabel* Image4;
  QLabel* Image5;
  QLabel* Image6;
  QLabel* Image7;
  ImageButton* btnSetup;
  ImageButton* btnEnterInfo;
  ImageButton* btnView;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* starthere;
  QLabel* imgReminder;
  QLabel* lbReminder1;
  QLabel* lbReminder2;
  QWidget* Panel1;
  QLabel* Image1;

 public slots:
  void btnSetupClick();
  void btnEnterInfoClick();
  void btnViewClick();
  void btnBackupClick();

 protected:
  void FrameResize() override;
};

}  // namespace pk
