#pragma once
#include "views/tfraviewpage.h"

namespace pk {

// Page 13.
class TfraViewYear1 : public TfraViewPage {
  Q_OBJECT
 public:
  explicit TfraViewYear1(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
