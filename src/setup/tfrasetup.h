#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 1.
class TfraSetup : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraSetup(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
