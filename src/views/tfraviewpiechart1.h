#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 11; it keeps the base page's toolbar and has no Print button.
class TfraViewPieChart1 : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewPieChart1(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
