#pragma once
#include <QDateEdit>
#include <QLabel>
#include <QTimer>

#include "app/tfrabasframe.h"
#include "core/dates.h"

namespace pk {

// Page 1, the setup hub: the start date of the budget year (always a Monday) and
// four tiles to the setup pages. Every showing stores a start date and recomputes
// the budget totals of all items.
class TfraSetup : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetup(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;

  ImageButton* Image5;
  QLabel* lblStartDate;
  QLabel* Label5;
  QDateEdit* edBalanceDate;
  ImageButton* btnAccounts;
  ImageButton* btnIncome;
  ImageButton* btnOutgoing;
  ImageButton* btnBudget;
  QLabel* lbAccounts;
  QLabel* lbIncome;
  QLabel* lbOutgoing;
  QLabel* lbBudget;
  QTimer* Timer2;

  // The picker's day at midnight.
  DayNumber pickerValue() const;
  // Sets the picker from code; the change handler does not run.
  void setPicker(DayNumber day);

 public slots:
  void edBalanceDateChange();
  void Timer2Timer();
  void btnAccountsClick();
  void btnIncomeClick();
  void btnOutgoingClick();
  void btnBudgetClick();
  void btnUnlockClick();

 protected:
  void FrameResize() override;

 private:
  void setStartDateRegular();
  QWidget* strip_;
};

}  // namespace pk
