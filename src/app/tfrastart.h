#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 0.
class TfraStart : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraStart(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
