#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 2.
class TfraSetupAccounts : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetupAccounts(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
