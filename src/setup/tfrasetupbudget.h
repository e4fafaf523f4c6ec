#pragma once
#include <QDateEdit>
#include <QLabel>
#include <QTimer>

#include "app/tfrabasframe.h"
#include "core/budget/budgetrow.h"

namespace pk {

class BudgetGrid;
class BudgetGridModel;

// Page 5: the budget of every income and outgoing item, one grid for each, with
// the annual amounts, their subtotals and the grand total. Every accepted entry
// is written to its item at once.
class TfraSetupBudget : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetupBudget(AppContext& ctx, QWidget* parent = nullptr);
  ~TfraSetupBudget() override;
  void InitPage() override;

  BudgetSheet& sheet() { return sheet_; }

  ImageButton* JvImage1;
  QLabel* lbInstruction;
  BudgetGrid* grdIncome;
  BudgetGrid* grdOutgoings;
  QLabel* lbSubtotal1;
  QLabel* lbSubTotal2;
  QLabel* lbGrandTotal;
  QDateEdit* edBalanceDate;  // carries the budget start; never shown
  QTimer* Timer2;

 public slots:
  void btnPrintClick();
  void JvImage1Click();

 private:
  void LoadBudgetGrid(int type);
  void ReloadBudgetGrid(int type);
  void UpdateBudgetSubtotals();
  void edBalanceDateChange();
  void Timer2Timer();
  QWidget* buildPart(const QString& title, BudgetGrid* grid, QWidget* footer);
  QWidget* subtotalLine(QLabel* subtotal, bool withGrandTotal);

  BudgetSheet sheet_;
  BudgetGridModel* incomeModel_;
  BudgetGridModel* outgoingModel_;
};

}  // namespace pk
