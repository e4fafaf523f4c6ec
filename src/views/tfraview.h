#pragma once
// Page 8, the view hub: tiles that lead to the view pages.
#include <QLabel>

#include "app/tfrabasframe.h"

namespace pk {

class ViewStrip;

class TfraView : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraView(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;

  ViewStrip* Panel3;
  ImageButton* btnSetup;      // "Annual budget", page 9
  ImageButton* btnViewYear1;  // page 13
  ImageButton* btnViewYear2;  // page 14
  ImageButton* btnPieChart1;  // "Charts", page 12
  ImageButton* btnPieChart2;  // "Chart Incoming", page 11; hidden
  ImageButton* btnForecast;   // page 10
  QLabel* lbPieChart2;        // the hidden tile's label
  ImageButton* btnBudget;     // toolbar picture "Budget - Annual", page 5; hidden

 public slots:
  void btnBudgetClick();
  void imgBackClick();

 private:
  ImageButton* makeTile(int picture, const QString& label, int page, QLabel** labelOut = nullptr);
};

}  // namespace pk
