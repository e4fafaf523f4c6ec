#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 8.
class TfraView : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraView(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
