#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 9: the annual budget report in the page's preview, with Print.
class TfraViewBudgetAnnual : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewBudgetAnnual(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;

 public slots:
  void btnPrintClick() override;
};

}  // namespace pk
