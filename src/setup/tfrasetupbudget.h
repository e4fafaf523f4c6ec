#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 5.
class TfraSetupBudget : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetupBudget(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
