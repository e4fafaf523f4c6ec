#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 14.
class TfraViewYear2 : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewYear2(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
