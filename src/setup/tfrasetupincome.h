#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 3.
class TfraSetupIncome : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetupIncome(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
