#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 10.
class TfraViewForecastYearEnd : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraViewForecastYearEnd(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
