#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 10.
class TfraViewForecastYearEnd : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewForecastYearEnd(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
