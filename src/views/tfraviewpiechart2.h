#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 12.
class TfraViewPieChart2 : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraViewPieChart2(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
