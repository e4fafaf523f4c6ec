#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 4.
class TfraSetupOutgoings : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetupOutgoings(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
