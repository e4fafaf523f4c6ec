#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 9.
class TfraViewBudgetAnnual : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraViewBudgetAnnual(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
