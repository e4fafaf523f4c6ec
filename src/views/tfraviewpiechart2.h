#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 12.
class TfraViewPieChart2 : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewPieChart2(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
