#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 11.
class TfraViewPieChart1 : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraViewPieChart1(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
